#include "panel/MainComponent.h"

#include "device/ControlHandlers.h"
#include "device/IncomingMessages.h"
#include "device/SystemMidiPorts.h"
#include "shell/LoginItemThread.h"
#include "shell/LoginItems.h"
#include "shell/TrayIcon.h"
#include "style/kova7_button.h"

#include <BinaryData.h>

namespace
{
const juce::Colour greyText{0xFF808080};
const juce::Colour orange{0xFFFFA500};

juce::Image picture(const char* data, int size)
{
    return juce::ImageCache::getFromMemory(data, size);
}

std::unique_ptr<juce::ImageComponent> makePicture(const juce::String& name, const juce::Image& image,
                                                  juce::Rectangle<int> bounds)
{
    auto component = std::make_unique<juce::ImageComponent>(name);
    component->setImage(image);
    component->setBounds(bounds);
    return component;
}

std::unique_ptr<juce::ImageButton> makeGlyphButton(const juce::String& name, const juce::Image& image,
                                                   juce::Rectangle<int> bounds)
{
    auto button = std::make_unique<juce::ImageButton>(name);
    const auto clear = juce::Colours::transparentBlack;
    button->setImages(true, true, true, image, 1.0f, clear, image, 1.0f, clear, image, 1.0f, clear, 0.0f);
    button->setBounds(bounds);
    return button;
}
} // namespace

MainComponent::MainComponent() : MainComponent(SystemMidiPorts::instance()) {}

MainComponent::MainComponent(MidiPortLayer& ports) : midiPorts(ports)
{
    launchAtLogin = LoginItems::isApplicationRegistered() ? 1 : 0;

    // No tray, no icon: it would only be a stray window at the screen's corner.
    if (TrayIcon::desktopHasTray())
    {
        trayIcon = std::make_unique<TrayIcon>(*this);
        addChildComponent(*trayIcon);
        const auto trayPicture = picture(BinaryData::img_TrayIcon_png, BinaryData::img_TrayIcon_pngSize);
        trayIcon->setIconImage(trayPicture, trayPicture);
    }

    sliderHandler = std::make_unique<sliderListener>(this);
    buttonHandler = std::make_unique<btnListener>(this);
    midiCallback = std::make_unique<myCallback>();
    labelHandler = std::make_unique<labelListener>(this);

    for (const auto& area : {juce::Rectangle<int>{60, 10, 460, 80},
                             {40, 30, 520, 120},
                             {20, 60, 555, 120},
                             {10, 90, 570, 120},
                             {15, 120, 560, 120},
                             {20, 150, 540, 120},
                             {60, 180, 480, 100}})
    {
        bodyColours.push_back(juce::Colour{0xFF1D1D1D});
        bodyEllipses.push_back(area);
    }

    backgroundImage = std::make_unique<juce::ImageComponent>();
    backgroundImage->setImage(picture(BinaryData::img_Background_png, BinaryData::img_Background_pngSize));
    setSize(panelWidth, panelHeight);
    backgroundImage->setBounds(0, 0, panelWidth, panelHeight);
    addAndMakeVisible(*backgroundImage);

    customLookAndFeel = std::make_unique<kova7_button>();

    createChildren();
    makeAccessible();

    startTimer(timerIntervalMs);
}

