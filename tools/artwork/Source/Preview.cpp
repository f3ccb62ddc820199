#include "Preview.h"

#include "Artwork.h"
#include "Check.h"

#include <iostream>

namespace artwork
{
namespace
{
const juce::Colour bodyColour (0xff1d1d1d);

/** Halves repeatedly before the last step, as JUCE's bilinear filter only samples 2x2 source pixels. */
juce::Image scaledSmoothly (const juce::Image& source, int width, int height)
{
    auto image = source;

    while (image.getWidth() >= width * 2 && image.getHeight() >= height * 2)
        image = image.rescaled (image.getWidth() / 2, image.getHeight() / 2, juce::Graphics::highResamplingQuality);

    return image.rescaled (juce::jmax (1, width), juce::jmax (1, height), juce::Graphics::highResamplingQuality);
}

/** Like an ImageComponent or ImageButton: centred, proportions kept. */
void placeImage (juce::Graphics& g, const juce::Image& image, juce::Rectangle<float> area, bool prescale, float alpha = 1.0f)
{
    if (! image.isValid())
        return;

    const auto placement = juce::RectanglePlacement (juce::RectanglePlacement::centred);
    g.setOpacity (alpha);

    if (! prescale)
    {
        g.drawImage (image, area, placement);
    }
    else
    {
        const auto target = placement.appliedTo (image.getBounds().toFloat(), area);
        g.drawImage (scaledSmoothly (image, juce::roundToInt (target.getWidth()), juce::roundToInt (target.getHeight())), target,
                     juce::RectanglePlacement::stretchToFit);
    }

    g.setOpacity (1.0f);
}

/** The panel stretches each drawing's content into its slot. */
void drawStretched (juce::Graphics& g, const Resources& r, const juce::String& name, juce::Rectangle<float> area)
{
    const auto& drawable = *r.drawables.at (name);
    drawable.draw (g, 1.0f, juce::RectanglePlacement (juce::RectanglePlacement::stretchToFit).getTransformToFit (drawable.getDrawableBounds(), area));
}

/** The panel at its real size, put together the way the program lays it out. */
juce::Image drawMockup (const Resources& r, bool disconnected, bool prescale)
{
    juce::Image image (juce::Image::ARGB, 580, 300, true);
    juce::Graphics g (image);

    // Something desktop-like behind the window, so that holes would show.
    g.setGradientFill (juce::ColourGradient::vertical (juce::Colour (0xff5d6f86), 0.0f, juce::Colour (0xff8a9bb0), 300.0f));
    g.fillAll();

    // The panel's own paint(): its body, then the drawings.
    g.setColour (bodyColour);

    for (const auto& oval : { juce::Rectangle<float> (60, 10, 460, 80), { 40, 30, 520, 120 }, { 20, 60, 555, 120 }, { 10, 90, 570, 120 },
                              { 15, 120, 560, 120 }, { 20, 150, 540, 120 }, { 60, 180, 480, 100 } })
        g.fillEllipse (oval);

    drawStretched (g, r, "svg_Title.svg", { 338, 86, 108, 40 });
    drawStretched (g, r, "svg_Setting.svg", { 414, 55, 17, 15 });
    drawStretched (g, r, disconnected ? "svg_HeadsetMuted.svg" : "svg_Headset.svg", { 282, 215, 17, 17 });

    // Its children, in the order they are added.
    const auto image_ = [&] (const char* name) { return r.images.at (name); };
    placeImage (g, image_ ("img_Background.png"), { 0, 0, 580, 300 }, prescale);

    g.setFont (juce::Font (r.displayFace).withHeight (19.0f));
    g.setColour (juce::Colour (0xffffa500));
    g.drawText ("INST", juce::Rectangle<float> (340, 145, 96, 30), juce::Justification::centred, false);
    g.setColour (juce::Colour (0xff808080));
    g.drawText ("LINE", juce::Rectangle<float> (340, 185, 96, 30), juce::Justification::centred, false);

    placeImage (g, image_ ("img_KnobRing.png"), { 115, 61, 181, 181 }, prescale);

    g.setFont (juce::Font (r.displayFace).withHeight (60.0f));
    g.setColour (juce::Colour (0xffffa500));
    g.drawFittedText ("-12.5", juce::Rectangle<int> (145, 120, 120, 60), juce::Justification::centred, 1, 0.7f);

    if (disconnected)
    {
        placeImage (g, image_ ("img_Banner_DisconnectGrey.png"), { 30, 34, 527, 232 }, prescale, 0.6f);
        placeImage (g, image_ ("img_Banner_Disconnect.png"), { 140, 140, 274, 30 }, prescale);
    }

    placeImage (g, image_ ("btn_Close.png"), { 458, 55, 17, 15 }, prescale);
    placeImage (g, image_ ("btn_Min.png"), { 436, 60, 17, 15 }, prescale);
    return image;
}

//==============================================================================
struct Tile
{
    juce::String caption;
    juce::Image picture;
};

juce::Image makeCanvas (int width, int height, bool checkered, juce::Colour background = juce::Colour (0xff3a3a3a))
{
    juce::Image image (juce::Image::ARGB, width, height, true);
    juce::Graphics g (image);

    if (checkered)
        g.fillCheckerBoard (image.getBounds().toFloat(), 12.0f, 12.0f, juce::Colour (0xff6a6a6a), juce::Colour (0xff7a7a7a));
    else
        g.fillAll (background);

    return image;
}

juce::Image showImage (const juce::Image& source, int width, int height, juce::Colour background)
{
    auto canvas = makeCanvas (width, height, background.isTransparent(), background);
    juce::Graphics g (canvas);
    g.drawImageAt (scaledSmoothly (source, width, height), 0, 0);
    return canvas;
}

juce::Image showMagnified (const juce::Image& source, int factor, juce::Colour background)
{
    const auto w = source.getWidth() * factor, h = source.getHeight() * factor;
    auto canvas = makeCanvas (w + source.getWidth() + 60, h + 20, false, background);
    juce::Graphics g (canvas);
    g.drawImageAt (source, 10, 10);
    g.setImageResamplingQuality (juce::Graphics::lowResamplingQuality);
    g.drawImage (source, { (float) source.getWidth() + 40.0f, 10.0f, (float) w, (float) h }, juce::RectanglePlacement::stretchToFit);
    return canvas;
}

juce::Image showPage (const juce::Drawable& drawable, juce::Rectangle<float> viewBox, float scale, bool showContentBox)
{
    auto canvas = makeCanvas (juce::roundToInt (viewBox.getWidth() * scale), juce::roundToInt (viewBox.getHeight() * scale), false,
                              bodyColour);
    juce::Graphics g (canvas);
    g.setColour (juce::Colour (0xff606060));
    g.drawRect (canvas.getBounds().toFloat(), 1.0f);

    if (showContentBox)
    {
        g.setColour (juce::Colour (0xff2f5f8f));
        g.drawRect (drawable.getDrawableBounds() * scale, 1.0f);
    }

    drawable.draw (g, 1.0f, juce::AffineTransform::scale (scale));
    return canvas;
}

juce::Image showFont (const juce::Typeface::Ptr& face, const juce::StringArray& lines, const juce::Array<float>& heights,
                      const juce::Array<juce::Colour>& colours)
{
    int height = 20;

    for (auto h : heights)
        height += juce::roundToInt (h * 1.3f);

    auto canvas = makeCanvas (1180, height, false, bodyColour);
    juce::Graphics g (canvas);
    float y = 10.0f;

    for (int i = 0; i < lines.size(); ++i)
    {
        const auto h = heights[i];
        g.setColour (colours[i]);
        g.setFont (juce::Font (face).withHeight (h));
        g.drawText (lines[i], juce::Rectangle<float> (12.0f, y, 1160.0f, h * 1.3f), juce::Justification::centredLeft, false);
        y += h * 1.3f;
    }

    return canvas;
}

juce::Image layOutSheet (const std::vector<Tile>& tiles, const juce::Typeface::Ptr& labelFace)
{
    constexpr int sheetWidth = 1900, gap = 24, captionHeight = 26;

    struct Placed
    {
        const Tile* tile;
        juce::Point<int> position;
    };

    std::vector<Placed> placed;
    int x = gap, y = gap, rowHeight = 0;

    for (const auto& tile : tiles)
    {
        const auto w = tile.picture.getWidth(), h = tile.picture.getHeight() + captionHeight;

        if (x > gap && x + w > sheetWidth - gap)
        {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }

        placed.push_back ({ &tile, { x, y } });
        x += w + gap;
        rowHeight = juce::jmax (rowHeight, h);
    }

    juce::Image sheet (juce::Image::ARGB, sheetWidth, y + rowHeight + gap, true);
    juce::Graphics g (sheet);
    g.fillAll (juce::Colour (0xff262626));

    if (labelFace != nullptr)
        g.setFont (juce::Font (labelFace).withHeight (17.0f));

    for (const auto& p : placed)
    {
        g.setColour (juce::Colour (0xffd0d0d0));
        g.drawText (p.tile->caption, p.position.x, p.position.y, juce::jmax (p.tile->picture.getWidth(), 400), captionHeight - 4,
                    juce::Justification::bottomLeft, false);
        g.drawImageAt (p.tile->picture, p.position.x, p.position.y + captionHeight);
    }

    return sheet;
}

std::vector<Tile> makeTiles (const Resources& r)
{
    std::vector<Tile> tiles;
    const auto image = [&] (const char* name) { return r.images.at (name); };
    const auto clear = juce::Colours::transparentBlack;

    tiles.push_back ({ "img_Background.png at 1/5", showImage (image ("img_Background.png"), 590, 300, clear) });
    tiles.push_back ({ "img_Banner_DisconnectGrey.png at 1/5", showImage (image ("img_Banner_DisconnectGrey.png"), 527, 232, clear) });
    tiles.push_back ({ "img_KnobRing.png at 181 px", showImage (image ("img_KnobRing.png"), 181, 181, bodyColour) });
    tiles.push_back ({ "img_KnobRing.png at 2/5", showImage (image ("img_KnobRing.png"), 342, 342, bodyColour) });
    tiles.push_back ({ "img_Banner_Disconnect.png at 1/2", showImage (image ("img_Banner_Disconnect.png"), 685, 73, clear) });
    tiles.push_back ({ "img_TrayIcon.png 1x, 8x (light)", showMagnified (image ("img_TrayIcon.png"), 8, juce::Colour (0xffe6e6e6)) });
    tiles.push_back ({ "img_TrayIcon.png 1x, 8x (mid grey)", showMagnified (image ("img_TrayIcon.png"), 8, juce::Colour (0xff8a8a8a)) });
    tiles.push_back ({ "btn_Close.png 1x, 4x", showMagnified (image ("btn_Close.png"), 4, bodyColour) });
    tiles.push_back ({ "btn_Min.png 1x, 4x", showMagnified (image ("btn_Min.png"), 4, bodyColour) });

    const auto drawable = [&] (const char* name) -> const juce::Drawable& { return *r.drawables.at (name); };
    const juce::Rectangle<float> page (0.0f, 0.0f, 595.28f, 841.89f), titleBox (0.0f, 0.0f, 1554.03f, 513.37f);

    tiles.push_back ({ "svg_Title.svg view box at 0.45 (blue: content box)", showPage (drawable ("svg_Title.svg"), titleBox, 0.45f, true) });

    {
        auto small = makeCanvas (560, 170, false, bodyColour);
        juce::Graphics g (small);
        drawStretched (g, r, "svg_Title.svg", { 10, 10, 108, 40 });
        drawStretched (g, r, "svg_Title.svg", { 140, 10, 405, 150 });
        tiles.push_back ({ "svg_Title.svg stretched to 108x40 and 405x150", small });
    }

    for (const auto* name : { "svg_Setting.svg", "svg_Headset.svg", "svg_HeadsetMuted.svg" })
        tiles.push_back ({ juce::String (name) + " page at 0.4", showPage (drawable (name), page, 0.4f, true) });

    {
        auto icons = makeCanvas (330, 120, false, bodyColour);
        juce::Graphics g (icons);
        int x = 10;

        for (const auto* name : { "svg_Setting.svg", "svg_Headset.svg", "svg_HeadsetMuted.svg" })
        {
            const auto small = juce::String (name) == "svg_Setting.svg" ? juce::Rectangle<float> (17.0f, 15.0f) : juce::Rectangle<float> (17.0f, 17.0f);
            drawStretched (g, r, name, small.withPosition ((float) x, 10.0f));
            drawStretched (g, r, name, (small * 4.0f).withPosition ((float) x, 40.0f));
            x += 105;
        }

        tiles.push_back ({ "icons in their slots, 1x and 4x", icons });
    }

    const auto white = juce::Colours::white, orange = juce::Colour (0xffffa500), grey = juce::Colour (0xff808080);
    tiles.push_back ({ "font_Display.otf",
                       showFont (r.displayFace,
                                 { "INST  LINE  MIC/LINE  PAD", "-12.5  0.0  26.0  0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz",
                                   "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~", "INST  LINE  -12.5 at 14 px" },
                                 { 40.0f, 60.0f, 30.0f, 30.0f, 14.0f }, { grey, orange, white, white, white }) });
    tiles.push_back ({ "font_Menu.otf", showFont (r.menuFace, { getMenuSample() + "  Launch at login 123", getMenuSample() + "  Quit" },
                                                  { 48.0f, 14.0f }, { white, white }) });

    tiles.push_back ({ "mock-up, drawImage as is", drawMockup (r, false, false) });
    tiles.push_back ({ "mock-up, disconnected, drawImage as is", drawMockup (r, true, false) });
    tiles.push_back ({ "mock-up, images pre-scaled by halving", drawMockup (r, false, true) });
    tiles.push_back ({ "mock-up, disconnected, pre-scaled", drawMockup (r, true, true) });
    return tiles;
}

juce::Image magnify (const juce::Image& source, int factor)
{
    juce::Image image (juce::Image::ARGB, source.getWidth() * factor, source.getHeight() * factor, true);
    juce::Graphics g (image);
    g.setImageResamplingQuality (juce::Graphics::lowResamplingQuality);
    g.drawImage (source, image.getBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
    return image;
}
} // namespace

//==============================================================================
int makePreview (const PreviewSettings& settings)
{
    Resources resources;
    auto problems = checkResources (settings.sourceDir, resources);

    if (! resources.isComplete())
    {
        std::cout << "Resources missing, no preview drawn." << std::endl;
        return juce::jmax (1, problems);
    }

    settings.outputDir.createDirectory();

    const auto write = [&] (const juce::Image& image, const juce::String& name)
    {
        const auto file = settings.outputDir.getChildFile (name);

        if (writePng (image, file))
        {
            std::cout << "wrote " << file.getFullPathName() << std::endl;
        }
        else
        {
            std::cout << "could not write " << file.getFullPathName() << std::endl;
            ++problems;
        }
    };

    write (layOutSheet (makeTiles (resources), loadTypeface (settings.labelFont)), "preview.png");
    // The mock-ups at twice their size, so single pixels can be judged.
    write (magnify (drawMockup (resources, false, false), 2), "mockup.png");
    write (magnify (drawMockup (resources, true, false), 2), "mockup-disconnected.png");
    return problems;
}
} // namespace artwork
