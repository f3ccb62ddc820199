#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The main window's look: no background, border, frame or resize corner, so
// only the panel's own pixels reach the screen.
class LookAndFeel_WindowShape : public juce::LookAndFeel_V2
{
public:
    ~LookAndFeel_WindowShape() override = default;

    void drawCornerResizer(juce::Graphics&, int, int, bool, bool) override {}
    void drawResizableFrame(juce::Graphics&, int, int, const juce::BorderSize<int>&) override {}
    void fillResizableWindowBackground(juce::Graphics& g, int w, int h, const juce::BorderSize<int>& border,
                                       juce::ResizableWindow& window) override;
    void drawResizableWindowBorder(juce::Graphics& g, int w, int h, const juce::BorderSize<int>& border,
                                   juce::ResizableWindow& window) override;
};
