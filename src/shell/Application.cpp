#include "shell/Application.h"

#include "device/SystemMidiPorts.h"
#include "shell/MainWindow.h"

NewProjectApplication::NewProjectApplication() = default;
NewProjectApplication::~NewProjectApplication() = default;

const juce::String NewProjectApplication::getApplicationName()
{
    return "Q5 Control Panel";
}

const juce::String NewProjectApplication::getApplicationVersion()
{
    return "1.0.0";
}

bool NewProjectApplication::moreThanOneInstanceAllowed()
{
    return true;
}

void NewProjectApplication::initialise(const juce::String&)
{
    SystemMidiPorts::silenceSystemMidiErrors();
    mainWindow = std::make_unique<MainWindow>(getApplicationName());
}

void NewProjectApplication::shutdown()
{
    mainWindow = nullptr;
}

void NewProjectApplication::anotherInstanceStarted(const juce::String&) {}

void NewProjectApplication::systemRequestedQuit()
{
    quit();
}
