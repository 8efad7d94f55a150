// A helper for the end-to-end tests: looks at and pokes the program's
// windows from another process, as a user's tools would.
//   probe wait-window TITLE [SECONDS]   exit 0 once a top-level window has that title
//   probe window-info TITLE             prints class, style, visibility and rectangle
//   probe post TITLE MESSAGE [WPARAM [LPARAM]]
//   probe send TITLE MESSAGE [WPARAM [LPARAM]]   prints the result
//   probe tray-remove TITLE             removes tray icon 0 of that window, as a
//                                       restarting shell forgets it
//   probe broadcast NAME                posts the registered message NAME to
//                                       every top-level window ("TaskbarCreated")
//   probe menu-rect -                   prints the rectangle of the open pop-up
//                                       menu; exit 1 when none is open (Wine keeps
//                                       a menu's items out of other processes' reach)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
HWND FindTopLevel(const char* title) { return FindWindowA(nullptr, title); }

long Number(const char* text) { return std::strtol(text, nullptr, 0); }

int WaitWindow(const char* title, int seconds) {
    for (int i = 0; i < seconds * 10; ++i) {
        if (FindTopLevel(title)) return 0;
        Sleep(100);
    }
    std::fprintf(stderr, "no window titled '%s'\n", title);
    return 1;
}

int WindowInfo(const char* title) {
    HWND hwnd = FindTopLevel(title);
    if (!hwnd) return 1;
    char cls[256] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    RECT r = {};
    GetWindowRect(hwnd, &r);
    std::printf("class=%s style=0x%08lx exstyle=0x%08lx visible=%d rect=%ld,%ld,%ld,%ld\n", cls,
                GetWindowLongA(hwnd, GWL_STYLE), GetWindowLongA(hwnd, GWL_EXSTYLE),
                IsWindowVisible(hwnd) ? 1 : 0, r.left, r.top, r.right, r.bottom);
    return 0;
}

int Message(const char* title, int argc, char** argv, bool post) {
    HWND hwnd = FindTopLevel(title);
    if (!hwnd || argc < 1) return 1;
    UINT message = UINT(Number(argv[0]));
    WPARAM wParam = argc > 1 ? WPARAM(Number(argv[1])) : 0;
    LPARAM lParam = argc > 2 ? LPARAM(Number(argv[2])) : 0;
    if (post) return PostMessageA(hwnd, message, wParam, lParam) ? 0 : 1;
    std::printf("%ld\n", long(SendMessageA(hwnd, message, wParam, lParam)));
    return 0;
}
int TrayRemove(const char* title) {
    HWND hwnd = FindTopLevel(title);
    if (!hwnd) return 1;
    NOTIFYICONDATAA record = {};
    record.cbSize = sizeof record;
    record.hWnd = hwnd;
    record.uID = 0;
    return Shell_NotifyIconA(NIM_DELETE, &record) ? 0 : 1;
}

int Broadcast(const char* name) {
    UINT message = RegisterWindowMessageA(name);
    return message && PostMessageA(HWND_BROADCAST, message, 0, 0) ? 0 : 1;
}

int MenuRect() {
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow)) return 1;
    RECT r = {};
    GetWindowRect(menuWindow, &r);
    std::printf("%ld,%ld,%ld,%ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const char* command = argv[1];
    const char* title = argv[2];
    if (!std::strcmp(command, "wait-window")) return WaitWindow(title, argc > 3 ? atoi(argv[3]) : 20);
    if (!std::strcmp(command, "window-info")) return WindowInfo(title);
    if (!std::strcmp(command, "post")) return Message(title, argc - 3, argv + 3, true);
    if (!std::strcmp(command, "send")) return Message(title, argc - 3, argv + 3, false);
    if (!std::strcmp(command, "tray-remove")) return TrayRemove(title);
    if (!std::strcmp(command, "broadcast")) return Broadcast(title);
    if (!std::strcmp(command, "menu-rect")) return MenuRect();
    return 2;
}
