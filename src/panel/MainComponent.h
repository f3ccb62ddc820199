#pragma once

#include "device/MidiPorts.h"
#include "device/Protocol.h"
#include "panel/StateButton.h"

#include <juce_gui_extra/juce_gui_extra.h>

#include <memory>
#include <vector>

class TrayIcon;
class LoginItemThread;
class kova7_button;

// The whole visible panel: 580 by 300 pixels of fixed layout. Its state is
// public because the shell, the device link and the painting each work on
// their own part of it; the nested listener classes live in src/device/.
class MainComponent : public juce::Component,
                      public juce::Timer,
                      public juce::TextEditor::InputFilter,
                      public juce::Button::Listener
{
public:
    // Uses the operating system's MIDI service.
    MainComponent();
    // Uses the given MIDI ports, which must outlive the panel.
    explicit MainComponent(MidiPortLayer& ports);
    ~MainComponent() override;

    void mouseDoubleClick(const juce::MouseEvent& event) override;
    void paint(juce::Graphics& g) override;
    void resized() override;
    void timerCallback() override;
    void buttonClicked(juce::Button* button) override;
    juce::String filterNewText(juce::TextEditor& editor, const juce::String& newInput) override;
    bool keyPressed(const juce::KeyPress& key) override;
    std::unique_ptr<juce::ComponentTraverser> createFocusTraverser() override;
    std::unique_ptr<juce::ComponentTraverser> createKeyboardFocusTraverser() override;

    // Whether the mouse could reach the control: not under the veil.
    bool isReachable(const juce::Component& control) const;

    class sliderListener;
    class btnListener;
    class labelListener;
    class myCallback;

    static constexpr int panelWidth = 580;
    static constexpr int panelHeight = 300;
    static constexpr int timerIntervalMs = 40;

    std::unique_ptr<TrayIcon> trayIcon;
    int hpMuteState = 0;
    int launchAtLogin = 0;
    std::unique_ptr<juce::ImageComponent> backgroundImage;
    std::unique_ptr<juce::ImageComponent> disconnectBanner;
    std::unique_ptr<juce::ImageComponent> disconnectOverlay;
    std::unique_ptr<juce::ImageComponent> knobImage;
    std::vector<juce::Colour> bodyColours;
    std::vector<juce::Rectangle<int>> bodyEllipses;
    std::vector<std::unique_ptr<juce::Drawable>> parsedDrawings; // filled by the first paint
    MidiPortLayer& midiPorts;
    std::unique_ptr<MidiInputPort> midiInput;
    std::unique_ptr<MidiOutputPort> midiOutput;
    // No real device count is negative, so the first tick scans at once.
    int lastDeviceCount = -1;
    int monitorState = 0;
    // Declared before the controls it listens to, so it outlives them.
    std::unique_ptr<juce::KeyListener> keys;
    std::unique_ptr<StateButton> lineInButton;
    std::unique_ptr<StateButton> instButton;
    std::unique_ptr<juce::Slider> gainSlider;
    std::unique_ptr<juce::Label> gainLabel;
    std::unique_ptr<juce::TextButton> sliderButton;
    std::unique_ptr<StateButton> hpMuteButton;
    std::unique_ptr<juce::TextButton> settingButton;
    std::unique_ptr<juce::ImageButton> closeButton;
    std::unique_ptr<juce::ImageButton> minButton;
    std::unique_ptr<myCallback> midiCallback;
    std::unique_ptr<btnListener> buttonHandler;
    std::unique_ptr<sliderListener> sliderHandler;
    std::unique_ptr<labelListener> labelHandler;
    std::unique_ptr<kova7_button> customLookAndFeel;
    q5::LevelBlock parameterBlock = q5::initialLevelBlock;
    q5::LevelBlock mutedBlock = q5::initialLevelBlock;
    std::unique_ptr<LoginItemThread> loginItemThread;

private:
    void createChildren();
    void makeAccessible();
    void showSettingsMenu(juce::Button& button);
    void settingsMenuItemChosen(int itemId);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MainComponent)
};
