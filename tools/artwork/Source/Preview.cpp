#include "Preview.h"

#include "Artwork.h"

#include <iostream>
#include <map>

namespace artwork
{
namespace
{
juce::String getMenuSample()
{
    // "Start automatically at boot", the menu's only CJK text.
    return juce::String (juce::CharPointer_UTF8 ("\xe5\xbc\x80\xe6\x9c\xba\xe8\x87\xaa\xe5\x8a\xa8\xe5\x90\xaf\xe5\x8a\xa8"));
}

const juce::String displaySample ("Velmora Q5  0123456789  -12.5 dB  100%");
const juce::String alphabetSample ("ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz !?&@#()[]{}<>/\\|+=*~^_$;:,.'\"`");

struct Checker
{
    int problems = 0;

    void expect (bool ok, const juce::String& what)
    {
        std::cout << (ok ? "  ok       " : "  PROBLEM  ") << what << std::endl;

        if (! ok)
            ++problems;
    }
};

struct SvgSpec
{
    juce::String fileName, viewBox;
    std::vector<juce::Colour> colours;
};

const std::vector<SvgSpec>& getSvgSpecs()
{
    static const std::vector<SvgSpec> specs {
        { "svg_Title.svg", "0 0 1554.03 513.37", { juce::Colour (0xffffffff), juce::Colour (0xffc8c8c9), juce::Colour (0xffe74619) } },
        { "svg_Setting.svg", "0 0 595.28 841.89", { juce::Colour (0xfff7f7f7) } },
        { "svg_Headset.svg", "0 0 595.28 841.89", { juce::Colour (0xffc9c9ca) } },
        { "svg_HeadsetMuted.svg", "0 0 595.28 841.89", { juce::Colour (0xffc9caca) } },
    };

    return specs;
}

struct Resources
{
    std::map<juce::String, juce::Image> images;
    std::map<juce::String, std::unique_ptr<juce::Drawable>> drawables;
    juce::Typeface::Ptr displayFace, menuFace, labelFace;
};

//==============================================================================
struct AlphaCounts
{
    int transparent = 0, partial = 0, opaque = 0;
};

AlphaCounts countAlpha (const juce::Image& image)
{
    AlphaCounts counts;
    const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readOnly);

    for (int y = 0; y < pixels.height; ++y)
    {
        for (int x = 0; x < pixels.width; ++x)
        {
            const auto alpha = pixels.getPixelColour (x, y).getAlpha();
            ++(alpha == 0 ? counts.transparent : alpha == 255 ? counts.opaque : counts.partial);
        }
    }

    return counts;
}

int countPixelsOf (const juce::Image& image, juce::Colour colour)
{
    int count = 0;
    const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readOnly);

    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            if (pixels.getPixelColour (x, y) == colour)
                ++count;

    return count;
}

juce::String describe (juce::Rectangle<float> r)
{
    return "x " + juce::String (r.getX(), 1) + ".." + juce::String (r.getRight(), 1) + ", y " + juce::String (r.getY(), 1)
         + ".." + juce::String (r.getBottom(), 1);
}

/** Reads the PNG header directly, since JUCE's loader hides depth and interlacing. */
void checkPngHeader (Checker& checker, const juce::File& file)
{
    juce::MemoryBlock data;
    file.loadFileAsData (data);
    const auto* bytes = static_cast<const juce::uint8*> (data.getData());

    const auto ok = data.getSize() > 29 && bytes[1] == 'P' && bytes[24] == 8 && bytes[25] == 6 && bytes[28] == 0;
    checker.expect (ok, file.getFileName() + ": 8-bit RGBA, not interlaced");
}

