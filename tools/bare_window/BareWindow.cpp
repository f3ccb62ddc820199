// A bare JUCE window of the panel's size and nothing else: the floor any
// JUCE program starts from on this machine, measured beside the panel.

#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
class BareWindowApplication final : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "Bare Window"; }
    const juce::String getApplicationVersion() override { return "1.0.0"; }

    void initialise(const juce::String&) override
    {
        window = std::make_unique<juce::DocumentWindow>("Bare Window", juce::Colours::black, 0);
        window->setUsingNativeTitleBar(false);
        window->setTitleBarHeight(0);
        window->centreWithSize(580, 300);
        window->setVisible(true);
    }

    void shutdown() override { window = nullptr; }

private:
    std::unique_ptr<juce::DocumentWindow> window;
};
} // namespace

START_JUCE_APPLICATION(BareWindowApplication)
