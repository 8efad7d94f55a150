// The floor for Lumarel's start-up: a program that only opens a hidden
// window and adds a tray icon, and ends on WM_CLOSE. bench/start_time.sh
// times both the same way.
#include <windows.h>

#include <shellapi.h>

namespace {
LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = "TrayOnly";
    if (!RegisterClassA(&wc)) return 1;
    HWND hwnd = CreateWindowExA(0, "TrayOnly", "TrayOnly", WS_CAPTION, 0, 0, 0, 0, nullptr, nullptr,
                                instance, nullptr);
    if (!hwnd) return 1;
    NOTIFYICONDATAA icon = {};
    icon.cbSize = sizeof icon;
    icon.hWnd = hwnd;
    icon.uID = 0;
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = WM_APP;
    icon.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    lstrcpynA(icon.szTip, "TrayOnly", sizeof icon.szTip);
    if (!Shell_NotifyIconA(NIM_ADD, &icon)) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    Shell_NotifyIconA(NIM_DELETE, &icon);
    DestroyWindow(hwnd);
    return 0;
}
