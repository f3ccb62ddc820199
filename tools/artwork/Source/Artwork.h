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

/** Loads a font file into a typeface; returns nullptr if it cannot be read. */
juce::Typeface::Ptr loadTypeface (const juce::File& fontFile);

/** Writes an ARGB image as an 8-bit RGBA, non-interlaced PNG. */
bool writePng (const juce::Image& image, const juce::File& file);

/** A stadium (pill) shape inset by the given amount from the bounds. */
juce::Path makeStadium (juce::Rectangle<float> bounds, float inset = 0.0f);
} // namespace artwork
