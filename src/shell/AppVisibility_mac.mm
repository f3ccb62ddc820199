#include "shell/AppVisibility.h"

#import <AppKit/AppKit.h>

void AppVisibility::hideApplication(juce::ResizableWindow&)
{
    [NSApp hide:nil];
}

void AppVisibility::showApplication(juce::ResizableWindow&)
{
    [NSApp unhide:nil];
}

bool AppVisibility::isApplicationHidden()
{
    return [NSApp isHidden];
}
