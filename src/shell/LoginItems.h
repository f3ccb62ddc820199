#pragma once

#include <juce_core/juce_core.h>

// The operating system's list of programs started at login. The panel keeps
// no setting of its own: this list is the only record.
namespace LoginItems
{
// The name the login item goes by.
inline const char* const applicationName = "Q5 Control Panel";

// The list of the desktop the program runs on. Failures are silent: the
// query then answers false and a change simply does not happen.
bool isApplicationRegistered();
void addApplication(const juce::File& application);
void removeApplication();

// Runs the command with /bin/bash -c and returns what it wrote to standard
// output and standard error, read together to the end, decoded as UTF-8.
juce::String runShellCommand(const juce::String& command);

// macOS: the login items of System Events, edited through osascript. Built
// on every platform so the commands can be checked anywhere.
namespace SystemEvents
{
juce::String queryCommand();
juce::String addCommand(const juce::String& applicationPath);
juce::String removeCommand();

bool isApplicationRegistered();
void addApplication(const juce::File& application);
void removeApplication();
} // namespace SystemEvents

// Linux and the BSDs: the XDG autostart folder, one desktop entry per item.
namespace Autostart
{
// $XDG_CONFIG_HOME/autostart, or ~/.config/autostart.
juce::File folder();
// The entry this program writes.
juce::File entryFile();

bool isApplicationRegistered();
void addApplication(const juce::File& application);
void removeApplication();
} // namespace Autostart
} // namespace LoginItems
