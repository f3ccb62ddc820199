#include "Artwork.h"

namespace artwork
{
namespace
{
// The panel draws the big pictures at roughly a fifth of their pixel size, so
// their lines are 7-9 px wide to come out at about 2 px.

juce::Colour grey (juce::uint8 level)
{
    return juce::Colour (level, level, level);
}

juce::ColourGradient verticalGradient (float top, float bottom, juce::Colour topColour, juce::Colour bottomColour)
{
    return juce::ColourGradient::vertical (topColour, top, bottomColour, bottom);
}

juce::Path makeTextPath (const juce::Typeface::Ptr& face, const juce::String& text, float extraKerning)
{
    juce::Font font (face);
    font.setHeight (200.0f);
    font.setExtraKerningFactor (extraKerning);

    juce::GlyphArrangement glyphs;
    glyphs.addLineOfText (font, text, 0.0f, 0.0f);

    juce::Path path;
    glyphs.createPath (path);
    return path;
}

void fitPath (juce::Path& path, juce::Rectangle<float> area)
{
    path.applyTransform (path.getTransformToScaleToFit (area, true, juce::Justification::centred));
}

/** Makes the pixels transparent where the mask is set, as if punched out. */
void knockOut (juce::Image& image, const juce::Image& mask)
{
    jassert (image.getBounds() == mask.getBounds());

    const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readWrite);
    const juce::Image::BitmapData holes (mask, juce::Image::BitmapData::readOnly);

