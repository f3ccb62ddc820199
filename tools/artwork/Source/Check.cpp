#include "Check.h"

#include "Artwork.h"

#include <iostream>

namespace artwork
{
namespace
{
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

juce::String describe (juce::Rectangle<float> r)
{
    return "x " + juce::String (r.getX(), 1) + ".." + juce::String (r.getRight(), 1) + ", y " + juce::String (r.getY(), 1)
         + ".." + juce::String (r.getBottom(), 1);
}

bool isNear (juce::Colour a, juce::Colour b, int tolerance)
{
    return std::abs (a.getRed() - b.getRed()) <= tolerance && std::abs (a.getGreen() - b.getGreen()) <= tolerance
        && std::abs (a.getBlue() - b.getBlue()) <= tolerance;
}

/** What the painted pixels of a picture look like. */
struct Ink
{
    int transparent = 0, partial = 0, opaque = 0;
    juce::Rectangle<int> bounds;
    int maxLevel = 0;               // brightest channel among well covered pixels
    int offColour = 0;              // well covered pixels not of the expected colours

    static Ink of (const juce::Image& image, const std::vector<juce::Colour>& expected = {})
    {
        Ink ink;
        const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readOnly);
        int left = pixels.width, top = pixels.height, right = -1, bottom = -1;

        for (int y = 0; y < pixels.height; ++y)
        {
            for (int x = 0; x < pixels.width; ++x)
            {
                const auto c = pixels.getPixelColour (x, y);
                const auto alpha = c.getAlpha();

                if (alpha == 0)
                {
                    ++ink.transparent;
                    continue;
                }

                ++(alpha == 255 ? ink.opaque : ink.partial);
                left = juce::jmin (left, x);
                top = juce::jmin (top, y);
                right = juce::jmax (right, x);
                bottom = juce::jmax (bottom, y);

                // Antialiased edges carry rounding from premultiplication, so
                // colours are judged on well covered pixels only.
                if (alpha < 128)
                    continue;

                ink.maxLevel = juce::jmax (ink.maxLevel, (int) c.getRed(), (int) c.getGreen(), (int) c.getBlue());

                if (! expected.empty()
                    && std::none_of (expected.begin(), expected.end(), [&] (juce::Colour e) { return isNear (c, e, alpha == 255 ? 2 : 6); }))
                    ++ink.offColour;
            }
        }

        if (right >= 0)
            ink.bounds = { left, top, right - left + 1, bottom - top + 1 };

        return ink;
    }
};

int countOpaque (const juce::Image& image, juce::Colour colour)
{
    int count = 0;
    const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readOnly);

    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            if (const auto c = pixels.getPixelColour (x, y); c.getAlpha() == 255 && isNear (c, colour, 2))
                ++count;

    return count;
}

bool cornersClear (const juce::Image& image)
{
    const auto r = image.getWidth() - 1, b = image.getHeight() - 1;
    return image.getPixelAt (0, 0).getAlpha() == 0 && image.getPixelAt (r, 0).getAlpha() == 0
        && image.getPixelAt (0, b).getAlpha() == 0 && image.getPixelAt (r, b).getAlpha() == 0;
}

/** Length of the run of painted pixels starting at (x, y) and stepping by (dx, dy). */
int paintedRun (const juce::Image& image, int x, int y, int dx, int dy)
{
    int n = 0;

    while (juce::isPositiveAndBelow (x, image.getWidth()) && juce::isPositiveAndBelow (y, image.getHeight())
           && image.getPixelAt (x, y).getAlpha() > 0)
    {
        ++n;
        x += dx;
        y += dy;
    }

    return n;
}

/** Reads the PNG header directly, since JUCE's loader hides depth and colour type. */
bool isRgba8 (const juce::File& file)
{
    juce::MemoryBlock data;
    file.loadFileAsData (data);
    const auto* bytes = static_cast<const juce::uint8*> (data.getData());

    return data.getSize() > 29 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G' && bytes[24] == 8 && bytes[25] == 6
        && bytes[28] == 0;
}

