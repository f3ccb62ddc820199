#pragma once

#include "device/MidiDeviceWatch.h"
#include "device/MidiPorts.h"

// The operating system's MIDI service, through JUCE's own MIDI classes.
class SystemMidiPorts final : public MidiPortLayer
{
public:
    juce::Array<juce::MidiDeviceInfo> getInputDevices() override;
    juce::Array<juce::MidiDeviceInfo> getOutputDevices() override;
    std::unique_ptr<MidiInputPort> openInput(const juce::String& identifier,
                                             juce::MidiInputCallback* callback) override;
    std::unique_ptr<MidiOutputPort> openOutput(const juce::String& identifier) override;

    // The one instance the shipped panel uses.
    static SystemMidiPorts& instance();

    // ALSA prints a line to stderr for every failed device listing, 25 times
    // a second without a sequencer. The panel reports nothing by design, so
    // the app silences it once, before any MIDI call. No-op elsewhere.
    static void silenceSystemMidiErrors();

private:
    // The last listing, kept while the system's ports stay as they were.
    struct Listing
    {
        std::uint64_t generation = 0;
        juce::Array<juce::MidiDeviceInfo> devices;
    };

    template <typename ListFn> juce::Array<juce::MidiDeviceInfo> listed(Listing& listing, ListFn&& list);

    juce::CriticalSection lock;
    MidiDeviceWatch watch;
    Listing inputs, outputs;
};
