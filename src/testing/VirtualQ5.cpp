#include "testing/VirtualQ5.h"

namespace
{
constexpr std::uint8_t header[]{0x00, 0x30, 0x13};

bool hasHeader(const std::uint8_t* data, int size, std::uint8_t type, int length)
{
    return size >= 6 + length && data[0] == header[0] && data[1] == header[1] && data[2] == header[2]
           && data[3] == type && data[5] == length;
}

int level(const std::uint8_t* data, int at)
{
    return (data[at] << 7) | data[at + 1];
}
} // namespace

VirtualQ5::VirtualQ5(juce::String name) : VirtualMidiDevice(std::move(name)) {}

VirtualQ5::State VirtualQ5::getState() const
{
    const juce::ScopedLock sl(stateLock);
    return state;
}

void VirtualQ5::setState(const State& newState)
{
    const juce::ScopedLock sl(stateLock);
    state = newState;
}

int VirtualQ5::getNumConnectMessages() const
{
    const juce::ScopedLock sl(stateLock);
    return connects;
}

juce::MidiMessage VirtualQ5::levelMessage(int input12, int output12, int output34)
{
    const std::uint8_t data[]{header[0],
                              header[1],
                              header[2],
                              0x22,
                              0x00,
                              0x06,
                              static_cast<std::uint8_t>((input12 >> 7) & 0x7F),
                              static_cast<std::uint8_t>(input12 & 0x7F),
                              static_cast<std::uint8_t>((output12 >> 7) & 0x7F),
                              static_cast<std::uint8_t>(output12 & 0x7F),
                              static_cast<std::uint8_t>((output34 >> 7) & 0x7F),
                              static_cast<std::uint8_t>(output34 & 0x7F)};
    return juce::MidiMessage::createSysExMessage(data, static_cast<int>(sizeof(data)));
}

juce::MidiMessage VirtualQ5::sourceMessage(bool inst, bool line, bool pad)
{
    const std::uint8_t data[]{header[0],
                              header[1],
                              header[2],
                              0x21,
                              0x00,
                              0x05,
                              static_cast<std::uint8_t>(inst ? 1 : 0),
                              static_cast<std::uint8_t>(line ? 1 : 0),
                              static_cast<std::uint8_t>(pad ? 1 : 0),
                              0x00,
                              0x00};
    return juce::MidiMessage::createSysExMessage(data, static_cast<int>(sizeof(data)));
}

void VirtualQ5::turnHardwareKnob(double newLevel)
{
    State now;
    {
        const juce::ScopedLock sl(stateLock);
        state.input12 = static_cast<int>(newLevel * 10.0 + 1.0e-7);
        now = state;
    }
    send(levelMessage(now.input12, now.output12, now.output34));
}

void VirtualQ5::reportState()
{
    const auto now = getState();
    send(sourceMessage(now.inst, now.line, now.pad));
    send(levelMessage(now.input12, now.output12, now.output34));
}

void VirtualQ5::handleMessageFromPanel(const juce::MidiMessage& message)
{
    if (! message.isSysEx())
        return;

    const auto* data = message.getSysExData();
    const auto size = message.getSysExDataSize();

    if (hasHeader(data, size, 0x00, 0))
    {
        {
            const juce::ScopedLock sl(stateLock);
            ++connects;
        }
        reportState();
    }
    else if (hasHeader(data, size, 0x22, 6))
    {
        const juce::ScopedLock sl(stateLock);
        state.input12 = level(data, 6);
        state.output12 = level(data, 8);
        state.output34 = level(data, 10);
    }
    else if (hasHeader(data, size, 0x21, 5))
    {
        const juce::ScopedLock sl(stateLock);
        state.inst = data[6] != 0;
        state.line = data[7] != 0;
        state.pad = data[8] != 0;
    }
}
