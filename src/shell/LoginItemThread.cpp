#include "shell/LoginItemThread.h"

#include "shell/LoginItems.h"

#include <optional>

namespace
{
juce::File applicationToStart()
{
#if JUCE_LINUX || JUCE_BSD
    // The framework's own idea of the executable is the name it was started
    // by, taken from the current folder: wrong when a shell found it on the
    // PATH. The kernel's link names the file itself.
    return juce::File::getSpecialLocation(juce::File::hostApplicationPath);
#else
    // On macOS the bundle, not the executable inside it.
    return juce::File::getSpecialLocation(juce::File::currentApplicationFile);
#endif
}

void changeLoginItems(bool add)
{
    if (add)
        LoginItems::addApplication(applicationToStart());
    else
        LoginItems::removeApplication();
}
} // namespace

LoginItemThread::LoginItemThread() : LoginItemThread(changeLoginItems) {}

LoginItemThread::LoginItemThread(Change changeToUse) : juce::Thread("t"), change(std::move(changeToUse))
{
    startThread();
}

LoginItemThread::~LoginItemThread()
{
    // Never killed: a thread cut short would leave its child process and pipe
    // behind, and the login item might not end as the user last chose.
    signalThreadShouldExit();
    notify();
    waitForThreadToExit(-1);
}

void LoginItemThread::request(bool add)
{
    {
        const juce::ScopedLock sl(lock);
        pending.push_back(add);
    }
    notify();
}

bool LoginItemThread::isBusy() const
{
    const juce::ScopedLock sl(lock);
    return changing || !pending.empty();
}

void LoginItemThread::run()
{
    for (;;)
    {
        std::optional<bool> next;
        {
            const juce::ScopedLock sl(lock);
            changing = !pending.empty();
            if (changing)
            {
                next = pending.front();
                pending.pop_front();
            }
        }

        if (next.has_value())
        {
            change(*next);
            continue;
        }

        // Only once everything asked for is done.
        if (threadShouldExit())
            return;

        // A notify() between the check above and here is not lost: the event
        // stays signalled until this wait takes it.
        wait(-1);
    }
}
