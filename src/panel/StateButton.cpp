#include "panel/StateButton.h"

namespace
{
class StateButtonAccessibility final : public juce::AccessibilityHandler
{
public:
    explicit StateButtonAccessibility(juce::Button& buttonToWrap)
        : juce::AccessibilityHandler(buttonToWrap, juce::AccessibilityRole::toggleButton,
                                     actionsFor(buttonToWrap)),
          button(buttonToWrap)
    {
    }

    juce::AccessibleState getCurrentState() const override
    {
        const auto state = juce::AccessibilityHandler::getCurrentState().withCheckable();
        return button.getToggleState() ? state.withChecked() : state;
    }

    juce::String getHelp() const override { return button.getTooltip(); }

private:
    static juce::AccessibilityActions actionsFor(juce::Button& button)
    {
        // The framework's own toggle action sets the state and then reports a
        // click, which flips the state a second time in the panel's listener.
        auto click = [&button] { button.triggerClick(); };
        return juce::AccessibilityActions()
            .addAction(juce::AccessibilityActionType::press, click)
            .addAction(juce::AccessibilityActionType::toggle, click);
    }

    juce::Button& button;
};
} // namespace

StateButton::StateButton(const juce::String& name) : juce::TextButton(name) {}

bool StateButton::keyPressed(const juce::KeyPress& key)
{
    if (isEnabled() && key == juce::KeyPress::spaceKey)
    {
        triggerClick();
        return true;
    }

    return juce::TextButton::keyPressed(key);
}

std::unique_ptr<juce::AccessibilityHandler> StateButton::createAccessibilityHandler()
{
    return std::make_unique<StateButtonAccessibility>(*this);
}
