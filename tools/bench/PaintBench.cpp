// What the panel costs to paint with the software renderer, as the X11 peer
// does it: clear the dirty area of the window image, then paint every
// component over it, clipped to that area.

#include "panel/MainComponent.h"
#include "testing/VirtualMidiBus.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace
{
// The panel as the user mostly sees it: connected, veil gone, controls on.
struct ConnectedPanel
{
    ConnectedPanel()
    {
        panel->disconnectOverlay->setVisible(false);
        panel->disconnectBanner->setVisible(false);
    }

    ~ConnectedPanel() { panel.reset(); }

    VirtualMidiBus bus;
    std::unique_ptr<MainComponent> panel = std::make_unique<MainComponent>(bus);
};

enum class Drawings
{
    parsedOnce,
    parsedEveryPaint
};

void repaint(MainComponent& panel, juce::Image& image, juce::Rectangle<int> area, Drawings drawings)
{
    // Dropping the parsed drawings makes the next paint parse them again,
    // as painting without a cache would.
    if (drawings == Drawings::parsedEveryPaint)
        panel.parsedDrawings.clear();

    image.clear(area);
    juce::Graphics g(image);
    g.reduceClipRegion(area);
    panel.paintEntireComponent(g, false);
}

void fullRepaint(benchmark::State& state, Drawings drawings)
{
    ConnectedPanel rig;
    juce::Image image(juce::Image::ARGB, MainComponent::panelWidth, MainComponent::panelHeight, true,
                      juce::SoftwareImageType());

    for (auto _ : state)
    {
        repaint(*rig.panel, image, image.getBounds(), drawings);
        benchmark::ClobberMemory();
    }
}

void knobTurnRepaint(benchmark::State& state, Drawings drawings)
{
    ConnectedPanel rig;
    auto& slider = *rig.panel->gainSlider;
    juce::Image image(juce::Image::ARGB, MainComponent::panelWidth, MainComponent::panelHeight, true,
                      juce::SoftwareImageType());
    repaint(*rig.panel, image, image.getBounds(), Drawings::parsedOnce);

    double value = 0.0;
    for (auto _ : state)
    {
        // A turn writes the read-out too; both lie inside the slider's area.
        value = value >= 26.0 ? 0.0 : value + 0.1;
        slider.setValue(value, juce::sendNotificationSync);
        repaint(*rig.panel, image, slider.getBounds(), drawings);
        benchmark::ClobberMemory();
    }
}

bool menuOpenedBefore = false;

// Opens the real settings menu and times its first paint, taken before the
// desktop gets to paint it. Each paint of an item loads the menu face anew.
void settingsMenuFirstPaint(benchmark::State& state, bool firstInProcess)
{
    if (firstInProcess && menuOpenedBefore)
    {
        state.SkipWithError("the menu was opened before in this run");
        return;
    }
    menuOpenedBefore = true;

    ConnectedPanel rig;
    auto& desktop = juce::Desktop::getInstance();
    const auto windowsBefore = desktop.getNumComponents();

    for (auto _ : state)
    {
        rig.panel->buttonClicked(rig.panel->settingButton.get());
        auto* menu = juce::Component::getCurrentlyModalComponent();
        if (menu == nullptr)
        {
            state.SkipWithError("the settings menu did not open");
            break;
        }

        const auto start = std::chrono::steady_clock::now();
        auto picture = menu->createComponentSnapshot(menu->getLocalBounds(), true, 1.0f);
        const auto stop = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(picture.getPixelAt(0, 0));
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());

        // The closed menu window goes away asynchronously.
        juce::PopupMenu::dismissAllActiveMenus();
        const auto giveUp = juce::Time::getMillisecondCounter() + 2000;
        while (desktop.getNumComponents() > windowsBefore && juce::Time::getMillisecondCounter() < giveUp)
            juce::MessageManager::getInstance()->runDispatchLoopUntil(1);
    }
}
} // namespace

BENCHMARK_CAPTURE(fullRepaint, parsedOnce, Drawings::parsedOnce)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fullRepaint, parsedEveryPaint, Drawings::parsedEveryPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(knobTurnRepaint, parsedOnce, Drawings::parsedOnce)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(knobTurnRepaint, parsedEveryPaint, Drawings::parsedEveryPaint)
    ->Unit(benchmark::kMicrosecond);
// The very first paint also renders the menu face's glyphs for the first
// time; later openings find them in the renderer's glyph cache.
BENCHMARK_CAPTURE(settingsMenuFirstPaint, firstOpening, true)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(settingsMenuFirstPaint, laterOpenings, false)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
