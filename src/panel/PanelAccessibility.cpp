#include "panel/MainComponent.h"

#include "panel/PanelFocusTraverser.h"

// Titles, descriptions and keyboard use of the panel. Nothing here changes
// what is drawn or what a mouse does.

namespace
{
constexpr double pageStep = 1.0;

// Keys the framework's controls leave alone: the page keys, Home and End on
// the knob, and Return on the read-out, which opens it for typing as a
// double click does.
class PanelKeys final : public juce::KeyListener
{
public:
    explicit PanelKeys(MainComponent& ownerToUse) : owner(ownerToUse) {}

    bool keyPressed(const juce::KeyPress& key, juce::Component* origin) override
    {
        if (key.getModifiers().isAnyModifierKeyDown())
            return false;

        if (origin == owner.gainSlider.get())
            return turnKnob(key);

        if (origin == owner.gainLabel.get() && key == juce::KeyPress::returnKey)
        {
            owner.gainLabel->showEditor();
            return true;
        }

        return false;
    }

private:
    bool turnKnob(const juce::KeyPress& key)
    {
        auto& knob = *owner.gainSlider;
        const auto value = knob.getValue();

        double target;
        if (key == juce::KeyPress::pageUpKey)
            target = value + pageStep;
        else if (key == juce::KeyPress::pageDownKey)
            target = value - pageStep;
        else if (key == juce::KeyPress::homeKey)
            target = knob.getMinimum();
        else if (key == juce::KeyPress::endKey)
            target = knob.getMaximum();
        else
            return false;

        // Synchronous, as a drag is: the message goes out before the next key.
        knob.setValue(target, juce::sendNotificationSync);
        return true;
    }

    MainComponent& owner;
};
} // namespace

void MainComponent::makeAccessible()
{
    setTitle("Q5 Control Panel");
    // The panel takes the focus when its window is activated and hands it to
    // its controls on Tab, in the order below.
    setWantsKeyboardFocus(true);
    setFocusContainerType(juce::Component::FocusContainerType::keyboardFocusContainer);

    for (auto* picture : {backgroundImage.get(), knobImage.get(), disconnectOverlay.get()})
        picture->setAccessible(false);

    // Only there for the mouse: a double click on the read-out.
    sliderButton->setAccessible(false);
    sliderButton->setWantsKeyboardFocus(false);

    disconnectBanner->setTitle("Disconnected");
    disconnectBanner->setDescription("The Q5 is not connected; the controls come back once it is.");

    gainSlider->setTitle("Input gain");
    gainSlider->setDescription("Arrow keys turn it by 0.1, Page Up and Page Down by 1.");
    gainLabel->setDescription("Input gain; press Return to type a value.");
    lineInButton->setTitle("Instrument input");
    instButton->setTitle("Line input");
    hpMuteButton->setTitle("Headphones muted");
    settingButton->setTitle("Settings");
    minButton->setTitle("Minimise");
    closeButton->setTitle("Hide");
    closeButton->setDescription(trayIcon != nullptr ? "Hides the panel; the tray icon brings it back."
                                                    : "Minimises the panel.");

    // Read first while it shows; the keyboard passes it by.
    int order = 0;
    disconnectBanner->setExplicitFocusOrder(++order);
    for (auto* control : std::initializer_list<juce::Component*>{
             gainSlider.get(), gainLabel.get(), lineInButton.get(), instButton.get(), hpMuteButton.get(),
             settingButton.get(), minButton.get(), closeButton.get()})
    {
        control->setWantsKeyboardFocus(true);
        control->setExplicitFocusOrder(++order);
    }

    keys = std::make_unique<PanelKeys>(*this);
    gainSlider->addKeyListener(keys.get());
    gainLabel->addKeyListener(keys.get());
}

bool MainComponent::isReachable(const juce::Component& control) const
{
    if (!disconnectOverlay->isVisible())
        return true;

    // The child of the panel that holds the control: a label's editor counts
    // as the label.
    const auto* child = &control;
    while (child->getParentComponent() != nullptr && child->getParentComponent() != this)
        child = child->getParentComponent();

    const auto covered = disconnectOverlay->getBounds().contains(child->getBounds().getCentre());
    return !(covered && getIndexOfChildComponent(child) < getIndexOfChildComponent(disconnectOverlay.get()));
}

bool MainComponent::keyPressed(const juce::KeyPress& key)
{
    // With the panel itself focused, as after the window comes up, Tab enters
    // its controls at the first and Shift+Tab at the last.
    if (key.getKeyCode() != juce::KeyPress::tabKey || !hasKeyboardFocus(false))
        return false;

    const auto controls = createKeyboardFocusTraverser()->getAllComponents(this);
    if (controls.empty())
        return false;

    (key.getModifiers().isShiftDown() ? controls.back() : controls.front())->grabKeyboardFocus();
    return true;
}

std::unique_ptr<juce::ComponentTraverser> MainComponent::createFocusTraverser()
{
    return std::make_unique<PanelFocusTraverser>(PanelFocusTraverser::Kind::accessibility,
                                                 [this](const juce::Component& c) { return isReachable(c); });
}

std::unique_ptr<juce::ComponentTraverser> MainComponent::createKeyboardFocusTraverser()
{
    return std::make_unique<PanelFocusTraverser>(PanelFocusTraverser::Kind::keyboard,
                                                 [this](const juce::Component& c) { return isReachable(c); });
}
