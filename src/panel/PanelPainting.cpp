// The panel's own layer under its children: the dark body and the drawings.

#include "panel/MainComponent.h"

#include <BinaryData.h>

namespace
{
void drawStretched(juce::Graphics& g, const char* data, int size, juce::Rectangle<int> area)
{
    if (auto drawable = juce::Drawable::createFromImageData(data, static_cast<size_t>(size)))
    {
        drawable->setTransformToFit(area.toFloat(), juce::RectanglePlacement::stretchToFit);
        drawable->draw(g, 1.0f);
    }
}
} // namespace

void MainComponent::paint(juce::Graphics& g)
{
    if (auto* editor = gainLabel->getCurrentTextEditor())
        editor->setInputFilter(this, false);

    if (bodyEllipses.size() < 7)
        return;

    for (std::size_t i = 0; i < 7; ++i)
    {
        g.setColour(bodyColours[i]);
        g.fillEllipse(bodyEllipses[i].toFloat());
    }

    drawStretched(g, BinaryData::svg_Title_svg, BinaryData::svg_Title_svgSize, {338, 86, 108, 40});
    drawStretched(g, BinaryData::svg_Setting_svg, BinaryData::svg_Setting_svgSize, {414, 55, 17, 15});
    if (hpMuteState != 0)
        drawStretched(g, BinaryData::svg_HeadsetMuted_svg, BinaryData::svg_HeadsetMuted_svgSize,
                      {282, 215, 17, 17});
    else
        drawStretched(g, BinaryData::svg_Headset_svg, BinaryData::svg_Headset_svgSize, {282, 215, 17, 17});
}
