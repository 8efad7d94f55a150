// Numbered top-level windows, the wait that turns messages into events,
// the window procedure, and Tab navigation between controls.
#include <cstdio>
#include <optional>
#include <vector>

#include "Win32Internal.h"
#include "platform/EventQueue.h"
#include "platform/Numbers.h"

namespace {
constexpr WORD kNextControl = 0xFA01;
constexpr WORD kPreviousControl = 0xFA02;
constexpr DWORD kWakeMask = QS_ALLINPUT | QS_ALLPOSTMESSAGE;  // 0x5FF

std::map<int, WindowEntry> gWindows;
std::optional<AppEvent> gDirectEvent;
bool gInsideWait = false;
int gCreatingNumber = -1;  // the number of the window inside CreateWindowExA
int gClassCounter = 0;
void (*gSessionEndHandler)() = nullptr;
void (*gTrayRebuiltHandler)() = nullptr;
UINT gTaskbarCreated = 0;

int WindowNumberOf(HWND hwnd) {
    for (auto& [number, entry] : gWindows)
        if (entry.hwnd == hwnd) return number;
    return -1;
}

WindowEntry* FindWindowEntry(int number) { return FindNumbered(gWindows, number); }

void ShowFocusCues(HWND window) {
    SendMessageA(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

void HideFocusCues(HWND window) {
    SendMessageA(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

// ---- Tab and Shift+Tab ----------------------------------------------------

BOOL CALLBACK CollectTabStop(HWND child, LPARAM out) {
    LONG style = GetWindowLongA(child, GWL_STYLE);
    if ((style & WS_TABSTOP) && IsWindowEnabled(child) && IsWindowVisible(child))
        reinterpret_cast<std::vector<HWND>*>(out)->push_back(child);
    return TRUE;
}

void MoveFocus(HWND window, bool forward) {
    std::vector<HWND> candidates;
    EnumChildWindows(window, CollectTabStop, reinterpret_cast<LPARAM>(&candidates));
    if (candidates.empty()) return;
    HWND focus = GetFocus();
    int at = -1;
    for (int i = 0; i < int(candidates.size()); ++i)
        if (candidates[i] == focus || IsChild(candidates[i], focus)) at = i;
    int n = int(candidates.size());
    int next = at < 0 ? (forward ? 0 : n - 1) : (forward ? (at + 1) % n : (at + n - 1) % n);
    SetFocus(candidates[next]);
}

// ---- the window procedure ---------------------------------------------------

LRESULT OnCommand(HWND hwnd, int window, WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        if (HIWORD(wParam) == 0) {  // a menu item
            SetDirectEvent({EventKind::Menu, window, 0, int(wParam), NoEventType});
            return 0;
        }
        WORD command = LOWORD(wParam);  // the navigation table
        if (command == kNextControl || command == kPreviousControl) {
            MoveFocus(hwnd, command == kNextControl);
        } else {
            SetDirectEvent({EventKind::Menu, window, 0, command, NoEventType});
        }
        return 0;
    }
    int control = ControlNumberOf(reinterpret_cast<HWND>(lParam));
    if (control < 0) return DefWindowProcA(hwnd, WM_COMMAND, wParam, lParam);
    ControlEntry& entry = Controls()[control];
    LRESULT result = 0;
    if (entry.handler && entry.handler(control, WM_COMMAND, wParam, lParam, &result)) return result;
    SetDirectEvent({EventKind::Gadget, entry.window, control, 0, EventType(HIWORD(wParam))});
    return 0;
}

// WM_NOTIFY, scrolling and colour messages belong to the control that sent them.
LRESULT OnControlMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND from = message == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom
                                     : reinterpret_cast<HWND>(lParam);
    int control = ControlNumberOf(from);
    if (control >= 0) {
        ControlEntry& entry = Controls()[control];
        LRESULT result = 0;
        if (entry.handler && entry.handler(control, message, wParam, lParam, &result)) return result;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void OnTrayNotification(HWND hwnd, int window, WPARAM wParam, LPARAM lParam) {
    EventType type = NoEventType;
    switch (lParam) {
    case WM_LBUTTONDOWN: type = LeftClick; break;
    case WM_LBUTTONDBLCLK: type = LeftDoubleClick; break;
    case WM_RBUTTONDOWN: type = RightClick; break;
    case WM_RBUTTONDBLCLK: type = RightDoubleClick; break;
    }
    if (type != NoEventType) QueueEvent({EventKind::SysTray, int(wParam), window, type});
    // wakes a wait that is blocked in the message queue
    PostMessageA(hwnd, WM_NULL, 0, 0);
}

void OnActivate(HWND hwnd, WPARAM wParam) {
    WindowEntry* entry = FindWindowEntry(WindowNumberOf(hwnd));
    if (!entry) return;
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) entry->lastFocus = focus;
        HideFocusCues(hwnd);
    } else if (entry->lastFocus && IsWindow(entry->lastFocus) && IsChild(hwnd, entry->lastFocus)) {
        SetFocus(entry->lastFocus);
    }
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    int window = WindowNumberOf(hwnd);
    if (window < 0) window = gCreatingNumber;
    switch (message) {
    case WM_CLOSE:
        // the loop decides; default handling would destroy the window now
        QueueEvent({EventKind::CloseWindow, 0, window, NoEventType});
        return 0;
    case WM_COMMAND: return OnCommand(hwnd, window, wParam, lParam);
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return OnControlMessage(hwnd, message, wParam, lParam);
    case kTrayMessage: OnTrayNotification(hwnd, window, wParam, lParam); return 0;
    case WM_ACTIVATE: OnActivate(hwnd, wParam); return 0;
    case WM_ENDSESSION:
        // The system may end us as soon as this returns: save now.
        if (wParam && gSessionEndHandler) gSessionEndHandler();
        return 0;
    case WM_MOVE:
    case WM_SIZE:
    case WM_TIMER: return 0;
    }
    if (gTaskbarCreated && message == gTaskbarCreated) {
        // The notification area was rebuilt and forgot our icon.
        if (gTrayRebuiltHandler) gTrayRebuiltHandler();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void HandleMessage(MSG& msg) {
    HWND active = GetActiveWindow();
    WindowEntry* entry = FindWindowEntry(WindowNumberOf(active));
    if (entry && entry->navigation && TranslateAcceleratorA(active, entry->navigation, &msg)) {
        ShowFocusCues(active);
        return;
    }
    if (entry && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) &&
        (msg.wParam == VK_CONTROL || msg.wParam == VK_SHIFT || msg.wParam == VK_MENU)) {
        ShowFocusCues(active);
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

HACCEL CreateNavigationTable() {
    ACCEL keys[2] = {{FVIRTKEY, VK_TAB, kNextControl}, {FVIRTKEY | FSHIFT, VK_TAB, kPreviousControl}};
    return CreateAcceleratorTableA(keys, 2);
}

DWORD StyleFor(int flags) {
    if (flags & Borderless) return WS_POPUP;
    if (flags & SystemMenu) return WS_CAPTION | WS_SYSMENU;
    return WS_CAPTION;  // Invisible alone
}
}  // namespace

std::map<int, WindowEntry>& Windows() { return gWindows; }

void SetDirectEvent(const AppEvent& event) {
    // Only one event can be returned; one made outside the wait (a message
    // sent by our own code, a modal loop) or a second one waits in the queue.
    if (gInsideWait && !gDirectEvent) {
        gDirectEvent = event;
        return;
    }
    int number = event.kind == EventKind::Gadget ? event.gadget : event.menuItem;
    QueueEvent({event.kind, number, event.window, event.type});
}

LRESULT ForwardToWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowProcedure(GetAncestor(hwnd, GA_ROOT), message, wParam, lParam);
}

void SetSessionEndHandler(void (*handler)()) { gSessionEndHandler = handler; }
void SetTrayRebuiltHandler(void (*handler)()) { gTrayRebuiltHandler = handler; }

void InitWindowLayer() {
    gWindows.clear();
    gDirectEvent.reset();
    ClearEventQueue();
    gTaskbarCreated = RegisterWindowMessageA("TaskbarCreated");
}

int OpenAppWindow(int number, int x, int y, int width, int height, const char* title,
                  int flags, SystemHandle owner) {
    if (number != AutoNumber && gWindows.count(number)) CloseAppWindow(number);
    int assigned = number == AutoNumber ? LowestFreeNumber(gWindows) : number;
    HINSTANCE module = GetModuleHandleA(nullptr);

    char className[64];
    snprintf(className, sizeof className, "LumarelWindow%d_%d", assigned, ++gClassCounter);
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProcedure;
    wc.hInstance = module;
    wc.hIcon = LoadIconA(module, MAKEINTRESOURCEA(1));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc)) return 0;

    DWORD style = StyleFor(flags);
    RECT outer = {0, 0, width, height};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    int outerWidth = outer.right - outer.left;
    int outerHeight = outer.bottom - outer.top;
    if (flags & ScreenCentered) {
        int screenWidth = GetSystemMetrics(SM_CXSCREEN);
        int screenHeight = GetSystemMetrics(SM_CYSCREEN);
        if (outerWidth > screenWidth) outerWidth = screenWidth;
        if (outerHeight > screenHeight) outerHeight = screenHeight;
        x = (screenWidth - outerWidth) / 2;
        y = (screenHeight - outerHeight) / 2;
    }

    gCreatingNumber = assigned;
    HWND hwnd = CreateWindowExA(0, className, title ? title : "", style, x, y, outerWidth,
                                outerHeight, static_cast<HWND>(owner), nullptr, module, nullptr);
    gCreatingNumber = -1;
    if (!hwnd) {
        UnregisterClassA(className, module);
        return 0;
    }
    WindowEntry& entry = gWindows[assigned];
    entry.hwnd = hwnd;
    entry.className = className;
    if (!(flags & Invisible)) ShowWindow(hwnd, SW_SHOWNORMAL);
    entry.navigation = CreateNavigationTable();
    SetContainer(hwnd, assigned);
    if (number == AutoNumber) return assigned;
    return int(reinterpret_cast<intptr_t>(hwnd));
}

void CloseAppWindow(int number) {
    WindowEntry* entry = FindWindowEntry(number);
    if (!entry) return;
    WindowEntry closing = *entry;
    if (HWND owner = GetWindow(closing.hwnd, GW_OWNER)) SetActiveWindow(owner);
    // Its controls go with it: free their numbers and drop their events.
    for (auto it = Controls().begin(); it != Controls().end();) {
        if (it->second.window == number) {
            DropEventsOfGadget(it->first);
            it = Controls().erase(it);
        } else {
            ++it;
        }
    }
    DestroyWindow(closing.hwnd);
    UnregisterClassA(closing.className.c_str(), GetModuleHandleA(nullptr));
    if (closing.navigation) DestroyAcceleratorTable(closing.navigation);
    DropEventsOfWindow(number);
    gWindows.erase(number);
    if (ContainerWindow() == number) SetContainer(nullptr, -1);
}

void CloseAllAppWindows() {
    while (!gWindows.empty()) CloseAppWindow(gWindows.rbegin()->first);
}

bool AppWindowExists(int number) { return gWindows.count(number) != 0; }

SystemHandle AppWindowHandle(int number) {
    WindowEntry* entry = FindWindowEntry(number);
    return entry ? entry->hwnd : nullptr;
}

int AppWindowClientWidth(int number) {
    WindowEntry* entry = FindWindowEntry(number);
    RECT r = {};
    if (!entry || !GetClientRect(entry->hwnd, &r)) return 0;
    return r.right - r.left;
}

int AppWindowClientHeight(int number) {
    WindowEntry* entry = FindWindowEntry(number);
    RECT r = {};
    if (!entry || !GetClientRect(entry->hwnd, &r)) return 0;
    return r.bottom - r.top;
}

AppEvent WaitForEvent(int timeoutMs) {
    AppEvent event;
    if (TakeQueuedEvent(&event)) return event;
    gDirectEvent.reset();
    gInsideWait = true;
    // Messages that other threads or programs send are handled inside
    // PeekMessageA and may make a direct event on their own.
    MSG msg;
    bool taken = PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD);
    if (!taken && !gDirectEvent && timeoutMs != 0) {
        DWORD wait = timeoutMs < 0 ? INFINITE : DWORD(timeoutMs);
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, kWakeMask) != WAIT_TIMEOUT)
            taken = PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD);
    }
    if (taken) HandleMessage(msg);
    gInsideWait = false;
    if (gDirectEvent) {
        event = *gDirectEvent;
        gDirectEvent.reset();
        return event;
    }
    if (taken) event.kind = EventKind::Other;
    return event;
}
