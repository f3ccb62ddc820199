#include "TestSupport.h"

#include "panel/MainComponent.h"
#include "testing/VirtualMidiBus.h"

#include <BinaryData.h>

#include <gtest/gtest.h>

namespace
{
const juce::Colour body{0xFF1D1D1D};

struct Panel
{
    ~Panel() { panel.reset(); }

    VirtualMidiBus bus;
    std::unique_ptr<MainComponent> panel = std::make_unique<MainComponent>(bus);
};

// The panel's own layer alone, without its children, at the given scale.
juce::Image paintLayer(MainComponent& panel, float scale = 1.0f)
{
    juce::Image image(juce::Image::ARGB, juce::roundToInt(580 * scale), juce::roundToInt(300 * scale), true,
                      juce::SoftwareImageType());
    juce::Graphics g(image);
    g.addTransform(juce::AffineTransform::scale(scale));
    panel.paint(g);
    return image;
}

int countDifferences(const juce::Image& a, const juce::Image& b)
{
    int differences = 0;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (a.getPixelAt(x, y) != b.getPixelAt(x, y))
                ++differences;
    return differences;
}

bool isBlank(const juce::Image& image)
{
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (image.getPixelAt(x, y).getAlpha() != 0)
                return false;
    return true;
}

// A drawing parsed afresh and stretched into its rectangle, as a panel that
// kept nothing between paints would draw it.
void drawStretched(juce::Graphics& g, const char* data, int size, juce::Rectangle<float> area)
{
    auto drawable = juce::Drawable::createFromImageData(data, static_cast<size_t>(size));
    ASSERT_NE(drawable, nullptr);
    drawable->setTransformToFit(area, juce::RectanglePlacement::stretchToFit);
    drawable->draw(g, 1.0f);
}
} // namespace

TEST(Painting, BodyIsOneIrregularOvalWithNothingAroundIt)
{
    Panel rig;
    const auto layer = paintLayer(*rig.panel);

    struct Case
    {
        int x, y;
        bool inBody;
    };
    for (const auto& c :
         {Case{300, 140, true}, Case{20, 150, true}, Case{570, 150, true}, Case{300, 15, true},
          Case{300, 275, true}, Case{2, 2, false}, Case{5, 150, false}, Case{300, 5, false},
          Case{300, 285, false}, Case{575, 20, false}, Case{20, 275, false}, Case{578, 290, false}})
    {
        const auto pixel = layer.getPixelAt(c.x, c.y);
        if (c.inBody)
            EXPECT_EQ(pixel, body) << c.x << ", " << c.y;
        else
            EXPECT_EQ(pixel.getAlpha(), 0) << c.x << ", " << c.y;
    }

    // With every child on top, the corner still shows the desktop.
    const auto whole = rig.panel->createComponentSnapshot(rig.panel->getLocalBounds(), true, 1.0f);
    EXPECT_EQ(whole.getPixelAt(2, 2).getAlpha(), 0);
    EXPECT_EQ(whole.getPixelAt(577, 297).getAlpha(), 0);
}

TEST(Painting, DrawingsAreStretchedIntoTheirRectanglesAndFollowTheMute)
{
    Panel rig;
    auto& panel = *rig.panel;
    // A see-through body leaves only the drawings to compare.
    panel.bodyColours.assign(7, juce::Colours::transparentBlack);

    struct Case
    {
        int hpMuteState;
        const char* headset;
        int headsetSize;
    };
    for (const auto& c : {Case{0, BinaryData::svg_Headset_svg, BinaryData::svg_Headset_svgSize},
                          Case{1, BinaryData::svg_HeadsetMuted_svg, BinaryData::svg_HeadsetMuted_svgSize},
                          Case{2, BinaryData::svg_HeadsetMuted_svg, BinaryData::svg_HeadsetMuted_svgSize},
                          Case{0, BinaryData::svg_Headset_svg, BinaryData::svg_Headset_svgSize}})
    {
        panel.hpMuteState = c.hpMuteState;

        // At twice the size the drawings must be drawn anew, not enlarged.
        for (const float scale : {1.0f, 2.0f})
        {
            juce::Image expected(juce::Image::ARGB, juce::roundToInt(580 * scale),
                                 juce::roundToInt(300 * scale), true, juce::SoftwareImageType());
            {
                juce::Graphics g(expected);
                g.addTransform(juce::AffineTransform::scale(scale));
                drawStretched(g, BinaryData::svg_Title_svg, BinaryData::svg_Title_svgSize,
                              {338, 86, 108, 40});
                drawStretched(g, BinaryData::svg_Setting_svg, BinaryData::svg_Setting_svgSize,
                              {414, 55, 17, 15});
                drawStretched(g, c.headset, c.headsetSize, {282, 215, 17, 17});
            }
            ASSERT_FALSE(isBlank(expected));

            // The second paint uses what the first one parsed.
            EXPECT_EQ(countDifferences(paintLayer(panel, scale), expected), 0)
                << "mute " << c.hpMuteState << ", scale " << scale;
            EXPECT_EQ(countDifferences(paintLayer(panel, scale), expected), 0)
                << "mute " << c.hpMuteState << ", scale " << scale << ", repainted";
        }
    }
}

TEST(Painting, TooFewBodyPartsDrawNothingAtAll)
{
    struct Case
    {
        std::size_t ellipses, colours;
    };
    for (const auto& c : {Case{6, 7}, Case{0, 7}, Case{7, 3}, Case{7, 0}})
    {
        Panel rig;
        rig.panel->bodyEllipses.resize(c.ellipses);
        rig.panel->bodyColours.resize(c.colours);
        EXPECT_TRUE(isBlank(paintLayer(*rig.panel)))
            << c.ellipses << " ellipses, " << c.colours << " colours";
    }
}

TEST(Painting, PaintingGivesTheOpenGainEditorThePanelsFilter)
{
    Panel rig;
    auto& panel = *rig.panel;
    // The editor takes the keyboard focus, which needs a panel on screen.
    panel.addToDesktop(0);
    panel.setVisible(true);
    panel.gainLabel->showEditor();
    auto* editor = panel.gainLabel->getCurrentTextEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->getInputFilter(), nullptr);

    paintLayer(panel);
    EXPECT_EQ(editor->getInputFilter(), &panel);

    paintLayer(panel);
    EXPECT_EQ(editor->getInputFilter(), &panel);

    panel.gainLabel->hideEditor(true);
}
