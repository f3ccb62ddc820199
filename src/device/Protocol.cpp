#include "device/Protocol.h"

#include <cmath>

namespace q5
{
std::pair<std::uint8_t, std::uint8_t> encodeLevel(double level)
{
    // A double such as 12.3 is stored as 12.2999...; multiplying first and
    // truncating would lose a tenth, so a tiny tolerance keeps every slider
    // step exact while still cutting 12.39 down to 123.
    const auto n = static_cast<int>(std::floor(level * 10.0 + 1.0e-7));
    return {static_cast<std::uint8_t>((n >> 7) & 0x7F), static_cast<std::uint8_t>(n & 0x7F)};
}

double decodeLevel(int high, int low)
{
    return (high * 128 + low) / 10.0;
}

juce::MidiMessage makeLevelMessage(const LevelBlock& block)
{
    return juce::MidiMessage::createSysExMessage(block.data(), static_cast<int>(block.size()));
}

juce::MidiMessage makeSourceMessage(const SourceBlock& block)
{
    return juce::MidiMessage::createSysExMessage(block.data(), static_cast<int>(block.size()));
}

juce::MidiMessage makeConnectMessage()
{
    static constexpr std::uint8_t data[]{0x00, 0x30, 0x13, connectType, 0x00, 0x00};
    return juce::MidiMessage::createSysExMessage(data, static_cast<int>(sizeof(data)));
}

namespace
{
template <std::size_t N>
bool takeOver(std::array<std::uint8_t, N>& block, const std::uint8_t* data, int size)
{
    if (data == nullptr || size < static_cast<int>(N))
        return false;

    for (std::size_t i = 0; i < N; ++i)
        if (i != static_cast<std::size_t>(zeroByte))
            block[i] = data[i];

    return true;
}
} // namespace

bool takeOverLevel(LevelBlock& block, const std::uint8_t* data, int size)
{
    return takeOver(block, data, size);
}

bool takeOverSource(SourceBlock& block, const std::uint8_t* data, int size)
{
    return takeOver(block, data, size);
}
} // namespace q5
