// A helper for the end-to-end tests: looks at and pokes the program's
// windows from another process, as a user's tools would.
//   probe wait-window TITLE [SECONDS]   exit 0 once a top-level window has that title
//   probe wait-gone TITLE [SECONDS]     exit 0 once no top-level window has that title
//   probe window-info TITLE             prints class, style, visibility and rectangle
//   probe post TITLE MESSAGE [WPARAM [LPARAM]]
//   probe send TITLE MESSAGE [WPARAM [LPARAM]]   prints the result
//   probe controls TITLE                 one line per control: class, id, visible, enabled, text
//   probe control-center TITLE TEXT      screen point of the shown control with that text
//   probe list-rows TITLE                "selected=N", then the list control's rows, one a line
//   probe list-row-center TITLE ROW      screen point of a row of the list control
//   probe tab-center TITLE INDEX         screen point of a tab of the tab control
//   probe tray-remove TITLE             removes tray icon 0 of that window, as a
//                                       restarting shell forgets it
//   probe broadcast NAME                posts the registered message NAME to
//                                       every top-level window ("TaskbarCreated")
//   probe menu-rect -                   prints the rectangle of the open pop-up
//                                       menu; exit 1 when none is open (Wine keeps
//                                       a menu's items out of other processes' reach)
//   probe run-and-quit EXE APPDATA      starts EXE with %APPDATA% set to that folder,
//                                       chooses "Beenden" once its main window is there
//                                       and prints its exit code (Wine sets APPDATA
//                                       itself, so only a parent can change it)
//   probe resources TITLE               the GUI objects of the window's process:
//                                       "gdi=N windows=N guigdi=N guiuser=N"
//   probe tray-toggles TITLE N          N tray presses that open the popup and N that
//                                       close it, each waited for
//   probe config-cycles TITLE N         opens the configuration window N times through
//                                       the tray menu's command and closes it again
//   probe add-separators TITLE N        in the open configuration window TITLE: N times
//                                       "Trennstrich", the dialog answered with OK
//   probe add-files TITLE N PATH        in the open configuration window TITLE: N times
//                                       "Datei hinzuf\xFCgen", the open-file dialog
//                                       answered with PATH
//   probe remove-rows TITLE N           N times: select the last row, "Entfernen"
//   probe start-time TITLE EXE          starts EXE, prints the milliseconds until its
//                                       tray icon is there and until it has ended
//                                       (WM_CLOSE is posted once the icon is there)
#include <windows.h>

#include <commctrl.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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

int WaitGone(const char* title, int seconds) {
    for (int i = 0; i < seconds * 10; ++i) {
        if (!FindTopLevel(title)) return 0;
        Sleep(100);
    }
    std::fprintf(stderr, "a window titled '%s' is still there\n", title);
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

BOOL CALLBACK CollectChild(HWND child, LPARAM data) {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
    return TRUE;
}

std::vector<HWND> Descendants(HWND top) {
    std::vector<HWND> out;
    EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&out));
    return out;
}

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

// GetWindowTextA does not ask a control of another process; an edit
// field's text comes only from WM_GETTEXT.
std::string TextOf(HWND hwnd) {
    char text[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &copied);
    return text;
}

HWND FirstOfClass(const char* title, const char* cls) {
    HWND top = FindTopLevel(title);
    if (!top) return nullptr;
    for (HWND c : Descendants(top))
        if (ClassOf(c) == cls) return c;
    return nullptr;
}

int PrintCenter(HWND hwnd, RECT r) {
    MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return 0;
}

int Controls(const char* title) {
    HWND top = FindTopLevel(title);
    if (!top) return 1;
    for (HWND c : Descendants(top))
        std::printf("%s %d %d %d %s\n", ClassOf(c).c_str(), GetDlgCtrlID(c), IsWindowVisible(c) ? 1 : 0,
                    IsWindowEnabled(c) ? 1 : 0, TextOf(c).c_str());
    return 0;
}

int ControlCenter(const char* title, const char* text) {
    HWND top = FindTopLevel(title);
    if (!top) return 1;
    for (HWND c : Descendants(top)) {
        if (!IsWindowVisible(c) || TextOf(c) != text) continue;
        RECT r;
        GetClientRect(c, &r);
        return PrintCenter(c, r);
    }
    return 1;
}

// Memory in the program's process for messages that carry pointers.
struct Remote {
    HANDLE process = nullptr;
    char* base = nullptr;
};

