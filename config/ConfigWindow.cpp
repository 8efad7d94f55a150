#include "ConfigWindow.h"

#include "app/Texts.h"

void OpenConfigWindow(LauncherList& list) {
    (void)list;
    if (!OpenAppWindow(ConfigWindow, 0, 0, 320, 340, kConfigTitle, SystemMenu | ScreenCentered,
                       nullptr))
        return;
    // the controls are filled in with the configuration window
}

void HandleConfigEvent(LauncherList& list, int gadget) { (void)list, (void)gadget; }
