#include "style/kova7_button.h"

#include <BinaryData.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
// A graphics context that keeps what is drawn instead of rendering it: every
// fill as a path in device coordinates with the fill in force, every glyph
// with its font and position.
class RecordingContext final : public juce::LowLevelGraphicsContext
{
public:
    struct Fill
    {
        juce::Path path;
        juce::FillType fill;
    };

    struct Glyph
    {
        int number;
        juce::AffineTransform transform;
        juce::Font font;
        juce::FillType fill;
    };

    std::vector<Fill> fills;
    std::vector<Glyph> glyphs;

    bool isVectorDevice() const override { return false; }
    void setOrigin(juce::Point<int> origin) override
    {
        addTransform(
            juce::AffineTransform::translation(static_cast<float>(origin.x), static_cast<float>(origin.y)));
    }
    void addTransform(const juce::AffineTransform& t) override
    {
        state().transform = t.followedBy(state().transform);
    }
    float getPhysicalPixelScaleFactor() override { return 1.0f; }
    bool clipToRectangle(const juce::Rectangle<int>&) override { return true; }
    bool clipToRectangleList(const juce::RectangleList<int>&) override { return true; }
    void excludeClipRectangle(const juce::Rectangle<int>&) override {}
    void clipToPath(const juce::Path&, const juce::AffineTransform&) override {}
    void clipToImageAlpha(const juce::Image&, const juce::AffineTransform&) override {}
    bool clipRegionIntersects(const juce::Rectangle<int>&) override { return true; }
    juce::Rectangle<int> getClipBounds() const override { return {0, 0, 1000, 1000}; }
    bool isClipEmpty() const override { return false; }
    void saveState() override { states.push_back(states.back()); }
    void restoreState() override { states.pop_back(); }
    void beginTransparencyLayer(float) override { saveState(); }
    void endTransparencyLayer() override { restoreState(); }
    void setFill(const juce::FillType& fill) override { state().fill = fill; }
    void setOpacity(float opacity) override { state().fill.setOpacity(opacity); }
    void setInterpolationQuality(juce::Graphics::ResamplingQuality) override {}
    void fillRect(const juce::Rectangle<int>& r, bool) override { fillRect(r.toFloat()); }
    void fillRect(const juce::Rectangle<float>& r) override
    {
        juce::Path p;
        p.addRectangle(r);
        fillPath(p, {});
    }
    void fillRectList(const juce::RectangleList<float>& list) override
    {
        for (const auto& r : list)
            fillRect(r);
    }
    void fillPath(const juce::Path& path, const juce::AffineTransform& t) override
    {
        fills.push_back({path, state().fill});
        fills.back().path.applyTransform(t.followedBy(state().transform));
    }
    void drawImage(const juce::Image&, const juce::AffineTransform&) override {}
    void drawLine(const juce::Line<float>&) override {}
    void setFont(const juce::Font& font) override { state().font = font; }
    const juce::Font& getFont() override { return state().font; }
    void drawGlyph(int number, const juce::AffineTransform& t) override
    {
        glyphs.push_back({number, t.followedBy(state().transform), state().font, state().fill});
    }

private:
    struct State
    {
        juce::AffineTransform transform;
        juce::FillType fill;
        juce::Font font;
    };

    State& state() { return states.back(); }
    std::vector<State> states{State{}};
};

template <typename Draw> RecordingContext record(Draw&& draw)
{
    RecordingContext context;
    juce::Graphics g(context);
    draw(g);
    return context;
}

juce::Font embeddedFont(const char* data, int size)
{
    return juce::Font(juce::Typeface::createSystemTypefaceFor(data, static_cast<size_t>(size)));
}

// Where plain drawFittedText puts the text: the reference for a layout box.
std::vector<RecordingContext::Glyph> glyphsOf(const juce::Font& font, const juce::String& text,
                                              juce::Rectangle<int> box, juce::Justification justification,
                                              int lines, float minimumScale = 0.0f)
{
    return record(
               [&](juce::Graphics& g)
               {
                   g.setFont(font);
                   g.drawFittedText(text, box, justification, lines, minimumScale);
               })
        .glyphs;
}

