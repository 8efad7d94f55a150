// What every dialog does around its time on screen: it is owned by our
// foreground window (or by none), and the program's other windows are
// disabled and out of the topmost order until it closes.
#pragma once

#include <vector>

#include "Win32Internal.h"

struct DialogGuard {
    HWND foreground = nullptr;  // ours, or none
    HWND owner = nullptr;
    std::vector<HWND> disabled;
    std::vector<HWND> topmost;
};

DialogGuard EnterDialog();
void LeaveDialog(DialogGuard& guard);
