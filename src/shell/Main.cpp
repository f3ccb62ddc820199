#include "shell/Application.h"

START_JUCE_APPLICATION(NewProjectApplication)