void expectSameGlyphs(const std::vector<RecordingContext::Glyph>& actual,
                      const std::vector<RecordingContext::Glyph>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    ASSERT_FALSE(actual.empty());
    for (std::size_t i = 0; i < actual.size(); ++i)
    {
        EXPECT_EQ(actual[i].number, expected[i].number);
        EXPECT_EQ(actual[i].transform, expected[i].transform) << "glyph " << i;
        EXPECT_EQ(actual[i].font.getTypefaceName(), expected[i].font.getTypefaceName());
        EXPECT_FLOAT_EQ(actual[i].font.getHeight(), expected[i].font.getHeight());
    }
}

// Two paths with the same elements, point for point within a tolerance.
bool samePath(const juce::Path& a, const juce::Path& b, float tolerance = 1.0e-3f)
{
    juce::Path::Iterator i(a), j(b);
    auto near = [&](float p, float q) { return std::abs(p - q) <= tolerance; };
    for (;;)
    {
        const bool more = i.next();
        if (more != j.next())
            return false;
        if (!more)
            return true;
        if (i.elementType != j.elementType || !near(i.x1, j.x1) || !near(i.y1, j.y1) || !near(i.x2, j.x2) ||
            !near(i.y2, j.y2) || !near(i.x3, j.x3) || !near(i.y3, j.y3))
            return false;
    }
}

void expectBounds(const juce::Path& path, juce::Rectangle<float> expected, float tolerance, const char* what)
{
    const auto bounds = path.getBounds();
    EXPECT_NEAR(bounds.getX(), expected.getX(), tolerance) << what;
    EXPECT_NEAR(bounds.getY(), expected.getY(), tolerance) << what;
    EXPECT_NEAR(bounds.getWidth(), expected.getWidth(), tolerance) << what;
    EXPECT_NEAR(bounds.getHeight(), expected.getHeight(), tolerance) << what;
}
} // namespace

TEST(Style, ButtonOutlinesByComponentIdAndState)
{
    kova7_button lnf;

    struct Case
    {
        const char* name;
        const char* id;
        bool enabled, highlighted, down;
        int connectedEdges;
        bool outlined;
        juce::Rectangle<float> outline; // where the stroke's centre line runs
        float corner, thickness;
        bool curvedLeft;
    };
    const Case cases[] = {
        {"", "btn_Setting", true, false, false, 0, true, {1, 1, 38, 58}, 19, 1.0f, true},
        {"", "", true, true, false, 0, true, {1.2f, 1.2f, 37.6f, 57.6f}, 18.8f, 1.2f, true},
        {"", "btn_Setting", true, false, true, 0, true, {1.2f, 1.2f, 37.6f, 57.6f}, 18.8f, 1.2f, true},
        {"", "btn_Setting", false, true, true, 0, true, {0.4f, 0.4f, 39.2f, 59.2f}, 19.6f, 0.4f, true},
        // The test is on the ID: a button merely named like one is outlined.
        {"SliderButton", "", true, false, false, 0, true, {1, 1, 38, 58}, 19, 1.0f, true},
        {"",
         "btn_Setting",
         true,
         false,
         false,
         juce::Button::ConnectedOnLeft,
         true,
         {0.1f, 1, 38.9f, 58},
         19.45f,
         1.0f,
         false},
        {"", "SliderButton", true, false, false, 0, false, {}, 0, 0, true},
        {"", "SliderButton", true, true, true, 0, false, {}, 0, 0, true},
        {"", "btn_HPMute", true, false, false, 0, false, {}, 0, 0, true},
        {"", "btn_HPMute", false, false, false, 0, false, {}, 0, 0, true},
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE(juce::String(c.id) + " named '" + c.name + "', enabled " + juce::String((int)c.enabled) +
                     ", highlighted " + juce::String((int)c.highlighted) + ", down " +
                     juce::String((int)c.down));

        juce::TextButton button(c.name);
        button.setComponentID(c.id);
        button.setSize(40, 60);
        button.setEnabled(c.enabled);
        button.setConnectedEdges(c.connectedEdges);

        const auto drawn =
            record([&](juce::Graphics& g)
                   { lnf.drawButtonBackground(g, button, juce::Colours::red, c.highlighted, c.down); });

        if (!c.outlined)
        {
            for (const auto& fill : drawn.fills)
                EXPECT_TRUE(fill.fill.isInvisible());
            continue;
        }

        ASSERT_EQ(drawn.fills.size(), 1u);
        EXPECT_EQ(drawn.fills[0].fill.colour, juce::Colour(0xFF5B5B5B));

        juce::Path expected;
        expected.addRoundedRectangle(c.outline.getX(), c.outline.getY(), c.outline.getWidth(),
                                     c.outline.getHeight(), c.corner, c.corner, c.curvedLeft, true,
                                     c.curvedLeft, true);
        juce::PathStrokeType(c.thickness).createStrokedPath(expected, expected);
        EXPECT_TRUE(samePath(drawn.fills[0].path, expected));
    }
}

