// What the Win32 backend's files share: the registries of windows and
// controls and the hooks of the window procedure.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "platform/Platform.h"

// A control's own handler for WM_COMMAND, WM_NOTIFY, scrolling and colour
// messages. It returns true when it took the message and sets *result.
using ControlHandler = bool (*)(int number, UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT* result);

struct WindowEntry {
    HWND hwnd = nullptr;
    std::string className;
    HACCEL navigation = nullptr;
    HWND lastFocus = nullptr;  // restored when the window is activated again
};

struct ControlEntry {
    HWND hwnd = nullptr;
    int window = 0;  // the top-level window that holds it
    ControlHandler handler = nullptr;
};

std::map<int, WindowEntry>& Windows();
std::map<int, ControlEntry>& Controls();

// The window (or page) into which new controls go, and its window number.
HWND ContainerHandle();
int ContainerWindow();
void SetContainer(HWND parent, int window);

// Registers a control made by CreateWindowExA under a number; the number
// is reserved first with ReserveControlNumber so that the control's id can
// equal it. Returns the number, or 0.
int ReserveControlNumber(int number);
int RegisterControl(int number, HWND hwnd, ControlHandler handler);
int ControlNumberOf(HWND hwnd);  // -1 when it is no control of ours
HWND ControlHandle(int number);

// The direct event of the message being handled (Menu and Gadget events).
void SetDirectEvent(const AppEvent& event);

// Forwards the messages a page receives from its controls to the
// top-level window's procedure, where they become events.
LRESULT ForwardToWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

void ReleaseControls();  // drops the registry entries of every control

// A child of the current container with DEFAULT_GUI_FONT and its number as
// its id (WS_CHILD and WS_VISIBLE are added). Returns the number, or 0.
int CreateChildControl(int number, const char* className, DWORD exStyle, DWORD style, int x,
                       int y, int width, int height, const char* text, ControlHandler handler);
// The list controls' image lists and the tab controls' pages outlive the
// registry entries of closed windows until these run.
void ReleaseListImages();
void ReleasePanels();
// Drop what the list controls and the canvases keep under an icon's
// handle, before the icon is destroyed and its handle may come back.
void ForgetListImage(HICON icon);
void ForgetScaledIcon(HICON icon);

constexpr UINT kTrayMessage = 12501;

// The canvas's off-screen picture (none when the control has none), and
// what it holds; for tests that read the picture back.
HDC CanvasPictureDc(int canvas);
size_t CanvasPictureCount();
size_t CanvasScaledIconCount(int canvas);
constexpr size_t kTrayTipBytes = 63;  // of the 128-byte szTip

// The record of every Shell_NotifyIconA call: cbSize, hWnd, uID, the
// flags, and only the fields those flags name; all other bytes zero.
NOTIFYICONDATAA TrayIconRecord(HWND owner, int number, UINT flags, HICON icon, const char* tip);
// The icon AddTrayIcon made from a bitmap for that tray icon, if any.
HICON TrayIconMadeFromBitmap(int number);
void ResetTrayLayer();  // forgets every tray icon and menu
