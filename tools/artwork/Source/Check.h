#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <map>

namespace artwork
{
/** Every resource, loaded back the way the panel loads it. */
struct Resources
{
    std::map<juce::String, juce::Image> images;
    std::map<juce::String, std::unique_ptr<juce::Drawable>> drawables;
    juce::Typeface::Ptr displayFace, menuFace;

    bool isComplete() const;
};

/** The menu's only CJK text, "start automatically at boot". */
juce::String getMenuSample();

/** Words the panel sets in the display face. */
juce::StringArray getDisplaySamples();

/** Loads and checks all 13 resources in the folder, printing one line per
    check. Returns the number of problems found.
*/
int checkResources (const juce::File& sourceDir, Resources& resources);

/** The file name of the desktop icon of one size, e.g. "48x48.png". */
juce::String iconFileName (int size);

/** Checks the desktop icons in the folder against the tray icon in sourceDir.
    Returns the number of problems found.
*/
int checkIcons (const juce::File& iconDir, const juce::File& sourceDir);
} // namespace artwork