void checkPngs (Checker& checker, const juce::File& sourceDir, Resources& resources)
{
    std::cout << "PNG files" << std::endl;

    for (const auto& asset : getPngAssets())
    {
        const auto file = sourceDir.getChildFile (asset.fileName);
        const auto image = juce::ImageFileFormat::loadFrom (file);

        if (! image.isValid())
        {
            checker.expect (false, asset.fileName + ": loads");
            continue;
        }

        resources.images[asset.fileName] = image;
        checkPngHeader (checker, file);
        checker.expect (image.getWidth() == asset.width && image.getHeight() == asset.height,
                        asset.fileName + ": " + juce::String (image.getWidth()) + " x " + juce::String (image.getHeight()));

        const auto counts = countAlpha (image);
        checker.expect (image.hasAlphaChannel() && counts.transparent > 0 && counts.opaque > 0 && counts.partial > 0,
                        asset.fileName + ": transparent " + juce::String (counts.transparent) + ", edge "
                            + juce::String (counts.partial) + ", opaque " + juce::String (counts.opaque) + " px");
    }

    const auto& frame = resources.images["img_Background.png"];

    if (frame.isValid())
    {
        const auto centre = frame.getBounds().getCentre();
        checker.expect (frame.getPixelAt (0, 0).getAlpha() == 0 && frame.getPixelAt (frame.getWidth() - 1, frame.getHeight() - 1).getAlpha() == 0
                            && frame.getPixelAt (centre.x, centre.y).getAlpha() == 0,
                        "frame: corners and inside transparent");
        checker.expect (frame.getPixelAt (centre.x, 0).getAlpha() > 200 && frame.getPixelAt (centre.x, frame.getHeight() - 1).getAlpha() > 200
                            && frame.getPixelAt (0, centre.y).getAlpha() > 200,
                        "frame: the ring reaches the picture's edges");
        checker.expect (frame.getPixelAt (centre.x, 30).getBrightness() > frame.getPixelAt (centre.x, frame.getHeight() - 31).getBrightness(),
                        "frame: lit from above");
    }

    const auto& veil = resources.images["img_Banner_DisconnectGrey.png"];

    if (veil.isValid())
        checker.expect (veil.getPixelAt (veil.getWidth() / 2, veil.getHeight() / 2) == juce::Colour (0xff212121) && veil.getPixelAt (0, 0).getAlpha() == 0,
                        "veil: solid 0xFF212121 with transparent corners");

    const auto& knob = resources.images["img_KnobRing.png"];

    if (knob.isValid())
    {
        const auto c = knob.getBounds().toFloat().getCentre();
        const auto at = [&] (float radius) { return knob.getPixelAt (juce::roundToInt (c.x + radius - 0.5f), juce::roundToInt (c.y - 0.5f)); };
        checker.expect (at (420.5f) == juce::Colour (0xff3e3e3e) && at (323.0f) == juce::Colour (0xff3e3e3e) && at (370.0f).getAlpha() == 0
                            && at (0.0f).getAlpha() == 0,
                        "knob ring: two 0xFF3E3E3E circles, clear between and inside");
    }
}

//==============================================================================
void checkSvgs (Checker& checker, const juce::File& sourceDir, Resources& resources)
{
    std::cout << "SVG files" << std::endl;

    for (const auto& spec : getSvgSpecs())
    {
        const auto file = sourceDir.getChildFile (spec.fileName);
        const auto text = file.loadFileAsString();
        const auto xml = juce::parseXML (text);

        checker.expect (xml != nullptr && xml->hasTagName ("svg") && xml->getStringAttribute ("viewBox") == spec.viewBox,
                        spec.fileName + ": viewBox \"" + spec.viewBox + "\"");
        checker.expect (! text.contains ("<text"), spec.fileName + ": outlines only, " + juce::String (file.getSize()) + " bytes");

        juce::MemoryBlock data;
        file.loadFileAsData (data);
        auto drawable = juce::Drawable::createFromImageData (data.getData(), data.getSize());

        if (drawable == nullptr)
        {
            checker.expect (false, spec.fileName + ": JUCE parses it");
            continue;
        }

        // With width and height equal to the view box, JUCE's drawable space is the view box itself.
        const auto bounds = drawable->getDrawableBounds();
        checker.expect (! bounds.isEmpty(), spec.fileName + ": JUCE draws it, content " + describe (bounds));

        juce::Image rendered (juce::Image::ARGB, 600, 600, true);
        {
            juce::Graphics g (rendered);
            drawable->drawWithin (g, rendered.getBounds().toFloat(), juce::RectanglePlacement::centred, 1.0f);
        }

        for (const auto& colour : spec.colours)
            checker.expect (countPixelsOf (rendered, colour) > 500, spec.fileName + ": draws #" + colour.toDisplayString (false));

        resources.drawables[spec.fileName] = std::move (drawable);
    }
}

//==============================================================================
/** True if the typeface has a real glyph for each non-space character. */
bool coversText (const juce::Typeface::Ptr& face, const juce::String& text)
{
    // JUCE maps a missing character to the font's .notdef outline, so compare with that.
    juce::Path notdef;
    face->getOutlineForGlyph (0xe000, notdef);

    for (auto p = text.getCharPointer(); ! p.isEmpty();)
    {
        const auto c = p.getAndAdvance();

        if (juce::CharacterFunctions::isWhitespace (c))
            continue;

        juce::Path outline;
        face->getOutlineForGlyph ((int) c, outline);

        if (outline.isEmpty() || outline.toString() == notdef.toString())
            return false;
    }

    return true;
}

