// The configuration window on a real window system: the control tree, the
// rows and their images, keyboard navigation and opening it again.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ConfigWindow.h"
#include "platform/Platform.h"
#include "tests/win/WinTestSupport.h"

namespace {
struct Search {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND child, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    if (GetDlgCtrlID(child) != s->id) return TRUE;
    s->found = child;
    return FALSE;
}

// Controls sit on pages, so they are looked up by id below the window.
HWND FindById(int number) {
    Search search = {number, nullptr};
    EnumChildWindows(static_cast<HWND>(AppWindowHandle(ConfigWindow)), MatchId,
                     reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CountConfigWindows(HWND hwnd, LPARAM count) {
    char title[64] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    if (std::string(title) == "Lumarel - Konfiguration") ++*reinterpret_cast<int*>(count);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    return out;
}

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string TextOf(HWND hwnd) {
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

RECT RectIn(HWND hwnd, HWND parent) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string RowTextAt(HWND list, int row) {
    char text[256] = {};
    LVITEMA item = {};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

int RowImage(HWND list, int row) {
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

std::vector<std::string> RowTexts(HWND list) {
    std::vector<std::string> out;
    int n = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) out.push_back(RowTextAt(list, i));
    return out;
}

void Pump() {
    for (int i = 0; i < 1000; ++i)
        if (WaitForEvent(2).kind == EventKind::None) return;
}


class ConfigWindowWin : public ::testing::Test {
protected:
    LauncherList list;
    HICON programIcon = LoadIconA(nullptr, IDI_APPLICATION);
    HICON folderIcon = LoadIconA(nullptr, IDI_WARNING);

    void SetUp() override {
        InitPlatform();
        ASSERT_NE(OpenAppWindow(MainWindow, 0, 0, 0, 0, "Lumarel", Invisible, nullptr), 0);
        list = CreateLauncherList(200, 25, 20, "Tahoma", 10, 0);
    }
    void TearDown() override {
        CloseAllAppWindows();
        FreeAllFonts();
        ReleasePlatform();
    }
    HWND Window() { return static_cast<HWND>(AppWindowHandle(ConfigWindow)); }
    HWND ItemList() { return FindById(ConfigControlNumbers().itemList); }
};
}  // namespace

TEST_F(ConfigWindowWin, ControlTreeFollowsTheLayout) {
    OpenConfigWindow(list);
    Pump();
    HWND window = Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextOf(window), "Lumarel - Konfiguration");
    EXPECT_EQ(AppWindowClientWidth(ConfigWindow), 320);
    EXPECT_EQ(AppWindowClientHeight(ConfigWindow), 340);
    const ConfigControls& c = ConfigControlNumbers();
    HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

    std::vector<HWND> top = Children(window);
    ASSERT_EQ(top.size(), 1u);
    HWND tab = top[0];
    EXPECT_EQ(ClassOf(tab), "SysTabControl32");
    EXPECT_EQ(GetDlgCtrlID(tab), c.panel);
    LONG tabStyle = GetWindowLongA(tab, GWL_STYLE);
    EXPECT_EQ(tabStyle & (WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP), WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP);
    EXPECT_TRUE(GetWindowLongA(tab, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    RECT tr = RectIn(tab, window);
    EXPECT_EQ(tr.left, 0);
    EXPECT_EQ(tr.top, 0);
    EXPECT_EQ(tr.right, 320);
    EXPECT_EQ(tr.bottom, 340);
    EXPECT_EQ(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(tab, TCM_GETCURSEL, 0, 0), 0);
    const char* titles[] = {"Items", "Ansicht"};
    for (int i = 0; i < 2; ++i) {
        char text[32] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, titles[i]);
    }

    std::vector<HWND> pages = Children(tab);
    ASSERT_EQ(pages.size(), 2u);
    RECT display;
    GetClientRect(tab, &display);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(ClassOf(pages[i]), "Static");
        EXPECT_TRUE(GetWindowLongA(pages[i], GWL_STYLE) & SS_NOTIFY);
        RECT pr = RectIn(pages[i], tab);
        EXPECT_EQ(pr.left, display.left);
        EXPECT_EQ(pr.top, display.top);
        EXPECT_EQ(pr.right, display.right);
        EXPECT_EQ(pr.bottom, display.bottom);
    }
    EXPECT_TRUE(IsWindowVisible(pages[0]));
    EXPECT_TRUE(IsWindowEnabled(pages[0]));
    EXPECT_FALSE(IsWindowVisible(pages[1]));
    EXPECT_FALSE(IsWindowEnabled(pages[1]));

    const DWORD button = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP;
    const DWORD label = WS_CHILD | WS_VISIBLE | WS_GROUP;
    const DWORD field = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL;
    const DWORD listStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_LIST | LVS_SINGLESEL |
                            LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
    struct Want { int page; int id; const char* cls; DWORD style; DWORD exStyle; int x, y, w, h; const char* text; bool enabled; };
    const Want wants[] = {
        {0, c.itemList, "SysListView32", listStyle, WS_EX_CLIENTEDGE, 5, 5, 200, 300, "", true},
        {0, c.addFileButton, "Button", button, 0, 210, 5, 100, 25, "Datei hinzuf\xFCgen", true},
        {0, c.addFolderButton, "Button", button, 0, 210, 35, 100, 25, "Pfad hinzuf\xFCgen", true},
        {0, c.addSeparatorButton, "Button", button, 0, 210, 65, 100, 25, "Trennstrich", true},
        {0, c.removeButton, "Button", button, 0, 210, 105, 100, 25, "Entfernen", true},
        {0, c.moveUpButton, "Button", button, 0, 210, 145, 100, 25, "Nach oben", true},
        {0, c.moveDownButton, "Button", button, 0, 210, 175, 100, 25, "Nach unten", true},
        {1, -1, "Static", label, 0, 5, 8, 100, 20, "Itemh\xF6he", true},
        {1, c.itemHeightField, "Edit", field, WS_EX_CLIENTEDGE, 110, 5, 150, 20, "25", true},
        {1, -1, "Static", label, 0, 5, 38, 100, 20, "Trennstrichh\xF6he", true},
        {1, c.separatorHeightField, "Edit", field, WS_EX_CLIENTEDGE, 110, 35, 150, 20, "20", true},
        {1, -1, "Static", label, 0, 5, 68, 100, 20, "Breite der Liste", true},
        {1, c.widthField, "Edit", field, WS_EX_CLIENTEDGE, 110, 65, 150, 20, "200", true},
        {1, -1, "Static", label, 0, 5, 108, 100, 20, "Schriftart", true},
        {1, c.fontField, "Edit", field | WS_DISABLED, WS_EX_CLIENTEDGE, 110, 105, 150, 20, "Tahoma:10", false},
        {1, c.fontButton, "Button", button, 0, 270, 105, 30, 20, "...", true},
    };
    std::vector<HWND> onPage[2] = {Children(pages[0]), Children(pages[1])};
    ASSERT_EQ(onPage[0].size(), 7u);
    ASSERT_EQ(onPage[1].size(), 9u);
    size_t at[2] = {0, 0};
    for (const Want& w : wants) {
        HWND hwnd = onPage[w.page][at[w.page]++];
        SCOPED_TRACE(w.text);
        EXPECT_EQ(ClassOf(hwnd), w.cls);
        if (w.id >= 0) EXPECT_EQ(GetDlgCtrlID(hwnd), w.id);
        else EXPECT_GE(GetDlgCtrlID(hwnd), 2);
        EXPECT_EQ(DWORD(GetWindowLongA(hwnd, GWL_STYLE)) & (w.style | WS_DISABLED | WS_BORDER | BS_DEFPUSHBUTTON | LVS_TYPEMASK), w.style);
        EXPECT_EQ(DWORD(GetWindowLongA(hwnd, GWL_EXSTYLE)) & (WS_EX_CLIENTEDGE | WS_EX_TRANSPARENT), w.exStyle);
        RECT r = RectIn(hwnd, pages[w.page]);
        EXPECT_EQ(r.left, w.x);
        EXPECT_EQ(r.top, w.y);
        EXPECT_EQ(r.right - r.left, w.w);
        EXPECT_EQ(r.bottom - r.top, w.h);
        EXPECT_EQ(TextOf(hwnd), w.text);
        EXPECT_EQ(IsWindowEnabled(hwnd) != 0, w.enabled);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)), guiFont);
    }
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(tab, WM_GETFONT, 0, 0)), guiFont);

    HWND itemList = ItemList();
    DWORD extended = DWORD(SendMessageA(itemList, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_EQ(extended & (LVS_EX_DOUBLEBUFFER | LVS_EX_FULLROWSELECT), DWORD(LVS_EX_DOUBLEBUFFER | LVS_EX_FULLROWSELECT));
    char column[16] = {};
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.pszText = column;
    col.cchTextMax = sizeof column;
    ASSERT_TRUE(SendMessageA(itemList, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&col)));
    EXPECT_STREQ(column, "Name");
    // An empty list brings no image lists.
    EXPECT_EQ(SendMessageA(itemList, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
}

TEST_F(ConfigWindowWin, RowsShowTheEntriesAndFoldersShareOneImage) {
    AddItem(list, "notepad.exe", programIcon, "C:\\notepad.exe", Entry);
    AddItem(list, "Spiele", nullptr, "", Separator);
    AddItem(list, "x", folderIcon, "C:\\x\\", Entry);
    AddItem(list, "", nullptr, "", Separator);
    AddItem(list, "y", folderIcon, "C:\\y\\", Entry);
    AddItem(list, "ohne", nullptr, "C:\\ohne", Entry);
    OpenConfigWindow(list);
    HWND itemList = ItemList();
    EXPECT_EQ(RowTexts(itemList), (std::vector<std::string>{"notepad.exe", "Trennstrich: Spiele", "x",
                                                            "Trennstrich: ", "y", "ohne"}));
    auto small = reinterpret_cast<HIMAGELIST>(SendMessageA(itemList, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    auto large = reinterpret_cast<HIMAGELIST>(SendMessageA(itemList, LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
    ASSERT_NE(small, nullptr);
    ASSERT_NE(large, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(small), 3);  // placeholder, program, folder
    EXPECT_EQ(ImageList_GetImageCount(large), 3);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(small, &cx, &cy);
    EXPECT_EQ(cx, GetSystemMetrics(SM_CXSMICON));
    ImageList_GetIconSize(large, &cx, &cy);
    EXPECT_EQ(cx, GetSystemMetrics(SM_CXICON));
    std::vector<int> images;
    for (int i = 0; i < 6; ++i) images.push_back(RowImage(itemList, i));
    EXPECT_EQ(images, (std::vector<int>{1, 0, 2, 0, 2, 0}));

    // Moving rebuilds the rows with the same images and keeps the moved row selected.
    SelectListRow(ConfigControlNumbers().itemList, 4);
    HandleConfigEvent(list, ConfigControlNumbers().moveUpButton, folderIcon);
    EXPECT_EQ(RowTexts(itemList), (std::vector<std::string>{"notepad.exe", "Trennstrich: Spiele", "x", "y",
                                                            "Trennstrich: ", "ohne"}));
    EXPECT_EQ(ImageList_GetImageCount(small), 3);
    EXPECT_EQ(SendMessageA(itemList, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), 3);
    EXPECT_EQ(SendMessageA(itemList, LVM_GETITEMSTATE, 3, LVIS_FOCUSED), LVIS_FOCUSED);
    EXPECT_EQ(SelectedListRow(ConfigControlNumbers().itemList), 3);

    HandleConfigEvent(list, ConfigControlNumbers().removeButton, folderIcon);
    EXPECT_EQ(ListRowCount(ConfigControlNumbers().itemList), 5);
    EXPECT_EQ(SelectedListRow(ConfigControlNumbers().itemList), -1);
    EXPECT_EQ(list.items[3].name, "");
}

TEST_F(ConfigWindowWin, ControlEventsComeFromTheirPagesAndChangingTabsSwapsPages) {
    OpenConfigWindow(list);
    Pump();
    const ConfigControls& c = ConfigControlNumbers();
    SendMessageA(FindById(c.widthField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("250"));
    bool sawWidth = false;
    for (int i = 0; i < 1000; ++i) {
        AppEvent e = WaitForEvent(2);
        if (e.kind == EventKind::None) break;
        if (e.kind != EventKind::Gadget) continue;
        EXPECT_EQ(e.window, ConfigWindow);
        if (e.gadget == c.widthField) sawWidth = true;
        HandleConfigEvent(list, e.gadget, folderIcon);
    }
    EXPECT_TRUE(sawWidth);
    EXPECT_EQ(list.width, 250);

    HWND tab = FindById(c.panel);
    std::vector<HWND> pages = Children(tab);
    // What a click on the second tab does: the notifications around the change.
    NMHDR note = {tab, UINT_PTR(c.panel), UINT(TCN_SELCHANGING)};
    EXPECT_EQ(SendMessageA(Window(), WM_NOTIFY, c.panel, reinterpret_cast<LPARAM>(&note)), FALSE);
    SendMessageA(tab, TCM_SETCURSEL, 1, 0);
    note.code = UINT(TCN_SELCHANGE);
    SendMessageA(Window(), WM_NOTIFY, c.panel, reinterpret_cast<LPARAM>(&note));
    EXPECT_FALSE(IsWindowVisible(pages[0]));
    EXPECT_FALSE(IsWindowEnabled(pages[0]));
    EXPECT_TRUE(IsWindowVisible(pages[1]));
    EXPECT_TRUE(IsWindowEnabled(pages[1]));
}

TEST_F(ConfigWindowWin, TabAndShiftTabWrapOnTheShownPage) {
    AddItem(list, "a", nullptr, "C:\\a", Entry);
    OpenConfigWindow(list);
    const ConfigControls& c = ConfigControlNumbers();
    HWND window = Window();
    SetForegroundWindow(window);
    SetActiveWindow(window);
    Pump();
    SetFocus(FindById(c.panel));
    ASSERT_EQ(GetActiveWindow(), window);
    auto focused = [] { return GetDlgCtrlID(GetFocus()); };

    const std::vector<int> itemsOrder = {c.panel, c.itemList, c.addFileButton, c.addFolderButton,
                                         c.addSeparatorButton, c.removeButton, c.moveUpButton,
                                         c.moveDownButton};
    std::vector<int> forward, backward;
    for (size_t i = 0; i < itemsOrder.size(); ++i) {
        PressTab(false);
        forward.push_back(focused());
    }
    std::vector<int> wantForward(itemsOrder.begin() + 1, itemsOrder.end());
    wantForward.push_back(c.panel);  // wraps
    EXPECT_EQ(forward, wantForward);
    PressTab(true);
    EXPECT_EQ(focused(), c.moveDownButton);  // wraps backwards

    // Page "Ansicht": the disabled font field and the hidden page are skipped.
    HWND tab = FindById(c.panel);
    SendMessageA(tab, TCM_SETCURSEL, 1, 0);
    NMHDR note = {tab, UINT_PTR(c.panel), UINT(TCN_SELCHANGE)};
    SendMessageA(window, WM_NOTIFY, c.panel, reinterpret_cast<LPARAM>(&note));
    SetFocus(tab);
    for (int i = 0; i < 5; ++i) {
        PressTab(false);
        forward.push_back(focused());
    }
    EXPECT_EQ(std::vector<int>(forward.end() - 5, forward.end()),
              (std::vector<int>{c.itemHeightField, c.separatorHeightField, c.widthField, c.fontButton, c.panel}));
    for (int i = 0; i < 2; ++i) {
        PressTab(true);
        backward.push_back(focused());
    }
    EXPECT_EQ(backward, (std::vector<int>{c.fontButton, c.widthField}));
}

TEST_F(ConfigWindowWin, OpeningAgainGivesOneCentredWindowOnItemsWithoutSelection) {
    AddItem(list, "a", programIcon, "C:\\a", Entry);
    AddItem(list, "b", programIcon, "C:\\b", Entry);
    OpenConfigWindow(list);
    HWND first = Window();
    const ConfigControls& c = ConfigControlNumbers();
    HWND tab = FindById(c.panel);
    SendMessageA(tab, TCM_SETCURSEL, 1, 0);
    SelectListRow(c.itemList, 1);
    SetWindowPos(first, nullptr, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    OpenConfigWindow(list);
    Pump();
    EXPECT_FALSE(IsWindow(first));
    int windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountConfigWindows, reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(windows, 1);
    RECT r;
    GetWindowRect(Window(), &r);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
    EXPECT_EQ(SendMessageA(FindById(ConfigControlNumbers().panel), TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SelectedListRow(ConfigControlNumbers().itemList), -1);
    EXPECT_EQ(ListRowCount(ConfigControlNumbers().itemList), 2);
}

TEST_F(ConfigWindowWin, NumbersOfAClosedWindowDoNothing) {
    OpenConfigWindow(list);
    ConfigControls old = ConfigControlNumbers();
    CloseAppWindow(ConfigWindow);
    // Acting would read the gone field as empty and set the width to 0.
    HandleConfigEvent(list, old.widthField, folderIcon);
    HandleConfigEvent(list, old.removeButton, folderIcon);
    EXPECT_EQ(list.width, 200);
}
