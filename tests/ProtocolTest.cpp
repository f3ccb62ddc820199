#include "device/Protocol.h"
#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <vector>

namespace
{
std::vector<int> bytesOf(const juce::MidiMessage& message)
{
    const auto* raw = message.getRawData();
    return {raw, raw + message.getRawDataSize()};
}
} // namespace

TEST(Protocol, MessagesFromTheInitialBlocks)
{
    EXPECT_EQ(bytesOf(q5::makeConnectMessage()), (std::vector<int>{0xF0, 0x00, 0x30, 0x13, 0x00, 0x00, 0x00, 0xF7}));
    EXPECT_EQ(bytesOf(q5::makeLevelMessage(q5::initialLevelBlock)),
              (std::vector<int>{0xF0, 0x00, 0x30, 0x13, 0x22, 0x00, 0x06, 0, 0, 0, 0, 0, 0, 0xF7}));

    auto source = q5::initialSourceBlock;
    source[q5::instFlag] = 1;
    EXPECT_EQ(bytesOf(q5::makeSourceMessage(source)),
              (std::vector<int>{0xF0, 0x00, 0x30, 0x13, 0x21, 0x00, 0x05, 1, 0, 0, 0, 0, 0xF7}));
}

TEST(Protocol, LevelEncodingCutsBelowATenth)
{
    struct Case
    {
        double level;
        int high, low;
    };
    for (const auto& c : {Case{0.0, 0, 0}, Case{12.3, 0x00, 0x7B}, Case{26.0, 0x02, 0x04},
                          Case{12.34, 0x00, 0x7B}, Case{12.39, 0x00, 0x7B}, Case{2.3, 0x00, 23},
                          Case{12.8, 0x01, 0x00}})
    {
        const auto [high, low] = q5::encodeLevel(c.level);
        EXPECT_EQ(high, c.high) << c.level;
        EXPECT_EQ(low, c.low) << c.level;
    }

    EXPECT_DOUBLE_EQ(q5::decodeLevel(0x02, 0x04), 26.0);
    EXPECT_DOUBLE_EQ(q5::decodeLevel(0x7F, 0x7F), 1638.3);
}

TEST(Protocol, EverySliderStepEncodesToTenTimesItsValue)
{
    // The slider's own snapping arithmetic, so the values are those it produces.
    juce::Slider slider;
    slider.setRange(0.0, 26.0, 0.1);
    for (int tenths = 0; tenths <= 260; ++tenths)
    {
        slider.setValue(tenths / 10.0, juce::dontSendNotification);
        const auto [high, low] = q5::encodeLevel(slider.getValue());
        EXPECT_EQ(high * 128 + low, tenths);
        const auto [typedHigh, typedLow] = q5::encodeLevel(juce::String(tenths / 10.0).getDoubleValue());
        EXPECT_EQ(typedHigh * 128 + typedLow, tenths);
    }
}

TEST(Protocol, TakeOverKeepsByteFourAndRefusesShortMessages)
{
    auto block = q5::initialLevelBlock;
    const std::uint8_t other[]{0x01, 0x02, 0x03, 0x22, 0x01, 0x06, 0x00, 0x7B, 0x01, 0x02, 0x03, 0x04, 0x55};
    ASSERT_TRUE(q5::takeOverLevel(block, other, static_cast<int>(sizeof(other))));
    EXPECT_EQ(block, (q5::LevelBlock{0x01, 0x02, 0x03, 0x22, 0x00, 0x06, 0x00, 0x7B, 0x01, 0x02, 0x03, 0x04}));

    const auto before = block;
    EXPECT_FALSE(q5::takeOverLevel(block, other, 11));
    EXPECT_EQ(block, before);

    auto source = q5::initialSourceBlock;
    EXPECT_FALSE(q5::takeOverSource(source, other, 10));
    EXPECT_EQ(source, q5::initialSourceBlock);
}
