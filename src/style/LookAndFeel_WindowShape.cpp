#include "style/LookAndFeel_WindowShape.h"

// Both fills are fully transparent and blend to nothing; they stand for the
// window's outline without ever changing a pixel.

void LookAndFeel_WindowShape::fillResizableWindowBackground(juce::Graphics& g, int, int,
                                                            const juce::BorderSize<int>&,
                                                            juce::ResizableWindow&)
{
    g.setColour(juce::Colours::transparentWhite);
    g.fillAll();
}

void LookAndFeel_WindowShape::drawResizableWindowBorder(juce::Graphics& g, int, int,
                                                        const juce::BorderSize<int>&,
                                                        juce::ResizableWindow& window)
{
    g.setColour(juce::Colours::transparentWhite);
    g.fillRoundedRectangle(0.0f, 0.0f, static_cast<float>(window.getWidth()),
                           static_cast<float>(window.getHeight()), 40.0f);
}
