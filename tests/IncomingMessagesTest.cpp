// The device's messages, sent from the bus's MIDI thread, on the panel.

#include "PanelRig.h"

#include <thread>

using testsupport::PanelRig;

namespace
{
juce::MidiMessage sysex(std::initializer_list<int> data)
{
    // One spare byte, so that an empty message still has a valid pointer.
    std::vector<std::uint8_t> bytes(data.begin(), data.end());
    bytes.push_back(0);
    return juce::MidiMessage::createSysExMessage(bytes.data(), static_cast<int>(data.size()));
}

struct Snapshot
{
    double slider;
    juce::String label;
    bool inst, line;
    q5::LevelBlock level;
    q5::SourceBlock source;
    int mute;

    explicit Snapshot(const MainComponent& p)
        : slider(p.gainSlider->getValue()), label(p.gainLabel->getText()), inst(p.instButton->getToggleState()),
          line(p.lineInButton->getToggleState()), level(p.parameterBlock), source(p.buttonHandler->sourceBlock),
          mute(p.hpMuteState)
    {
    }

    bool operator==(const Snapshot& o) const
    {
        return slider == o.slider && label == o.label && inst == o.inst && line == o.line && level == o.level
               && source == o.source && mute == o.mute;
    }
};

struct Incoming : ::testing::Test
{
    void SetUp() override
    {
        rig.waitUntilSettled();
        rig.q5->clearReceived();
    }

    PanelRig rig;
};
} // namespace

TEST_F(Incoming, LevelMessageMovesTheControlsWithoutEcho)
{
    auto& panel = *rig.panel;
    rig.deviceSends(VirtualQ5::levelMessage(123, 45, 678));
    EXPECT_DOUBLE_EQ(panel.gainSlider->getValue(), 12.3);
    EXPECT_EQ(panel.gainLabel->getText(), "12.3");
    EXPECT_EQ(panel.parameterBlock[q5::output12LevelLow], 45);
    EXPECT_EQ(panel.parameterBlock[q5::output34LevelHigh], 678 >> 7);

    // 7F 7F is far above the knob's range: the knob stops at 26, the text does not.
    rig.deviceSends(sysex({0x00, 0x30, 0x13, 0x22, 0x00, 0x06, 0x7F, 0x7F, 0, 0, 0, 0}));
    EXPECT_DOUBLE_EQ(panel.gainSlider->getValue(), 26.0);
    EXPECT_EQ(panel.gainLabel->getText(), "1638.3");

    rig.ticks(2);
    EXPECT_TRUE(rig.received().empty());
}

TEST_F(Incoming, ByteFourIsNeverTakenOver)
{
    auto& panel = *rig.panel;
    rig.deviceSends(sysex({0x00, 0x30, 0x13, 0x22, 0x01, 0x06, 0x00, 0x50, 0, 0, 0, 0}));
    rig.deviceSends(sysex({0x00, 0x30, 0x13, 0x21, 0x01, 0x05, 0x01, 0x00, 0x01, 0, 0}));
    EXPECT_EQ(panel.parameterBlock[q5::zeroByte], 0);
    EXPECT_EQ(panel.parameterBlock[q5::inputLevelLow], 0x50);
    EXPECT_EQ(panel.buttonHandler->sourceBlock[q5::zeroByte], 0);
    EXPECT_EQ(panel.buttonHandler->sourceBlock[q5::padFlag], 1);
    EXPECT_TRUE(panel.instButton->getToggleState());
    EXPECT_FALSE(panel.lineInButton->getToggleState());

    // The taken-over bytes go out with the next change the user makes.
    panel.gainSlider->setValue(1.0, juce::sendNotificationSync);
    ASSERT_EQ(rig.received().size(), 1u);
    EXPECT_EQ(rig.received()[0][5], 0x00);
}

TEST_F(Incoming, AnotherManufacturersHeaderIsTakenOverAsIs)
{
    // The panel does not look at the manufacturer bytes.
    rig.deviceSends(sysex({0x7D, 0x01, 0x02, 0x22, 0x00, 0x06, 0x00, 0x14, 0, 0, 0, 0}));
    EXPECT_DOUBLE_EQ(rig.panel->gainSlider->getValue(), 2.0);
    EXPECT_EQ(rig.panel->parameterBlock[0], 0x7D);
}

TEST_F(Incoming, EverythingElseChangesNothing)
{
    auto& panel = *rig.panel;
    rig.deviceSends(VirtualQ5::levelMessage(80, 1, 2));
    const Snapshot before(panel);

    for (const auto& message :
         {juce::MidiMessage::noteOn(1, 60, 0.5f), juce::MidiMessage::controllerEvent(1, 7, 100),
          juce::MidiMessage::midiClock(), sysex({0x00, 0x30, 0x13, 0x23, 0x00, 0x06, 1, 2, 3, 4, 5, 6}),
          sysex({0x00, 0x30, 0x13, 0x00, 0x00, 0x00}),
          // Too short for the fields the panel reads.
          sysex({0x00, 0x30, 0x13, 0x22, 0x00, 0x06, 0x7F}), sysex({0x00, 0x30, 0x13, 0x21}), sysex({0x00}),
          sysex({})})
        rig.deviceSends(message);

    EXPECT_TRUE(Snapshot(panel) == before);
    EXPECT_TRUE(rig.received().empty());
}

TEST_F(Incoming, MessagesAreAppliedInArrivalOrder)
{
    for (int level = 1; level <= 200; ++level)
        rig.q5->send(VirtualQ5::levelMessage(level, 0, 0));
    rig.bus.waitUntilDelivered();
    testsupport::runUntil([&] { return rig.panel->gainSlider->getValue() == 20.0; });
    EXPECT_EQ(rig.panel->gainLabel->getText(), "20");
}

TEST(IncomingTeardown, PanelDestroyedWhileTheDeviceFloodsIt)
{
    for (int round = 0; round < 10; ++round)
    {
        VirtualMidiBus bus;
        auto q5 = std::make_shared<VirtualQ5>();
        bus.plug(q5);
        auto panel = std::make_unique<MainComponent>(bus);
        ASSERT_TRUE(testsupport::runUntil([&] { return panel->midiInput != nullptr; }));

        std::atomic<bool> flooding{true};
        std::thread device([&] {
            // About 20,000 messages a second, far more than a real device sends.
            for (int i = 0; flooding; ++i)
            {
                q5->send(VirtualQ5::levelMessage(i % 260, 0, 0));
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            }
        });
        testsupport::runFor(15 + round * 3);
        panel.reset();
        testsupport::runFor(5);
        flooding = false;
        device.join();
        bus.waitUntilDelivered();
    }
}
