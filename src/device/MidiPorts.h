#pragma once

#include <juce_audio_devices/juce_audio_devices.h>

#include <memory>

// The few MIDI operations the panel uses, behind a small interface so that the
// panel runs the same against the operating system's MIDI service and against
// the in-memory bus the tests and the demo use.
class MidiInputPort
{
public:
    virtual ~MidiInputPort() = default;

    virtual void start() = 0;
    virtual void stop() = 0;
    virtual juce::String getName() const = 0;
    virtual juce::String getIdentifier() const = 0;
};

class MidiOutputPort
{
public:
    virtual ~MidiOutputPort() = default;

    virtual void sendMessageNow(const juce::MidiMessage& message) = 0;
    virtual void sendBlockOfMessagesNow(const juce::MidiBuffer& buffer) = 0;
    virtual juce::String getName() const = 0;
    virtual juce::String getIdentifier() const = 0;
};

class MidiPortLayer
{
public:
    virtual ~MidiPortLayer() = default;

    virtual juce::Array<juce::MidiDeviceInfo> getInputDevices() = 0;
    virtual juce::Array<juce::MidiDeviceInfo> getOutputDevices() = 0;

    // Both return nullptr when the port cannot be opened. The callback is
    // called on a thread of the MIDI service, never on the message thread;
    // destroying the returned input waits for a callback in progress.
    virtual std::unique_ptr<MidiInputPort> openInput(const juce::String& identifier,
                                                     juce::MidiInputCallback* callback) = 0;
    virtual std::unique_ptr<MidiOutputPort> openOutput(const juce::String& identifier) = 0;
};
