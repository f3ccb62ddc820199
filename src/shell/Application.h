#pragma once

#include <juce_gui_extra/juce_gui_extra.h>

class NewProjectApplication : public juce::JUCEApplication
{
public:
    NewProjectApplication();
    ~NewProjectApplication() override;

    const juce::String getApplicationName() override;
    const juce::String getApplicationVersion() override;
    bool moreThanOneInstanceAllowed() override;
    void initialise(const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted(const juce::String& commandLine) override;
    void systemRequestedQuit() override;

    class MainWindow;

private:
    std::unique_ptr<MainWindow> mainWindow;
};
