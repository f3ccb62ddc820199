#include "testing/VirtualMidiBus.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

std::atomic<int> VirtualMidiDevice::nextIdentifier{1};

VirtualMidiDevice::VirtualMidiDevice(juce::String deviceName, bool hasInputPort, bool hasOutputPort)
    : name(std::move(deviceName)),
      inputIdentifier("virtual-in-" + juce::String(nextIdentifier.load())),
      outputIdentifier("virtual-out-" + juce::String(nextIdentifier++)),
      inputPort(hasInputPort),
      outputPort(hasOutputPort)
{
}

juce::String VirtualMidiDevice::getName() const
{
    const juce::ScopedLock sl(lock);
    return name;
}

void VirtualMidiDevice::setName(const juce::String& newName)
{
    const juce::ScopedLock sl(lock);
    name = newName;
}

void VirtualMidiDevice::send(const juce::MidiMessage& message)
{
    VirtualMidiBus* target = nullptr;
    {
        const juce::ScopedLock sl(lock);
        target = bus;
    }

    if (target != nullptr)
        target->enqueue(this, message);
}

std::vector<juce::MidiMessage> VirtualMidiDevice::getReceived() const
{
    const juce::ScopedLock sl(lock);
    return received;
}

void VirtualMidiDevice::clearReceived()
{
    const juce::ScopedLock sl(lock);
    received.clear();
}

void VirtualMidiDevice::receiveFromPanel(const juce::MidiMessage& message)
{
    {
        const juce::ScopedLock sl(lock);
        received.push_back(message);
    }
    handleMessageFromPanel(message);
}

//==============================================================================
class VirtualMidiBus::Input final : public MidiInputPort
{
public:
    Input(VirtualMidiBus& b, std::shared_ptr<VirtualMidiDevice> d, juce::MidiInputCallback* cb)
        : bus(b), device(std::move(d)), callback(cb), name(device->getName()),
          identifier(device->getInputIdentifier())
    {
    }

    ~Input() override
    {
        // Like the system's ports: closing waits for a callback in progress.
        const juce::ScopedLock cl(bus.callbackLock);
        const juce::ScopedLock sl(bus.stateLock);
        bus.inputs.erase(std::remove(bus.inputs.begin(), bus.inputs.end(), this), bus.inputs.end());
    }

    void start() override { started = true; }
    // Only a flag, as with the system's ports: a callback in progress goes on.
    void stop() override { started = false; }
    juce::String getName() const override { return name; }
    juce::String getIdentifier() const override { return identifier; }

    VirtualMidiBus& bus;
    const std::shared_ptr<VirtualMidiDevice> device;
    juce::MidiInputCallback* const callback;
    const juce::String name, identifier;
    std::atomic<bool> started{false};
};

class VirtualMidiBus::Output final : public MidiOutputPort
{
public:
    Output(VirtualMidiBus& b, std::shared_ptr<VirtualMidiDevice> d)
        : bus(b), device(std::move(d)), name(device->getName()), identifier(device->getOutputIdentifier())
    {
    }

    ~Output() override
    {
        const juce::ScopedLock sl(bus.stateLock);
        bus.outputs.erase(std::remove(bus.outputs.begin(), bus.outputs.end(), this), bus.outputs.end());
    }

    void sendMessageNow(const juce::MidiMessage& message) override
    {
        if (bus.isPlugged(*device))
            device->receiveFromPanel(message);
    }

    void sendBlockOfMessagesNow(const juce::MidiBuffer& buffer) override
    {
        for (const auto metadata : buffer)
            sendMessageNow(metadata.getMessage());
    }

    juce::String getName() const override { return name; }
    juce::String getIdentifier() const override { return identifier; }

    VirtualMidiBus& bus;
    const std::shared_ptr<VirtualMidiDevice> device;
    const juce::String name, identifier;
};

//==============================================================================
// The bus's MIDI thread: what devices send is delivered here, in order.
class VirtualMidiBus::DeliveryThread final : public juce::Thread
{
public:
    explicit DeliveryThread(VirtualMidiBus& b) : juce::Thread("Virtual MIDI Input"), bus(b) { startThread(); }

    ~DeliveryThread() override
    {
        signalThreadShouldExit();
        {
            const std::lock_guard<std::mutex> guard(mutex);
            wake.notify_all();
        }
        stopThread(-1);
    }

    void push(VirtualMidiDevice* from, const juce::MidiMessage& message)
    {
        const std::lock_guard<std::mutex> guard(mutex);
        pending.emplace_back(from, message);
        wake.notify_all();
    }

    void waitUntilIdle()
    {
        std::unique_lock<std::mutex> guard(mutex);
        idle.wait(guard, [this] { return pending.empty() && ! busy; });
    }