TEST(Style, CaptionInTheDisplayFaceInItsBoxAndColourEvenWhenDisabled)
{
    kova7_button lnf;
    const auto displayFont = embeddedFont(BinaryData::font_Display_otf, BinaryData::font_Display_otfSize);
    const auto expected =
        glyphsOf(displayFont.withHeight(20.0f), "INST", {9, 4, 78, 26}, juce::Justification::centred, 2);

    struct Case
    {
        bool on, enabled;
        juce::uint32 colour;
    };
    for (const auto& c : {Case{false, true, 0xFF808080}, Case{true, true, 0xFFFFA500},
                          Case{false, false, 0xFF808080}, Case{true, false, 0xFFFFA500}})
    {
        SCOPED_TRACE("on " + juce::String((int)c.on) + ", enabled " + juce::String((int)c.enabled));
        juce::TextButton button("line in");
        button.setButtonText("INST");
        button.setColour(juce::TextButton::textColourOffId, juce::Colour(0xFF808080));
        button.setColour(juce::TextButton::textColourOnId, juce::Colour(0xFFFFA500));
        button.setToggleState(c.on, juce::dontSendNotification);
        button.setEnabled(c.enabled);
        button.setSize(96, 30);

        const auto drawn = record([&](juce::Graphics& g) { lnf.drawButtonText(g, button, false, false); });

        expectSameGlyphs(drawn.glyphs, expected);
        for (const auto& glyph : drawn.glyphs)
            EXPECT_EQ(glyph.fill.colour, juce::Colour(c.colour));
    }

    // Too narrow for any caption.
    juce::TextButton narrow;
    narrow.setButtonText("INST");
    narrow.setSize(4, 30);
    EXPECT_TRUE(
        record([&](juce::Graphics& g) { lnf.drawButtonText(g, narrow, false, false); }).glyphs.empty());
}

TEST(Style, MenuBackgroundIsStripedEveryThirdRowWithoutBorder)
{
    kova7_button lnf;
    juce::Image image(juce::Image::ARGB, 40, 10, true, juce::SoftwareImageType());
    {
        juce::Graphics g(image);
        lnf.drawPopupMenuBackground(g, 40, 10);
    }

    for (int y = 0; y < 10; ++y)
        for (const int x : {0, 20, 39})
            EXPECT_EQ(image.getPixelAt(x, y), juce::Colour(y % 3 == 0 ? 0xFFF0F8FA : 0xFFFFFFFF))
                << x << ", " << y;
}

