// The panel as constructed: its children, their stacking, and how clicks
// reach them.

#include "PanelRig.h"

#include "shell/MainWindow.h"
#include "shell/TrayIcon.h"

using testsupport::PanelRig;

namespace
{
struct Child
{
    juce::Component* component;
    const char* name;
    const char* id;
    juce::Rectangle<int> bounds;
    bool alwaysOnTop;
};

// Back to front.
std::vector<Child> expectedStack(MainComponent& p)
{
    return {{p.backgroundImage.get(), "", "", {0, 0, 580, 300}, false},
            {p.lineInButton.get(), "line in", "", {340, 145, 96, 30}, false},
            {p.instButton.get(), "inst", "", {340, 185, 96, 30}, false},
            {p.knobImage.get(), "", "", {115, 61, 181, 181}, false},
            {p.gainLabel.get(), "Gain", "", {145, 120, 120, 60}, false},
            {p.gainSlider.get(), "input1/2", "", {120, 64, 171, 176}, true},
            {p.sliderButton.get(), "", "SliderButton", {185, 120, 40, 60}, true},
            {p.hpMuteButton.get(), "btn_HPMute", "btn_HPMute", {282, 215, 17, 17}, true},
            {p.disconnectOverlay.get(), "img_Banner_DisconnectGrey", "", {30, 34, 527, 232}, true},
            {p.disconnectBanner.get(), "img_Banner_Disconnect", "", {140, 140, 274, 30}, true},
            {p.closeButton.get(), "close", "", {458, 55, 17, 15}, true},
            {p.minButton.get(), "min", "", {436, 60, 17, 15}, true},
            {p.settingButton.get(), "", "btn_Setting", {414, 55, 17, 15}, true}};
}

juce::Point<int> centreOf(const juce::Component& c)
{
    return c.getBounds().getCentre();
}
} // namespace

