#pragma once

#include "TestSupport.h"

#include "device/ControlHandlers.h"
#include "device/IncomingMessages.h"
#include "panel/MainComponent.h"
#include "testing/VirtualQ5.h"

#include <gtest/gtest.h>

#include <vector>

namespace testsupport
{
using Bytes = std::vector<int>;

inline Bytes bytesOf(const juce::MidiMessage& message)
{
    const auto* raw = message.getRawData();
    return {raw, raw + message.getRawDataSize()};
}

// The real panel on the virtual bus with a virtual Q5 beside it. The panel
// goes first on teardown: it holds ports of the bus.
struct PanelRig
{
    explicit PanelRig(bool plugged = true)
    {
        if (plugged)
            bus.plug(q5);
        panel = std::make_unique<MainComponent>(bus);
    }

    ~PanelRig() { panel.reset(); }

    // Waits for the panel's timer to run the given number of ticks: every
    // tick lists the input devices exactly once.
    void ticks(int count)
    {
        const auto target = bus.getNumListings() + count;
        ASSERT_TRUE(runUntil([&] { return bus.getNumListings() >= target; }, 200 * count + 1000));
        // What the device answered during those ticks has reached the panel.
        bus.waitUntilDelivered();
        runFor(5);
    }

    // On screen, as in the app, for what needs keyboard focus or real clicks.
    void showOnDesktop()
    {
        panel->addToDesktop(0);
        panel->setTopLeftPosition({100, 100});
        panel->setVisible(true);
        ASSERT_TRUE(runUntil([&] { return panel->isShowing(); }));
    }

    bool portsOpen() const { return panel->midiInput != nullptr || panel->midiOutput != nullptr; }

    // Connected, fade finished, answer to the connect message applied.
    void waitUntilSettled()
    {
        ASSERT_TRUE(runUntil(
            [&] {
                return panel->midiInput != nullptr && panel->midiOutput != nullptr &&
                       panel->monitorState == 0;
            }));
        ticks(1);
    }

    std::vector<Bytes> received() const
    {
        std::vector<Bytes> all;
        for (const auto& message : q5->getReceived())
            all.push_back(bytesOf(message));
        return all;
    }

    // Sends from the device's MIDI thread and waits until the panel applied it.
    void deviceSends(const juce::MidiMessage& message)
    {
        q5->send(message);
        bus.waitUntilDelivered();
        runFor(10);
    }

    bool controlsEnabled() const
    {
        return panel->lineInButton->isEnabled() && panel->instButton->isEnabled() &&
               panel->gainSlider->isEnabled();
    }

    bool controlsDisabled() const
    {
        return !panel->lineInButton->isEnabled() && !panel->instButton->isEnabled() &&
               !panel->gainSlider->isEnabled();
    }

    VirtualMidiBus bus;
    std::shared_ptr<VirtualQ5> q5 = std::make_shared<VirtualQ5>();
    std::unique_ptr<MainComponent> panel;
};

// A level message as the device receives it, levels in tenths.
inline Bytes levelBytes(int input12, int output12 = 0, int output34 = 0)
{
    return {0xF0,
            0x00,
            0x30,
            0x13,
            0x22,
            0x00,
            0x06,
            (input12 >> 7) & 0x7F,
            input12 & 0x7F,
            (output12 >> 7) & 0x7F,
            output12 & 0x7F,
            (output34 >> 7) & 0x7F,
            output34 & 0x7F,
            0xF7};
}

inline Bytes sourceBytes(int inst, int line, int pad = 0)
{
    return {0xF0, 0x00, 0x30, 0x13, 0x21, 0x00, 0x05, inst, line, pad, 0x00, 0x00, 0xF7};
}

inline const Bytes connectBytes{0xF0, 0x00, 0x30, 0x13, 0x00, 0x00, 0x00, 0xF7};
} // namespace testsupport