void checkFonts (Checker& checker, const juce::File& sourceDir, Resources& resources)
{
    std::cout << "Fonts" << std::endl;

    const auto check = [&] (const juce::String& fileName, const juce::String& sample) -> juce::Typeface::Ptr
    {
        const auto file = sourceDir.getChildFile (fileName);
        auto face = loadTypeface (file);

        if (face == nullptr)
        {
            checker.expect (false, fileName + ": JUCE loads it");
            return nullptr;
        }

        checker.expect (true, fileName + ": \"" + face->getName() + "\" " + face->getStyle() + ", " + juce::String (file.getSize()) + " bytes");
        checker.expect (coversText (face, sample), fileName + ": has every glyph of its sample text");
        return face;
    };

    resources.displayFace = check ("font_Display.otf", displaySample + alphabetSample);
    resources.menuFace = check ("font_Menu.otf", getMenuSample() + "Auto 0123456789");
}

//==============================================================================
/** Halves repeatedly before the last step, as JUCE's bilinear filter only samples 2x2 source pixels. */
juce::Image scaledSmoothly (const juce::Image& source, int width, int height)
{
    auto image = source;

    while (image.getWidth() >= width * 2 && image.getHeight() >= height * 2)
        image = image.rescaled (image.getWidth() / 2, image.getHeight() / 2, juce::Graphics::highResamplingQuality);

    return image.rescaled (juce::jmax (1, width), juce::jmax (1, height), juce::Graphics::highResamplingQuality);
}

void placeImage (juce::Graphics& g, const juce::Image& image, juce::Rectangle<float> area, bool prescale)
{
    if (! image.isValid())
        return;

    const auto placement = juce::RectanglePlacement (juce::RectanglePlacement::centred);

    if (! prescale)
    {
        g.drawImage (image, area, placement);
        return;
    }

    const auto target = placement.appliedTo (image.getBounds().toFloat(), area);
    g.drawImage (scaledSmoothly (image, juce::roundToInt (target.getWidth()), juce::roundToInt (target.getHeight())), target,
                 juce::RectanglePlacement::stretchToFit);
}

void placeDrawable (juce::Graphics& g, const Resources& resources, const juce::String& name, juce::Rectangle<float> area,
                    juce::RectanglePlacement placement)
{
    const auto found = resources.drawables.find (name);

    if (found != resources.drawables.end())
        found->second->drawWithin (g, area, placement, 1.0f);
}

/** The panel at its real screen size, put together the way the program lays it out. */
juce::Image drawMockup (const Resources& resources, bool disconnected, bool prescale)
{
    juce::Image image (juce::Image::ARGB, 580, 300, true);
    juce::Graphics g (image);
    g.setImageResamplingQuality (juce::Graphics::highResamplingQuality);

    // Something desktop-like behind the window, so that holes would show.
    g.setGradientFill (juce::ColourGradient::vertical (juce::Colour (0xff5d6f86), 0.0f, juce::Colour (0xff8a9bb0), 300.0f));
    g.fillAll();

    g.setColour (juce::Colour (0xff1d1d1d));

    for (const auto& oval : { juce::Rectangle<float> (60, 10, 460, 80), { 40, 30, 520, 120 }, { 20, 60, 555, 120 }, { 10, 90, 570, 120 },
                              { 15, 120, 560, 120 }, { 20, 150, 540, 120 }, { 60, 180, 480, 100 } })
        g.fillEllipse (oval);

    const auto image_ = [&] (const char* name) { return resources.images.at (name); };
    const auto centred = juce::RectanglePlacement (juce::RectanglePlacement::centred);

    placeImage (g, image_ ("img_Background.png"), { 0, 0, 580, 300 }, prescale);
    placeImage (g, image_ ("img_KnobRing.png"), { 115, 61, 181, 181 }, prescale);
    placeDrawable (g, resources, "svg_Title.svg", { 338, 86, 108, 40 }, juce::RectanglePlacement::stretchToFit);
    placeDrawable (g, resources, "svg_Setting.svg", { 414, 55, 17, 15 }, centred);
    placeDrawable (g, resources, disconnected ? "svg_HeadsetMuted.svg" : "svg_Headset.svg", { 282, 215, 17, 17 }, centred);
    placeImage (g, image_ ("btn_Close.png"), { 458, 55, 17, 15 }, prescale);
    placeImage (g, image_ ("btn_Min.png"), { 436, 60, 17, 15 }, prescale);

    if (disconnected)
    {
        const juce::Rectangle<float> veil (30, 34, 527, 232);
        placeImage (g, image_ ("img_Banner_DisconnectGrey.png"), veil, prescale);
        placeImage (g, image_ ("img_Banner_Disconnect.png"), juce::Rectangle<float> (1369.0f / 5.0f, 145.0f / 5.0f).withCentre (veil.getCentre()),
                    prescale);
    }

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
        g.fillCheckerBoard (image.getBounds().toFloat(), 12.0f, 12.0f, juce::Colour (0xff3a3a3a), juce::Colour (0xff4a4a4a));
    else
        g.fillAll (background);

    return image;
}

