// The connection monitor against the virtual bus, on the panel's real timer.

#include "PanelRig.h"

using testsupport::connectBytes;
using testsupport::PanelRig;

namespace
{
int connectsIn(const std::vector<testsupport::Bytes>& messages)
{
    return static_cast<int>(std::count(messages.begin(), messages.end(), connectBytes));
}
} // namespace

TEST(ConnectionMonitor, ConnectsAtStartUpAndFadesTheVeilOut)
{
    PanelRig rig;
    rig.q5->setState({125, 0, 0, true, false, false});
    auto& panel = *rig.panel;

    // Before the first tick: veil up, controls enabled, nothing open.
    EXPECT_TRUE(panel.disconnectOverlay->isVisible());
    EXPECT_FLOAT_EQ(panel.disconnectOverlay->getAlpha(), 0.6f);
    EXPECT_FALSE(rig.portsOpen());

    rig.ticks(1);
    EXPECT_EQ(rig.received(), std::vector<testsupport::Bytes>{connectBytes});
    EXPECT_TRUE(rig.controlsEnabled());
    EXPECT_EQ(panel.monitorState, 1);
    EXPECT_EQ(rig.bus.getNumOpenInputs(), 1);
    EXPECT_EQ(rig.bus.getNumOpenOutputs(), 1);

    rig.ticks(11);
    EXPECT_EQ(panel.monitorState, 0);
    EXPECT_FALSE(panel.disconnectOverlay->isVisible());
    EXPECT_FALSE(panel.disconnectBanner->isVisible());

    // The device's answer is on the controls, and nothing was echoed.
    EXPECT_DOUBLE_EQ(panel.gainSlider->getValue(), 12.5);
    EXPECT_EQ(panel.gainLabel->getText(), "12.5");
    EXPECT_TRUE(panel.instButton->getToggleState());
    EXPECT_FALSE(panel.lineInButton->getToggleState());
    EXPECT_EQ(rig.received().size(), 1u);
    EXPECT_EQ(rig.q5->getNumConnectMessages(), 1);
}

TEST(ConnectionMonitor, PortNamesMatchByTheTwoRules)
{
    struct Case
    {
        const char* name;
        bool connects;
    };
    // Lower case matches and is opened, but is not taken as the device, so
    // the tick closes both ports again.
    for (const auto& c : {Case{"Velmora Q5", true}, Case{"Studio Velmora Q5 MIDI 1", true},
                          Case{"velmora q5", false}, Case{"VELMORA Q5 MIDI", false}, Case{"Velmora Q", false}})
    {
        SCOPED_TRACE(c.name);
        PanelRig rig(false);
        rig.q5->setName(c.name);
        rig.bus.plug(rig.q5);
        rig.ticks(1);

        EXPECT_EQ(rig.panel->midiInput != nullptr, c.connects);
        EXPECT_EQ(rig.panel->midiOutput != nullptr, c.connects);
        EXPECT_EQ(rig.bus.getNumOpenInputs(), c.connects ? 1 : 0);
        EXPECT_EQ(rig.bus.getNumOpenOutputs(), c.connects ? 1 : 0);
        EXPECT_EQ(rig.panel->buttonHandler->output != nullptr, c.connects);
    }
}

TEST(ConnectionMonitor, EveryMatchingOutputGetsAConnectAndTheLastStaysOpen)
{
    PanelRig rig(false);
    auto second = std::make_shared<VirtualMidiDevice>("Velmora Q5 Port 2", false, true);
    rig.bus.plug(rig.q5);
    rig.bus.plug(second);
    rig.ticks(1);

    EXPECT_EQ(connectsIn(rig.received()), 1);
    ASSERT_EQ(second->getReceived().size(), 1u);
    EXPECT_EQ(testsupport::bytesOf(second->getReceived()[0]), connectBytes);
    ASSERT_NE(rig.panel->midiOutput, nullptr);
    EXPECT_EQ(rig.panel->midiOutput->getIdentifier(), second->getOutputIdentifier());
    EXPECT_EQ(rig.bus.getNumOpenOutputs(), 1);
}

TEST(ConnectionMonitor, OneSidedMatchesLeaveNoPortOpen)
{
    for (const bool inputSide : {true, false})
    {
        SCOPED_TRACE(inputSide ? "input only" : "output only");
        VirtualMidiBus bus;
        auto half = std::make_shared<VirtualMidiDevice>("Velmora Q5", inputSide, ! inputSide);
        bus.plug(half);
        MainComponent panel(bus);
        const auto listed = bus.getNumListings();
        testsupport::runUntil([&] { return bus.getNumListings() >= listed + 3; });

        EXPECT_EQ(panel.midiInput, nullptr);
        EXPECT_EQ(panel.midiOutput, nullptr);
        EXPECT_EQ(bus.getNumOpenInputs(), 0);
        EXPECT_EQ(bus.getNumOpenOutputs(), 0);
        EXPECT_TRUE(panel.disconnectOverlay->isVisible());
        EXPECT_FALSE(panel.gainSlider->isEnabled());
    }
}

