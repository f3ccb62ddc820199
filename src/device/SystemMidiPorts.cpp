#include "device/SystemMidiPorts.h"

#if JUCE_LINUX
#include <alsa/asoundlib.h>
#endif

namespace
{
class SystemInput final : public MidiInputPort
{
public:
    explicit SystemInput(std::unique_ptr<juce::MidiInput> in) : input(std::move(in)) {}

    void start() override { input->start(); }
    void stop() override { input->stop(); }
    juce::String getName() const override { return input->getName(); }
    juce::String getIdentifier() const override { return input->getIdentifier(); }

private:
    std::unique_ptr<juce::MidiInput> input;
};

class SystemOutput final : public MidiOutputPort
{
public:
    explicit SystemOutput(std::unique_ptr<juce::MidiOutput> out) : output(std::move(out)) {}

    void sendMessageNow(const juce::MidiMessage& message) override { output->sendMessageNow(message); }
    void sendBlockOfMessagesNow(const juce::MidiBuffer& buffer) override
    {
        output->sendBlockOfMessagesNow(buffer);
    }
    juce::String getName() const override { return output->getName(); }
    juce::String getIdentifier() const override { return output->getIdentifier(); }

private:
    std::unique_ptr<juce::MidiOutput> output;
};

#if JUCE_LINUX
void quietAlsaErrorHandler(const char*, int, const char*, int, const char*, ...) {}
#endif
} // namespace

template <typename ListFn>
juce::Array<juce::MidiDeviceInfo> SystemMidiPorts::listed(Listing& listing, ListFn&& list)
{
    const juce::ScopedLock sl(lock);
    const auto generation = watch.generation();

    if (generation != listing.generation)
    {
        listing.devices = watch.sequencerPresent() ? list() : juce::Array<juce::MidiDeviceInfo>{};
        listing.generation = generation;
    }

    return listing.devices;
}

juce::Array<juce::MidiDeviceInfo> SystemMidiPorts::getInputDevices()
{
    return listed(inputs, [] { return juce::MidiInput::getAvailableDevices(); });
}

juce::Array<juce::MidiDeviceInfo> SystemMidiPorts::getOutputDevices()
{
    return listed(outputs, [] { return juce::MidiOutput::getAvailableDevices(); });
}

std::unique_ptr<MidiInputPort> SystemMidiPorts::openInput(const juce::String& identifier,
                                                          juce::MidiInputCallback* callback)
{
    if (auto input = juce::MidiInput::openDevice(identifier, callback))
        return std::make_unique<SystemInput>(std::move(input));
    return nullptr;
}

std::unique_ptr<MidiOutputPort> SystemMidiPorts::openOutput(const juce::String& identifier)
{
    if (auto output = juce::MidiOutput::openDevice(identifier))
        return std::make_unique<SystemOutput>(std::move(output));
    return nullptr;
}

SystemMidiPorts& SystemMidiPorts::instance()
{
    static SystemMidiPorts ports;
    return ports;
}

void SystemMidiPorts::silenceSystemMidiErrors()
{
#if JUCE_LINUX
    snd_lib_error_set_handler(quietAlsaErrorHandler);
#endif
}
