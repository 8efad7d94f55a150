// The tab control and its pages. A page is a STATIC window over the tab
// control's display area; the controls on it are its children.
#include <vector>

#include "Win32Internal.h"

#include <commctrl.h>

namespace {
struct Panel {
    HWND tab = nullptr;
    std::vector<HWND> pages;
};
std::map<int, Panel> gPanels;

// Only the selected page takes part: hidden pages are also disabled, so
// that neither clicks nor Tab reach their controls.
void ShowSelectedPage(const Panel& panel) {
    int selected = int(SendMessageA(panel.tab, TCM_GETCURSEL, 0, 0));
    for (int i = 0; i < int(panel.pages.size()); ++i) {
        bool shown = i == selected;
        EnableWindow(panel.pages[i], shown);
        ShowWindow(panel.pages[i], shown ? SW_SHOW : SW_HIDE);
    }
}

bool OnPanelMessage(int number, UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    if (message != WM_NOTIFY) return false;
    auto it = gPanels.find(number);
    if (it == gPanels.end()) return false;
    UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
    if (code != UINT(TCN_SELCHANGING) && code != UINT(TCN_SELCHANGE)) return false;
    const Panel& panel = it->second;
    if (code == UINT(TCN_SELCHANGE)) {
        ShowSelectedPage(panel);
    } else {
        // Before the change: the old page goes.
        int old = int(SendMessageA(panel.tab, TCM_GETCURSEL, 0, 0));
        if (old >= 0 && old < int(panel.pages.size())) {
            ShowWindow(panel.pages[old], SW_HIDE);
            EnableWindow(panel.pages[old], FALSE);
        }
    }
    *result = FALSE;  // the change may go ahead
    return true;
}

// Controls send their commands and notifications to their parent, the
// page; the top-level window's procedure turns them into events.
LRESULT CALLBACK PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return ForwardToWindowProcedure(hwnd, message, wParam, lParam);
    }
    auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

void ForgetClosedPanels() {
    for (auto it = gPanels.begin(); it != gPanels.end();) {
        if (ControlHandle(it->first) != it->second.tab) it = gPanels.erase(it);
        else ++it;
    }
}
}  // namespace

void ReleasePanels() { gPanels.clear(); }

int CreatePanel(int number, int x, int y, int width, int height) {
    ForgetClosedPanels();
    int assigned = CreateChildControl(number, WC_TABCONTROLA, WS_EX_TRANSPARENT, WS_GROUP | WS_TABSTOP,
                                      x, y, width, height, "", OnPanelMessage);
    if (assigned) gPanels[assigned] = Panel{ControlHandle(assigned), {}};
    return assigned;
}

int AddPanelPage(int panel, const char* title) {
    auto it = gPanels.find(panel);
    if (it == gPanels.end() || ControlHandle(panel) != it->second.tab) return 0;
    Panel& p = it->second;
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(title ? title : "");
    int index = int(SendMessageA(p.tab, TCM_GETITEMCOUNT, 0, 0));
    if (SendMessageA(p.tab, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item)) < 0) return 0;

    RECT area;
    GetClientRect(p.tab, &area);
    SendMessageA(p.tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    HWND page = CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_NOTIFY, area.left, area.top,
                                area.right - area.left, area.bottom - area.top, p.tab, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!page) return 0;
    SendMessageA(page, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    LONG_PTR previous = SetWindowLongPtrA(page, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PageProcedure));
    SetWindowLongPtrA(page, GWLP_USERDATA, previous);
    p.pages.push_back(page);
    ShowSelectedPage(p);
    SetContainer(page, ContainerWindow());
    return int(p.pages.size());
}

void EndPanelPages() {
    auto it = Windows().find(ContainerWindow());
    if (it != Windows().end()) SetContainer(it->second.hwnd, it->first);
}
