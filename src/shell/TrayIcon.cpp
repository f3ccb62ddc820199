#include "shell/TrayIcon.h"

#include "shell/AppVisibility.h"
#include "shell/TrayHost_linux.h"

TrayIcon::MacTrayIconMenu::MacTrayIconMenu(TrayIcon* owner)
{
    // A shown menu keeps a copy of its actions, which may outlive the icon.
    menu.addItem("Show",
                 [icon = juce::Component::SafePointer<TrayIcon>(owner)]
                 {
                     if (icon != nullptr)
                         icon->showMainWindow();
                 });
    menu.addItem("Exit",
                 []
                 {
                     if (auto* app = juce::JUCEApplication::getInstance())
                         app->systemRequestedQuit();
                 });
}

TrayIcon::TrayIcon(juce::Component& panelToShow) : panel(&panelToShow)
{
#if JUCE_LINUX || JUCE_BSD
    x11Host = std::make_unique<X11Host>(*this);
    // The window is made when the picture is set, from these.
    setOpaque(!X11Host::takesTransparentIcons());
    setSize(X11Host::iconSize, X11Host::iconSize);
#endif
}

TrayIcon::~TrayIcon()
{
#if JUCE_MAC
    // The framework's main-menu machinery must not keep a released model.
    if (menuBar != nullptr && juce::MenuBarModel::getMacMainMenu() == menuBar.get())
        juce::MenuBarModel::setMacMainMenu(nullptr);
#endif
    menuBar.reset();
}

#if !(JUCE_LINUX || JUCE_BSD)
bool TrayIcon::desktopHasTray()
{
    return true;
}
#endif

void TrayIcon::setIconImage(const juce::Image& colourImage, const juce::Image& templateImage)
{
#if JUCE_LINUX || JUCE_BSD
    // Kept from the window manager, which would otherwise frame the icon as a
    // window of its own whenever the framework maps it before the host has
    // embedded it. Being added to the panel took it off the desktop.
    addToDesktop(juce::ComponentPeer::windowIsTemporary);
#endif
    juce::SystemTrayIconComponent::setIconImage(colourImage, templateImage);
#if JUCE_LINUX || JUCE_BSD
    x11Host->watchForEmbedding();
#endif
}

#if JUCE_LINUX || JUCE_BSD
void TrayIcon::paint(juce::Graphics& g)
{
    // Without an alpha channel the picture needs a ground of its own; the
    // panel's body colour suits the dark status bars it is drawn for.
    if (isOpaque())
        g.fillAll(juce::Colour{0xFF1D1D1D});

    juce::SystemTrayIconComponent::paint(g);
    x11Host->keepSizeHint();
}
#endif

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
    // No drop-down from the status item here: the same menu, at the icon.
    trayMenu.menu.showMenuAsync(juce::PopupMenu::Options().withTargetComponent(this));
#endif
}

void TrayIcon::showMainWindow()
{
    auto* window =
        panel != nullptr ? dynamic_cast<juce::ResizableWindow*>(panel->getParentComponent()) : nullptr;
    if (window == nullptr)
        return;

#if JUCE_LINUX || JUCE_BSD
    const bool wasMinimised = window->isMinimised();
#endif

    AppVisibility::showApplication(*window);
    window->setMinimised(false);

#if JUCE_LINUX || JUCE_BSD
    if (wasMinimised)
        x11Host->activate(*window);
#endif
}
