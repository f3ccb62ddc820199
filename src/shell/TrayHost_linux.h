#pragma once

#include "shell/TrayIcon.h"

#if JUCE_LINUX || JUCE_BSD

// What JUCE's X11 tray icon leaves to us. Tray hosts embed the icon's window
// (XEmbed); the framework makes that window and maps it itself, which hosts
// and window managers take in ways the icon has to make up for.
class TrayIcon::X11Host : private juce::Timer
{
public:
    explicit X11Host(TrayIcon& iconToLookAfter) : icon(iconToLookAfter) {}
    ~X11Host() override = default;

    static constexpr int iconSize = 22;

    // Whether the host embeds icons with an alpha channel. One that does not
    // refuses the 32-bit window the framework makes for a non-opaque
    // component, so the icon is then made opaque.
    static bool takesTransparentIcons();

    // GTK hosts size an icon by its minimum-size hint, which the framework
    // leaves out whenever it places the window (at the first paint, for
    // one); without it the icon shrinks to one pixel. Every placing of the
    // window comes before a paint, so the icon calls this when it paints.
    void keepSizeHint();

    // For a few seconds after the picture is set, waits for the host's
    // embedding, which comes whenever the host gets round to it, and has the
    // host map and measure the icon once it holds it.
    void watchForEmbedding();

    // Asks the window manager to bring the window up, as a pager does on the
    // user's behalf, stamped with the current server time so that it counts
    // as the user's latest request. A plain map, which is how the framework
    // un-minimises, is held back for seconds by a window manager preventing
    // focus theft while another program has the focus.
    // Should the window still be minimised a moment later, asks again a few
    // times: a window manager can drop a request that meets a state change
    // of its own.
    void activate(juce::ResizableWindow& window);

private:
    void timerCallback() override;
    // True once the host holds the icon at its full size.
    bool askHostForSize();
    void sendActivation(juce::Component& window);

    class ActivationRetry : public juce::Timer
    {
    public:
        explicit ActivationRetry(X11Host& hostToUse) : host(hostToUse) {}
        void start(juce::ResizableWindow& window);
        void timerCallback() override;

    private:
        X11Host& host;
        juce::Component::SafePointer<juce::ResizableWindow> target;
        int triesLeft = 0;
    };

    TrayIcon& icon;
    int ticksLeft = 0;
    ActivationRetry retry{*this};
};

#endif
