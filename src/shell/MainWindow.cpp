#include "shell/MainWindow.h"

#include "panel/MainComponent.h"
#include "style/LookAndFeel_WindowShape.h"

NewProjectApplication::MainWindow::MainWindow(const juce::String& name)
    : DocumentWindow(name, juce::Colours::transparentWhite, DocumentWindow::allButtons, true)
{
    setUp([] { return new MainComponent(); });
}

NewProjectApplication::MainWindow::MainWindow(const juce::String& name, MidiPortLayer& ports)
    : DocumentWindow(name, juce::Colours::transparentWhite, DocumentWindow::allButtons, true)
{
    setUp([&ports] { return new MainComponent(ports); });
}

void NewProjectApplication::MainWindow::setUp(const std::function<MainComponent*()>& createPanel)
{
    setTitleBarHeight(0);
    setUsingNativeTitleBar(false);
    // One for the whole process, kept until it ends.
    static LookAndFeel_WindowShape windowShape;
    setLookAndFeel(&windowShape);
    setOpaque(false);
    setDropShadowEnabled(false);
    // Activation then hands the focus to the panel, which passes it on to its
    // controls; a window that keeps the focus has nowhere to Tab to.
    setWantsKeyboardFocus(false);

    auto* panel = createPanel();
    setContentOwned(panel, true);

    dragListener = std::make_unique<DragWindowListener>();
    dragListener->window = this;
    panel->backgroundImage->addMouseListener(dragListener.get(), false);

    setResizable(true, true);
    centreWithSize(getWidth(), getHeight());
    setVisible(true);
}

NewProjectApplication::MainWindow::~MainWindow()
{
    dragListener = nullptr;
}

void NewProjectApplication::MainWindow::paint(juce::Graphics& g)
{
    getLookAndFeel().drawResizableWindowBorder(g, getWidth(), getHeight(), juce::BorderSize<int>(0), *this);
}

void NewProjectApplication::MainWindow::closeButtonPressed()
{
    juce::JUCEApplication::getInstance()->systemRequestedQuit();
}
