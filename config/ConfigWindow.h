// The configuration window (window 1) and the actions of its controls.
#pragma once

#include "launcher/LauncherList.h"

// The numbers of window 1's controls, in creation order. They stay after
// the window closes and are stale until the next OpenConfigWindow.
struct ConfigControls {
    int panel = 0;
    int itemList = 0;
    int addFileButton = 0;
    int addFolderButton = 0;
    int addSeparatorButton = 0;
    int removeButton = 0;
    int moveUpButton = 0;
    int moveDownButton = 0;
    int itemHeightField = 0;
    int separatorHeightField = 0;
    int widthField = 0;
    int fontField = 0;
    int fontButton = 0;
};

const ConfigControls& ConfigControlNumbers();

// Builds window 1 anew from the list; an open one is replaced.
void OpenConfigWindow(LauncherList& list);
// Runs the action of a control of the open window 1; folderIcon is the
// image that every folder entry shows.
void HandleConfigEvent(LauncherList& list, int gadget, SystemHandle folderIcon);
