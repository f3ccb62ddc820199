#include "shell/LoginItemThread.h"

#include "shell/LoginItems.h"

LoginItemThread::LoginItemThread(bool add) : juce::Thread("t"), addLoginItem(add) {}

LoginItemThread::~LoginItemThread()
{
    stopThread(50);
}

void LoginItemThread::run()
{
    if (addLoginItem)
        LoginItems::addApplication(juce::File::getSpecialLocation(juce::File::currentApplicationFile));
    else
        LoginItems::removeApplication();
}
