#include "style/kova7_button.h"

#include <BinaryData.h>

#include <cmath>

namespace
{
const juce::Colour outlineGrey{0xFF808080};
const juce::Colour noOutline{0x00000000};

const juce::Colour knobTrack{0xFF303030};
const juce::Colour arcAmber{0xFFFFC600};
const juce::Colour arcBrown{0xFF9E4C00};
// The captions' orange, darker, where the arc ends.
const juce::Colour arcEnd = juce::Colour{0xFFFFA500}.darker(0.2f);
const juce::Colour disabledKnob{0x80808080};

const juce::Colour menuStripeTint{0x2BADD8E6};

// One typeface for every caption, made for the first one painted and kept.
// It goes with JUCE's other shared objects at shutdown: left to the end of
// the process, it would outlive the leak checks of the glyphs it holds.
class CaptionFont final : public juce::DeletedAtShutdown
{
public:
    ~CaptionFont() override { clearSingletonInstance(); }

    const juce::Font font{juce::Typeface::createSystemTypefaceFor(
        BinaryData::font_Display_otf, static_cast<size_t>(BinaryData::font_Display_otfSize))};

    JUCE_DECLARE_SINGLETON(CaptionFont, false)
};

JUCE_IMPLEMENT_SINGLETON(CaptionFont)

// The menu face is big and the menu is opened rarely: it is loaded
// while an item is painted and let go straight after.
juce::Font menuFont()
{
    return juce::Font{juce::Typeface::createSystemTypefaceFor(
        BinaryData::font_Menu_otf, static_cast<size_t>(BinaryData::font_Menu_otfSize))};
}
} // namespace

void kova7_button::drawButtonBackground(juce::Graphics& g, juce::Button& button, const juce::Colour&,
                                        bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown)
{
    // These two lie over panel art that is their whole face.
    const auto id = button.getComponentID();
    const auto base = (id == "SliderButton" || id == "btn_HPMute") ? noOutline : outlineGrey;

    const float thickness = !button.isEnabled()
                                ? 0.4f
                                : ((shouldDrawButtonAsHighlighted || shouldDrawButtonAsDown) ? 1.2f : 1.0f);

    const bool left = button.isConnectedOnLeft();
    const bool right = button.isConnectedOnRight();
    const bool top = button.isConnectedOnTop();
    const bool bottom = button.isConnectedOnBottom();

    // A full thickness in from each free edge keeps the stroke well inside.
    const float indentL = left ? 0.1f : thickness;
    const float indentR = right ? 0.1f : thickness;
    const float indentT = top ? 0.1f : thickness;
    const float indentB = bottom ? 0.1f : thickness;

    const float w = static_cast<float>(button.getWidth()) - indentL - indentR;
    const float h = static_cast<float>(button.getHeight()) - indentT - indentB;

    if (thickness >= w || thickness >= h)
        return;

    const float corner = juce::jmin(w * 0.5f, h * 0.5f);

    juce::Path outline;
    outline.addRoundedRectangle(indentL, indentT, w, h, corner, corner, !(left || top), !(right || top),
                                !(left || bottom), !(right || bottom));

    g.setColour(base.darker(0.4f).withMultipliedAlpha(1.5f));
    g.strokePath(outline, juce::PathStrokeType(thickness));
}

void kova7_button::drawButtonText(juce::Graphics& g, juce::TextButton& button, bool, bool)
{
    const auto font = CaptionFont::getInstance()->font.withHeight(20.0f);
    g.setFont(font);

    // Not dimmed when disabled: the veil over the panel does that.
    g.setColour(button.findColour(button.getToggleState() ? juce::TextButton::textColourOnId
                                                          : juce::TextButton::textColourOffId));

    const int width = button.getWidth();
    const int height = button.getHeight();

    const int cornerSize = juce::jmin(height, width) / 2;
    const int fontHeight = juce::roundToInt(font.getHeight() * 0.6f);
    const int leftIndent = juce::jmin(fontHeight, 2 + cornerSize / (button.isConnectedOnLeft() ? 4 : 2));
    const int rightIndent = juce::jmin(fontHeight, 2 + cornerSize / (button.isConnectedOnRight() ? 4 : 2));
    const int textWidth = width - leftIndent - rightIndent;

    if (textWidth <= 0)
        return;

    // The box runs down to the bottom edge, which sets the caption a little
    // below the middle, where the display face looks centred.
    const int yIndent = juce::jmin(4, juce::roundToInt(static_cast<float>(height) * 0.3f));

    g.drawFittedText(button.getButtonText(), leftIndent, yIndent, textWidth, height - yIndent,
                     juce::Justification::centred, 2, 0.0f);
}