    for (int y = 0; y < pixels.height; ++y)
    {
        for (int x = 0; x < pixels.width; ++x)
        {
            const auto keep = 1.0f - holes.getPixelColour (x, y).getFloatAlpha();
            pixels.setPixelColour (x, y, pixels.getPixelColour (x, y).withMultipliedAlpha (keep));
        }
    }
}

//==============================================================================
juce::Image drawTrayIcon (const juce::Typeface::Ptr& letteringFace)
{
    return drawEmblem (letteringFace, 32);
}

juce::Image drawBackground()
{
    juce::Image image (juce::Image::ARGB, 2952, 1502, true);
    juce::Graphics g (image);

    const auto bounds = image.getBounds().toFloat();
    const auto top = bounds.getY();
    const auto bottom = bounds.getBottom();
    constexpr float ringWidth = 54.0f;
    constexpr float rimWidth = 3.0f;

    juce::Path ring (makeStadium (bounds));
    ring.addPath (makeStadium (bounds, ringWidth));
    ring.setUsingNonZeroWinding (false);

    // Everything below is filled inside this clip, so the inside of the ring is
    // never painted and the two edges keep their antialiasing.
    g.reduceClipRegion (ring);

    // Dark rims give the ring a crisp edge against the desktop and the body.
    g.setGradientFill (verticalGradient (top, bottom, grey (0x74), grey (0x4c)));
    g.fillPath (makeStadium (bounds));

    // The cross-section is a flat top between two rounded bevels. Filling
    // nested stadiums one pixel apart, each shaded for its slope with light
    // from above, gives a smooth surface with no seams between the steps:
    // facing outwards is lit at the top and shaded at the bottom, facing
    // inwards the other way round.
    const auto profileWidth = ringWidth - 2.0f * rimWidth;
    constexpr float bevel = 0.3f;
    const auto steps = juce::roundToInt (profileWidth * 2.0f);

    for (int i = 0; i < steps; ++i)
    {
        const auto t = ((float) i + 0.5f) / (float) steps;
        auto slope = 0.0f;

        if (t < bevel)
            slope = std::cos (juce::MathConstants<float>::halfPi * t / bevel);
        else if (t > 1.0f - bevel)
            slope = -std::cos (juce::MathConstants<float>::halfPi * (1.0f - t) / bevel);

        const auto shade = [] (float level) { return grey ((juce::uint8) juce::jlimit (0, 255, juce::roundToInt (level))); };
        const auto topLevel = 206.0f + 46.0f * slope;
        const auto bottomLevel = 168.0f - 62.0f * slope;

        g.setGradientFill (verticalGradient (top, bottom, shade (topLevel), shade (bottomLevel)));
        g.fillPath (makeStadium (bounds, rimWidth + profileWidth * (float) i / (float) steps));
    }

    g.setGradientFill (verticalGradient (top, bottom, grey (0x30), grey (0x48)));
    g.fillPath (makeStadium (bounds, ringWidth - rimWidth));
    return image;
}

juce::Image drawDisconnectVeil()
{
    juce::Image image (juce::Image::ARGB, 2638, 1161, true);
    juce::Graphics g (image);
    g.setColour (juce::Colour (0xff212121));
    g.fillPath (makeStadium (image.getBounds().toFloat()));
    return image;
}

juce::Image drawDisconnectBanner (const juce::Typeface::Ptr& letteringFace)
{
    juce::Image image (juce::Image::ARGB, 1369, 145, true);
    const auto area = image.getBounds().toFloat().reduced (3.0f);
    const auto wantedAspect = area.getAspectRatio();

    // Spread the letters until the word has the picture's proportions, so it
    // fills the whole strip instead of just its height.
    float low = 0.0f, high = 1.0f;

    for (int i = 0; i < 40; ++i)
    {
        const auto mid = (low + high) * 0.5f;
        const auto aspect = makeTextPath (letteringFace, "DISCONNECT", mid).getBounds().getAspectRatio();
        (aspect < wantedAspect ? low : high) = mid;
    }

    auto text = makeTextPath (letteringFace, "DISCONNECT", low);
    fitPath (text, area);

    juce::Graphics g (image);
    g.setColour (juce::Colours::white);
    g.fillPath (text);
    return image;
}

juce::Image drawKnobRing()
{
    juce::Image image (juce::Image::ARGB, 855, 856, true);
    juce::Graphics g (image);

    const auto centre = image.getBounds().toFloat().getCentre();
    constexpr float lineWidth = 9.0f;

    g.setColour (juce::Colour (0xff3e3e3e));

    for (const auto outerRadius : { 425.0f, 327.5f })
    {
        const auto radius = outerRadius - lineWidth * 0.5f;
        g.drawEllipse (juce::Rectangle<float> (radius * 2.0f, radius * 2.0f).withCentre (centre), lineWidth);
    }

    return image;
}

// The buttons are 17x15 on screen, so both glyphs are drawn about a third
// of the way down to ~11 px wide with ~2 px strokes, like the knob's rings.
constexpr float glyphStroke = 7.0f;

juce::Image drawCloseGlyph()
{
    juce::Image image (juce::Image::ARGB, 55, 48, true);
    juce::Graphics g (image);

    const auto area = image.getBounds().toFloat().withSizeKeepingCentre (29.0f, 25.0f);
    juce::Path cross;
    cross.startNewSubPath (area.getTopLeft());
    cross.lineTo (area.getBottomRight());
    cross.startNewSubPath (area.getTopRight());
    cross.lineTo (area.getBottomLeft());

    g.setColour (juce::Colours::white);
    g.strokePath (cross, juce::PathStrokeType (glyphStroke, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
    return image;
}

juce::Image drawMinimiseGlyph()
{
    juce::Image image (juce::Image::ARGB, 60, 9, true);
    juce::Graphics g (image);

    const auto bar = image.getBounds().toFloat().withSizeKeepingCentre (42.0f, glyphStroke);
    g.setColour (juce::Colours::white);
    g.fillRoundedRectangle (bar, bar.getHeight() * 0.5f);
    return image;
}
} // namespace

//==============================================================================
juce::Path makeStadium (juce::Rectangle<float> bounds, float inset)
{
    const auto area = bounds.reduced (inset);
    juce::Path path;
    path.addRoundedRectangle (area, juce::jmin (area.getWidth(), area.getHeight()) * 0.5f);
    return path;
}

juce::Image drawEmblem (const juce::Typeface::Ptr& letteringFace, int size)
{
    juce::Image image (juce::Image::ARGB, size, size, true);
    const auto bounds = image.getBounds().toFloat();
    // Designed on a 32 px grid; every length scales with the picture, so the
    // big desktop icons are drawn, not blown up.
    const auto unit = (float) size / 32.0f;

    {
        juce::Graphics g (image);
        g.setColour (grey (0x16));
        g.fillEllipse (bounds.reduced (0.5f * unit));
    }

    // The ring and the mark are holes rather than light paint, so the icon
    // reads on both light and dark panels.
    juce::Image holes (juce::Image::SingleChannel, image.getWidth(), image.getHeight(), true);

    {
        juce::Graphics g (holes);
        g.setColour (juce::Colours::white);
        g.drawEllipse (bounds.reduced (3.4f * unit), 1.6f * unit);

        auto mark = makeTextPath (letteringFace, "Q5", 0.02f);
        fitPath (mark, juce::Rectangle<float> (8.0f, 10.5f, 16.5f, 11.5f) * unit);
        g.fillPath (mark);
    }

    knockOut (image, holes);
    return image;
}

const std::vector<int>& getIconSizes()
{
    static const std::vector<int> sizes { 16, 22, 24, 32, 48, 64, 128, 256 };
    return sizes;
}

juce::Typeface::Ptr loadTypeface (const juce::File& fontFile)
{
    juce::MemoryBlock data;

    if (! fontFile.loadFileAsData (data) || data.isEmpty())
        return nullptr;

    return juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());
}

bool writePng (const juce::Image& image, const juce::File& file)
{
    // JUCE's writer emits RGBA for images with alpha; make sure that is what we hand it.
    jassert (image.getFormat() == juce::Image::ARGB);

    file.deleteFile();
    juce::FileOutputStream out (file);

    if (! out.openedOk())
        return false;

    juce::PNGImageFormat png;
    return png.writeImageToStream (image, out);
}

std::vector<PngAsset> getPngAssets()
{
    return {
        { "img_TrayIcon.png", 32, 32, drawTrayIcon },
        { "img_Background.png", 2952, 1502, [] (auto&) { return drawBackground(); } },
        { "img_Banner_DisconnectGrey.png", 2638, 1161, [] (auto&) { return drawDisconnectVeil(); } },
        { "img_Banner_Disconnect.png", 1369, 145, drawDisconnectBanner },
        { "img_KnobRing.png", 855, 856, [] (auto&) { return drawKnobRing(); } },
        { "btn_Close.png", 55, 48, [] (auto&) { return drawCloseGlyph(); } },
        { "btn_Min.png", 60, 9, [] (auto&) { return drawMinimiseGlyph(); } },
    };
}
} // namespace artwork