juce::Image showImage (const juce::Image& source, int width, int height, bool checkered = true)
{
    auto canvas = makeCanvas (width, height, checkered);
    juce::Graphics g (canvas);
    g.drawImageAt (scaledSmoothly (source, width, height), 0, 0);
    return canvas;
}

juce::Image showMagnified (const juce::Image& source, int factor, juce::Colour background)
{
    const auto w = source.getWidth() * factor, h = source.getHeight() * factor;
    auto canvas = makeCanvas (w * 2 + 60, juce::jmax (h, source.getHeight()) + 20, false, background);
    juce::Graphics g (canvas);
    g.drawImageAt (source, 10, 10);
    g.setImageResamplingQuality (juce::Graphics::lowResamplingQuality);
    g.drawImage (source, { (float) source.getWidth() + 40.0f, 10.0f, (float) w, (float) h }, juce::RectanglePlacement::stretchToFit);
    return canvas;
}

juce::Image showPage (const juce::Drawable& drawable, juce::Rectangle<float> viewBox, float scale)
{
    auto canvas = makeCanvas (juce::roundToInt (viewBox.getWidth() * scale), juce::roundToInt (viewBox.getHeight() * scale), true);
    juce::Graphics g (canvas);
    g.setColour (juce::Colour (0xff808080));
    g.drawRect (canvas.getBounds().toFloat(), 1.0f);
    drawable.draw (g, 1.0f, juce::AffineTransform::scale (scale));
    return canvas;
}

juce::Image showFont (const juce::Typeface::Ptr& face, const juce::StringArray& lines, const juce::Array<float>& heights)
{
    int height = 20;

    for (auto h : heights)
        height += juce::roundToInt (h * 1.35f);

    auto canvas = makeCanvas (1180, height, false, juce::Colour (0xff1d1d1d));

    if (face == nullptr)
        return canvas;

    juce::Graphics g (canvas);
    g.setColour (juce::Colours::white);
    float y = 10.0f;

    for (int i = 0; i < lines.size(); ++i)
    {
        const auto h = heights[i];
        g.setFont (juce::Font (face).withHeight (h));
        g.drawText (lines[i], juce::Rectangle<float> (12.0f, y, 1160.0f, h * 1.35f), juce::Justification::centredLeft, false);
        y += h * 1.35f;
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
        g.drawText (p.tile->caption, p.position.x, p.position.y, juce::jmax (p.tile->picture.getWidth(), 600), captionHeight - 4,
                    juce::Justification::bottomLeft, false);
        g.drawImageAt (p.tile->picture, p.position.x, p.position.y + captionHeight);
    }

    return sheet;
}