void kova7_button::drawPopupMenuBackground(juce::Graphics& g, int width, int height)
{
    const auto background = findColour(juce::PopupMenu::backgroundColourId);

    g.fillAll(background);
    g.setColour(background.overlaidWith(menuStripeTint));

    for (int y = 0; y < height; y += 3)
        g.fillRect(0, y, width, 1);
}

void kova7_button::drawPopupMenuItem(juce::Graphics& g, const juce::Rectangle<int>& area, bool isSeparator,
                                     bool isActive, bool isHighlighted, bool isTicked, bool hasSubMenu,
                                     const juce::String& text, const juce::String& shortcutKeyText,
                                     const juce::Drawable* icon, const juce::Colour* textColour)
{
    if (isSeparator)
    {
        auto r = area.reduced(5, 0);
        r.removeFromTop(r.getHeight() / 2 - 1);

        g.setColour(juce::Colour{0x33000000});
        g.fillRect(r.removeFromTop(1));

        g.setColour(juce::Colour{0x66FFFFFF});
        g.fillRect(r.removeFromTop(1));
        return;
    }

    auto colour = textColour != nullptr ? *textColour : findColour(juce::PopupMenu::textColourId);
    auto r = area.reduced(1);

    if (isHighlighted)
    {
        g.setColour(findColour(juce::PopupMenu::highlightedBackgroundColourId));
        g.fillRect(r);
        colour = findColour(juce::PopupMenu::highlightedTextColourId);
    }

    g.setColour(colour);

    if (!isActive)
        g.setOpacity(0.3f);

    auto font = menuFont();
    const auto maxFontHeight = static_cast<float>(area.getHeight()) / 1.3f;

    if (font.getHeight() > maxFontHeight)
        font.setHeight(maxFontHeight);

    g.setFont(font);

    const auto iconArea = r.removeFromLeft((r.getHeight() * 5) / 4).reduced(3).toFloat();

    if (icon != nullptr)
    {
        icon->drawWithin(g, iconArea,
                         juce::RectanglePlacement::centred | juce::RectanglePlacement::onlyReduceInSize,
                         1.0f);
    }
    else if (isTicked)
    {
        const auto tick = getTickShape(1.0f);
        g.fillPath(tick, tick.getTransformToScaleToFit(iconArea, true));
    }

    if (hasSubMenu)
    {
        // Sized from the base menu font, as every other menu arrow is.
        const auto arrowH = 0.6f * getPopupMenuFont().getAscent();
        const auto x = static_cast<float>(r.removeFromRight(static_cast<int>(arrowH)).getX());
        const auto halfH = static_cast<float>(r.getCentreY());

        juce::Path arrow;
        arrow.addTriangle(x, halfH - arrowH * 0.5f, x, halfH + arrowH * 0.5f, x + arrowH * 0.6f, halfH);
        g.fillPath(arrow);
    }

    r.removeFromRight(3);
    g.drawFittedText(text, r, juce::Justification::centredLeft, 1);

    if (shortcutKeyText.isNotEmpty())
    {
        auto shortcutFont = font;
        shortcutFont.setHeight(shortcutFont.getHeight() * 0.75f);
        shortcutFont.setHorizontalScale(0.95f);
        g.setFont(shortcutFont);

        g.drawText(shortcutKeyText, r.toFloat(), juce::Justification::centredRight, true);
    }
}

