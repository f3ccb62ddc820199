#include "device/ControlHandlers.h"

#include "shell/AppVisibility.h"

namespace
{
constexpr double maximumGain = 26.0;

void storeLevel(q5::LevelBlock& block, int highByte, double level)
{
    const auto [high, low] = q5::encodeLevel(level);
    block[static_cast<std::size_t>(highByte)] = high;
    block[static_cast<std::size_t>(highByte) + 1] = low;
}

juce::ResizableWindow* mainWindowOf(juce::Component& control)
{
    if (auto* panel = control.getParentComponent())
        return dynamic_cast<juce::ResizableWindow*>(panel->getParentComponent());
    return nullptr;
}
} // namespace

namespace q5
{
void sendLevel(MidiOutputPort* output, const LevelBlock& block)
{
    if (output == nullptr)
        return;

    juce::MidiBuffer buffer;
    buffer.addEvent(makeLevelMessage(block), 0);
    output->sendBlockOfMessagesNow(buffer);
}

void sendSource(MidiOutputPort* output, const SourceBlock& block)
{
    if (output != nullptr)
        output->sendMessageNow(makeSourceMessage(block));
}
} // namespace q5

void MainComponent::sliderListener::sliderValueChanged(juce::Slider* slider)
{
    const auto name = slider->getName();
    const auto value = slider->getValue();
    auto& block = owner->parameterBlock;

    if (name == "input1/2")
        storeLevel(block, q5::inputLevelHigh, value);
    else if (name == "output1/2")
        storeLevel(block, q5::output12LevelHigh, value);
    else if (name == "output3/4")
        storeLevel(block, q5::output34LevelHigh, value);

    owner->gainLabel->setText(juce::String(value), juce::dontSendNotification);

    if (output != nullptr && owner->hpMuteState != 1)
        q5::sendLevel(output, block);
}

void MainComponent::labelListener::labelTextChanged(juce::Label* label)
{
    auto text = label->getText();

    if (text.getDoubleValue() > maximumGain)
        text = juce::String(maximumGain);

    if (text.startsWithChar('.'))
    {
        if (text == ".")
            text = {};
        text = "0" + text;
    }

    label->setText(text, juce::dontSendNotification);

    const auto level = text.getDoubleValue();
    owner->gainSlider->setValue(level, juce::dontSendNotification);
    // The typed value, not the slider's snapped one, goes to the device.
    storeLevel(owner->parameterBlock, q5::inputLevelHigh, level);

    if (output != nullptr && owner->hpMuteState != 1)
        q5::sendLevel(output, owner->parameterBlock);
}

void MainComponent::btnListener::buttonClicked(juce::Button* button)
{
    button->setToggleState(!button->getToggleState(), juce::dontSendNotification);

    const auto name = button->getName();

    if (connected)
    {
        const bool on = button->getToggleState();
        const auto flag = [](bool set) { return static_cast<std::uint8_t>(set ? 1 : 0); };

        if (name == "inst")
        {
            owner->lineInButton->setToggleState(!on, juce::dontSendNotification);
            sourceBlock[q5::instFlag] = flag(on);
            sourceBlock[q5::lineFlag] = flag(!on);
            q5::sendSource(output, sourceBlock);
        }
        else if (name == "line in")
        {
            owner->instButton->setToggleState(!on, juce::dontSendNotification);
            sourceBlock[q5::instFlag] = flag(!on);
            sourceBlock[q5::lineFlag] = flag(on);
            q5::sendSource(output, sourceBlock);
        }
        else if (name == "pad")
        {
            sourceBlock[q5::padFlag] = flag(on);
            q5::sendSource(output, sourceBlock);
        }
        else if (name.equalsIgnoreCase("btn_HPMute"))
        {
            q5::sendLevel(output, on ? owner->mutedBlock : owner->parameterBlock);
        }
    }

    if (name == "close")
    {
        if (auto* window = mainWindowOf(*button))
        {
            // Without a tray icon nothing could bring a hidden panel back.
            if (owner->trayIcon != nullptr)
                AppVisibility::hideApplication(*window);
            else
                window->setMinimised(true);
        }
    }
    else if (name == "min")
    {
        if (auto* window = mainWindowOf(*button))
            window->setMinimised(true);
    }
}
