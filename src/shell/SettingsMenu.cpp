// The panel's own button handler: the headphone-mute state and the one-item
// settings menu that switches starting at login.

#include "panel/MainComponent.h"

#include "shell/LoginItemThread.h"
#include "style/kova7_button.h"

void MainComponent::buttonClicked(juce::Button* button)
{
    const bool on = button->getToggleState();
    const auto id = button->getComponentID();

    if (id.equalsIgnoreCase("btn_HPMute"))
        hpMuteState = on ? 1 : 0;

    if (id.equalsIgnoreCase("btn_Setting"))
        showSettingsMenu(*button);
}

void MainComponent::showSettingsMenu(juce::Button& button)
{
    juce::PopupMenu menu;
    menu.setLookAndFeel(customLookAndFeel.get());
    menu.addItem(
        1, juce::String::fromUTF8("\xe5\xbc\x80\xe6\x9c\xba\xe8\x87\xaa\xe5\x8a\xa8\xe5\x90\xaf\xe5\x8a\xa8"),
        true, launchAtLogin > 0);

    menu.showMenuAsync(juce::PopupMenu::Options().withTargetComponent(&button),
                       [safeThis = juce::Component::SafePointer<MainComponent>(this)](int result)
                       {
                           if (safeThis != nullptr)
                               safeThis->settingsMenuItemChosen(result);
                       });
}

void MainComponent::settingsMenuItemChosen(int itemId)
{
    if (itemId != 1)
        return;

    const auto old = launchAtLogin;

    // One thread for all the choices: their commands run in the order chosen,
    // one at a time, so the login item ends as the tick shows.
    if (loginItemThread == nullptr)
        loginItemThread = std::make_unique<LoginItemThread>();

    loginItemThread->request(old != 1);
    launchAtLogin = old != 1 ? 1 : 0;
}
