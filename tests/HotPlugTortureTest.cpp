// Thousands of random ticks of plugging, unplugging, renaming, failing opens,
// a flooding device and a user at the knob, with the monitor's invariants
// checked after every tick.

#include "PanelRig.h"

#include <random>
#include <thread>

namespace
{
const juce::String pattern{"Velmora Q5"};
const char* const q5Names[]{"Velmora Q5", "Velmora Q5 MIDI 1", "Studio Velmora Q5 Port", "Other Interface"};

// The flood's messages carry their number in the three header bytes, which
// the panel takes over as they are: byte 0 has 0x40 set, so a number never
// looks like the device's own header, which its answers to the connect
// message carry.
juce::MidiMessage numbered(int seq)
{
    const std::uint8_t data[]{static_cast<std::uint8_t>(0x40 | (seq >> 14 & 0x3F)),
                              static_cast<std::uint8_t>(seq >> 7 & 0x7F),
                              static_cast<std::uint8_t>(seq & 0x7F),
                              q5::levelType,
                              0x00,
                              0x06,
                              0x00,
                              static_cast<std::uint8_t>(seq % 100),
                              0,
                              0,
                              0,
                              0};
    return juce::MidiMessage::createSysExMessage(data, static_cast<int>(sizeof(data)));
}

// The number of the flood message applied last, or -1 if the last was not one.
int sequenceIn(const q5::LevelBlock& block)
{
    if ((block[0] & 0x40) == 0)
        return -1;
    return (block[0] & 0x3F) << 14 | block[1] << 7 | block[2];
}
} // namespace

TEST(HotPlugTorture, InvariantsHoldAfterEveryTick)
{
    std::mt19937 random(20261211);
    const auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };

    VirtualMidiBus bus;
    auto q5 = std::make_shared<VirtualQ5>();
    std::vector<std::shared_ptr<VirtualMidiDevice>> others;
    for (int i = 0; i < 4; ++i)
        others.push_back(std::make_shared<VirtualMidiDevice>("Synth " + juce::String(i), i != 1, i != 2));

    MainComponent panel(bus);
    panel.stopTimer(); // ticks come from the loop below

    // The device floods the panel from its own thread with numbered level
    // messages (the number in the output 1/2 bytes, which the panel keeps).
    std::atomic<bool> flooding{true};
    std::atomic<int> lastFlooded{0};
    std::thread device([&] {
        for (int seq = 1; flooding; ++seq)
        {
            q5->send(numbered(seq));
            lastFlooded = seq;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });

    int previousSequence = 0;
    for (int tick = 0; tick < 3000; ++tick)
    {
        SCOPED_TRACE("tick " + std::to_string(tick));

        if (chance(4))
            bus.isPlugged(*q5) ? bus.unplug(q5) : bus.plug(q5);
        if (chance(3))
        {
            auto& other = others[random() % others.size()];
            bus.isPlugged(*other) ? bus.unplug(other) : bus.plug(other);
        }
        if (chance(2))
            q5->setName(q5Names[random() % 4]);
        q5->failInputOpens = chance(10);
        q5->failOutputOpens = chance(10);
        if (chance(5) && panel.gainSlider->isEnabled())
            panel.gainSlider->setValue(static_cast<double>(random() % 261) / 10.0, juce::sendNotificationSync);

        panel.timerCallback();
        for (int i = 0; i < 3; ++i)
            juce::MessageManager::getInstance()->runDispatchLoopUntil(0);

        // Ports come in pairs that both match, or not at all.
        ASSERT_EQ(panel.midiInput == nullptr, panel.midiOutput == nullptr);
        ASSERT_EQ(bus.getNumOpenInputs(), panel.midiInput != nullptr ? 1 : 0);
        ASSERT_EQ(bus.getNumOpenOutputs(), panel.midiOutput != nullptr ? 1 : 0);
        if (panel.midiInput != nullptr)
        {
            ASSERT_TRUE(panel.midiInput->getName().contains(pattern));
            ASSERT_TRUE(panel.midiOutput->getName().contains(pattern));
        }

        // No handler keeps an output that is gone.
        for (auto* output : {panel.sliderHandler->output, panel.labelHandler->output, panel.buttonHandler->output})
        {
            ASSERT_EQ(output, panel.midiOutput.get());
        }

        // Once the fade is over and no scan is pending, the controls are
        // enabled exactly while connected.
        if (panel.monitorState == 0 && panel.lastDeviceCount == bus.getInputDevices().size())
        {
            ASSERT_EQ(panel.gainSlider->isEnabled(), panel.midiOutput != nullptr);
        }

        // One connect message for every opening of the device's output.
        bus.waitUntilDelivered();
        ASSERT_EQ(q5->getNumConnectMessages(), q5->outputOpens.load());

        // What the device sent arrives in order.
        if (const auto sequence = sequenceIn(panel.parameterBlock); sequence >= 0)
        {
            ASSERT_GE(sequence, previousSequence);
            previousSequence = sequence;
        }
    }

    // Settle connected, then nothing the device sent is missing at the end.
    flooding = false;
    device.join();
    q5->failInputOpens = false;
    q5->failOutputOpens = false;
    q5->setName("Velmora Q5");
    if (! bus.isPlugged(*q5))
        bus.plug(q5);
    bus.plug(std::make_shared<VirtualMidiDevice>("Late Synth"));
    for (int i = 0; i < 40 && (panel.midiInput == nullptr || panel.monitorState != 0); ++i)
        panel.timerCallback();
    ASSERT_NE(panel.midiInput, nullptr);

    const auto last = lastFlooded + 1000;
    for (int seq = last - 99; seq <= last; ++seq)
        q5->send(numbered(seq));
    bus.waitUntilDelivered();
    testsupport::runUntil([&] { return sequenceIn(panel.parameterBlock) == last; });
    EXPECT_EQ(sequenceIn(panel.parameterBlock), last);
}
