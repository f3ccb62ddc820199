// When the system's MIDI ports are listed again: only when the sequencer
// device comes or goes, or, while it is there but cannot be watched, always.

#include "device/MidiDeviceWatch.h"

#include <gtest/gtest.h>

namespace
{
struct ScratchDevice
{
    juce::TemporaryFile file;
    juce::File path() const { return file.getFile(); }
};
} // namespace

TEST(MidiDeviceWatch, WithoutASequencerNothingIsListedUntilOneComes)
{
#if !JUCE_LINUX
    GTEST_SKIP() << "only Linux watches a sequencer device";
#endif
    ScratchDevice scratch;
    MidiDeviceWatch watch(scratch.path());

    const auto first = watch.generation();
    EXPECT_FALSE(watch.sequencerPresent());
    for (int tick = 0; tick < 50; ++tick)
        ASSERT_EQ(watch.generation(), first) << "a listing was taken at tick " << tick;

    // The device appears: a fresh listing at once.
    ASSERT_TRUE(scratch.path().create());
    const auto arrived = watch.generation();
    EXPECT_NE(arrived, first);
    EXPECT_TRUE(watch.sequencerPresent());

    // It goes again: one more listing (now empty), then quiet.
    ASSERT_TRUE(scratch.path().deleteFile());
    const auto gone = watch.generation();
    EXPECT_NE(gone, arrived);
    EXPECT_FALSE(watch.sequencerPresent());
    EXPECT_EQ(watch.generation(), gone);
}

TEST(MidiDeviceWatch, ASequencerThatCannotBeWatchedIsListedEveryTick)
{
#if JUCE_LINUX
    if (juce::File("/dev/snd/seq").exists())
        GTEST_SKIP() << "this machine has a sequencer, which can be watched";
#endif
    // The path says a device is there, but the system's sequencer cannot be
    // opened: the watch cannot tell changes, so every tick lists.
    ScratchDevice scratch;
    ASSERT_TRUE(scratch.path().create());
    MidiDeviceWatch watch(scratch.path());

    auto last = watch.generation();
    for (int tick = 0; tick < 5; ++tick)
    {
        const auto now = watch.generation();
        EXPECT_NE(now, last);
        last = now;
    }
}
