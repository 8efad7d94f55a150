// The list control and its rows, with one image per icon handle.
#include <vector>

#include "Win32Internal.h"

#include <commctrl.h>

namespace {
struct ListImages {
    HWND hwnd = nullptr;
    HIMAGELIST small = nullptr;
    HIMAGELIST large = nullptr;
    std::map<HICON, int> indexOf;
};
std::map<int, ListImages> gLists;

void DestroyImages(ListImages& list) {
    // LVS_SHAREIMAGELISTS: the control leaves them to us.
    if (list.small) ImageList_Destroy(list.small);
    if (list.large) ImageList_Destroy(list.large);
    list.small = list.large = nullptr;
    list.indexOf.clear();
}

void ForgetClosedLists() {
    for (auto it = gLists.begin(); it != gLists.end();) {
        if (ControlHandle(it->first) != it->second.hwnd) {
            DestroyImages(it->second);
            it = gLists.erase(it);
        } else {
            ++it;
        }
    }
}

ListImages* FindList(int number) {
    auto it = gLists.find(number);
    if (it == gLists.end() || ControlHandle(number) != it->second.hwnd) return nullptr;
    return &it->second;
}

HICON TransparentIcon(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (colour) ZeroMemory(bits, size_t(width) * size_t(height) * 4);  // alpha 0
    std::vector<BYTE> maskBits(size_t((width + 15) / 16 * 2) * size_t(height), 0xFF);
    HBITMAP mask = CreateBitmap(width, height, 1, 1, maskBits.data());
    ICONINFO icon = {TRUE, 0, 0, mask, colour};
    HICON result = colour && mask ? CreateIconIndirect(&icon) : nullptr;
    if (colour) DeleteObject(colour);
    if (mask) DeleteObject(mask);
    return result;
}

HIMAGELIST NewImageList(int width, int height) {
    HIMAGELIST images = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 1, 1);
    if (!images) return nullptr;
    // Index 0: rows without an image of their own show empty space.
    HICON blank = TransparentIcon(width, height);
    ImageList_ReplaceIcon(images, -1, blank);
    if (blank) DestroyIcon(blank);
    return images;
}

int ImageFor(ListImages& list, HICON icon) {
    auto known = list.indexOf.find(icon);
    if (known != list.indexOf.end()) return known->second;
    if (!list.small) {
        list.small = NewImageList(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
        list.large = NewImageList(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
        if (!list.small || !list.large) {
            DestroyImages(list);
            return 0;
        }
        SendMessageA(list.hwnd, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(list.small));
        SendMessageA(list.hwnd, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(list.large));
    }
    // ReplaceIcon with -1 appends and scales the icon to the list's size.
    int index = ImageList_ReplaceIcon(list.small, -1, icon);
    ImageList_ReplaceIcon(list.large, -1, icon);
    if (index < 0) return 0;
    list.indexOf[icon] = index;
    return index;
}
}  // namespace

void ForgetListImage(HICON icon) {
    // The image stays in the list for the rows that show it.
    for (auto& [number, list] : gLists) list.indexOf.erase(icon);
}

void ReleaseListImages() {
    for (auto& [number, list] : gLists) DestroyImages(list);
    gLists.clear();
}

int CreateListControl(int number, int x, int y, int width, int height, const char* columnTitle,
                      int columnWidth, int options) {
    ForgetClosedLists();
    DWORD style = WS_TABSTOP | LVS_REPORT | LVS_SHAREIMAGELISTS;
    if (options & SingleSelection) style |= LVS_SINGLESEL;
    if (options & AlwaysShowSelection) style |= LVS_SHOWSELALWAYS;
    int assigned = CreateChildControl(number, WC_LISTVIEWA, WS_EX_CLIENTEDGE, style, x, y, width,
                                      height, "", nullptr);
    if (!assigned) return 0;
    HWND hwnd = ControlHandle(assigned);
    DWORD extended = LVS_EX_DOUBLEBUFFER | ((options & FullRowSelection) ? LVS_EX_FULLROWSELECT : 0);
    SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = columnWidth;
    column.pszText = const_cast<char*>(columnTitle ? columnTitle : "");
    SendMessageA(hwnd, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    gLists[assigned] = ListImages{hwnd, nullptr, nullptr, {}};
    return assigned;
}

void SetListDisplayMode(int list, ListDisplayMode mode) {
    HWND hwnd = ControlHandle(list);
    if (!hwnd) return;
    LONG style = GetWindowLongA(hwnd, GWL_STYLE) & ~LVS_TYPEMASK;
    SetWindowLongA(hwnd, GWL_STYLE, style | (mode == ListDisplayMode::List ? LVS_LIST : LVS_REPORT));
    // Wine keeps the old rows painted after a change of view until this.
    InvalidateRect(hwnd, nullptr, TRUE);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void AddListRow(int list, const char* text, SystemHandle icon) {
    ListImages* images = FindList(list);
    if (!images) return;
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = int(SendMessageA(images->hwnd, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(text ? text : "");
    item.iImage = icon ? ImageFor(*images, static_cast<HICON>(icon)) : 0;
    SendMessageA(images->hwnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void RemoveListRow(int list, int index) {
    if (HWND hwnd = ControlHandle(list)) SendMessageA(hwnd, LVM_DELETEITEM, index, 0);
}

void ClearListRows(int list) {
    ListImages* images = FindList(list);
    if (!images) return;
    SendMessageA(images->hwnd, LVM_DELETEALLITEMS, 0, 0);
    if (images->small) ImageList_SetImageCount(images->small, 1);  // keeps the placeholder
    if (images->large) ImageList_SetImageCount(images->large, 1);
    images->indexOf.clear();
}

int SelectedListRow(int list) {
    HWND hwnd = ControlHandle(list);
    if (!hwnd) return -1;
    return int(SendMessageA(hwnd, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

void SelectListRow(int list, int index) {
    HWND hwnd = ControlHandle(list);
    if (!hwnd) return;
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(hwnd, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&state));  // every row
    if (index == -1) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(hwnd, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
    SendMessageA(hwnd, LVM_ENSUREVISIBLE, index, TRUE);  // partly visible will do
}

int ListRowCount(int list) {
    HWND hwnd = ControlHandle(list);
    return hwnd ? int(SendMessageA(hwnd, LVM_GETITEMCOUNT, 0, 0)) : 0;
}
