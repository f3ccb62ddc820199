#pragma once

#include <juce_gui_extra/juce_gui_extra.h>

#include <atomic>
#include <functional>

namespace testsupport
{
inline std::atomic<int> quitRequests{0};

// Runs the real message loop until the condition holds or the time is up.
inline bool runUntil(const std::function<bool()>& condition, int timeoutMs = 3000)
{
    const auto end = juce::Time::getMillisecondCounter() + static_cast<juce::uint32>(timeoutMs);
    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return false;
        juce::MessageManager::getInstance()->runDispatchLoopUntil(2);
    }
    return true;
}

inline void runFor(int ms)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil(ms);
}
} // namespace testsupport
