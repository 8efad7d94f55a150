// The control registry and the plain controls: buttons, labels, text fields.
#include "Win32Internal.h"
#include "platform/EventQueue.h"
#include "platform/Numbers.h"

namespace {
std::map<int, ControlEntry> gControls;
HWND gContainer = nullptr;
int gContainerWindow = -1;
}  // namespace

std::map<int, ControlEntry>& Controls() { return gControls; }
HWND ContainerHandle() { return gContainer; }
int ContainerWindow() { return gContainerWindow; }

void SetContainer(HWND parent, int window) {
    gContainer = parent;
    gContainerWindow = window;
}

int ReserveControlNumber(int number) {
    if (number != AutoNumber) {
        DestroyControl(number);
        return number;
    }
    return LowestFreeNumber(gControls);
}

int RegisterControl(int number, HWND hwnd, ControlHandler handler) {
    if (!hwnd) return 0;
    gControls[number] = ControlEntry{hwnd, gContainerWindow, handler};
    return number;
}

int ControlNumberOf(HWND hwnd) {
    if (!hwnd) return -1;
    for (auto& [number, entry] : gControls)
        if (entry.hwnd == hwnd) return number;
    return -1;
}

HWND ControlHandle(int number) {
    ControlEntry* entry = FindNumbered(gControls, number);
    return entry ? entry->hwnd : nullptr;
}

void ReleaseControls() {
    gControls.clear();
    ReleaseListImages();
    ReleasePanels();
}

bool ControlExists(int number) { return gControls.count(number) != 0; }

void DestroyControl(int number) {
    ControlEntry* entry = FindNumbered(gControls, number);
    if (!entry) return;
    HWND hwnd = entry->hwnd;
    gControls.erase(number);
    DropEventsOfGadget(number);
    DestroyWindow(hwnd);
}

void DisableControl(int number) {
    if (HWND hwnd = ControlHandle(number)) EnableWindow(hwnd, FALSE);
}

// ---- plain controls -----------------------------------------------------------

int CreateChildControl(int number, const char* className, DWORD exStyle, DWORD style, int x,
                       int y, int width, int height, const char* text, ControlHandler handler) {
    if (!gContainer) return 0;
    int assigned = ReserveControlNumber(number);
    HWND hwnd = CreateWindowExA(exStyle, className, text ? text : "", WS_CHILD | WS_VISIBLE | style,
                                x, y, width, height, gContainer,
                                reinterpret_cast<HMENU>(static_cast<intptr_t>(assigned)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return 0;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return RegisterControl(assigned, hwnd, handler);
}

int CreateButton(int number, int x, int y, int width, int height, const char* text) {
    return CreateChildControl(number, "Button", 0, WS_GROUP | WS_TABSTOP, x, y, width, height, text,
                              nullptr);
}

int CreateLabel(int number, int x, int y, int width, int height, const char* text) {
    return CreateChildControl(number, "Static", 0, WS_GROUP, x, y, width, height, text, nullptr);
}

int CreateTextField(int number, int x, int y, int width, int height, const char* text) {
    return CreateChildControl(number, "Edit", WS_EX_CLIENTEDGE, WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL, x,
                              y, width, height, text, nullptr);
}

std::string ControlText(int number) {
    HWND hwnd = ControlHandle(number);
    if (!hwnd) return {};
    int length = GetWindowTextLengthA(hwnd);
    std::string text(size_t(length) + 1, '\0');
    int got = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(size_t(got > 0 ? got : 0));
    return text;
}

void SetControlText(int number, const char* text) {
    if (HWND hwnd = ControlHandle(number)) SetWindowTextA(hwnd, text ? text : "");
}