std::vector<Tile> makeTiles (const Resources& r)
{
    std::vector<Tile> tiles;
    const auto image = [&] (const char* name) { return r.images.at (name); };

    tiles.push_back ({ "img_Background.png at 1/5", showImage (image ("img_Background.png"), 590, 300) });
    tiles.push_back ({ "img_Banner_DisconnectGrey.png at 1/5", showImage (image ("img_Banner_DisconnectGrey.png"), 527, 232) });
    tiles.push_back ({ "img_KnobRing.png at 181 px", showImage (image ("img_KnobRing.png"), 181, 181) });
    tiles.push_back ({ "img_KnobRing.png at 2/5", showImage (image ("img_KnobRing.png"), 342, 342) });
    tiles.push_back ({ "img_Banner_Disconnect.png at 1/2", showImage (image ("img_Banner_Disconnect.png"), 685, 73) });
    tiles.push_back ({ "img_TrayIcon.png 1x, 8x (light)", showMagnified (image ("img_TrayIcon.png"), 8, juce::Colour (0xffe6e6e6)) });
    tiles.push_back ({ "img_TrayIcon.png 1x, 8x (dark)", showMagnified (image ("img_TrayIcon.png"), 8, juce::Colour (0xff505050)) });
    tiles.push_back ({ "btn_Close.png 1x, 4x", showMagnified (image ("btn_Close.png"), 4, juce::Colour (0xff1d1d1d)) });
    tiles.push_back ({ "btn_Min.png 1x, 4x", showMagnified (image ("btn_Min.png"), 4, juce::Colour (0xff1d1d1d)) });

    const auto drawable = [&] (const char* name) -> const juce::Drawable& { return *r.drawables.at (name); };
    const juce::Rectangle<float> page (0.0f, 0.0f, 595.28f, 841.89f), titleBox (0.0f, 0.0f, 1554.03f, 513.37f);

    tiles.push_back ({ "svg_Title.svg view box at 0.45", showPage (drawable ("svg_Title.svg"), titleBox, 0.45f) });

    {
        auto small = makeCanvas (540, 200, true);
        juce::Graphics g (small);
        drawable ("svg_Title.svg").drawWithin (g, { 0, 0, 108, 40 }, juce::RectanglePlacement::stretchToFit, 1.0f);
        drawable ("svg_Title.svg").drawWithin (g, { 130, 0, 405, 150 }, juce::RectanglePlacement::stretchToFit, 1.0f);
        tiles.push_back ({ "svg_Title.svg stretched to 108x40 and 405x150", small });
    }

    for (const auto* name : { "svg_Setting.svg", "svg_Headset.svg", "svg_HeadsetMuted.svg" })
        tiles.push_back ({ juce::String (name) + " page at 0.4", showPage (drawable (name), page, 0.4f) });

    {
        auto icons = makeCanvas (300, 120, false, juce::Colour (0xff1d1d1d));
        juce::Graphics g (icons);
        int x = 10;

        for (const auto* name : { "svg_Setting.svg", "svg_Headset.svg", "svg_HeadsetMuted.svg" })
        {
            drawable (name).drawWithin (g, juce::Rectangle<float> ((float) x, 10.0f, 17.0f, 17.0f), juce::RectanglePlacement::centred, 1.0f);
            drawable (name).drawWithin (g, juce::Rectangle<float> ((float) x, 40.0f, 68.0f, 68.0f), juce::RectanglePlacement::centred, 1.0f);
            x += 95;
        }

        tiles.push_back ({ "icons at 17 px and 68 px", icons });
    }

    tiles.push_back ({ "font_Display.otf", showFont (r.displayFace, { displaySample, alphabetSample, displaySample }, { 56.0f, 30.0f, 15.0f }) });
    tiles.push_back ({ "font_Menu.otf", showFont (r.menuFace, { getMenuSample() + "  Auto 123", getMenuSample() }, { 56.0f, 14.0f }) });

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
    Checker checker;
    Resources resources;

    checkPngs (checker, settings.sourceDir, resources);
    checkSvgs (checker, settings.sourceDir, resources);
    checkFonts (checker, settings.sourceDir, resources);

    if (resources.images.size() != getPngAssets().size() || resources.drawables.size() != getSvgSpecs().size())
    {
        std::cout << "Missing resources, no preview drawn." << std::endl;
        return juce::jmax (1, checker.problems);
    }

    resources.labelFace = loadTypeface (settings.labelFont);

    settings.outputDir.createDirectory();
    const auto sheetFile = settings.outputDir.getChildFile ("preview.png");
    const auto mockupFile = settings.outputDir.getChildFile ("mockup.png");

    checker.expect (writePng (layOutSheet (makeTiles (resources), resources.labelFace), sheetFile), "wrote " + sheetFile.getFullPathName());

    // The mock-up at twice its size, so single pixels can be judged.
    juce::Image mockups (juce::Image::ARGB, 1160, 600, true);
    {
        juce::Graphics g (mockups);
        g.drawImageAt (magnify (drawMockup (resources, false, false), 2), 0, 0);
    }
    juce::Image disconnected (magnify (drawMockup (resources, true, false), 2));
    checker.expect (writePng (mockups, mockupFile) && writePng (disconnected, settings.outputDir.getChildFile ("mockup-disconnected.png")),
                    "wrote " + mockupFile.getFullPathName());

    std::cout << (checker.problems == 0 ? juce::String ("All resources check out.")
                                        : juce::String (checker.problems) + " problem(s) found.")
              << std::endl;
    return checker.problems;
}
} // namespace artwork
