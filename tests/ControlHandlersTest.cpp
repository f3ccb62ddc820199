// What the user does on the connected panel, checked on the bytes the
// virtual Q5 receives.

#include "PanelRig.h"

using testsupport::Bytes;
using testsupport::PanelRig;

namespace
{
using testsupport::levelBytes;
using testsupport::sourceBytes;

struct ConnectedPanel : ::testing::Test
{
    void SetUp() override
    {
        rig.showOnDesktop();
        rig.waitUntilSettled();
        rig.q5->clearReceived();
    }

    // What the device got since the last call.
    std::vector<Bytes> sent()
    {
        testsupport::runFor(5);
        auto all = rig.received();
        rig.q5->clearReceived();
        return all;
    }

    void click(juce::Button& button)
    {
        button.triggerClick();
        testsupport::runFor(20);
    }

    void type(const juce::String& text)
    {
        auto& label = *rig.panel->gainLabel;
        label.showEditor();
        ASSERT_NE(label.getCurrentTextEditor(), nullptr);
        label.getCurrentTextEditor()->setText(text, false);
        label.hideEditor(false);
    }

    PanelRig rig;
};
} // namespace

TEST_F(ConnectedPanel, KnobTurnSendsTheLevelAndShowsIt)
{
    auto& panel = *rig.panel;
    panel.gainSlider->setValue(12.3, juce::sendNotificationSync);
    EXPECT_EQ(sent(), std::vector<Bytes>{levelBytes(123)});
    EXPECT_EQ(panel.gainLabel->getText(), "12.3");

    panel.gainSlider->setValue(26.0, juce::sendNotificationSync);
    EXPECT_EQ(sent(), std::vector<Bytes>{levelBytes(260)});
    EXPECT_EQ(panel.gainLabel->getText(), "26");
}

TEST_F(ConnectedPanel, TypedGainIsCleanedUpAndSentAsTyped)
{
    struct Case
    {
        const char* typed;
        const char* shown;
        double slider;
        int level;
    };
    // The bytes keep the typed value while the slider snaps to its steps.
    for (const auto& c : {Case{"30", "26", 26.0, 260}, Case{"12.34", "12.34", 12.3, 123},
                          Case{".", "0", 0.0, 0}, Case{".5", "0.5", 0.5, 5}, Case{"7.77", "7.77", 7.8, 77}})
    {
        SCOPED_TRACE(c.typed);
        type(c.typed);
        EXPECT_EQ(rig.panel->gainLabel->getText(), c.shown);
        EXPECT_DOUBLE_EQ(rig.panel->gainSlider->getValue(), c.slider);
        EXPECT_EQ(sent(), std::vector<Bytes>{levelBytes(c.level)});
    }
}

TEST_F(ConnectedPanel, SourceButtonsAlwaysLeaveExactlyOneOn)
{
    auto& panel = *rig.panel;
    struct Step
    {
        juce::Button* button;
        bool instOn;
        Bytes bytes;
    };
    // "inst" is captioned LINE and "line in" INST: the device goes by the name.
    for (const auto& step : {Step{panel.instButton.get(), true, sourceBytes(1, 0)},
                             Step{panel.instButton.get(), false, sourceBytes(0, 1)},
                             Step{panel.lineInButton.get(), true, sourceBytes(1, 0)},
                             Step{panel.lineInButton.get(), false, sourceBytes(0, 1)}})
    {
        click(*step.button);
        EXPECT_EQ(panel.instButton->getToggleState(), step.instOn);
        EXPECT_EQ(panel.lineInButton->getToggleState(), !step.instOn);
        EXPECT_EQ(sent(), std::vector<Bytes>{step.bytes});
    }
}

TEST_F(ConnectedPanel, MuteSendsSilenceHoldsLevelsAndSurvivesADisconnection)
{
    auto& panel = *rig.panel;
    panel.gainSlider->setValue(10.0, juce::sendNotificationSync);
    sent();

    click(*panel.hpMuteButton);
    EXPECT_EQ(panel.hpMuteState, 1);
    EXPECT_TRUE(panel.hpMuteButton->getToggleState());
    EXPECT_EQ(sent(), std::vector<Bytes>{levelBytes(0)});

    // While muted the level is kept for later but not sent.
    panel.gainSlider->setValue(11.0, juce::sendNotificationSync);
    type("12");
    EXPECT_TRUE(sent().empty());

    rig.bus.unplug(rig.q5);
    rig.ticks(14);
    rig.bus.plug(rig.q5);
    rig.waitUntilSettled();
    EXPECT_EQ(panel.hpMuteState, 1);
    EXPECT_TRUE(panel.hpMuteButton->getToggleState());
    sent();
    panel.gainSlider->setValue(13.0, juce::sendNotificationSync);
    EXPECT_TRUE(sent().empty());

    click(*panel.hpMuteButton);
    EXPECT_EQ(panel.hpMuteState, 0);
    EXPECT_EQ(sent(), std::vector<Bytes>{levelBytes(130)});
}

TEST(ControlHandlers, WhileDisconnectedMuteOnlyFlipsAndNothingIsSent)
{
    PanelRig rig(false);
    rig.ticks(1);
    auto& panel = *rig.panel;
    // The source buttons and the knob are disabled now; the mute is not.
    EXPECT_TRUE(rig.controlsDisabled());
    panel.hpMuteButton->triggerClick();
    testsupport::runFor(20);
    EXPECT_TRUE(panel.hpMuteButton->getToggleState());
    EXPECT_EQ(panel.hpMuteState, 1);

    rig.bus.plug(rig.q5);
    rig.waitUntilSettled();
    EXPECT_EQ(rig.received(), std::vector<Bytes>{testsupport::connectBytes});
    EXPECT_EQ(panel.hpMuteState, 1);
}
