// Times popup passes on the real canvas: a full pass (every item drawn and
// copied to the screen) for 10, 100 and 1,000 items, the first pass of a
// new popup (icons scaled afresh), and a pass whose inputs did not change.
// Prints one line per list size; run under Wine by bench/popup_cpu.sh.
#include <windows.h>

#include <cstdio>
#include <string>

#include "launcher/Popup.h"

namespace {
double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Nine entries with their own shell icons, then a captioned separator.
LauncherList ListOf(int count) {
    LauncherList list = CreateLauncherList(200, 25, 20, "Tahoma", 10, 0);
    for (int i = 0; i < count; ++i) {
        std::string name = "Eintrag " + std::to_string(i) + ".exe";
        if (i % 10 == 9) AddItem(list, "Gruppe " + std::to_string(i), nullptr, "", Separator);
        else AddItem(list, name, ShellIconFor(name.c_str()), "C:\\x\\" + name, Entry);
    }
    return list;
}

void Measure(int count) {
    LauncherList list = ListOf(count);
    Rect area = DesktopWorkArea();
    ShowPopup(list, area.right - list.width, area.bottom, AppWindowHandle(MainWindow));
    AppEvent none;
    double t0 = Now();
    UpdatePopup(list, none);  // icons are scaled here
    double first = Now() - t0;

    // The pressed flag is an input of the picture: flipping it makes every
    // pass a full one without moving the pointer.
    int passes = count >= 1000 ? 100 : 500;
    t0 = Now();
    for (int i = 0; i < passes; ++i) {
        SetPopupPressed(i % 2 == 0);
        UpdatePopup(list, none);
    }
    double full = (Now() - t0) / passes;

    int quiet = 2000;
    t0 = Now();
    for (int i = 0; i < quiet; ++i) UpdatePopup(list, none);
    double skipped = (Now() - t0) / quiet;

    std::printf("items %5d  popup %dx%d  first pass %8.3f ms  full pass %8.3f ms  unchanged pass %8.4f ms\n",
                count, list.width, list.popupHeight, first, full, skipped);
    std::fflush(stdout);
    HidePopup(list);
    SetPopupPressed(false);
}
}  // namespace

int main() {
    InitPlatform();
    if (!OpenAppWindow(MainWindow, 0, 0, 0, 0, "Lumarel", Invisible, nullptr)) return 1;
    for (int count : {10, 100, 1000}) Measure(count);
    CloseAllAppWindows();
    ReleasePlatform();
    return 0;
}
