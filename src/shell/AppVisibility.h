#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Hiding and showing the whole application, as the desktop's own hide command
// does: every window leaves the screen, the process and its tray icon stay.
namespace AppVisibility
{
void hideApplication(juce::ResizableWindow& mainWindow);
void showApplication(juce::ResizableWindow& mainWindow);
bool isApplicationHidden();
} // namespace AppVisibility