void MainComponent::createChildren()
{
    // The order of adding, with the always-on-top flags, is the stacking order.
    auto sourceButton =
        [this](const juce::String& name, const juce::String& caption, juce::Rectangle<int> bounds)
    {
        auto button = std::make_unique<StateButton>(name);
        button->setButtonText(caption);
        button->setColour(juce::TextButton::textColourOffId, greyText);
        button->setColour(juce::TextButton::textColourOnId, orange);
        button->setLookAndFeel(customLookAndFeel.get());
        button->addListener(buttonHandler.get());
        button->setBounds(bounds);
        addAndMakeVisible(*button);
        return button;
    };

    // The names and captions cross on purpose: the device goes by the name.
    lineInButton = sourceButton("line in", "INST", {340, 145, 96, 30});
    instButton = sourceButton("inst", "LINE", {340, 185, 96, 30});

    knobImage = makePicture({}, picture(BinaryData::img_KnobRing_png, BinaryData::img_KnobRing_pngSize),
                            {115, 61, 181, 181});
    addAndMakeVisible(*knobImage);

    gainSlider = std::make_unique<juce::Slider>("input1/2");
    gainSlider->setSliderStyle(juce::Slider::RotaryHorizontalVerticalDrag);
    gainSlider->setRotaryParameters(3.14f, 9.42f, true);
    gainSlider->setTextBoxStyle(juce::Slider::NoTextBox, true, 0, 0);
    gainSlider->setRange(0.0, 26.0, 0.1);
    gainSlider->setLookAndFeel(customLookAndFeel.get());
    gainSlider->addListener(sliderHandler.get());
    gainSlider->setBounds(120, 64, 171, 176);
    addAndMakeVisible(*gainSlider);

    gainLabel = std::make_unique<juce::Label>("Gain", juce::String());
    gainLabel->setJustificationType(juce::Justification::centred);
    gainLabel->setText("30", juce::dontSendNotification);
    gainLabel->setEditable(false, true, false);
    gainLabel->setColour(juce::Label::backgroundWhenEditingColourId, juce::Colours::white);
    gainLabel->setColour(juce::Label::textColourId, orange);
    gainLabel->setFont(
        juce::Font(juce::Typeface::createSystemTypefaceFor(
                       BinaryData::font_Display_otf, static_cast<size_t>(BinaryData::font_Display_otfSize)))
            .withHeight(60.0f));
    gainLabel->setLookAndFeel(customLookAndFeel.get());
    gainLabel->addListener(labelHandler.get());
    gainLabel->setBounds(145, 120, 120, 60);
    addAndMakeVisible(*gainLabel);
    gainSlider->setAlwaysOnTop(true);

    sliderButton = std::make_unique<juce::TextButton>();
    sliderButton->setComponentID("SliderButton");
    sliderButton->setButtonText({});
    sliderButton->setLookAndFeel(customLookAndFeel.get());
    sliderButton->addMouseListener(this, true);
    sliderButton->setBounds(185, 120, 40, 60);
    sliderButton->setAlwaysOnTop(true);
    addAndMakeVisible(*sliderButton);

    hpMuteButton = std::make_unique<StateButton>();
    hpMuteButton->setComponentID("btn_HPMute");
    hpMuteButton->setName("btn_HPMute");
    hpMuteButton->setButtonText({});
    hpMuteButton->setLookAndFeel(customLookAndFeel.get());
    // Listeners are told most recently added first: buttonHandler flips the
    // toggle and talks to the device, then this component stores the state.
    hpMuteButton->addListener(this);
    hpMuteButton->addListener(buttonHandler.get());
    hpMuteButton->setBounds(282, 215, 17, 17);
    hpMuteButton->setAlwaysOnTop(true);
    addAndMakeVisible(*hpMuteButton);

    disconnectOverlay = makePicture(
        "img_Banner_DisconnectGrey",
        picture(BinaryData::img_Banner_DisconnectGrey_png, BinaryData::img_Banner_DisconnectGrey_pngSize),
        {30, 34, 527, 232});
    disconnectOverlay->setAlpha(0.6f);
    addAndMakeVisible(*disconnectOverlay);
    disconnectOverlay->setAlwaysOnTop(true);

    disconnectBanner =
        makePicture("img_Banner_Disconnect",
                    picture(BinaryData::img_Banner_Disconnect_png, BinaryData::img_Banner_Disconnect_pngSize),
                    {140, 140, 274, 30});
    addAndMakeVisible(*disconnectBanner);
    disconnectBanner->setAlwaysOnTop(true);

    closeButton = makeGlyphButton("close", picture(BinaryData::btn_Close_png, BinaryData::btn_Close_pngSize),
                                  {458, 55, 17, 15});
    closeButton->addListener(buttonHandler.get());
    closeButton->setAlwaysOnTop(true);
    addAndMakeVisible(*closeButton);

    minButton = makeGlyphButton("min", picture(BinaryData::btn_Min_png, BinaryData::btn_Min_pngSize),
                                {436, 60, 17, 15});
    minButton->addListener(buttonHandler.get());
    minButton->setAlwaysOnTop(true);
    addAndMakeVisible(*minButton);

    settingButton = std::make_unique<juce::TextButton>();
    settingButton->setComponentID("btn_Setting");
    settingButton->setButtonText({});
    settingButton->setLookAndFeel(customLookAndFeel.get());
    settingButton->addListener(this);
    settingButton->setBounds(414, 55, 17, 15);
    settingButton->setAlwaysOnTop(true);
    addAndMakeVisible(*settingButton);
}

MainComponent::~MainComponent()
{
    for (auto* child : std::initializer_list<juce::Component*>{
             lineInButton.get(), instButton.get(), gainSlider.get(), gainLabel.get(), sliderButton.get(),
             hpMuteButton.get(), settingButton.get()})
        child->setLookAndFeel(nullptr);

    stopTimer();

    // Releasing the input waits for a callback in progress; after that nothing
    // can reach the callback, so what it queued can be dropped.
    midiInput.reset();
    midiOutput.reset();
    midiCallback->cancelPending();

    // The rest goes in the reverse of declaration order, as members do.
}

void MainComponent::mouseDoubleClick(const juce::MouseEvent&)
{
    gainLabel->showEditor();
}

void MainComponent::resized() {}

juce::String MainComponent::filterNewText(juce::TextEditor&, const juce::String& newInput)
{
    return newInput.retainCharacters("0123456789.");
}
