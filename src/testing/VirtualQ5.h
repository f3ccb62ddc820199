#pragma once

#include "testing/VirtualMidiBus.h"

#include <array>

// A model of the Velmora Q5 on the virtual bus: it keeps its own levels and
// source flags, applies every level and source message it receives, and
// answers the connect message with its current state.
class VirtualQ5 final : public VirtualMidiDevice
{
public:
    explicit VirtualQ5(juce::String name = "Velmora Q5");

    struct State
    {
        int input12 = 0; // level times ten, as on the wire
        int output12 = 0;
        int output34 = 0;
        bool inst = false;
        bool line = true;
        bool pad = false;
    };

    State getState() const;
    void setState(const State& newState);

    // As when the device's own knob turns: it reports the new level.
    void turnHardwareKnob(double level);
    // Sends its full state: one source message, then one level message.
    void reportState();

    static juce::MidiMessage levelMessage(int input12, int output12, int output34);
    static juce::MidiMessage sourceMessage(bool inst, bool line, bool pad);

    int getNumConnectMessages() const;

private:
    void handleMessageFromPanel(const juce::MidiMessage& message) override;

    mutable juce::CriticalSection stateLock;
    State state;
    int connects = 0;
};