TEST(ConnectionMonitor, AnOutputThatFailsToOpenIsNoConnection)
{
    PanelRig rig;
    rig.q5->failOutputOpens = true;
    rig.ticks(3);

    EXPECT_FALSE(rig.portsOpen());
    EXPECT_EQ(rig.bus.getNumOpenInputs(), 0);
    EXPECT_TRUE(rig.received().empty());
    EXPECT_TRUE(rig.controlsDisabled());
    EXPECT_EQ(rig.panel->monitorState, 0);
    EXPECT_TRUE(rig.panel->disconnectOverlay->isVisible());
    EXPECT_EQ(rig.panel->sliderHandler->output, nullptr);

    // The scan goes on every tick, so the device is found once it opens.
    rig.q5->failOutputOpens = false;
    rig.waitUntilSettled();
    EXPECT_EQ(rig.received(), std::vector<testsupport::Bytes>{connectBytes});
}

TEST(ConnectionMonitor, AnUnrelatedInputReopensThePortsWithoutTheVeil)
{
    PanelRig rig;
    rig.waitUntilSettled();
    auto keyboard = std::make_shared<VirtualMidiDevice>("USB Keyboard", true, false);
    rig.bus.plug(keyboard);

    bool veilSeen = false;
    for (int i = 0; i < 4; ++i)
    {
        rig.ticks(1);
        veilSeen = veilSeen || rig.panel->disconnectOverlay->isVisible() || rig.panel->monitorState == 2;
    }
    EXPECT_FALSE(veilSeen);
    EXPECT_EQ(rig.q5->getNumConnectMessages(), 2);
    EXPECT_NE(rig.panel->midiInput, nullptr);
    EXPECT_NE(rig.panel->midiOutput, nullptr);
    EXPECT_TRUE(rig.controlsEnabled());
}

TEST(ConnectionMonitor, AnUnplugHiddenByAPlugIsNoticedAtTheNextChange)
{
    PanelRig rig;
    rig.waitUntilSettled();
    auto keyboard = std::make_shared<VirtualMidiDevice>("USB Keyboard", true, false);
    rig.bus.unplug(rig.q5);
    rig.bus.plug(keyboard);
    rig.ticks(5);
    EXPECT_EQ(rig.panel->monitorState, 0);
    EXPECT_FALSE(rig.panel->disconnectOverlay->isVisible());
    EXPECT_NE(rig.panel->midiInput, nullptr);

    rig.bus.plug(std::make_shared<VirtualMidiDevice>("Drum Pad", true, false));
    rig.ticks(1);
    EXPECT_EQ(rig.panel->monitorState, 2);
    EXPECT_FALSE(rig.portsOpen());
    EXPECT_TRUE(rig.controlsDisabled());
    EXPECT_FALSE(rig.panel->buttonHandler->connected);
    EXPECT_EQ(rig.panel->buttonHandler->output, nullptr);
}

TEST(ConnectionMonitor, UnplugFadesTheVeilInFullyAndReplugFadesItOutFromThere)
{
    PanelRig rig;
    rig.waitUntilSettled();
    auto& panel = *rig.panel;

    rig.bus.unplug(rig.q5);
    rig.ticks(1);
    EXPECT_EQ(panel.monitorState, 2);

    // A plug during the fade is noticed only once the fade has ended.
    rig.bus.plug(rig.q5);
    struct Sample
    {
        float overlay, banner;
        bool open;
    };
    std::vector<Sample> samples;
    auto seen = rig.bus.getNumListings();
    ASSERT_TRUE(testsupport::runUntil([&] {
        if (rig.bus.getNumListings() != seen)
        {
            seen = rig.bus.getNumListings();
            samples.push_back({panel.disconnectOverlay->getAlpha(), panel.disconnectBanner->getAlpha(),
                               panel.midiOutput != nullptr});
        }
        return samples.size() > 1 && samples.back().open;
    }));

    const auto firstOpen = std::find_if(samples.begin(), samples.end(), [](auto& x) { return x.open; });
    // The fade in took its ten-odd ticks, rose steadily and ended at full
    // opacity, not at the starting 0.6.
    EXPECT_GE(firstOpen - samples.begin(), 8);
    EXPECT_TRUE(std::is_sorted(samples.begin(), firstOpen, [](auto& a, auto& b) { return a.overlay < b.overlay; }));
    // The tick that completes the fade goes on to find the device.
    EXPECT_FLOAT_EQ(firstOpen->overlay, 1.0f);
    EXPECT_FLOAT_EQ(firstOpen->banner, 1.0f);
    EXPECT_EQ(panel.monitorState, 1);
    EXPECT_EQ(rig.q5->getNumConnectMessages(), 2);

    rig.waitUntilSettled();
    EXPECT_FALSE(panel.disconnectOverlay->isVisible());
    EXPECT_TRUE(rig.controlsEnabled());
}
