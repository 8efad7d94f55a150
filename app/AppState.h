// The process-wide state of one run.
#pragma once

#include <string>

#include "launcher/LauncherList.h"
#include "platform/Platform.h"

struct AppState {
    IconImage programIcon;
    IconImage folderIcon;
    Rect workArea;
    std::string settingsPath;
    LauncherList list;
    bool quitRequested = false;
};

extern AppState gApp;

// Start-up, the event loop and shut-down; returns the exit code (always 0).
int RunLauncher();
// One turn of the loop: wait, dispatch, update the popup.
void RunLoopIteration();
void DispatchEvent(const AppEvent& event);
void ReleaseAll();
