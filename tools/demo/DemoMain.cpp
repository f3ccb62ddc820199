// The real panel wired to a virtual Q5, so the whole link can be watched
// without hardware. A small second window plugs, unplugs and plays the
// device's own controls.

#include "shell/MainWindow.h"
#include "testing/VirtualQ5.h"

namespace
{
class DeviceControls final : public juce::Component, private juce::Timer
{
public:
    DeviceControls(VirtualMidiBus& busToUse, std::shared_ptr<VirtualQ5> deviceToUse)
        : bus(busToUse), device(std::move(deviceToUse))
    {
        for (auto* b : {&plugButton, &knobDown, &knobUp, &sourceButton})
            addAndMakeVisible(*b);
        addAndMakeVisible(status);

        plugButton.onClick = [this] {
            if (bus.isPlugged(*device))
                bus.unplug(device);
            else
                bus.plug(device);
            update();
        };
        knobDown.onClick = [this] { turn(-2.5); };
        knobUp.onClick = [this] { turn(2.5); };
        sourceButton.onClick = [this] {
            auto state = device->getState();
            state.inst = ! state.inst;
            state.line = ! state.inst;
            device->setState(state);
            device->reportState();
            update();
        };
        setSize(300, 120);
        startTimer(200);
        update();
    }

    void resized() override
    {
        auto area = getLocalBounds().reduced(8);
        status.setBounds(area.removeFromBottom(40));
        const auto w = area.getWidth() / 4;
        for (auto* b : {&plugButton, &knobDown, &knobUp, &sourceButton})
            b->setBounds(area.removeFromLeft(w).reduced(2));
    }

    void paint(juce::Graphics& g) override { g.fillAll(juce::Colour(0xFF2A2A2A)); }

private:
    void turn(double by)
    {
        const auto level = juce::jlimit(0.0, 26.0, device->getState().input12 / 10.0 + by);
        device->turnHardwareKnob(level);
        update();
    }

    void timerCallback() override { update(); }

    void update()
    {
        const auto s = device->getState();
        plugButton.setButtonText(bus.isPlugged(*device) ? "Unplug" : "Plug");
        status.setText(juce::String(bus.isPlugged(*device) ? "plugged" : "unplugged") + "  gain "
                           + juce::String(s.input12 / 10.0, 1) + "  " + (s.inst ? "INST" : "LINE")
                           + "  messages received " + juce::String(static_cast<int>(device->getReceived().size())),
                       juce::dontSendNotification);
    }

    VirtualMidiBus& bus;
    std::shared_ptr<VirtualQ5> device;
    juce::TextButton plugButton{"Plug"}, knobDown{"Knob -"}, knobUp{"Knob +"}, sourceButton{"Source"};
    juce::Label status;
};

class DemoApplication final : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "Q5 Control Panel"; }
    const juce::String getApplicationVersion() override { return "1.0.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }

    void initialise(const juce::String&) override
    {
        device->setState({120, 0, 0, false, true, false});
        panelWindow = std::make_unique<NewProjectApplication::MainWindow>(getApplicationName(), bus);

        controlsWindow = std::make_unique<juce::DocumentWindow>("Virtual Q5", juce::Colour(0xFF2A2A2A),
                                                                juce::DocumentWindow::minimiseButton);
        controlsWindow->setUsingNativeTitleBar(true);
        controlsWindow->setContentOwned(new DeviceControls(bus, device), true);
        controlsWindow->setTopLeftPosition(20, 20);
        controlsWindow->setVisible(true);

        // Plugged a second after start, as if the cable went in then.
        juce::Timer::callAfterDelay(1000, [this] { bus.plug(device); });
    }

    void shutdown() override
    {
        controlsWindow = nullptr;
        panelWindow = nullptr;
    }

    void systemRequestedQuit() override { quit(); }

private:
    VirtualMidiBus bus;
    std::shared_ptr<VirtualQ5> device = std::make_shared<VirtualQ5>();
    std::unique_ptr<NewProjectApplication::MainWindow> panelWindow;
    std::unique_ptr<juce::DocumentWindow> controlsWindow;
};
} // namespace

START_JUCE_APPLICATION(DemoApplication)
