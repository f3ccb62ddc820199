#pragma once

#include <juce_gui_extra/juce_gui_extra.h>

// The status-bar icon. A plain left click drops down "Show" and "Exit".
class TrayIcon : public juce::SystemTrayIconComponent
{
public:
    // "Show" brings back the window that holds the panel.
    explicit TrayIcon(juce::Component& panel);
    ~TrayIcon() override;

    // Whether the desktop has a status area to put the icon in. On X11 that
    // is a tray host owning the system-tray selection; without one the icon
    // would only be a stray window at the screen's corner.
    static bool desktopHasTray();

    // Hides the base's: on Linux the icon's window needs a style of its own.
    void setIconImage(const juce::Image& colourImage, const juce::Image& templateImage);

    void mouseDown(const juce::MouseEvent& event) override;
#if JUCE_LINUX || JUCE_BSD
    void paint(juce::Graphics& g) override;
#endif

    class MacTrayIconMenu
    {
    public:
        explicit MacTrayIconMenu(TrayIcon* owner);

        juce::PopupMenu menu;
    };

    // The application's main menu, which the status item's drop-down needs
    // on macOS: it has no menus.
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

private:
#if JUCE_LINUX || JUCE_BSD
    // Dealings with the X11 tray host and window manager (TrayHost_linux.h).
    class X11Host;
    std::unique_ptr<X11Host> x11Host;
#endif

    // Not the parent: on Linux setting the picture puts the icon on the
    // desktop, which takes it out of the panel.
    juce::Component::SafePointer<juce::Component> panel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(TrayIcon)
};