TEST(PanelLayout, ChildrenStackAndSitAsLaidOut)
{
    PanelRig rig(false);
    auto& panel = *rig.panel;
    EXPECT_EQ(panel.getWidth(), 580);
    EXPECT_EQ(panel.getHeight(), 300);

    // The tray icon is a child only where the platform keeps it one; the
    // rest is exactly this list, in this order.
    std::vector<juce::Component*> children;
    for (auto* child : panel.getChildren())
        if (child != static_cast<juce::Component*>(panel.trayIcon.get()))
            children.push_back(child);

    const auto expected = expectedStack(panel);
    ASSERT_EQ(children.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
    {
        const auto& e = expected[i];
        SCOPED_TRACE(std::to_string(i) + " " + e.name + e.id);
        EXPECT_EQ(children[i], e.component);
        EXPECT_EQ(e.component->getName(), e.name);
        EXPECT_EQ(e.component->getComponentID(), e.id);
        EXPECT_EQ(e.component->getBounds(), e.bounds);
        EXPECT_EQ(e.component->isAlwaysOnTop(), e.alwaysOnTop);
        EXPECT_TRUE(e.component->isVisible());
    }
}

TEST(PanelLayout, ControlsStartAsTheDeviceFaceBeforeAnyDeviceSpeaks)
{
    PanelRig rig(false);
    auto& p = *rig.panel;
    EXPECT_EQ(p.lineInButton->getButtonText(), "INST");
    EXPECT_EQ(p.instButton->getButtonText(), "LINE");
    EXPECT_EQ(p.lineInButton->findColour(juce::TextButton::textColourOffId), juce::Colour(0xFF808080));
    EXPECT_EQ(p.instButton->findColour(juce::TextButton::textColourOnId), juce::Colour(0xFFFFA500));
    EXPECT_FALSE(p.lineInButton->getClickingTogglesState());

    auto& knob = *p.gainSlider;
    EXPECT_EQ(knob.getSliderStyle(), juce::Slider::RotaryHorizontalVerticalDrag);
    EXPECT_FLOAT_EQ(knob.getRotaryParameters().startAngleRadians, 3.14f);
    EXPECT_FLOAT_EQ(knob.getRotaryParameters().endAngleRadians, 9.42f);
    EXPECT_TRUE(knob.getRotaryParameters().stopAtEnd);
    EXPECT_EQ(knob.getTextBoxPosition(), juce::Slider::NoTextBox);
    EXPECT_DOUBLE_EQ(knob.getMinimum(), 0.0);
    EXPECT_DOUBLE_EQ(knob.getMaximum(), 26.0);
    EXPECT_DOUBLE_EQ(knob.getInterval(), 0.1);
    EXPECT_DOUBLE_EQ(knob.getValue(), 0.0);

    // The read-out says 30 although the knob ends at 26.
    EXPECT_EQ(p.gainLabel->getText(), "30");
    EXPECT_FLOAT_EQ(p.gainLabel->getFont().getHeight(), 60.0f);
    EXPECT_EQ(p.gainLabel->findColour(juce::Label::textColourId), juce::Colour(0xFFFFA500));
    EXPECT_FALSE(p.gainLabel->isEditableOnSingleClick());
    EXPECT_TRUE(p.gainLabel->isEditableOnDoubleClick());

    EXPECT_FLOAT_EQ(p.disconnectOverlay->getAlpha(), 0.6f);
    EXPECT_FALSE(p.instButton->getToggleState() || p.lineInButton->getToggleState()
                 || p.hpMuteButton->getToggleState());
    EXPECT_EQ(p.lastDeviceCount, -1);

    // Every picture is the embedded artwork, decoded.
    for (auto* image : {p.backgroundImage.get(), p.knobImage.get(), p.disconnectOverlay.get(),
                        p.disconnectBanner.get()})
        EXPECT_TRUE(image->getImage().isValid());
    EXPECT_EQ(p.backgroundImage->getImage().getWidth(), 2952);
    EXPECT_EQ(p.knobImage->getImage().getHeight(), 856);
}

TEST(PanelLayout, GainEditorKeepsDigitsAndFullStops)
{
    PanelRig rig(false);
    juce::TextEditor editor;
    for (const auto& [typed, kept] : std::vector<std::pair<const char*, const char*>>{
             {"12.5", "12.5"}, {"1a2", "12"}, {"abc", ""}, {"-3", "3"}, {"1.2.3", "1.2.3"}, {" 4 ", "4"}})
        EXPECT_EQ(rig.panel->filterNewText(editor, typed), kept) << typed;
}

TEST(PanelLayout, TheVeilTakesClicksExceptForTheShellButtons)
{
    PanelRig rig(false);
    auto& p = *rig.panel;
    p.setVisible(true);
    const auto at = [&p](const juce::Component& c) { return p.getComponentAt(centreOf(c)); };

    for (juce::Component* control : std::initializer_list<juce::Component*>{
             p.gainSlider.get(), p.sliderButton.get(), p.hpMuteButton.get(), p.lineInButton.get(), p.instButton.get()})
    {
        // The caption lies over the middle of the veil.
        const auto* taker = at(*control);
        EXPECT_TRUE(taker == p.disconnectOverlay.get() || taker == p.disconnectBanner.get()) << control->getName();
    }
    for (juce::Component* shell :
         std::initializer_list<juce::Component*>{p.closeButton.get(), p.minButton.get(), p.settingButton.get()})
        EXPECT_EQ(at(*shell), shell) << shell->getName();

    // With the veil gone the controls get their clicks; the read-out lies
    // under the knob, the centre button over it.
    p.disconnectOverlay->setVisible(false);
    p.disconnectBanner->setVisible(false);
    EXPECT_EQ(at(*p.sliderButton), p.sliderButton.get());
    EXPECT_EQ(p.getComponentAt(juce::Point<int>{150, 125}), p.gainSlider.get());
    EXPECT_EQ(at(*p.hpMuteButton), p.hpMuteButton.get());
    EXPECT_EQ(at(*p.instButton), p.instButton.get());
    // A bare point of the panel belongs to the frame picture, which drags the window.
    EXPECT_EQ(p.getComponentAt(juce::Point<int>{20, 150}), p.backgroundImage.get());
}

TEST(PanelLayout, OnlyADoubleClickOnTheCentreButtonOpensTheGainEditor)
{
    PanelRig rig(false);
    auto& p = *rig.panel;
    p.disconnectOverlay->setVisible(false);
    p.disconnectBanner->setVisible(false);
    rig.showOnDesktop();
    testsupport::runFor(200);

    const auto centre = p.localPointToGlobal(centreOf(*p.sliderButton));
    const auto xdotool = [&](const juce::String& action) {
        const auto command = "xdotool mousemove " + juce::String(centre.x) + " " + juce::String(centre.y) + " "
                             + action;
        ASSERT_EQ(std::system(command.toRawUTF8()), 0);
        testsupport::runFor(400);
    };

    xdotool("click 1");
    EXPECT_FALSE(p.gainLabel->isBeingEdited());
    xdotool("mousedown 1 mousemove_relative 0 -30 mouseup 1");
    EXPECT_FALSE(p.gainLabel->isBeingEdited());
    EXPECT_DOUBLE_EQ(p.gainSlider->getValue(), 0.0);

    xdotool("click --repeat 2 --delay 80 1");
    EXPECT_TRUE(p.gainLabel->isBeingEdited());
    p.gainLabel->hideEditor(true);
}

TEST(DragWindow, MovesFromTheMouseDownPointWithAGrabPointRecordedOncePerDrag)
{
    NewProjectApplication::MainWindow window("Q5 Control Panel");
    NewProjectApplication::MainWindow::DragWindowListener drag;
    drag.window = &window;

    // An event component off the desktop: its screen position is its own.
    juce::Component picture;
    picture.setBounds(7, 9, 100, 100);
    auto source = juce::Desktop::getInstance().getMainMouseSource();
    const auto event = [&](juce::Point<float> down, juce::Point<float> now) {
        const auto t = juce::Time::getCurrentTime();
        return juce::MouseEvent(source, now, {}, 1.0f, 0, 0, 0, 0, &picture, &picture, t, down, t, 1, true);
    };

    struct Step
    {
        juce::Point<float> down, now;
        int grabX, grabY;
        juce::Point<int> windowAt;
    };
    // window = down on screen + distance - grab; the grab point stays that of
    // the drag's first event, and fractions round before they are added.
    for (const auto& step : {Step{{10, 20}, {15, 26}, 17, 29, {5, 6}}, Step{{10, 20}, {300.4f, 200.6f}, 17, 29, {290, 181}},
                             Step{{40, 50}, {45, 56}, 17, 29, {35, 36}}})
    {
        drag.mouseDrag(event(step.down, step.now));
        EXPECT_EQ(drag.grabX, step.grabX);
        EXPECT_EQ(drag.grabY, step.grabY);
        EXPECT_EQ(window.getPosition(), step.windowAt);
        EXPECT_EQ(window.getWidth(), 580);
        EXPECT_EQ(window.getHeight(), 300);
    }

    drag.mouseUp(event({40, 50}, {45, 56}));
    EXPECT_EQ(drag.grabX, 0);
    EXPECT_EQ(drag.grabY, 0);

    // A grab at the component's origin looks like no grab and is recorded
    // again at every event; the window still follows the mouse.
    picture.setTopLeftPosition(0, 0);
    for (const auto& now : {juce::Point<float>{30, 40}, juce::Point<float>{60, 70}})
    {
        drag.mouseDrag(event({0, 0}, now));
        EXPECT_EQ(drag.grabX, 0);
        EXPECT_EQ(window.getPosition(), now.roundToInt());
    }
}
