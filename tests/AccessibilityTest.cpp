// The panel without a mouse: what a screen reader is told through the
// framework's accessibility handlers, and what keys do, checked on the bytes
// the virtual Q5 receives.

#include "PanelRig.h"

#include "shell/MainWindow.h"

using testsupport::Bytes;
using testsupport::levelBytes;
using testsupport::PanelRig;
using testsupport::sourceBytes;

namespace
{
juce::AccessibilityHandler& handlerOf(juce::Component& component)
{
    auto* handler = component.getAccessibilityHandler();
    if (handler == nullptr)
        throw std::runtime_error("no accessibility handler for " + component.getName().toStdString());
    return *handler;
}

std::vector<juce::String> childTitles(juce::Component& panel)
{
    std::vector<juce::String> titles;
    for (const auto* child : handlerOf(panel).getChildren())
        titles.push_back(child->getTitle());
    return titles;
}

// Keys reach the focused component only while its window has the X focus,
// which the window manager grants a moment after asking.
void focusWindow(juce::Component& window)
{
    window.toFront(true);
    ASSERT_TRUE(testsupport::runUntil([&] { return window.getPeer()->isFocused(); }));
    testsupport::runFor(50);
}

struct KeyboardPanel : ::testing::Test
{
    void SetUp() override
    {
        rig.showOnDesktop();
        focusWindow(panel());
        rig.waitUntilSettled();
        rig.q5->clearReceived();
    }

    MainComponent& panel() { return *rig.panel; }

    void press(const juce::KeyPress& key)
    {
        panel().getPeer()->handleKeyPress(key);
        testsupport::runFor(20);
    }

    std::vector<Bytes> sent()
    {
        testsupport::runFor(5);
        auto all = rig.received();
        rig.q5->clearReceived();
        return all;
    }

    juce::Component* focused() const { return juce::Component::getCurrentlyFocusedComponent(); }

    PanelRig rig;
};
} // namespace

TEST_F(KeyboardPanel, ControlsHaveTitlesRolesAndStates)
{
    auto& p = panel();
    struct Expected
    {
        juce::Component* control;
        const char* title;
        juce::AccessibilityRole role;
    };
    for (const auto& e :
         {Expected{p.gainSlider.get(), "Input gain", juce::AccessibilityRole::slider},
          Expected{p.lineInButton.get(), "Instrument input", juce::AccessibilityRole::toggleButton},
          Expected{p.instButton.get(), "Line input", juce::AccessibilityRole::toggleButton},
          Expected{p.hpMuteButton.get(), "Headphones muted", juce::AccessibilityRole::toggleButton},
          Expected{p.settingButton.get(), "Settings", juce::AccessibilityRole::button},
          Expected{p.minButton.get(), "Minimise", juce::AccessibilityRole::button},
          Expected{p.closeButton.get(), "Hide", juce::AccessibilityRole::button}})
    {
        auto& handler = handlerOf(*e.control);
        EXPECT_EQ(handler.getTitle(), e.title);
        EXPECT_EQ(handler.getRole(), e.role) << e.title;
    }

    // The read-out is named by what it shows, and says how to type into it.
    p.gainSlider->setValue(12.3, juce::sendNotificationSync);
    EXPECT_EQ(handlerOf(*p.gainLabel).getTitle(), "12.3");
    EXPECT_TRUE(handlerOf(*p.gainLabel).getDescription().contains("Return"));

    // Exactly one source is checked, and it follows the clicks.
    auto checked = [](juce::Component& c) { return handlerOf(c).getCurrentState().isChecked(); };
    EXPECT_NE(checked(*p.lineInButton), checked(*p.instButton));
    p.instButton->triggerClick();
    testsupport::runFor(20);
    EXPECT_TRUE(checked(*p.instButton));
    EXPECT_FALSE(checked(*p.lineInButton));
    EXPECT_TRUE(handlerOf(*p.hpMuteButton).getCurrentState().isCheckable());
    EXPECT_FALSE(checked(*p.hpMuteButton));
}

TEST_F(KeyboardPanel, ScreenReaderListsControlsInTabOrderAndOnlyWhatTheVeilLeaves)
{
    const std::vector<juce::String> connected{
        "Input gain",       "30",       "Instrument input", "Line input",
        "Headphones muted", "Settings", "Minimise",         "Hide"};
    panel().gainLabel->setText("30", juce::dontSendNotification);
    EXPECT_EQ(childTitles(panel()), connected);

    rig.bus.unplug(rig.q5);
    ASSERT_TRUE(testsupport::runUntil([&] { return rig.controlsDisabled(); }));
    ASSERT_TRUE(testsupport::runUntil([&] { return panel().disconnectOverlay->isVisible(); }));
    // The banner is read first; the veiled controls are not there at all.
    EXPECT_EQ(childTitles(panel()),
              (std::vector<juce::String>{"Disconnected", "Settings", "Minimise", "Hide"}));
}

