#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace artwork
{
struct PreviewSettings
{
    juce::File sourceDir;  // where the resources are
    juce::File outputDir;  // where preview.png and mockup.png go
    juce::File labelFont;  // any readable font for the captions
};

/** Loads every resource back the way the panel will, checks it, and renders the
    contact sheet and a screen-size mock-up. Returns the number of problems found.
*/
int makePreview (const PreviewSettings& settings);
} // namespace artwork