//==============================================================================
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
        checker.expect (isRgba8 (file), asset.fileName + ": 8-bit RGBA, not interlaced, " + juce::String (file.getSize()) + " bytes");
        checker.expect (image.getWidth() == asset.width && image.getHeight() == asset.height,
                        asset.fileName + ": " + juce::String (image.getWidth()) + " x " + juce::String (image.getHeight()));

        const auto ink = Ink::of (image);
        checker.expect (image.hasAlphaChannel() && ink.transparent > 0 && ink.opaque > 0 && ink.partial > 0,
                        asset.fileName + ": transparent " + juce::String (ink.transparent) + ", edge " + juce::String (ink.partial)
                            + ", opaque " + juce::String (ink.opaque) + " px");
        checker.expect (cornersClear (image), asset.fileName + ": corners fully transparent");
    }

    if (const auto& icon = resources.images["img_TrayIcon.png"]; icon.isValid())
    {
        const auto ink = Ink::of (icon);
        checker.expect (ink.maxLevel <= 0x30, "tray icon: near-black, brightest channel " + juce::String (ink.maxLevel));
        checker.expect (ink.bounds.getWidth() >= 30 && ink.bounds.getHeight() >= 30 && icon.getPixelAt (16, 1).getAlpha() > 0
                            && icon.getPixelAt (1, 16).getAlpha() > 0,
                        "tray icon: a round emblem filling the picture");
    }

    if (const auto& frame = resources.images["img_Background.png"]; frame.isValid())
    {
        const auto c = frame.getBounds().getCentre();
        checker.expect (frame.getPixelAt (c.x, c.y).getAlpha() == 0 && frame.getPixelAt (c.y, c.y).getAlpha() == 0
                            && frame.getPixelAt (frame.getWidth() - c.y, c.y).getAlpha() == 0,
                        "frame: inside transparent");

        const int runs[] = { paintedRun (frame, c.x, 0, 0, 1), paintedRun (frame, c.x, frame.getHeight() - 1, 0, -1),
                             paintedRun (frame, 0, c.y, 1, 0), paintedRun (frame, frame.getWidth() - 1, c.y, -1, 0) };
        const auto inRange = std::all_of (std::begin (runs), std::end (runs), [] (int n) { return n >= 40 && n <= 60; });
        checker.expect (inRange, "frame: ring " + juce::String (runs[0]) + "/" + juce::String (runs[1]) + "/" + juce::String (runs[2]) + "/"
                                     + juce::String (runs[3]) + " px thick at top/bottom/left/right");

        const auto topFace = frame.getPixelAt (c.x, runs[0] / 2), bottomFace = frame.getPixelAt (c.x, frame.getHeight() - 1 - runs[1] / 2);
        checker.expect (topFace.getBrightness() > 0.65f && bottomFace.getBrightness() > 0.5f,
                        "frame: light grey, " + topFace.toDisplayString (false) + " at the top, " + bottomFace.toDisplayString (false)
                            + " at the bottom");
        checker.expect (topFace.getBrightness() > bottomFace.getBrightness(), "frame: lit from above");
    }

    if (const auto& veil = resources.images["img_Banner_DisconnectGrey.png"]; veil.isValid())
    {
        const auto ink = Ink::of (veil, { juce::Colour (0xff212121) });
        const auto c = veil.getBounds().getCentre();
        checker.expect (veil.getPixelAt (c.x, c.y) == juce::Colour (0xff212121) && ink.offColour == 0,
                        "veil: solid 0xFF212121 throughout");
        checker.expect (ink.bounds == veil.getBounds() && veil.getPixelAt (c.x, 0).getAlpha() > 200
                            && veil.getPixelAt (0, c.y).getAlpha() > 200,
                        "veil: a stadium reaching all four edges");
    }

    if (const auto& word = resources.images["img_Banner_Disconnect.png"]; word.isValid())
    {
        const auto ink = Ink::of (word, { juce::Colours::white });
        checker.expect (ink.offColour == 0, "DISCONNECT: white only");
        checker.expect (ink.bounds.getWidth() > word.getWidth() * 9 / 10 && ink.bounds.getHeight() > word.getHeight() * 8 / 10,
                        "DISCONNECT: fills the strip, ink " + ink.bounds.toString());
    }

    if (const auto& knob = resources.images["img_KnobRing.png"]; knob.isValid())
    {
        const auto ink = Ink::of (knob, { juce::Colour (0xff3e3e3e) });
        const auto c = knob.getBounds().toFloat().getCentre();
        const auto at = [&] (float radius) { return knob.getPixelAt (juce::roundToInt (c.x + radius - 0.5f), juce::roundToInt (c.y - 0.5f)); };
        checker.expect (ink.offColour == 0, "knob ring: 0xFF3E3E3E only");
        checker.expect (at (420.5f) == juce::Colour (0xff3e3e3e) && at (323.0f) == juce::Colour (0xff3e3e3e) && at (370.0f).getAlpha() == 0
                            && at (0.0f).getAlpha() == 0 && at (200.0f).getAlpha() == 0,
                        "knob ring: circles at r 425 and 323, clear between and inside");
        checker.expect (ink.bounds.getWidth() >= 848 && ink.bounds.getWidth() <= 852, "knob ring: outer diameter " + juce::String (ink.bounds.getWidth()));
    }

    for (const auto* name : { "btn_Close.png", "btn_Min.png" })
    {
        if (const auto& glyph = resources.images[name]; glyph.isValid())
        {
            const auto ink = Ink::of (glyph, { juce::Colours::white });
            checker.expect (ink.offColour == 0, juce::String (name) + ": white, ink " + ink.bounds.toString());
        }
    }
}

