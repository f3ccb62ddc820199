#include "device/IncomingMessages.h"

#include "device/ControlHandlers.h"

#include <cstring>

MainComponent::myCallback::~myCallback()
{
    cancelPendingUpdate();
}

void MainComponent::myCallback::handleIncomingMidiMessage(juce::MidiInput*, const juce::MidiMessage& message)
{
    if (! message.isSysEx() || ! enabled.load())
        return;

    // A lone 0xF0 claims a data size of -1; nothing that short is applied.
    const auto size = message.getSysExDataSize();
    if (size <= q5::typeByte)
        return;
    const auto* data = message.getSysExData();
    const auto header = static_cast<std::uint32_t>(size);

    {
        const std::lock_guard<std::mutex> guard(queueLock);
        const auto* headerBytes = reinterpret_cast<const std::uint8_t*>(&header);
        queue.insert(queue.end(), headerBytes, headerBytes + sizeof(header));
        queue.insert(queue.end(), data, data + size);
    }

    triggerAsyncUpdate();
}

void MainComponent::myCallback::handleAsyncUpdate()
{
    applyPending();
}

void MainComponent::myCallback::applyPending()
{
    JUCE_ASSERT_MESSAGE_THREAD

    {
        const std::lock_guard<std::mutex> guard(queueLock);
        draining.swap(queue);
    }

    std::size_t pos = 0;
    while (pos + sizeof(std::uint32_t) <= draining.size())
    {
        std::uint32_t size = 0;
        std::memcpy(&size, draining.data() + pos, sizeof(size));
        pos += sizeof(size);
        apply(draining.data() + pos, static_cast<int>(size));
        pos += size;
    }

    draining.clear();
}

void MainComponent::myCallback::cancelPending()
{
    cancelPendingUpdate();
    const std::lock_guard<std::mutex> guard(queueLock);
    queue.clear();
}

void MainComponent::myCallback::apply(const std::uint8_t* data, int size)
{
    if (owner == nullptr || size <= q5::typeByte)
        return;

    switch (data[q5::typeByte])
    {
        case q5::levelType:
        {
            if (! q5::takeOverLevel(owner->parameterBlock, data, size))
                return;

            const auto level = q5::decodeLevel(data[q5::inputLevelHigh], data[q5::inputLevelLow]);
            owner->gainSlider->setValue(level, juce::dontSendNotification);
            owner->gainLabel->setText(juce::String(level), juce::dontSendNotification);
            break;
        }

        case q5::sourceType:
        {
            if (! q5::takeOverSource(owner->buttonHandler->sourceBlock, data, size))
                return;

            const bool inst = data[q5::instFlag] != 0;
            owner->lineInButton->setToggleState(! inst, juce::dontSendNotification);
            owner->instButton->setToggleState(inst, juce::dontSendNotification);
            break;
        }

        default:
            break;
    }
}
