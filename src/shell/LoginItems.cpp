#include "shell/LoginItems.h"

// Filled in by the launch-at-login work; until then nothing is registered.
bool LoginItems::isApplicationRegistered()
{
    return false;
}

void LoginItems::addApplication(const juce::File&) {}

void LoginItems::removeApplication() {}
