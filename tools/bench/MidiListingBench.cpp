// What a tick's device listing costs: the framework's listing, as the panel
// once took it 25 times a second, against the panel's own ports, which list
// again only when the system's ports changed.

#include "device/SystemMidiPorts.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace
{
using Clock = std::chrono::steady_clock;

void midiListingPerTick(benchmark::State& state)
{
    SystemMidiPorts::silenceSystemMidiErrors();
    auto& ports = SystemMidiPorts::instance();
    std::chrono::duration<double, std::micro> framework{}, panel{};

    for (auto _ : state)
    {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(juce::MidiInput::getAvailableDevices());
        benchmark::DoNotOptimize(juce::MidiOutput::getAvailableDevices());
        const auto middle = Clock::now();
        benchmark::DoNotOptimize(ports.getInputDevices());
        benchmark::DoNotOptimize(ports.getOutputDevices());
        const auto end = Clock::now();
        framework += middle - start;
        panel += end - middle;
    }

    const auto ticks = static_cast<double>(state.iterations());
    state.counters["framework_us"] = framework.count() / ticks;
    state.counters["panel_us"] = panel.count() / ticks;
    state.counters["framework_over_panel"] = framework.count() / panel.count();
}
} // namespace

BENCHMARK(midiListingPerTick)->Iterations(2000);
