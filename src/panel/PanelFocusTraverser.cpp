#include "panel/PanelFocusTraverser.h"

PanelFocusTraverser::PanelFocusTraverser(Kind kindToUse,
                                         std::function<bool(const juce::Component&)> isReachable)
    : kind(kindToUse), reachable(std::move(isReachable))
{
    if (kind == Kind::keyboard)
        base = std::make_unique<juce::KeyboardFocusTraverser>();
    else
        base = std::make_unique<juce::FocusTraverser>();
}

std::vector<juce::Component*> PanelFocusTraverser::getAllComponents(juce::Component* parent)
{
    auto all = base->getAllComponents(parent);
    all.erase(
        std::remove_if(all.begin(), all.end(), [this](const juce::Component* c) { return !reachable(*c); }),
        all.end());
    return all;
}

juce::Component* PanelFocusTraverser::getDefaultComponent(juce::Component* parent)
{
    const auto all = getAllComponents(parent);
    return all.empty() ? nullptr : all.front();
}

juce::Component* PanelFocusTraverser::getNextComponent(juce::Component* current)
{
    return step(current, 1);
}

juce::Component* PanelFocusTraverser::getPreviousComponent(juce::Component* current)
{
    return step(current, -1);
}

juce::Component* PanelFocusTraverser::step(juce::Component* current, int direction)
{
    if (current == nullptr)
        return nullptr;

    auto* container =
        kind == Kind::keyboard ? current->findKeyboardFocusContainer() : current->findFocusContainer();
    if (container == nullptr)
        return nullptr;

    // The whole order, so that a control that just went out of reach still
    // has neighbours.
    const auto all = base->getAllComponents(container);
    const auto here = std::find(all.begin(), all.end(), current);
    if (here == all.end())
        return nullptr;

    const auto index = static_cast<int>(std::distance(all.begin(), here));
    for (auto i = index + direction; i >= 0 && i < static_cast<int>(all.size()); i += direction)
        if (reachable(*all[static_cast<std::size_t>(i)]))
            return all[static_cast<std::size_t>(i)];

    return nullptr;
}