void kova7_button::drawLabel(juce::Graphics& g, juce::Label& label)
{
    g.fillAll(label.findColour(juce::Label::backgroundColourId));

    if (!label.isBeingEdited())
    {
        const auto alpha = label.isEnabled() ? 1.0f : 0.5f;
        const auto font = getLabelFont(label);

        g.setColour(label.findColour(juce::Label::textColourId).withMultipliedAlpha(alpha));
        g.setFont(font);

        // Pushes the digits down into the middle of the knob; the label
        // repaints once when this changes its border, never after.
        const auto border = getLabelBorderSize(label);
        label.setBorderSize({20, border.getLeft(), border.getBottom(), border.getRight()});

        const auto textArea = getLabelBorderSize(label).subtractedFrom(label.getLocalBounds());

        g.drawFittedText(
            label.getText(), textArea, label.getJustificationType(),
            juce::jmax(1, static_cast<int>(static_cast<float>(textArea.getHeight()) / font.getHeight())),
            label.getMinimumHorizontalScale());

        g.setColour(label.findColour(juce::Label::outlineColourId).withMultipliedAlpha(alpha));
    }
    else if (label.isEnabled())
    {
        g.setColour(label.findColour(juce::Label::outlineColourId));
    }

    g.drawRect(label.getLocalBounds().toFloat(), 1.0f);
}

void kova7_button::drawRotarySlider(juce::Graphics& g, int x, int y, int width, int height,
                                    float sliderPosProportional, float rotaryStartAngle, float rotaryEndAngle,
                                    juce::Slider& slider)
{
    const float radius =
        juce::jmin(static_cast<float>(width) * 0.5f, static_cast<float>(height) * 0.5f) + 0.5f;
    const float centreX = static_cast<float>(x) + static_cast<float>(width) * 0.5f;
    const float centreY = static_cast<float>(y) + static_cast<float>(height) * 0.5f;
    const float rx = centreX - radius;
    const float ry = centreY - radius;
    const float rw = radius * 2.0f;
    const float angle = rotaryStartAngle + sliderPosProportional * (rotaryEndAngle - rotaryStartAngle);

    const float alpha = (slider.isEnabled() && slider.isMouseOverOrDragging()) ? 1.0f : 0.7f;

    if (radius > 12.0f)
    {
        // 6.28 rather than two pi, as the knob has always been drawn.
        constexpr float fullTurn = 6.28f;
        constexpr float bandInner = 0.84f;

        const auto capRadius = static_cast<float>(0.08 * radius);
        const auto capSize = static_cast<float>(0.16 * radius);
        const auto bandInnerRadius = static_cast<float>(0.84 * radius);
        const auto pointerDistance = static_cast<float>(0.93 * radius);

        juce::Path track;
        track.addPieSegment(rx, ry, rw, rw, 0.0f, fullTurn, bandInner);
        g.setColour(knobTrack);
        g.fillPath(track);

        // The disc at six o'clock rounds off the start of the arc; a corner
        // size far above half the side makes the rectangle a circle.
        juce::Path arc;
        arc.addPieSegment(rx, ry, rw, rw, rotaryStartAngle, angle, bandInner);
        arc.addRoundedRectangle(centreX - capRadius, centreY + bandInnerRadius, capSize, capSize, 90.0f,
                                90.0f, true, true, true, true);

        // Centred far to the right, so the arc shades from brown on the left
        // to amber on the right.
        const float reach = static_cast<float>(height) * 0.75f + static_cast<float>(height - 2);
        juce::ColourGradient shading(noOutline, static_cast<float>(x) + reach, centreY, arcEnd,
                                     static_cast<float>(x), centreY, true);
        shading.addColour(juce::jlimit(0.0, 0.6, 1.0 - 0.1 / reach), arcAmber);
        shading.addColour(juce::jlimit(0.5, 1.0, 1.0 - 0.5 / reach), arcBrown);
        g.setGradientFill(shading);
        g.fillPath(arc);

        const auto pointer =
            juce::Point<float>(centreX, centreY).getPointOnCircumference(pointerDistance, angle);
        juce::Path cap;
        cap.addCentredArc(pointer.x, pointer.y, capRadius, capRadius, 1.0f, 0.0f, fullTurn, true);
        g.setColour(arcBrown);
        g.fillPath(cap);
    }
    else
    {
        g.setColour(slider.isEnabled()
                        ? slider.findColour(juce::Slider::rotarySliderFillColourId).withAlpha(alpha)
                        : disabledKnob);

        juce::Path knob;
        knob.addEllipse(-0.4f * rw, -0.4f * rw, rw * 0.8f, rw * 0.8f);
        juce::PathStrokeType(rw * 0.1f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt)
            .createStrokedPath(knob, knob);
        knob.addLineSegment(juce::Line<float>(0.0f, 0.0f, 0.0f, -radius), rw * 0.2f);

        g.fillPath(knob, juce::AffineTransform::rotation(angle).translated(centreX, centreY));
    }
}
