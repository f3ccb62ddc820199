#pragma once

#include <juce_core/juce_core.h>

#include <deque>
#include <functional>

// Adds and removes the login item on a thread of its own, so the panel never
// waits for the desktop's scripting service. Requests run one at a time in
// the order they were made, so the last one decides the final state; none is
// ever cut short.
class LoginItemThread : private juce::Thread
{
public:
    // Called on this thread: true adds the login item, false removes it.
    using Change = std::function<void(bool add)>;

    // Changes the platform's login items for the running program.
    LoginItemThread();
    explicit LoginItemThread(Change changeToUse);
    // Waits for every request made so far to finish.
    ~LoginItemThread() override;

    // Message thread. Returns at once.
    void request(bool add);
    // Whether a request is waiting or running.
    bool isBusy() const;

private:
    void run() override;

    const Change change;
    juce::CriticalSection lock;
    std::deque<bool> pending;
    bool changing = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(LoginItemThread)
};
