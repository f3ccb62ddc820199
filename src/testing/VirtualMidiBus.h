#pragma once

#include "device/MidiPorts.h"

#include <deque>
#include <memory>
#include <vector>

class VirtualMidiBus;

// A device on the virtual bus. It shows up as an input port (what it sends
// reaches the panel) and, optionally, an output port (what the panel sends
// reaches it), both under its name.
class VirtualMidiDevice
{
public:
    explicit VirtualMidiDevice(juce::String name, bool hasInputPort = true, bool hasOutputPort = true);
    virtual ~VirtualMidiDevice() = default;

    juce::String getName() const;
    // Renaming changes what the device lists show; ports already open keep
    // the name they were opened with, as with the operating system's service.
    void setName(const juce::String& newName);

    juce::String getInputIdentifier() const { return inputIdentifier; }
    juce::String getOutputIdentifier() const { return outputIdentifier; }
    bool hasInput() const { return inputPort; }
    bool hasOutput() const { return outputPort; }

    // Make the next opens fail (the port exists but cannot be opened).
    std::atomic<bool> failInputOpens{false};
    std::atomic<bool> failOutputOpens{false};
    // How often its output port was opened successfully.
    std::atomic<int> outputOpens{0};

    // Sends a message to the panel. Delivered later on the bus's MIDI thread.
    void send(const juce::MidiMessage& message);

    // Everything the panel sent to this device, in order.
    std::vector<juce::MidiMessage> getReceived() const;
    void clearReceived();

protected:
    // Called on the thread that sent the message (the panel's message thread).
    virtual void handleMessageFromPanel(const juce::MidiMessage&) {}

private:
    friend class VirtualMidiBus;
    void receiveFromPanel(const juce::MidiMessage& message);

    mutable juce::CriticalSection lock;
    juce::String name;
    const juce::String inputIdentifier, outputIdentifier;
    const bool inputPort, outputPort;
    VirtualMidiBus* bus = nullptr;
    std::vector<juce::MidiMessage> received;

    static std::atomic<int> nextIdentifier;
};

// An in-memory MIDI service: devices plug and unplug, ports open and close,
// and what a device sends is delivered to the open inputs on a thread of the
// bus's own, under a callback lock that closing a port also takes, exactly
// as the operating system's service behaves for JUCE.
class VirtualMidiBus final : public MidiPortLayer
{
public:
    VirtualMidiBus();
    ~VirtualMidiBus() override;

    void plug(std::shared_ptr<VirtualMidiDevice> device);
    void unplug(const std::shared_ptr<VirtualMidiDevice>& device);
    bool isPlugged(const VirtualMidiDevice& device) const;

    // Blocks until every message sent so far has been handed to the inputs.
    void waitUntilDelivered();

    int getNumOpenInputs() const;
    int getNumOpenOutputs() const;
    // How often the device lists were asked for.
    int getNumListings() const { return listings.load(); }

    juce::Array<juce::MidiDeviceInfo> getInputDevices() override;
    juce::Array<juce::MidiDeviceInfo> getOutputDevices() override;
    std::unique_ptr<MidiInputPort> openInput(const juce::String& identifier,
                                             juce::MidiInputCallback* callback) override;
    std::unique_ptr<MidiOutputPort> openOutput(const juce::String& identifier) override;

private:
    class Input;
    class Output;
    class DeliveryThread;
    friend class VirtualMidiDevice;

    void enqueue(VirtualMidiDevice* from, const juce::MidiMessage& message);
    void deliver(VirtualMidiDevice* from, const juce::MidiMessage& message);

    mutable juce::CriticalSection stateLock;
    juce::CriticalSection callbackLock; // taken before stateLock, never after
    std::vector<std::shared_ptr<VirtualMidiDevice>> devices;
    std::vector<Input*> inputs;
    std::vector<Output*> outputs;
    std::atomic<int> listings{0};
    std::unique_ptr<DeliveryThread> deliveryThread;
};