//==============================================================================
struct SvgExpectation
{
    juce::String fileName, viewBox;
    std::vector<juce::Colour> colours;
    float slotAspect;           // width / height of the slot the panel stretches it into
    bool centredIcon;
};

const std::vector<SvgExpectation>& getSvgExpectations()
{
    static const std::vector<SvgExpectation> list {
        { "svg_Title.svg", "0 0 1554.03 513.37", { juce::Colour (0xffffffff), juce::Colour (0xffc8c8c9), juce::Colour (0xffe74619) }, 108.0f / 40.0f, false },
        { "svg_Setting.svg", "0 0 595.28 841.89", { juce::Colour (0xfff7f7f7) }, 17.0f / 15.0f, true },
        { "svg_Headset.svg", "0 0 595.28 841.89", { juce::Colour (0xffc9c9ca) }, 1.0f, true },
        { "svg_HeadsetMuted.svg", "0 0 595.28 841.89", { juce::Colour (0xffc9caca) }, 1.0f, true },
    };

    return list;
}

void checkSvgs (Checker& checker, const juce::File& sourceDir, Resources& resources)
{
    std::cout << "SVG files" << std::endl;

    for (const auto& svg : getSvgExpectations())
    {
        const auto file = sourceDir.getChildFile (svg.fileName);
        const auto text = file.loadFileAsString();
        const auto xml = juce::parseXML (text);

        if (xml == nullptr || ! xml->hasTagName ("svg"))
        {
            checker.expect (false, svg.fileName + ": is an SVG document");
            continue;
        }

        const auto box = juce::StringArray::fromTokens (svg.viewBox, " ", "");
        const juce::Rectangle<float> viewBox (0.0f, 0.0f, box[2].getFloatValue(), box[3].getFloatValue());

        // With width and height equal to the view box, JUCE's drawable space is the view box itself.
        checker.expect (xml->getStringAttribute ("viewBox") == svg.viewBox && xml->getStringAttribute ("width") == box[2]
                            && xml->getStringAttribute ("height") == box[3],
                        svg.fileName + ": viewBox \"" + svg.viewBox + "\", width and height to match");
        checker.expect (! text.contains ("<text") && file.getSize() < 8192,
                        svg.fileName + ": outlines only, " + juce::String (file.getSize()) + " bytes");

        juce::MemoryBlock data;
        file.loadFileAsData (data);
        auto drawable = juce::Drawable::createFromImageData (data.getData(), data.getSize());

        if (drawable == nullptr)
        {
            checker.expect (false, svg.fileName + ": JUCE parses it");
            continue;
        }

        const auto bounds = drawable->getDrawableBounds();
        checker.expect (! bounds.isEmpty() && viewBox.contains (bounds), svg.fileName + ": JUCE parses it, content " + describe (bounds));
        checker.expect (std::abs (bounds.getAspectRatio() / svg.slotAspect - 1.0f) < 0.02f,
                        svg.fileName + ": content shaped like its panel slot (" + juce::String (bounds.getAspectRatio(), 3) + ")");

        // Rendered at a known scale, the painted pixels tell where the drawing really is.
        const auto scale = 800.0f / viewBox.getWidth();
        juce::Image rendered (juce::Image::ARGB, 800, juce::roundToInt (viewBox.getHeight() * scale), true);
        {
            juce::Graphics g (rendered);
            drawable->draw (g, 1.0f, juce::AffineTransform::scale (scale));
        }

        const auto ink = Ink::of (rendered, svg.colours);
        const auto inkBox = ink.bounds.toFloat() / scale;
        checker.expect (ink.offColour == 0, svg.fileName + ": painted in its colours only, ink " + describe (inkBox));

        for (const auto& colour : svg.colours)
            checker.expect (countOpaque (rendered, colour) > 300, svg.fileName + ": uses #" + colour.toDisplayString (false));

        if (svg.centredIcon)
        {
            const auto offCentre = inkBox.getCentre() - viewBox.getCentre();
            checker.expect (std::abs (offCentre.x) < 0.05f * viewBox.getWidth() && std::abs (offCentre.y) < 0.05f * viewBox.getHeight()
                                && inkBox.getWidth() > 0.25f * viewBox.getWidth() && inkBox.getWidth() < 0.5f * viewBox.getWidth(),
                            svg.fileName + ": a glyph about a third of the page wide, near its centre");
        }
        else
        {
            checker.expect (inkBox.getWidth() > 0.7f * viewBox.getWidth() && inkBox.getHeight() > 0.7f * viewBox.getHeight(),
                            svg.fileName + ": lettering fills the view box");
        }

        resources.drawables[svg.fileName] = std::move (drawable);
    }

    const auto muted = sourceDir.getChildFile ("svg_HeadsetMuted.svg").loadFileAsString();
    checker.expect (muted.contains ("stroke=\"#C9CACA\"") && muted.contains ("stroke-width=\"27.3304\"")
                        && muted.contains ("stroke-linecap=\"round\""),
                    "svg_HeadsetMuted.svg: slash stroked #C9CACA, 27.3304 wide, round caps");

    const auto& d = resources.drawables;

    if (d.count ("svg_Headset.svg") != 0 && d.count ("svg_HeadsetMuted.svg") != 0)
        checker.expect (d.at ("svg_Headset.svg")->getDrawableBounds() == d.at ("svg_HeadsetMuted.svg")->getDrawableBounds(),
                        "headsets: both stretch identically, so the headset does not move when muted");
}

