#pragma once

#include <juce_core/juce_core.h>

// The operating system's list of programs started at login. The panel keeps
// no setting of its own: this list is the only record.
namespace LoginItems
{
// The name the login item goes by.
inline const char* const applicationName = "Q5 Control Panel";

bool isApplicationRegistered();
void addApplication(const juce::File& application);
void removeApplication();
} // namespace LoginItems
