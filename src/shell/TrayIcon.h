#pragma once

#include <juce_gui_extra/juce_gui_extra.h>

// The status-bar icon. A plain left click drops down "Show" and "Exit".
class TrayIcon : public juce::SystemTrayIconComponent
{
public:
    TrayIcon();
    ~TrayIcon() override;

    void mouseDown(const juce::MouseEvent& event) override;

    class MacTrayIconMenu
    {
    public:
        explicit MacTrayIconMenu(TrayIcon* owner);

        juce::PopupMenu menu;
    };

    class MacMenuBar : public juce::MenuBarModel
    {
    public:
        juce::StringArray getMenuBarNames() override { return {}; }
        juce::PopupMenu getMenuForIndex(int, const juce::String&) override { return {}; }
        void menuItemSelected(int, int) override {}
        void menuBarActivated(bool) override {}
    };

    MacTrayIconMenu trayMenu{this};
    std::unique_ptr<MacMenuBar> menuBar;

    // "Show": brings back a panel that was hidden or minimised.
    void showMainWindow();
};
