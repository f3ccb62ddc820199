#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace artwork
{
struct PreviewSettings
{
    juce::File sourceDir;  // where the resources are
    juce::File outputDir;  // where preview.png and the mock-ups go
    juce::File labelFont;  // any readable font for the captions
};

/** Checks every resource, then renders a contact sheet and the panel mock-ups.
    Returns the number of problems found.
*/
int makePreview (const PreviewSettings& settings);
} // namespace artwork