TEST(Style, MenuItemsHighlightDimAndUseTheChineseFace)
{
    kova7_button lnf;
    const auto menuFont = embeddedFont(BinaryData::font_Menu_otf, BinaryData::font_Menu_otfSize);
    const auto text =
        juce::String::fromUTF8("\xe5\xbc\x80\xe6\x9c\xba\xe8\x87\xaa\xe5\x8a\xa8\xe5\x90\xaf\xe5\x8a\xa8");

    struct Case
    {
        bool active, highlighted, ticked;
        int height;
        juce::uint32 textColour;
        float opacity, fontHeight;
    };
    for (const auto& c : {Case{true, false, false, 20, 0xFF000000, 1.0f, 14.0f},
                          Case{true, true, true, 20, 0xFFFFFFFF, 1.0f, 14.0f},
                          Case{false, true, false, 20, 0xFFFFFFFF, 0.3f, 14.0f},
                          Case{false, false, true, 20, 0xFF000000, 0.3f, 14.0f},
                          Case{true, false, false, 15, 0xFF000000, 1.0f, 15.0f / 1.3f}})
    {
        SCOPED_TRACE("active " + juce::String((int)c.active) + ", highlighted " +
                     juce::String((int)c.highlighted) + ", height " + juce::String(c.height));
        const juce::Rectangle<int> area{0, 0, 200, c.height};
        const auto drawn = record(
            [&](juce::Graphics& g)
            {
                lnf.drawPopupMenuItem(g, area, false, c.active, c.highlighted, c.ticked, false, text, {},
                                      nullptr, nullptr);
            });

        // The text starts after the icon column, 5/4 of the inner height.
        const auto inner = area.reduced(1);
        const auto iconColumn = inner.getHeight() * 5 / 4;
        const auto textBox = inner.withTrimmedLeft(iconColumn).withTrimmedRight(3);
        expectSameGlyphs(drawn.glyphs, glyphsOf(menuFont.withHeight(c.fontHeight), text, textBox,
                                                juce::Justification::centredLeft, 1));
        for (const auto& glyph : drawn.glyphs)
        {
            EXPECT_EQ(glyph.fill.colour.withAlpha(1.0f), juce::Colour(c.textColour));
            EXPECT_NEAR(glyph.fill.colour.getFloatAlpha(), c.opacity, 0.01f);
        }

        std::size_t next = 0;
        if (c.highlighted)
        {
            // Full strength, even for an inactive item.
            ASSERT_GT(drawn.fills.size(), next);
            EXPECT_EQ(drawn.fills[next].fill.colour, juce::Colour(0x991111AA));
            EXPECT_TRUE(samePath(drawn.fills[next].path,
                                 [&]
                                 {
                                     juce::Path bar;
                                     bar.addRectangle(inner);
                                     return bar;
                                 }()));
            ++next;
        }

        if (c.ticked)
        {
            ASSERT_GT(drawn.fills.size(), next);
            const auto tick = drawn.fills[next].path.getBounds();
            const auto iconArea = inner.withWidth(iconColumn).reduced(3).toFloat();
            EXPECT_TRUE(iconArea.expanded(0.01f).contains(tick));
            EXPECT_TRUE(std::abs(tick.getWidth() - iconArea.getWidth()) < 0.01f ||
                        std::abs(tick.getHeight() - iconArea.getHeight()) < 0.01f);
            EXPECT_NEAR(drawn.fills[next].fill.colour.getFloatAlpha(), c.opacity, 0.01f);
            ++next;
        }

        EXPECT_EQ(drawn.fills.size(), next);
    }
}

TEST(Style, LabelTextSitsTwentyPixelsDownAndTheBorderChangesOnce)
{
    // Counts the repaints the label asks for.
    struct RepaintCounter final : juce::CachedComponentImage
    {
        explicit RepaintCounter(int& countToUse) : count(countToUse) {}
        void paint(juce::Graphics&) override {}
        bool invalidateAll() override { return ++count, true; }
        bool invalidate(const juce::Rectangle<int>&) override { return ++count, true; }
        void releaseResources() override {}
        int& count;
    };

    kova7_button lnf;
    juce::Label label("Gain", "30");
    label.setJustificationType(juce::Justification::centred);
    label.setColour(juce::Label::textColourId, juce::Colour(0xFFFFA500));
    const auto font =
        embeddedFont(BinaryData::font_Display_otf, BinaryData::font_Display_otfSize).withHeight(60.0f);
    label.setFont(font);
    label.setBounds(145, 120, 120, 60);
    label.setBorderSize({3, 6, 2, 7});
    label.setVisible(true);

    int repaints = 0;
    label.setCachedComponentImage(new RepaintCounter(repaints));
    repaints = 0;

    const auto first = record([&](juce::Graphics& g) { lnf.drawLabel(g, label); });
    EXPECT_EQ(label.getBorderSize(), juce::BorderSize<int>(20, 6, 2, 7));
    EXPECT_EQ(repaints, 1);
    expectSameGlyphs(first.glyphs, glyphsOf(font, "30", {6, 20, 107, 38}, juce::Justification::centred, 1,
                                            label.getMinimumHorizontalScale()));
    for (const auto& glyph : first.glyphs)
        EXPECT_EQ(glyph.fill.colour, juce::Colour(0xFFFFA500));

    const auto second = record([&](juce::Graphics& g) { lnf.drawLabel(g, label); });
    EXPECT_EQ(label.getBorderSize(), juce::BorderSize<int>(20, 6, 2, 7));
    EXPECT_EQ(repaints, 1);
    expectSameGlyphs(second.glyphs, first.glyphs);

    label.setCachedComponentImage(nullptr);
}

