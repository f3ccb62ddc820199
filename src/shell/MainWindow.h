#pragma once

#include "shell/Application.h"

#include <functional>

class MidiPortLayer;
class MainComponent;

// The borderless, non-opaque window that holds the panel and takes its
// outline. It has no title bar, so the panel's background drags it.
class NewProjectApplication::MainWindow : public juce::DocumentWindow
{
public:
    explicit MainWindow(const juce::String& name);
    // The same window on other MIDI ports, which must outlive it.
    MainWindow(const juce::String& name, MidiPortLayer& ports);
    ~MainWindow() override;

    void paint(juce::Graphics& g) override;
    void closeButtonPressed() override;
    // The frame is invisible anyway; without this the resize corner would
    // make the window 1 px larger than the panel on every side.
    juce::BorderSize<int> getBorderThickness() override { return {}; }

    class DragWindowListener : public juce::MouseListener
    {
    public:
        ~DragWindowListener() override = default;

        void mouseDown(const juce::MouseEvent&) override {}
        void mouseDrag(const juce::MouseEvent& event) override;
        void mouseUp(const juce::MouseEvent& event) override;

        MainWindow* window = nullptr;
        int grabX = 0;
        int grabY = 0;
    };

private:
    void setUp(const std::function<MainComponent*()>& createPanel);

    std::unique_ptr<DragWindowListener> dragListener;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MainWindow)
};