//==============================================================================
/** True if the typeface has a real glyph for each non-space character. */
bool coversText (const juce::Typeface::Ptr& face, const juce::String& text)
{
    // On Linux JUCE's glyph numbers are the characters, and a missing one comes
    // back as the font's .notdef box; a private-use character shows what that is.
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

bool setsText (const juce::Typeface::Ptr& face, const juce::String& text, float height)
{
    juce::GlyphArrangement glyphs;
    glyphs.addLineOfText (juce::Font (face).withHeight (height), text, 0.0f, 0.0f);

    juce::Path path;
    glyphs.createPath (path);
    return ! path.isEmpty() && path.getBounds().getHeight() > height * 0.3f;
}

/** An OpenType file with CFF outlines: 'OTTO' first, and a 'CFF ' table. */
bool hasCffOutlines (const juce::File& file)
{
    juce::MemoryBlock data;
    file.loadFileAsData (data);
    const auto* bytes = static_cast<const char*> (data.getData());

    if (data.getSize() < 12 || juce::String (bytes, 4) != "OTTO")
        return false;

    const auto numTables = ((unsigned char) bytes[4] << 8) | (unsigned char) bytes[5];

    for (int i = 0; i < numTables && 12 + (size_t) i * 16 + 4 <= data.getSize(); ++i)
        if (juce::String (bytes + 12 + i * 16, 4) == "CFF ")
            return true;

    return false;
}

juce::Typeface::Ptr checkFont (Checker& checker, const juce::File& file, const juce::String& sample, const juce::StringArray& words,
                               float height, juce::int64 maxBytes)
{
    const auto name = file.getFileName();
    auto face = loadTypeface (file);

    if (face == nullptr || face->getName().isEmpty())
    {
        checker.expect (false, name + ": JUCE loads it");
        return nullptr;
    }

    checker.expect (hasCffOutlines (file) && file.getSize() <= maxBytes,
                    name + ": \"" + face->getName() + "\" " + face->getStyle() + ", CFF outlines, " + juce::String (file.getSize()) + " bytes");
    checker.expect (coversText (face, sample), name + ": has a glyph for every character it should");
    // Shows that the coverage test can fail at all.
    checker.expect (! coversText (face, juce::String::charToString (0x0416)), name + ": subset, no glyphs beyond it");

    for (const auto& word : words)
        checker.expect (setsText (face, word, height), name + ": sets \"" + word + "\" at height " + juce::String (height, 0));

    const auto licence = file.getSiblingFile (file.getFileNameWithoutExtension() + ".LICENSE.txt");
    const auto licenceText = licence.loadFileAsString();
    checker.expect (licenceText.containsIgnoreCase ("SIL OPEN FONT LICENSE") && licenceText.containsIgnoreCase ("Copyright"),
                    name + ": licence beside it, " + licence.getFileName());
    return face;
}

void checkFonts (Checker& checker, const juce::File& sourceDir, Resources& resources)
{
    std::cout << "Fonts" << std::endl;

    juce::String basicLatin;

    for (juce::juce_wchar c = 0x21; c <= 0x7e; ++c)
        basicLatin += juce::String::charToString (c);

    resources.displayFace = checkFont (checker, sourceDir.getChildFile ("font_Display.otf"), basicLatin, getDisplaySamples(), 60.0f, 40000);

    if (resources.displayFace != nullptr)
        checker.expect (! coversText (resources.displayFace, getMenuSample()), "font_Display.otf: Latin only");

    resources.menuFace = checkFont (checker, sourceDir.getChildFile ("font_Menu.otf"), getMenuSample() + basicLatin,
                                    { getMenuSample(), "Q5 Control Panel" }, 14.0f, 64000);
}

//==============================================================================
/** Alpha averaged over a grid of cells x cells squares: the shape of a picture
    at a coarse scale, comparable across pixel sizes. */
std::vector<double> coarseAlpha (const juce::Image& image, int cells)
{
    constexpr int samplesPerCell = 32;
    const auto samples = cells * samplesPerCell;
    std::vector<double> grid ((size_t) (cells * cells), 0.0);

    for (int v = 0; v < samples; ++v)
    {
        const auto y = (int) (((double) v + 0.5) * image.getHeight() / samples);

        for (int u = 0; u < samples; ++u)
        {
            const auto x = (int) (((double) u + 0.5) * image.getWidth() / samples);
            grid[(size_t) ((v / samplesPerCell) * cells + u / samplesPerCell)] += image.getPixelAt (x, y).getAlpha();
        }
    }

    for (auto& cell : grid)
        cell /= samplesPerCell * samplesPerCell;

    return grid;
}

/** Mean difference in alpha, 0 to 255, between two pictures seen on a grid of
    8 x 8 cells. */
double coarseAlphaDifference (const juce::Image& a, const juce::Image& b)
{
    const auto ga = coarseAlpha (a, 8), gb = coarseAlpha (b, 8);
    double sum = 0.0;

    for (size_t i = 0; i < ga.size(); ++i)
        sum += std::abs (ga[i] - gb[i]);

    return sum / (double) ga.size();
}

/** Pixels of two pictures of one size that differ in any channel. */
int differingPixels (const juce::Image& a, const juce::Image& b)
{
    jassert (a.getBounds() == b.getBounds());
    int count = 0;

    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (a.getPixelAt (x, y).getARGB() != b.getPixelAt (x, y).getARGB())
                ++count;

    return count;
}

/** How much of the disc, 0 to 1, is see-through: the knocked out ring and mark. */
double clearShareInside (const juce::Image& image)
{
    const auto c = image.getBounds().toFloat().getCentre();
    const auto r = 0.45f * (float) image.getWidth();
    double clear = 0.0;
    int inside = 0;

    for (int y = 0; y < image.getHeight(); ++y)
    {
        for (int x = 0; x < image.getWidth(); ++x)
        {
            if (juce::Point<float> ((float) x + 0.5f, (float) y + 0.5f).getDistanceFrom (c) < r)
            {
                clear += (255 - image.getPixelAt (x, y).getAlpha()) / 255.0;
                ++inside;
            }
        }
    }

    return inside > 0 ? clear / inside : 0.0;
}
} // namespace

