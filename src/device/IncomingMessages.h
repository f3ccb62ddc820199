#pragma once

#include "panel/MainComponent.h"

#include <atomic>
#include <mutex>
#include <vector>

// Receives the device's messages on the MIDI service's thread and applies them
// on the message thread. The bytes are copied into a queue under a short lock
// and drained by an async update: waiting for the message-manager lock here
// instead would deadlock against the message thread closing the port, which
// waits for this callback to return.
class MainComponent::myCallback final : public juce::MidiInputCallback, private juce::AsyncUpdater
{
public:
    myCallback() = default;
    ~myCallback() override;

    void handleIncomingMidiMessage(juce::MidiInput* source, const juce::MidiMessage& message) override;

    // Message thread: apply everything received so far, in arrival order.
    void applyPending();
    // Message thread: forget what has not been applied yet. Used on teardown,
    // after the input has been released, so nothing arrives any more.
    void cancelPending();

    // Applies one message's data bytes (without 0xF0 and 0xF7) to the panel.
    // Message thread only.
    void apply(const std::uint8_t* data, int size);

    MainComponent* owner = nullptr; // read and written on the message thread
    std::atomic<bool> enabled{false};

private:
    void handleAsyncUpdate() override;

    std::mutex queueLock;
    std::vector<std::uint8_t> queue;    // [size as 4 bytes][data bytes]...
    std::vector<std::uint8_t> draining; // message thread only

    JUCE_DECLARE_NON_COPYABLE(myCallback)
};