    void run() override
    {
        for (;;)
        {
            std::pair<VirtualMidiDevice*, juce::MidiMessage> next;
            {
                std::unique_lock<std::mutex> guard(mutex);
                busy = false;
                idle.notify_all();
                wake.wait(guard, [this] { return threadShouldExit() || ! pending.empty(); });
                if (threadShouldExit())
                    return;
                next = std::move(pending.front());
                pending.pop_front();
                busy = true;
            }
            bus.deliver(next.first, next.second);
        }
    }

private:
    VirtualMidiBus& bus;
    std::mutex mutex;
    std::condition_variable wake, idle;
    std::deque<std::pair<VirtualMidiDevice*, juce::MidiMessage>> pending;
    bool busy = false;
};

//==============================================================================
VirtualMidiBus::VirtualMidiBus() : deliveryThread(std::make_unique<DeliveryThread>(*this)) {}

VirtualMidiBus::~VirtualMidiBus()
{
    deliveryThread.reset();

    const juce::ScopedLock sl(stateLock);
    for (auto& device : devices)
    {
        const juce::ScopedLock dl(device->lock);
        device->bus = nullptr;
    }
    // Ports still open here would outlive their bus.
    jassert(inputs.empty() && outputs.empty());
}

void VirtualMidiBus::plug(std::shared_ptr<VirtualMidiDevice> device)
{
    const juce::ScopedLock sl(stateLock);
    {
        const juce::ScopedLock dl(device->lock);
        device->bus = this;
    }
    devices.push_back(std::move(device));
}

void VirtualMidiBus::unplug(const std::shared_ptr<VirtualMidiDevice>& device)
{
    const juce::ScopedLock sl(stateLock);
    devices.erase(std::remove(devices.begin(), devices.end(), device), devices.end());
    const juce::ScopedLock dl(device->lock);
    device->bus = nullptr;
}

bool VirtualMidiBus::isPlugged(const VirtualMidiDevice& device) const
{
    const juce::ScopedLock sl(stateLock);
    return std::any_of(devices.begin(), devices.end(), [&](const auto& d) { return d.get() == &device; });
}

void VirtualMidiBus::waitUntilDelivered()
{
    deliveryThread->waitUntilIdle();
}

int VirtualMidiBus::getNumOpenInputs() const
{
    const juce::ScopedLock sl(stateLock);
    return static_cast<int>(inputs.size());
}

int VirtualMidiBus::getNumOpenOutputs() const
{
    const juce::ScopedLock sl(stateLock);
    return static_cast<int>(outputs.size());
}

juce::Array<juce::MidiDeviceInfo> VirtualMidiBus::getInputDevices()
{
    ++listings;
    juce::Array<juce::MidiDeviceInfo> list;
    const juce::ScopedLock sl(stateLock);
    for (const auto& device : devices)
        if (device->hasInput())
            list.add({device->getName(), device->getInputIdentifier()});
    return list;
}

juce::Array<juce::MidiDeviceInfo> VirtualMidiBus::getOutputDevices()
{
    ++listings;
    juce::Array<juce::MidiDeviceInfo> list;
    const juce::ScopedLock sl(stateLock);
    for (const auto& device : devices)
        if (device->hasOutput())
            list.add({device->getName(), device->getOutputIdentifier()});
    return list;
}

std::unique_ptr<MidiInputPort> VirtualMidiBus::openInput(const juce::String& identifier,
                                                         juce::MidiInputCallback* callback)
{
    const juce::ScopedLock sl(stateLock);
    for (const auto& device : devices)
    {
        if (device->hasInput() && device->getInputIdentifier() == identifier)
        {
            if (device->failInputOpens)
                return nullptr;
            auto input = std::make_unique<Input>(*this, device, callback);
            inputs.push_back(input.get());
            return input;
        }
    }
    return nullptr;
}

std::unique_ptr<MidiOutputPort> VirtualMidiBus::openOutput(const juce::String& identifier)
{
    const juce::ScopedLock sl(stateLock);
    for (const auto& device : devices)
    {
        if (device->hasOutput() && device->getOutputIdentifier() == identifier)
        {
            if (device->failOutputOpens)
                return nullptr;
            auto output = std::make_unique<Output>(*this, device);
            outputs.push_back(output.get());
            ++device->outputOpens;
            return output;
        }
    }
    return nullptr;
}

void VirtualMidiBus::enqueue(VirtualMidiDevice* from, const juce::MidiMessage& message)
{
    deliveryThread->push(from, message);
}

void VirtualMidiBus::deliver(VirtualMidiDevice* from, const juce::MidiMessage& message)
{
    const juce::ScopedLock cl(callbackLock);

    std::vector<Input*> targets;
    {
        const juce::ScopedLock sl(stateLock);
        const bool plugged = std::any_of(devices.begin(), devices.end(),
                                         [from](const auto& d) { return d.get() == from; });
        for (auto* input : inputs)
            if (plugged && input->device.get() == from && input->started)
                targets.push_back(input);
    }

    // Still under the callback lock: a port being closed waits for this.
    for (auto* input : targets)
        input->callback->handleIncomingMidiMessage(nullptr, message);
}
