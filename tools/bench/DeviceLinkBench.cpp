// The device link's costs on the real panel against the virtual Q5: a knob
// change to the bytes handed to the output, the device's messages until the
// controls show them, and one monitor tick.

#include "device/ControlHandlers.h"
#include "panel/MainComponent.h"
#include "testing/VirtualQ5.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace
{
using Clock = std::chrono::steady_clock;

struct LinkedPanel
{
    explicit LinkedPanel(int unrelatedDevices = 0)
    {
        bus.plug(q5);
        for (int i = 0; i < unrelatedDevices; ++i)
            bus.plug(std::make_shared<VirtualMidiDevice>("Synth " + juce::String(i + 1)));
        panel = std::make_unique<MainComponent>(bus);
        // Ticks are driven by hand from here on.
        panel->stopTimer();
        for (int i = 0; i < 20 && (panel->midiOutput == nullptr || panel->monitorState != 0); ++i)
            panel->timerCallback();
        bus.waitUntilDelivered();
        pump();
    }

    ~LinkedPanel() { panel.reset(); }

    // Dispatches whatever is pending on the message thread.
    static void pump()
    {
        for (int i = 0; i < 100; ++i)
            juce::MessageManager::getInstance()->runDispatchLoopUntil(0);
    }

    VirtualMidiBus bus;
    std::shared_ptr<VirtualQ5> q5 = std::make_shared<VirtualQ5>();
    std::unique_ptr<MainComponent> panel;
};

void knobChangeToOutput(benchmark::State& state)
{
    LinkedPanel rig;
    auto& slider = *rig.panel->gainSlider;
    double value = 0.0;
    for (auto _ : state)
    {
        value = value >= 25.0 ? 0.0 : value + 0.1;
        slider.setValue(value, juce::sendNotificationSync);
    }
    const auto sent = rig.q5->getReceived().size();
    if (sent < static_cast<size_t>(state.iterations()))
        state.SkipWithError("not every change reached the device");
}

// The device sends level messages at a steady 10,000 a second, each carrying
// its sequence number in the output-level bytes; the message thread spins and
// notes when each number shows up in the panel.
void incomingToControls(benchmark::State& state)
{
    constexpr int messages = 5000;
    LinkedPanel rig;
    std::vector<double> latencies;

    for (auto _ : state)
    {
        std::vector<Clock::time_point> sentAt(messages + 1);
        std::atomic<int> sentCount{0};
        std::thread device([&] {
            auto next = Clock::now();
            for (int seq = 1; seq <= messages; ++seq)
            {
                std::this_thread::sleep_until(next);
                next += std::chrono::microseconds(100);
                sentAt[static_cast<size_t>(seq)] = Clock::now();
                sentCount.store(seq, std::memory_order_release);
                rig.q5->send(VirtualQ5::levelMessage(seq % 260, seq, 0));
            }
        });

        int shown = 0;
        const auto& block = rig.panel->parameterBlock;
        while (shown < messages)
        {
            juce::MessageManager::getInstance()->runDispatchLoopUntil(0);
            const int now = block[q5::output12LevelHigh] << 7 | block[q5::output12LevelLow];
            if (now > shown && now <= sentCount.load(std::memory_order_acquire))
            {
                const auto at = Clock::now();
                for (int seq = shown + 1; seq <= now; ++seq)
                    latencies.push_back(
                        std::chrono::duration<double, std::micro>(at - sentAt[static_cast<size_t>(seq)]).count());
                shown = now;
            }
        }
        device.join();
    }

    std::sort(latencies.begin(), latencies.end());
    state.counters["median_us"] = latencies[latencies.size() / 2];
    state.counters["p99_us"] = latencies[latencies.size() * 99 / 100];
    state.counters["max_us"] = latencies.back();
}

void monitorTick(benchmark::State& state)
{
    LinkedPanel rig(static_cast<int>(state.range(0)));
    if (rig.panel->midiOutput == nullptr)
        state.SkipWithError("not connected");
    for (auto _ : state)
        rig.panel->timerCallback();
}
} // namespace

BENCHMARK(knobChangeToOutput);
BENCHMARK(incomingToControls)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(monitorTick)->Arg(0)->Arg(16);
