#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Adds or removes the login item on a thread of its own, so the panel never
// waits for the desktop's scripting service.
class LoginItemThread : public juce::Component, public juce::Thread
{
public:
    explicit LoginItemThread(bool add);
    ~LoginItemThread() override;

    void run() override;

    const bool addLoginItem;
};