//==============================================================================
juce::String iconFileName (int size)
{
    return juce::String (size) + "x" + juce::String (size) + ".png";
}

int checkIcons (const juce::File& iconDir, const juce::File& sourceDir)
{
    Checker checker;
    std::cout << "Desktop icons" << std::endl;

    const auto trayFile = sourceDir.getChildFile ("img_TrayIcon.png");
    const auto tray = juce::ImageFileFormat::loadFrom (trayFile);
    const auto trayOk = tray.isValid() && tray.getWidth() == 32 && tray.getHeight() == 32;
    checker.expect (trayOk, "32 x 32 tray icon loads from " + trayFile.getFullPathName());

    for (const auto size : getIconSizes())
    {
        const auto name = iconFileName (size);
        const auto file = iconDir.getChildFile (name);
        const auto image = juce::ImageFileFormat::loadFrom (file);

        if (! image.isValid())
        {
            checker.expect (false, name + ": loads");
            continue;
        }

        checker.expect (isRgba8 (file), name + ": 8-bit RGBA, not interlaced, " + juce::String (file.getSize()) + " bytes");
        checker.expect (image.getWidth() == size && image.getHeight() == size,
                        name + ": " + juce::String (image.getWidth()) + " x " + juce::String (image.getHeight()));

        if (image.getWidth() != size || image.getHeight() != size)
            continue;

        const auto ink = Ink::of (image);
        // The disc keeps a margin of half a pixel in 32.
        checker.expect (cornersClear (image) && ink.maxLevel <= 0x30 && ink.bounds.getWidth() >= size * 15 / 16
                            && ink.bounds.getHeight() >= size * 15 / 16 && ink.bounds.getCentre() == image.getBounds().getCentre(),
                        name + ": a near-black round emblem filling the picture, brightest channel " + juce::String (ink.maxLevel)
                            + ", painted " + describe (ink.bounds.toFloat()));

        const auto clear = clearShareInside (image);
        checker.expect (clear > 0.15, name + ": ring and mark knocked out, " + juce::String (clear * 100.0, 1) + "% of the disc clear");

        if (! trayOk)
            continue;

        if (size == 32)
        {
            const auto differing = differingPixels (image, tray);
            checker.expect (differing == 0, name + ": the tray icon, pixel for pixel, " + juce::String (differing) + " px differ");
            continue;
        }

        // Seen coarsely, every size is the same emblem.
        const auto difference = coarseAlphaDifference (image, tray);
        checker.expect (difference < 10.0, name + ": the tray icon's shape, mean alpha difference " + juce::String (difference, 1));

        // Antialiased edges are about a pixel wide in a drawing, so their
        // pixels grow with the size; an enlargement blurs them wider.
        if (size > 32)
        {
            const auto widening = ((double) ink.partial / size) / ((double) Ink::of (tray).partial / 32.0);
            checker.expect (widening < 1.3, name + ": drawn, not enlarged, edges " + juce::String (widening, 2) + " times as wide as at 32 px");
        }
    }

    const auto files = iconDir.findChildFiles (juce::File::findFiles, false, "*.png");
    checker.expect (files.size() == (int) getIconSizes().size(), juce::String (files.size()) + " icon files in " + iconDir.getFullPathName());

    std::cout << (checker.problems == 0 ? juce::String ("All icons check out.") : juce::String (checker.problems) + " problem(s) found.")
              << std::endl;
    return checker.problems;
}