Remote OpenRemote(HWND hwnd, size_t size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    Remote r;
    r.process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (r.process)
        r.base = static_cast<char*>(VirtualAllocEx(r.process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    return r;
}

void CloseRemote(Remote& r) {
    if (r.base) VirtualFreeEx(r.process, r.base, 0, MEM_RELEASE);
    if (r.process) CloseHandle(r.process);
}

int ListRows(const char* title) {
    HWND list = FirstOfClass(title, "SysListView32");
    if (!list) return 1;
    Remote r = OpenRemote(list, 4096);
    if (!r.base) return 1;
    std::printf("selected=%ld\n", long(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)));
    int n = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        LVITEMA item = {};
        item.iSubItem = 0;
        item.pszText = r.base + sizeof item;
        item.cchTextMax = 1024;
        WriteProcessMemory(r.process, r.base, &item, sizeof item, nullptr);
        SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(r.base));
        char text[1024] = {};
        ReadProcessMemory(r.process, r.base + sizeof item, text, sizeof text - 1, nullptr);
        std::printf("%s\n", text);
    }
    CloseRemote(r);
    return 0;
}

// LVM_GETITEMRECT and TCM_GETITEMRECT: a RECT in the program's memory.
int ItemCenter(const char* title, const char* cls, UINT message, int index) {
    HWND control = FirstOfClass(title, cls);
    if (!control) return 1;
    Remote r = OpenRemote(control, sizeof(RECT));
    if (!r.base) return 1;
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    WriteProcessMemory(r.process, r.base, &rect, sizeof rect, nullptr);
    LRESULT ok = SendMessageA(control, message, index, reinterpret_cast<LPARAM>(r.base));
    ReadProcessMemory(r.process, r.base, &rect, sizeof rect, nullptr);
    CloseRemote(r);
    return ok ? PrintCenter(control, rect) : 1;
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
// ---- long runs and start-up -----------------------------------------------------

constexpr UINT kTrayMessage = 12501;
constexpr char kPopupTitle[] = "Popup";
constexpr char kTextInputClass[] = "LumarelTextInput";

// Polls every millisecond: the loops below drive thousands of steps.
template <typename Done>
bool PollUntil(Done done, int milliseconds) {
    for (int i = 0; i < milliseconds; ++i) {
        if (done()) return true;
        Sleep(1);
    }
    return done();
}

DWORD ProcessOf(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

struct WindowCount {
    DWORD pid = 0;
    int count = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++reinterpret_cast<WindowCount*>(data)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM data) {
    auto* counted = reinterpret_cast<WindowCount*>(data);
    if (ProcessOf(hwnd) != counted->pid) return TRUE;
    ++counted->count;
    EnumChildWindows(hwnd, CountChild, data);
    return TRUE;
}

// Wine answers GetGuiResources with 0, but keeps the process's GDI objects
// in a table that the PEB names, as Windows does: one 24-byte entry per
// handle, its type byte at offset 14 non-zero while the handle lives.
int GdiTableCount(HANDLE process) {
    using QueryInformation = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<QueryInformation>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
    constexpr size_t kTableInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;
    UINT_PTR table = 0;
    const char* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    if (!ReadProcessMemory(process, peb + kTableInPeb, &table, sizeof table, nullptr) || !table) return -1;
    constexpr size_t kEntries = 0x10000, kEntryBytes = 24;
    std::vector<unsigned char> entries(kEntries * kEntryBytes);
    if (!ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(), entries.size(), nullptr))
        return -1;
    int used = 0;
    for (size_t i = 0; i < kEntries; ++i)
        if (entries[i * kEntryBytes + 14] != 0) ++used;
    return used;
}

int Resources(const char* title) {
    HWND hwnd = FindTopLevel(title);
    if (!hwnd) return 1;
    WindowCount windows = {ProcessOf(hwnd), 0};
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, windows.pid);
    if (!process) return 1;
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    std::printf("gdi=%d windows=%d guigdi=%lu guiuser=%lu\n", GdiTableCount(process), windows.count,
                GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS));
    CloseHandle(process);
    return 0;
}

bool PopupIs(bool shown) { return (FindTopLevel(kPopupTitle) != nullptr) == shown; }

int TrayToggles(const char* title, int count) {
    HWND hwnd = FindTopLevel(title);
    if (!hwnd) return 1;
    for (int i = 0; i < count; ++i) {
        for (bool shown : {true, false}) {
            SendMessageA(hwnd, kTrayMessage, 0, WM_LBUTTONDOWN);
            if (!PollUntil([&] { return PopupIs(shown); }, 5000)) {
                std::fprintf(stderr, "press %d: the popup did not %s\n", 2 * i + !shown, shown ? "open" : "close");
                return 1;
            }
        }
    }
    return 0;
}