TEST_F(KeyboardPanel, KnobKeysAndValueInterfaceSendWhatATurnSends)
{
    auto& knob = *panel().gainSlider;
    knob.setValue(12.3, juce::dontSendNotification);
    knob.grabKeyboardFocus();
    ASSERT_EQ(focused(), &knob);

    struct Step
    {
        juce::KeyPress key;
        double value;
        std::vector<Bytes> bytes;
    };
    for (const auto& step : {Step{juce::KeyPress(juce::KeyPress::upKey), 12.4, {levelBytes(124)}},
                             Step{juce::KeyPress(juce::KeyPress::downKey), 12.3, {levelBytes(123)}},
                             Step{juce::KeyPress(juce::KeyPress::pageUpKey), 13.3, {levelBytes(133)}},
                             Step{juce::KeyPress(juce::KeyPress::pageDownKey), 12.3, {levelBytes(123)}},
                             Step{juce::KeyPress(juce::KeyPress::endKey), 26.0, {levelBytes(260)}},
                             // At the end of the range nothing changes, so nothing is sent.
                             Step{juce::KeyPress(juce::KeyPress::pageUpKey), 26.0, {}},
                             Step{juce::KeyPress(juce::KeyPress::homeKey), 0.0, {levelBytes(0)}},
                             Step{juce::KeyPress(juce::KeyPress::downKey), 0.0, {}}})
    {
        press(step.key);
        EXPECT_NEAR(knob.getValue(), step.value, 1e-9) << step.key.getTextDescription();
        EXPECT_EQ(sent(), step.bytes) << step.key.getTextDescription();
    }
    EXPECT_EQ(panel().gainLabel->getText(), "0");

    // A screen reader reads and sets the same value.
    auto* value = handlerOf(knob).getValueInterface();
    ASSERT_NE(value, nullptr);
    value->setValue(12.3);
    EXPECT_EQ(value->getCurrentValueAsString(), "12.3");
    EXPECT_EQ(sent(), std::vector<Bytes>{levelBytes(123)});
    EXPECT_DOUBLE_EQ(value->getRange().getInterval(), 0.1);
}

TEST_F(KeyboardPanel, ButtonActionsAndKeysClickExactlyOnce)
{
    auto& p = panel();
    auto invoke = [](juce::Component& c, juce::AccessibilityActionType action)
    {
        EXPECT_TRUE(handlerOf(c).getActions().invoke(action));
        testsupport::runFor(20);
    };

    // The "inst" button is captioned LINE; the device goes by the name.
    invoke(*p.instButton, juce::AccessibilityActionType::toggle);
    EXPECT_TRUE(p.instButton->getToggleState());
    EXPECT_EQ(sent(), std::vector<Bytes>{sourceBytes(1, 0)});

    invoke(*p.lineInButton, juce::AccessibilityActionType::press);
    EXPECT_TRUE(p.lineInButton->getToggleState());
    EXPECT_FALSE(p.instButton->getToggleState());
    EXPECT_EQ(sent(), std::vector<Bytes>{sourceBytes(0, 1)});

    p.gainSlider->setValue(10.0, juce::sendNotificationSync);
    sent();
    p.hpMuteButton->grabKeyboardFocus();
    press(juce::KeyPress(juce::KeyPress::spaceKey));
    EXPECT_TRUE(handlerOf(*p.hpMuteButton).getCurrentState().isChecked());
    EXPECT_EQ(p.hpMuteState, 1);
    EXPECT_EQ(sent(), std::vector<Bytes>{levelBytes(0)});
    press(juce::KeyPress(juce::KeyPress::returnKey));
    EXPECT_EQ(p.hpMuteState, 0);
    EXPECT_EQ(sent(), std::vector<Bytes>{levelBytes(100)});

    // Return on the read-out opens it for typing, as a double click does.
    p.gainLabel->grabKeyboardFocus();
    press(juce::KeyPress(juce::KeyPress::returnKey));
    EXPECT_NE(p.gainLabel->getCurrentTextEditor(), nullptr);
}

TEST_F(KeyboardPanel, TabWalksTheControlsAndSkipsWhatIsVeiled)
{
    auto& p = panel();
    const std::vector<juce::Component*> order{p.gainSlider.get(), p.gainLabel.get(),    p.lineInButton.get(),
                                              p.instButton.get(), p.hpMuteButton.get(), p.settingButton.get(),
                                              p.minButton.get(),  p.closeButton.get()};
    const juce::KeyPress tab(juce::KeyPress::tabKey);
    const juce::KeyPress backTab(juce::KeyPress::tabKey, juce::ModifierKeys::shiftModifier, 0);

    p.grabKeyboardFocus();
    ASSERT_EQ(focused(), &p);
    for (auto* expected : order)
    {
        press(tab);
        EXPECT_EQ(focused(), expected) << (focused() != nullptr ? focused()->getTitle() : "nothing");
    }
    press(tab);
    EXPECT_EQ(focused(), order.front()) << "Tab wraps round";
    press(backTab);
    EXPECT_EQ(focused(), order.back()) << "Shift+Tab wraps back";

    rig.bus.unplug(rig.q5);
    ASSERT_TRUE(
        testsupport::runUntil([&] { return p.disconnectOverlay->isVisible() && rig.controlsDisabled(); }));
    p.grabKeyboardFocus();
    std::vector<juce::Component*> reached;
    for (int i = 0; i < 4; ++i)
    {
        press(tab);
        reached.push_back(focused());
    }
    EXPECT_EQ(reached, (std::vector<juce::Component*>{p.settingButton.get(), p.minButton.get(),
                                                      p.closeButton.get(), p.settingButton.get()}));
}

TEST(KeyboardWindow, ActivatingTheWindowFocusesThePanelAndTabEntersIt)
{
    PanelRig rig;
    NewProjectApplication::MainWindow window("Q5 Control Panel", rig.bus);
    auto* panel = dynamic_cast<MainComponent*>(window.getContentComponent());
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(testsupport::runUntil([&] { return window.isShowing(); }));
    focusWindow(window);
    EXPECT_EQ(juce::Component::getCurrentlyFocusedComponent(), panel);
    ASSERT_TRUE(
        testsupport::runUntil([&] { return panel->midiOutput != nullptr && panel->monitorState == 0; }));
    window.getPeer()->handleKeyPress(juce::KeyPress(juce::KeyPress::tabKey));
    EXPECT_EQ(juce::Component::getCurrentlyFocusedComponent(), panel->gainSlider.get());
}
