// The X11 headers come only with this switch, and only into this file.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include "shell/TrayHost_linux.h"

#if JUCE_LINUX || JUCE_BSD

namespace
{
::Window windowOf(const juce::Component& component)
{
    return static_cast<::Window>(reinterpret_cast<juce::pointer_sized_uint>(component.getWindowHandle()));
}

// The owner of the system-tray selection, as the icon finds it when it docks.
::Window trayManager(::Display* display)
{
    auto* x11 = juce::X11Symbols::getInstance();
    const auto screen = x11->xScreenNumberOfScreen(x11->xDefaultScreenOfDisplay(display));
    const auto selectionName = "_NET_SYSTEM_TRAY_S" + juce::String(screen);

    // A tray host has created the atom to own it; asking must not create it.
    const auto selection =
        juce::XWindowSystemUtilities::Atoms::getIfExists(display, selectionName.toRawUTF8());
    return selection != None ? x11->xGetSelectionOwner(display, selection) : None;
}
} // namespace

bool TrayIcon::desktopHasTray()
{
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();
    if (display == nullptr)
        return false;

    const juce::XWindowSystemUtilities::ScopedXLock xLock;
    return trayManager(display) != None;
}

bool TrayIcon::X11Host::takesTransparentIcons()
{
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();
    if (display == nullptr)
        return false;

    const juce::XWindowSystemUtilities::ScopedXLock xLock;
    const auto manager = trayManager(display);
    const auto property =
        juce::XWindowSystemUtilities::Atoms::getIfExists(display, "_NET_SYSTEM_TRAY_VISUAL");
    if (manager == None || property == None)
        return false;

    // The host names the visual icons are to use; without one they use the
    // default visual, which has no alpha channel.
    const juce::XWindowSystemUtilities::GetXProperty visual(display, manager, property, 0, 1, false,
                                                            XA_VISUALID);
    if (!visual.success || visual.actualFormat != 32 || visual.numItems != 1)
        return false;

    XVisualInfo wanted{};
    wanted.visualid = static_cast<VisualID>(*reinterpret_cast<const unsigned long*>(visual.data));
    int count = 0;
    auto* x11 = juce::X11Symbols::getInstance();
    auto* found = x11->xGetVisualInfo(display, VisualIDMask, &wanted, &count);
    const bool withAlpha = found != nullptr && count > 0 && found[0].depth == 32;
    if (found != nullptr)
        x11->xFree(found);
    return withAlpha;
}

void TrayIcon::X11Host::keepSizeHint()
{
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();
    const auto window = windowOf(icon);
    if (display == nullptr || window == 0)
        return;

    const juce::XWindowSystemUtilities::ScopedXLock xLock;

    // Stored as flags, x, y, width, height, minimum width, minimum height, ...
    const juce::XWindowSystemUtilities::GetXProperty stored(display, window, XA_WM_NORMAL_HINTS, 0, 18, false,
                                                            XA_WM_SIZE_HINTS);
    if (stored.success && stored.actualFormat == 32 && stored.numItems >= 7)
    {
        const auto* fields = reinterpret_cast<const long*>(stored.data);
        if ((fields[0] & PMinSize) != 0 && fields[5] == iconSize && fields[6] == iconSize)
            return;
    }

    auto* x11 = juce::X11Symbols::getInstance();
    if (auto* hints = x11->xAllocSizeHints())
    {
        hints->flags = PMinSize | PBaseSize;
        hints->min_width = hints->base_width = iconSize;
        hints->min_height = hints->base_height = iconSize;
        x11->xSetWMNormalHints(display, window, hints);
        x11->xFree(hints);
    }
}

void TrayIcon::X11Host::watchForEmbedding()
{
    ticksLeft = 50;
    startTimer(100);
}

void TrayIcon::X11Host::timerCallback()
{
    if (askHostForSize() || --ticksLeft <= 0)
        stopTimer();
}

bool TrayIcon::X11Host::askHostForSize()
{
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();
    const auto window = windowOf(icon);
    if (display == nullptr || window == 0)
        return false;

    const juce::XWindowSystemUtilities::ScopedXLock xLock;
    auto* x11 = juce::X11Symbols::getInstance();

    ::Window root = 0, host = 0, *children = nullptr;
    unsigned int count = 0;
    if (x11->xQueryTree(display, window, &root, &host, &children, &count) == 0)
        return false;
    if (children != nullptr)
        x11->xFree(children);

    if (host == root)
        return false;

    ::Window hostRoot = 0;
    int x = 0, y = 0;
    unsigned int width = 0, height = 0, border = 0, depth = 0;
    if (x11->xGetGeometry(display, host, &hostRoot, &x, &y, &width, &height, &border, &depth) != 0 &&
        width >= iconSize && height >= iconSize)
        return true;

    // The host is to map an embedded icon whose XEmbed info says "mapped",
    // and to measure it then. When the framework's own mapping came before
    // the embedding, a GTK host takes the icon for unmapped and one pixel
    // wide; saying "mapped" again makes it map and measure the icon.
    keepSizeHint();
    const long info[] = {0, 1}; // protocol version 0, XEMBED_MAPPED
    const auto xembedInfo = juce::XWindowSystemUtilities::Atoms::getCreating(display, "_XEMBED_INFO");
    x11->xChangeProperty(display, window, xembedInfo, xembedInfo, 32, PropModeReplace,
                         reinterpret_cast<const unsigned char*>(info), 2);
    return false;
}

void TrayIcon::X11Host::activate(juce::ResizableWindow& window)
{
    sendActivation(window);
    retry.start(window);
}

void TrayIcon::X11Host::ActivationRetry::start(juce::ResizableWindow& window)
{
    target = &window;
    triesLeft = 5;
    startTimer(150);
}

void TrayIcon::X11Host::ActivationRetry::timerCallback()
{
    if (target == nullptr || !target->isMinimised() || --triesLeft < 0)
    {
        stopTimer();
        return;
    }

    host.sendActivation(*target);
}

void TrayIcon::X11Host::sendActivation(juce::Component& window)
{
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();
    const auto target = windowOf(window);
    const auto own = windowOf(icon);
    if (display == nullptr || target == 0 || own == 0)
        return;

    const juce::XWindowSystemUtilities::ScopedXLock xLock;
    auto* x11 = juce::X11Symbols::getInstance();

    // The server stamps its notice of a property change: append nothing to a
    // property of the icon's own window, whose notices nothing else reads.
    const auto stampAtom = juce::XWindowSystemUtilities::Atoms::getCreating(display, "Q5_SERVER_TIME");
    x11->xChangeProperty(display, own, stampAtom, stampAtom, 8, PropModeAppend, nullptr, 0);
    x11->xSync(display, False);

    ::Time now = CurrentTime;
    XEvent event;
    while (x11->xCheckTypedWindowEvent(display, own, PropertyNotify, &event))
        if (event.xproperty.atom == stampAtom)
            now = event.xproperty.time;

    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = target;
    request.xclient.message_type =
        juce::XWindowSystemUtilities::Atoms::getCreating(display, "_NET_ACTIVE_WINDOW");
    request.xclient.format = 32;
    request.xclient.data.l[0] = 2; // from a pager, on the user's behalf
    request.xclient.data.l[1] = static_cast<long>(now);

    const auto root = x11->xRootWindow(display, x11->xDefaultScreen(display));
    x11->xSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
    x11->xFlush(display);
}

#endif
