#include "shell/MainWindow.h"

// Each move places the window from the mouse-down point and the distance
// dragged so far, so the panel never drifts from the pointer.
void NewProjectApplication::MainWindow::DragWindowListener::mouseDrag(const juce::MouseEvent& event)
{
    if (grabX == 0 && grabY == 0)
    {
        grabX = event.getMouseDownX() + event.eventComponent->getX();
        grabY = event.getMouseDownY() + event.eventComponent->getY();
    }

    if (window != nullptr)
        window->setBounds(event.getMouseDownScreenX() + event.getDistanceFromDragStartX() - grabX,
                          event.getMouseDownScreenY() + event.getDistanceFromDragStartY() - grabY,
                          window->getWidth(), window->getHeight());
}

void NewProjectApplication::MainWindow::DragWindowListener::mouseUp(const juce::MouseEvent&)
{
    grabX = 0;
    grabY = 0;
}
