#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

// Walks the panel's controls in the framework's order, leaving out those the
// caller cannot reach: what the veil keeps from the mouse, it keeps from the
// keyboard and from screen readers too.
class PanelFocusTraverser final : public juce::ComponentTraverser
{
public:
    enum class Kind
    {
        keyboard,     // Tab and Shift+Tab
        accessibility // what a screen reader lists and walks
    };

    PanelFocusTraverser(Kind kind, std::function<bool(const juce::Component&)> isReachable);

    juce::Component* getDefaultComponent(juce::Component* parent) override;
    juce::Component* getNextComponent(juce::Component* current) override;
    juce::Component* getPreviousComponent(juce::Component* current) override;
    std::vector<juce::Component*> getAllComponents(juce::Component* parent) override;

private:
    juce::Component* step(juce::Component* current, int direction);

    Kind kind;
    std::unique_ptr<juce::ComponentTraverser> base;
    std::function<bool(const juce::Component&)> reachable;
};
