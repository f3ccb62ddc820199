#include "shell/TrayIcon.h"

#include "shell/AppVisibility.h"

TrayIcon::MacTrayIconMenu::MacTrayIconMenu(TrayIcon* owner)
{
    menu.addItem("Show", [owner] { owner->showMainWindow(); });
    menu.addItem("Exit", [] {
        if (auto* app = juce::JUCEApplication::getInstance())
            app->systemRequestedQuit();
    });
}

TrayIcon::TrayIcon() = default;

TrayIcon::~TrayIcon()
{
#if JUCE_MAC
    // The framework's main-menu machinery must not keep a released model.
    if (menuBar != nullptr)
        juce::MenuBarModel::setMacMainMenu(nullptr);
#endif
    menuBar.reset();
}

void TrayIcon::mouseDown(const juce::MouseEvent& event)
{
    if (event.mods.getRawFlags() != juce::ModifierKeys::leftButtonModifier)
        return;

#if JUCE_MAC
    if (menuBar == nullptr)
    {
        menuBar = std::make_unique<MacMenuBar>();
        juce::MenuBarModel::setMacMainMenu(menuBar.get(), nullptr, {});
    }
    showDropdownMenu(trayMenu.menu);
#else
    trayMenu.menu.showMenuAsync(juce::PopupMenu::Options().withTargetComponent(this));
#endif
}

void TrayIcon::showMainWindow()
{
    auto* panel = getParentComponent();
    auto* window = panel != nullptr ? dynamic_cast<juce::ResizableWindow*>(panel->getParentComponent()) : nullptr;
    if (window == nullptr)
        return;

    AppVisibility::showApplication(*window);
    window->setMinimised(false);
}
