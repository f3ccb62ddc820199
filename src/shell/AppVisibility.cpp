#include "shell/AppVisibility.h"

#if ! JUCE_MAC

namespace
{
// Windows this module hid, so showing brings back exactly those.
juce::Array<juce::Component::SafePointer<juce::Component>>& hiddenWindows()
{
    static juce::Array<juce::Component::SafePointer<juce::Component>> windows;
    return windows;
}

bool hidden = false;
} // namespace

void AppVisibility::hideApplication(juce::ResizableWindow&)
{
    // The platform's Process::hide() does nothing here, so unmap each of the
    // application's top-level windows ourselves.
    for (int i = juce::TopLevelWindow::getNumTopLevelWindows(); --i >= 0;)
    {
        if (auto* window = juce::TopLevelWindow::getTopLevelWindow(i); window != nullptr && window->isVisible())
        {
            hiddenWindows().add(window);
            window->setVisible(false);
        }
    }

    hidden = true;
}

void AppVisibility::showApplication(juce::ResizableWindow&)
{
    for (auto& window : hiddenWindows())
        if (window != nullptr)
            window->setVisible(true);

    hiddenWindows().clear();
    hidden = false;
}

bool AppVisibility::isApplicationHidden()
{
    return hidden;
}

#endif
