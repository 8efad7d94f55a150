// The configuration window and the actions of its controls.
#pragma once

#include "launcher/LauncherList.h"

void OpenConfigWindow(LauncherList& list);
void HandleConfigEvent(LauncherList& list, int gadget);
