// Finds the Q5 by its port names on every timer tick, opens and closes its
// ports, and fades the disconnect veil in and out.

#include "device/ControlHandlers.h"
#include "device/IncomingMessages.h"

#include <cmath>

namespace
{
const juce::String devicePattern{"Velmora Q5"};

bool matchesDevice(const juce::MidiDeviceInfo& info)
{
    return info.name.equalsIgnoreCase(devicePattern) || info.name.contains(devicePattern);
}

template <typename Port>
bool isListed(const Port& port, const juce::Array<juce::MidiDeviceInfo>& devices)
{
    const auto name = port.getName();
    const auto identifier = port.getIdentifier();
    return std::any_of(devices.begin(), devices.end(), [&](const juce::MidiDeviceInfo& info) {
        return info.name == name && info.identifier == identifier;
    });
}

bool isFullyOpaque(const juce::Component& image)
{
    return std::trunc(image.getAlpha() * 100.0f) / 100.0f == 1.0f;
}
} // namespace

void MainComponent::timerCallback()
{
    constexpr float fadeStep = 0.1f;
    juce::Component* const images[]{disconnectOverlay.get(), disconnectBanner.get()};
    juce::Component* const controls[]{lineInButton.get(), instButton.get(), gainSlider.get()};

    const auto setControlsEnabled = [&controls](bool enabled) {
        for (auto* control : controls)
            control->setEnabled(enabled);
    };

    const auto setHandlerOutput = [this](MidiOutputPort* output) {
        sliderHandler->output = output;
        labelHandler->output = output;
        buttonHandler->output = output;
    };

    // Fade step.
    if (monitorState == 1)
    {
        for (auto* image : images)
            if (image->getAlpha() > 0.0f)
                image->setAlpha(std::max(0.0f, image->getAlpha() - fadeStep));

        if (disconnectOverlay->getAlpha() == 0.0f && disconnectBanner->getAlpha() == 0.0f)
        {
            for (auto* image : images)
                image->setVisible(false);
            monitorState = 0;
        }
    }
    else if (monitorState == 2)
    {
        if (! disconnectOverlay->isVisible() && ! disconnectBanner->isVisible())
            for (auto* image : images)
                image->setVisible(true);

        for (auto* image : images)
            if (image->getAlpha() <= 1.0f)
                image->setAlpha(std::min(1.0f, image->getAlpha() + fadeStep));

        if (isFullyOpaque(*disconnectOverlay) && isFullyOpaque(*disconnectBanner))
            monitorState = 0;
    }

    // Change test: nothing to do while the device count is the remembered one
    // or a fade is still running.
    const auto inputs = midiPorts.getInputDevices();
    if (inputs.size() == lastDeviceCount || monitorState != 0)
        return;

    // Input side.
    if (midiInput == nullptr)
    {
        for (const auto& info : inputs)
        {
            if (matchesDevice(info))
            {
                midiInput = midiPorts.openInput(info.identifier, midiCallback.get());
                if (midiInput != nullptr)
                {
                    midiCallback->owner = this;
                    midiCallback->enabled = true;
                    midiInput->start();
                }
            }

            if (midiInput != nullptr && midiInput->getName().contains(devicePattern))
                break;
        }

        setControlsEnabled(false);
    }
    else if (! isListed(*midiInput, inputs))
    {
        lastDeviceCount = inputs.size();
        setControlsEnabled(false);
        midiInput->stop();
    }

    // Output side.
    const auto outputs = midiPorts.getOutputDevices();

    // Without an open input there is no connection to make: opening the
    // output alone would leave it open past the tick.
    if (midiOutput == nullptr && midiInput != nullptr && ! outputs.isEmpty())
    {
        for (const auto& info : outputs)
        {
            if (! matchesDevice(info))
                continue;

            midiOutput = midiPorts.openOutput(info.identifier);
            // The previous output, if any, is gone now: never leave it with the handlers.
            setHandlerOutput(midiOutput.get());

            // An output that failed to open is no connection: the veil stays,
            // the controls stay disabled, and the next tick scans again.
            if (midiOutput == nullptr)
                continue;

            buttonHandler->connected = true;
            repaint();
            midiOutput->sendMessageNow(q5::makeConnectMessage());
            monitorState = 1;
            setControlsEnabled(true);
        }

        if (midiOutput != nullptr && midiOutput->getName().contains(devicePattern))
        {
            lastDeviceCount = inputs.size();
            return;
        }
    }
    else if (midiOutput != nullptr && ! isListed(*midiOutput, outputs))
    {
        setHandlerOutput(nullptr);
        buttonHandler->connected = false;
        monitorState = 2;
    }

    // Close both ports. When the device is still listed (only the count
    // changed), the next tick opens them again and sends the connect message.
    setHandlerOutput(nullptr);
    midiInput.reset();
    midiOutput.reset();
}
