// Feeds arbitrary byte strings to the panel as the device's messages, through
// the real incoming path, and checks after every input that the blocks and
// controls changed only as the take-over rules allow.
//
// Input: a sequence of chunks [kind byte][bytes...]. An even kind makes a
// SysEx message from the next (kind / 2) bytes as data, whatever they are; an
// odd one makes a short message from a status byte and its data bytes.

#include "device/ControlHandlers.h"
#include "device/IncomingMessages.h"
#include "panel/MainComponent.h"
#include "testing/VirtualMidiBus.h"

#include <cstdio>
#include <cstdlib>

namespace
{
struct Expected
{
    q5::LevelBlock level = q5::initialLevelBlock;
    q5::SourceBlock source = q5::initialSourceBlock;
    double slider = 0.0;
    juce::String label = "30";
    bool lineOn = false, instOn = false;

    void take(const juce::MidiMessage& m)
    {
        if (! m.isSysEx() || m.getSysExDataSize() < 4)
            return;
        const auto* d = m.getSysExData();
        const auto n = m.getSysExDataSize();
        if (d[3] == 0x22 && n >= 12)
        {
            for (int i = 0; i < 12; ++i)
                if (i != 4)
                    level[static_cast<size_t>(i)] = d[i];
            const auto value = (d[6] * 128 + d[7]) / 10.0;
            slider = juce::jlimit(0.0, 26.0, std::round(value * 10.0) / 10.0);
            label = juce::String(value);
        }
        else if (d[3] == 0x21 && n >= 11)
        {
            for (int i = 0; i < 11; ++i)
                if (i != 4)
                    source[static_cast<size_t>(i)] = d[i];
            lineOn = d[6] == 0;
            instOn = d[6] != 0;
        }
    }
};

void check(bool ok, const char* what)
{
    if (! ok)
    {
        std::fprintf(stderr, "rule broken: %s\n", what);
        std::abort();
    }
}

struct Rig
{
    Rig()
    {
        panel = std::make_unique<MainComponent>(bus);
        panel->stopTimer();
        panel->midiCallback->owner = panel.get();
        panel->midiCallback->enabled = true;
    }

    VirtualMidiBus bus;
    std::unique_ptr<MainComponent> panel;
};

Rig* rig = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Kept for the life of the process: libFuzzer may leave through exit()
    // from anywhere, and JUCE must not be torn down under a running input.
    static auto* const gui = new juce::ScopedJuceInitialiser_GUI();
    juce::ignoreUnused(gui);
    rig = new Rig();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    auto& panel = *rig->panel;
    panel.parameterBlock = q5::initialLevelBlock;
    panel.buttonHandler->sourceBlock = q5::initialSourceBlock;
    panel.gainSlider->setValue(0.0, juce::dontSendNotification);
    panel.gainLabel->setText("30", juce::dontSendNotification);
    panel.lineInButton->setToggleState(false, juce::dontSendNotification);
    panel.instButton->setToggleState(false, juce::dontSendNotification);

    Expected expected;
    size_t pos = 0;
    while (pos < size)
    {
        const auto kind = data[pos++];
        juce::MidiMessage message;
        if ((kind & 1) == 0)
        {
            const auto n = std::min<size_t>(kind / 2u, size - pos);
            message = juce::MidiMessage::createSysExMessage(data + pos, static_cast<int>(n));
            pos += n;
        }
        else
        {
            // A short message as a MIDI service would frame it: a status
            // byte and its data bytes. A lone 0xF0 is one of them.
            if (pos >= size)
                break;
            std::uint8_t raw[3]{static_cast<std::uint8_t>(data[pos++] | 0x80), 0, 0};
            const auto length = juce::MidiMessage::getMessageLengthFromFirstByte(raw[0]);
            for (int i = 1; i < length && i < 3; ++i)
                raw[i] = pos < size ? static_cast<std::uint8_t>(data[pos++] & 0x7F) : 0;
            message = juce::MidiMessage(raw, std::min(length, 3));
        }

        // As the MIDI thread would, then as the message thread would.
        panel.midiCallback->handleIncomingMidiMessage(nullptr, message);
        expected.take(message);
    }
    panel.midiCallback->applyPending();

    check(panel.parameterBlock == expected.level, "level block");
    check(panel.buttonHandler->sourceBlock == expected.source, "source block");
    check(panel.parameterBlock[4] == 0 && panel.buttonHandler->sourceBlock[4] == 0, "byte 4");
    check(panel.mutedBlock == q5::initialLevelBlock, "muted block");
    check(panel.hpMuteState == 0 && ! panel.hpMuteButton->getToggleState(), "mute untouched");
    check(std::abs(panel.gainSlider->getValue() - expected.slider) < 1.0e-9, "knob");
    check(panel.gainLabel->getText() == expected.label, "read-out");
    check(panel.lineInButton->getToggleState() == expected.lineOn, "line in button");
    check(panel.instButton->getToggleState() == expected.instOn, "inst button");
    return 0;
}
