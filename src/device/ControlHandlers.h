#pragma once

#include "panel/MainComponent.h"

// Turn what the user does on the panel into block changes and messages to the
// device. All three run on the message thread and tell controls apart by name.

class MainComponent::sliderListener final : public juce::Slider::Listener
{
public:
    explicit sliderListener(MainComponent* ownerToUse) : owner(ownerToUse) {}
    ~sliderListener() override = default;

    void sliderValueChanged(juce::Slider* slider) override;

    MainComponent* owner = nullptr;
    MidiOutputPort* output = nullptr;
};

class MainComponent::labelListener final : public juce::Label::Listener
{
public:
    explicit labelListener(MainComponent* ownerToUse) : owner(ownerToUse) {}
    ~labelListener() override = default;

    void labelTextChanged(juce::Label* label) override;

    MainComponent* owner = nullptr;
    MidiOutputPort* output = nullptr;
};

class MainComponent::btnListener final : public juce::Button::Listener
{
public:
    explicit btnListener(MainComponent* ownerToUse) : owner(ownerToUse) {}
    ~btnListener() override = default;

    void buttonClicked(juce::Button* button) override;

    q5::SourceBlock sourceBlock = q5::initialSourceBlock;
    MainComponent* owner = nullptr;
    MidiOutputPort* output = nullptr;
    bool connected = false;
};

namespace q5
{
// Level messages go out as a one-event block, as the device expects them.
void sendLevel(MidiOutputPort* output, const LevelBlock& block);
void sendSource(MidiOutputPort* output, const SourceBlock& block);
} // namespace q5