int ConfigCycles(const char* title, int count) {
    HWND hwnd = FindTopLevel(title);
    if (!hwnd) return 1;
    const char* config = "Lumarel - Konfiguration";
    for (int i = 0; i < count; ++i) {
        PostMessageA(hwnd, WM_COMMAND, 0, 0);
        if (!PollUntil([&] { return FindTopLevel(config) != nullptr; }, 10000)) {
            std::fprintf(stderr, "cycle %d: the configuration window did not open\n", i);
            return 1;
        }
        PostMessageA(FindTopLevel(config), WM_CLOSE, 0, 0);
        if (!PollUntil([&] { return FindTopLevel(config) == nullptr; }, 10000)) {
            std::fprintf(stderr, "cycle %d: the configuration window did not close\n", i);
            return 1;
        }
    }
    return 0;
}

HWND ControlWithText(HWND top, const char* text) {
    for (HWND c : Descendants(top))
        if (IsWindowVisible(c) && TextOf(c) == text) return c;
    return nullptr;
}

int RowCount(HWND list) { return int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

int AddSeparators(const char* title, int count) {
    HWND top = FindTopLevel(title);
    HWND list = FirstOfClass(title, "SysListView32");
    HWND button = top ? ControlWithText(top, "Trennstrich") : nullptr;
    if (!list || !button) return 1;
    for (int i = 0; i < count; ++i) {
        int rows = RowCount(list);
        PostMessageA(button, BM_CLICK, 0, 0);
        // The dialog is there before its controls are.
        HWND edit = nullptr, ok = nullptr;
        auto dialogReady = [&] {
            HWND dialog = FindWindowA(kTextInputClass, nullptr);
            if (!dialog) return false;
            for (HWND c : Descendants(dialog)) {
                if (ClassOf(c) == "Edit") edit = c;
                if (GetDlgCtrlID(c) == IDOK) ok = c;
            }
            return edit && ok;
        };
        if (!PollUntil(dialogReady, 10000)) {
            std::fprintf(stderr, "separator %d: no text-input dialog with a field and OK\n", i);
            return 1;
        }
        std::string caption = "Gruppe " + std::to_string(i);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
        PostMessageA(ok, BM_CLICK, 0, 0);
        if (!PollUntil([&] { return RowCount(list) == rows + 1 && !FindWindowA(kTextInputClass, nullptr); }, 10000)) {
            std::fprintf(stderr, "separator %d: no new row\n", i);
            return 1;
        }
    }
    return 0;
}

int AddFiles(const char* title, int count, const char* path) {
    HWND top = FindTopLevel(title);
    HWND list = FirstOfClass(title, "SysListView32");
    HWND button = top ? ControlWithText(top, "Datei hinzuf\xFC" "gen") : nullptr;
    if (!list || !button) return 1;
    constexpr int kFileNameField = 1148;
    for (int i = 0; i < count; ++i) {
        int rows = RowCount(list);
        PostMessageA(button, BM_CLICK, 0, 0);
        HWND dialog = nullptr, field = nullptr;
        auto dialogReady = [&] {
            dialog = FindWindowA("#32770", "Datei ausw\xE4hlen");
            field = dialog ? GetDlgItem(dialog, kFileNameField) : nullptr;
            return field && GetDlgItem(dialog, IDOK) && IsWindowVisible(dialog);
        };
        if (!PollUntil(dialogReady, 20000)) {
            std::fprintf(stderr, "file %d: no open-file dialog\n", i);
            return 1;
        }
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        if (!PollUntil([&] { return RowCount(list) == rows + 1 && !IsWindow(dialog); }, 20000)) {
            std::fprintf(stderr, "file %d: no new row\n", i);
            return 1;
        }
    }
    return 0;
}

int RemoveRows(const char* title, int count) {
    HWND top = FindTopLevel(title);
    HWND list = FirstOfClass(title, "SysListView32");
    HWND button = top ? ControlWithText(top, "Entfernen") : nullptr;
    if (!list || !button) return 1;
    Remote r = OpenRemote(list, sizeof(LVITEMA));
    if (!r.base) return 1;
    int result = 0;
    for (int i = 0; i < count && result == 0; ++i) {
        int rows = RowCount(list);
        if (rows == 0) {
            std::fprintf(stderr, "removal %d: no rows left\n", i);
            result = 1;
            break;
        }
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        WriteProcessMemory(r.process, r.base, &state, sizeof state, nullptr);
        SendMessageA(list, LVM_SETITEMSTATE, rows - 1, reinterpret_cast<LPARAM>(r.base));
        PostMessageA(button, BM_CLICK, 0, 0);
        if (!PollUntil([&] { return RowCount(list) == rows - 1; }, 10000)) {
            std::fprintf(stderr, "removal %d: the row stayed\n", i);
            result = 1;
        }
    }
    CloseRemote(r);
    return result;
}

// Whether the notification area holds icon 0 of that window: changing
// nothing about it succeeds only then.
bool TrayIconThere(HWND owner) {
    NOTIFYICONDATAA record = {};
    record.cbSize = sizeof record;
    record.hWnd = owner;
    record.uID = 0;
    record.uFlags = 0;
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

HWND WindowOfProcess(const char* title, DWORD pid) {
    HWND hwnd = FindTopLevel(title);
    return hwnd && ProcessOf(hwnd) == pid ? hwnd : nullptr;
}

int StartTime(const char* title, const char* program) {
    std::string commandLine = std::string("\"") + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    LARGE_INTEGER started, trayAt, ended;
    QueryPerformanceCounter(&started);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return 1;
    HWND hwnd = nullptr;
    bool there = PollUntil([&] {
        if (!hwnd) hwnd = WindowOfProcess(title, info.dwProcessId);
        return hwnd && TrayIconThere(hwnd);
    }, 120000);
    QueryPerformanceCounter(&trayAt);
    if (hwnd) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    bool ended_ = WaitForSingleObject(info.hProcess, 120000) == WAIT_OBJECT_0;
    QueryPerformanceCounter(&ended);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    if (!there || !ended_) return 1;
    std::printf("%.1f %.1f\n", Milliseconds(started, trayAt), Milliseconds(started, ended));
    return 0;
}
}  // namespace

// The main window "Lumarel" of that process.
struct OwnedBy {
    DWORD process;
    HWND found;
};
BOOL CALLBACK FindMainOf(HWND hwnd, LPARAM data) {
    auto* want = reinterpret_cast<OwnedBy*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    char title[32] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    if (process == want->process && !std::strcmp(title, "Lumarel")) {
        want->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

int RunAndQuit(const char* exe, const char* appData) {
    SetEnvironmentVariableA("APPDATA", appData);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = std::string("\"") + exe + "\"";
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 1;
    OwnedBy main = {process.dwProcessId, nullptr};
    for (int i = 0; i < 600 && !main.found; ++i) {
        if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) break;
        EnumWindows(FindMainOf, reinterpret_cast<LPARAM>(&main));
    }
    if (main.found) PostMessageA(main.found, WM_COMMAND, 1, 0);  // "Beenden"
    DWORD code = 1;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    std::printf("window=%d exit=%lu\n", main.found ? 1 : 0, code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const char* command = argv[1];
    const char* title = argv[2];
    if (!std::strcmp(command, "wait-window")) return WaitWindow(title, argc > 3 ? atoi(argv[3]) : 20);
    if (!std::strcmp(command, "wait-gone")) return WaitGone(title, argc > 3 ? atoi(argv[3]) : 20);
    if (!std::strcmp(command, "window-info")) return WindowInfo(title);
    if (!std::strcmp(command, "post")) return Message(title, argc - 3, argv + 3, true);
    if (!std::strcmp(command, "send")) return Message(title, argc - 3, argv + 3, false);
    if (!std::strcmp(command, "controls")) return Controls(title);
    if (!std::strcmp(command, "control-center") && argc > 3) return ControlCenter(title, argv[3]);
    if (!std::strcmp(command, "list-rows")) return ListRows(title);
    if (!std::strcmp(command, "list-row-center") && argc > 3)
        return ItemCenter(title, "SysListView32", LVM_GETITEMRECT, atoi(argv[3]));
    if (!std::strcmp(command, "tab-center") && argc > 3)
        return ItemCenter(title, "SysTabControl32", TCM_GETITEMRECT, atoi(argv[3]));
    if (!std::strcmp(command, "tray-remove")) return TrayRemove(title);
    if (!std::strcmp(command, "broadcast")) return Broadcast(title);
    if (!std::strcmp(command, "menu-rect")) return MenuRect();
    if (!std::strcmp(command, "run-and-quit") && argc > 3) return RunAndQuit(title, argv[3]);
    if (!std::strcmp(command, "resources")) return Resources(title);
    int n = argc > 3 ? atoi(argv[3]) : 1;
    if (!std::strcmp(command, "tray-toggles")) return TrayToggles(title, n);
    if (!std::strcmp(command, "config-cycles")) return ConfigCycles(title, n);
    if (!std::strcmp(command, "add-separators")) return AddSeparators(title, n);
    if (!std::strcmp(command, "remove-rows")) return RemoveRows(title, n);
    if (!std::strcmp(command, "add-files") && argc > 4) return AddFiles(title, n, argv[4]);
    if (!std::strcmp(command, "start-time") && argc > 3) return StartTime(title, argv[3]);
    return 2;
}
