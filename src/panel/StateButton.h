#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A text button that stands for an on/off state of the device: the input
// source buttons and the headphone mute. Assistive technology sees it as a
// toggle button, checked while on. Every way of working it, a click, Return,
// Space or the press and toggle actions of a screen reader, goes through one
// click, so the device hears exactly what a mouse click would send.
class StateButton : public juce::TextButton
{
public:
    explicit StateButton(const juce::String& name = {});

    bool keyPressed(const juce::KeyPress& key) override;

private:
    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(StateButton)
};
