#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <array>
#include <cstdint>
#include <utility>

// The SysEx messages the Q5 understands. Data bytes are counted from 0, not
// counting the leading 0xF0.
namespace q5
{
using LevelBlock = std::array<std::uint8_t, 12>;
using SourceBlock = std::array<std::uint8_t, 11>;

constexpr std::uint8_t connectType = 0x00;
constexpr std::uint8_t sourceType = 0x21;
constexpr std::uint8_t levelType = 0x22;

// Data byte positions used by the panel.
constexpr int typeByte = 3;
constexpr int zeroByte = 4;
constexpr int inputLevelHigh = 6, inputLevelLow = 7;
constexpr int output12LevelHigh = 8, output12LevelLow = 9;
constexpr int output34LevelHigh = 10, output34LevelLow = 11;
constexpr int instFlag = 6, lineFlag = 7, padFlag = 8;

constexpr LevelBlock initialLevelBlock{0x00, 0x30, 0x13, levelType, 0x00, 0x06, 0, 0, 0, 0, 0, 0};
constexpr SourceBlock initialSourceBlock{0x00, 0x30, 0x13, sourceType, 0x00, 0x05, 0, 0, 0, 0, 0};

// Ten times the level, cut toward zero, as two 7-bit bytes, high part first.
std::pair<std::uint8_t, std::uint8_t> encodeLevel(double level);
double decodeLevel(int high, int low);

juce::MidiMessage makeLevelMessage(const LevelBlock& block);
juce::MidiMessage makeSourceMessage(const SourceBlock& block);
juce::MidiMessage makeConnectMessage();

// Take-over rules for a received message's data bytes: byte 4 is never
// overwritten, and a message too short for the block is ignored (returns false).
bool takeOverLevel(LevelBlock& block, const std::uint8_t* data, int size);
bool takeOverSource(SourceBlock& block, const std::uint8_t* data, int size);
} // namespace q5
