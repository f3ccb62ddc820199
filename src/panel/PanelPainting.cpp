// The panel's own layer under its children: the dark body and the drawings.

#include "panel/MainComponent.h"

#include <BinaryData.h>

#include <array>

namespace
{
enum Drawing
{
    title,
    gear,
    headset,
    headsetMuted,
    numDrawings
};

struct DrawingSource
{
    const char* data;
    int size;
    juce::Rectangle<int> area;
};

DrawingSource sourceOf(Drawing drawing)
{
    // The gear and the headphones lie exactly under their caption-less buttons.
    const std::array<DrawingSource, numDrawings> sources{{
        {BinaryData::svg_Title_svg, BinaryData::svg_Title_svgSize, {338, 86, 108, 40}},
        {BinaryData::svg_Setting_svg, BinaryData::svg_Setting_svgSize, {414, 55, 17, 15}},
        {BinaryData::svg_Headset_svg, BinaryData::svg_Headset_svgSize, {282, 215, 17, 17}},
        {BinaryData::svg_HeadsetMuted_svg, BinaryData::svg_HeadsetMuted_svgSize, {282, 215, 17, 17}},
    }};
    return sources[static_cast<std::size_t>(drawing)];
}

// Parsing an SVG costs far more than drawing it, and a knob turn repaints
// this layer many times a second: each drawing is parsed and fitted once.
const juce::Drawable& parsed(std::vector<std::unique_ptr<juce::Drawable>>& cache, Drawing drawing)
{
    if (cache.size() < numDrawings)
        cache.resize(numDrawings);

    auto& slot = cache[static_cast<std::size_t>(drawing)];

    if (slot == nullptr)
    {
        const auto source = sourceOf(drawing);
        slot = juce::Drawable::createFromImageData(source.data, static_cast<size_t>(source.size));

        // Something that does not parse draws nothing, and is not tried again.
        if (slot == nullptr)
            slot = std::make_unique<juce::DrawableComposite>();

        slot->setTransformToFit(source.area.toFloat(), juce::RectanglePlacement::stretchToFit);
    }

    return *slot;
}
} // namespace

void MainComponent::paint(juce::Graphics& g)
{
    if (auto* editor = gainLabel->getCurrentTextEditor())
        editor->setInputFilter(this, false);

    constexpr std::size_t bodyParts = 7;

    if (bodyEllipses.size() < bodyParts || bodyColours.size() < bodyParts)
        return;

    // Same opaque colour each time, so the overlaps merge into one shape.
    for (std::size_t i = 0; i < bodyParts; ++i)
    {
        g.setColour(bodyColours[i]);
        g.fillEllipse(bodyEllipses[i].toFloat());
    }

    parsed(parsedDrawings, title).draw(g, 1.0f);
    parsed(parsedDrawings, gear).draw(g, 1.0f);
    parsed(parsedDrawings, hpMuteState != 0 ? headsetMuted : headset).draw(g, 1.0f);
}
