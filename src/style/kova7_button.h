#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The look of the panel's controls and of the settings menu.
class kova7_button : public juce::LookAndFeel_V2
{
public:
    ~kova7_button() override = default;
};
