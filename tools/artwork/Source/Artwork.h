#pragma once

#include <juce_graphics/juce_graphics.h>

namespace artwork
{
/** One of the PNG resources: its file name, its pixel size and how to draw it. */
struct PngAsset
{
    juce::String fileName;
    int width = 0, height = 0;
    std::function<juce::Image (const juce::Typeface::Ptr& letteringFace)> draw;
};

/** Every PNG the panel embeds, in the order the preview shows them. */
std::vector<PngAsset> getPngAssets();

/** The round emblem at the given pixel size: at 32 it is the tray icon, at the
    other sizes the desktop icon.
*/
juce::Image drawEmblem (const juce::Typeface::Ptr& letteringFace, int size);

/** The hicolor theme sizes the desktop icon comes in. */
const std::vector<int>& getIconSizes();

/** Loads a font file into a typeface; returns nullptr if it cannot be read. */
juce::Typeface::Ptr loadTypeface (const juce::File& fontFile);

/** Writes an ARGB image as an 8-bit RGBA, non-interlaced PNG. */
bool writePng (const juce::Image& image, const juce::File& file);

/** A stadium (pill) shape inset by the given amount from the bounds. */
juce::Path makeStadium (juce::Rectangle<float> bounds, float inset = 0.0f);
} // namespace artwork