TEST(Style, KnobIsSmallUpToRadiusTwelveAndRingShapedAbove)
{
    kova7_button lnf;

    struct Case
    {
        int size;
        bool enabled;
        std::vector<juce::uint32> colours; // of the fills, in order; 0 for the gradient
    };
    for (const auto& c :
         {Case{23, true, {juce::Colours::red.withAlpha(0.7f).getARGB()}}, Case{23, false, {0x80808080}},
          Case{24, true, {0xFF303030, 0, 0xFF9E4C00}}, Case{24, false, {0xFF303030, 0, 0xFF9E4C00}}})
    {
        SCOPED_TRACE(juce::String(c.size) + (c.enabled ? " enabled" : " disabled"));
        juce::Slider slider;
        slider.setColour(juce::Slider::rotarySliderFillColourId, juce::Colours::red);
        slider.setEnabled(c.enabled);

        const auto drawn =
            record([&](juce::Graphics& g)
                   { lnf.drawRotarySlider(g, 0, 0, c.size, c.size, 0.25f, 3.14f, 9.42f, slider); });

        ASSERT_EQ(drawn.fills.size(), c.colours.size());
        for (std::size_t i = 0; i < c.colours.size(); ++i)
        {
            if (c.colours[i] == 0)
                EXPECT_TRUE(drawn.fills[i].fill.isGradient());
            else
                EXPECT_EQ(drawn.fills[i].fill.colour, juce::Colour(c.colours[i]));
        }
    }
}

TEST(Style, GainKnobArcCapsAndShading)
{
    kova7_button lnf;
    juce::Slider slider;

    // The panel's knob: 171 by 176, so radius 86 round (85.5, 88).
    constexpr float cx = 85.5f, cy = 88.0f, r = 86.0f;
    const auto disc = [](juce::Point<float> centre, float radius)
    { return juce::Rectangle<float>(2 * radius, 2 * radius).withCentre(centre); };
    const auto pointOnKnob = [&](float distance, float angle)
    { return juce::Point<float>(cx + distance * std::sin(angle), cy - distance * std::cos(angle)); };

    struct Case
    {
        float position;
        juce::Rectangle<float> arc;
    };
    // At rest only the start cap shows; half way round the arc covers the
    // left half of the band, from six to twelve o'clock.
    const auto startCap = disc({cx, cy + 0.92f * r}, 0.08f * r);
    for (const auto& c : {Case{0.0f, startCap},
                          Case{0.5f, juce::Rectangle<float>(cx - r, cy - r, r, 2 * r).getUnion(startCap)}})
    {
        SCOPED_TRACE(c.position);
        const auto drawn =
            record([&](juce::Graphics& g)
                   { lnf.drawRotarySlider(g, 0, 0, 171, 176, c.position, 3.14f, 9.42f, slider); });
        ASSERT_EQ(drawn.fills.size(), 3u);

        expectBounds(drawn.fills[0].path, {cx - r, cy - r, 2 * r, 2 * r}, 0.05f, "track");
        expectBounds(drawn.fills[1].path, c.arc, 0.05f, "value arc");
        const auto angle = 3.14f + c.position * 6.28f;
        expectBounds(drawn.fills[2].path, disc(pointOnKnob(0.93f * r, angle), 0.08f * r), 0.01f,
                     "pointer cap");

        // Centred far right of the knob: brown on its left, amber on its right.
        const auto& shading = *drawn.fills[1].fill.gradient;
        const float reach = 176 * 0.75f + 174;
        EXPECT_TRUE(shading.isRadial);
        EXPECT_EQ(shading.point1, juce::Point<float>(reach, cy));
        EXPECT_EQ(shading.point2, juce::Point<float>(0, cy));
        ASSERT_EQ(shading.getNumColours(), 4);
        const double stops[] = {0.0, 0.6, 1.0 - 0.5 / reach, 1.0};
        const juce::uint32 colours[] = {0x00000000, 0xFFFFC600, 0xFF9E4C00, 0xFFD48900};
        for (int i = 0; i < 4; ++i)
        {
            EXPECT_NEAR(shading.getColourPosition(i), stops[i], 1.0e-6) << i;
            EXPECT_EQ(shading.getColour(i), juce::Colour(colours[i])) << i;
        }
    }
}
