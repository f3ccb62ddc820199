#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>

// Tells whether the system's MIDI ports may have changed since the last
// look, so that the 25 listings a second cost next to nothing while nothing
// happens. A listing taken at one generation holds as long as generation()
// returns the same number.
//
// On Linux it watches the ALSA sequencer's announcements of ports coming,
// going and changing; without a sequencer device there is nothing to list
// at all. Where it cannot watch, every call is a new generation. Not
// thread-safe: its owner serialises the calls.
class MidiDeviceWatch
{
public:
    // The sequencer device whose presence is checked; the default is the
    // system's, tests pass their own.
    explicit MidiDeviceWatch(juce::File sequencerDevice = juce::File("/dev/snd/seq"));
    ~MidiDeviceWatch();

    std::uint64_t generation();

    // Whether a sequencer device is there to list ports from.
    bool sequencerPresent() const { return present; }

    // However quiet the announcements, a listing is taken again this often,
    // in case one was lost.
    static constexpr juce::uint32 backstopMs = 2000;

private:
    bool openWatcher();
    void closeWatcher();
    bool drainAnnouncements();

    juce::File device;
    bool present = false;
    std::uint64_t current = 1;
    juce::uint32 lastChange = 0;
    void* sequencer = nullptr; // snd_seq_t*, kept out of the header

    JUCE_DECLARE_NON_COPYABLE(MidiDeviceWatch)
};