//==============================================================================
bool Resources::isComplete() const
{
    return images.size() == getPngAssets().size() && drawables.size() == getSvgExpectations().size() && displayFace != nullptr
        && menuFace != nullptr;
}

juce::String getMenuSample()
{
    return juce::String (juce::CharPointer_UTF8 ("\xe5\xbc\x80\xe6\x9c\xba\xe8\x87\xaa\xe5\x8a\xa8\xe5\x90\xaf\xe5\x8a\xa8"));
}

juce::StringArray getDisplaySamples()
{
    return { "INST", "LINE", "MIC/LINE", "PAD", "-12.5", "0.0", "26.0" };
}

int checkResources (const juce::File& sourceDir, Resources& resources)
{
    Checker checker;
    checkPngs (checker, sourceDir, resources);
    checkSvgs (checker, sourceDir, resources);
    checkFonts (checker, sourceDir, resources);

    const auto files = sourceDir.findChildFiles (juce::File::findFiles, false, "*.png;*.svg;*.otf");
    checker.expect (files.size() == 13, juce::String (files.size()) + " resource files in " + sourceDir.getFullPathName());

    std::cout << (checker.problems == 0 ? juce::String ("All resources check out.") : juce::String (checker.problems) + " problem(s) found.")
              << std::endl;
    return checker.problems;
}
} // namespace artwork
