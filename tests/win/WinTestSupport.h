// What the Windows-side tests share: running the loop until it is quiet,
// and pressing Tab through the real input path.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/Platform.h"

// Takes events until a wait times out; returns the ones that were not Other.
inline std::vector<AppEvent> Settle() {
    std::vector<AppEvent> got;
    for (int i = 0; i < 1000; ++i) {
        AppEvent e = WaitForEvent(2);
        if (e.kind == EventKind::None) return got;
        if (e.kind != EventKind::Other) got.push_back(e);
    }
    ADD_FAILURE() << "the queue never went quiet";
    return got;
}

// Tab or Shift+Tab as the keyboard sends it, run through the loop's
// navigation table.
inline void PressTab(bool shift) {
    std::vector<INPUT> keys;
    auto key = [&](WORD vk, bool up) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        keys.push_back(in);
    };
    if (shift) key(VK_SHIFT, false);
    key(VK_TAB, false);
    key(VK_TAB, true);
    if (shift) key(VK_SHIFT, true);
    SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
    // let the input arrive before the queue is drained
    for (int i = 0; i < 50; ++i) {
        WaitForEvent(2);
        Sleep(2);
    }
    Settle();
}
