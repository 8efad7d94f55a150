// The notification-area icon and the pop-up menu.
#include <cstring>

#include "Win32Internal.h"
#include "platform/Numbers.h"

#ifndef _WIN64
// The whole ANSI record, balloon fields, guidItem and hBalloonIcon included.
static_assert(sizeof(NOTIFYICONDATAA) == 508, "NOTIFYICONDATAA as the shell expects it");
#endif

namespace {
struct TrayEntry {
    HWND owner = nullptr;       // set only once the shell took the icon
    HICON madeIcon = nullptr;   // made here from a bitmap; destroyed with the entry
};

struct MenuEntry {
    HMENU menu = nullptr;
    HWND window = nullptr;  // none for a pop-up menu
};

std::map<int, TrayEntry> gTrayIcons;
std::map<int, MenuEntry> gMenus;
HMENU gCurrentMenu = nullptr;

// An entry without owner counts as absent.
TrayEntry* FindTrayIcon(int number) {
    TrayEntry* entry = FindNumbered(gTrayIcons, number);
    return entry && entry->owner ? entry : nullptr;
}

// An icon with the bitmap's picture; the mask is all zero (opaque), so a
// bitmap with alpha keeps its own transparency.
HICON IconFromBitmap(HBITMAP bitmap) {
    BITMAP info = {};
    if (!GetObjectA(bitmap, sizeof info, &info)) return nullptr;
    HBITMAP mask = CreateBitmap(info.bmWidth, info.bmHeight, 1, 1, nullptr);
    if (!mask) return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, mask);
    PatBlt(dc, 0, 0, info.bmWidth, info.bmHeight, BLACKNESS);
    SelectObject(dc, old);
    DeleteDC(dc);
    ICONINFO made = {};
    made.fIcon = TRUE;
    made.hbmColor = bitmap;
    made.hbmMask = mask;
    HICON icon = CreateIconIndirect(&made);
    DeleteObject(mask);  // the icon keeps its own copy
    return icon;
}

void DestroyMenuEntry(MenuEntry& entry) {
    if (entry.window) SetMenu(entry.window, nullptr);
    DestroyMenu(entry.menu);
}
}  // namespace

NOTIFYICONDATAA TrayIconRecord(HWND owner, int number, UINT flags, HICON icon, const char* tip) {
    NOTIFYICONDATAA record;
    std::memset(&record, 0, sizeof record);
    record.cbSize = sizeof record;
    record.hWnd = owner;
    record.uID = UINT(number);
    record.uFlags = flags;
    if (flags & NIF_MESSAGE) record.uCallbackMessage = kTrayMessage;
    if (flags & NIF_ICON) record.hIcon = icon;
    // At most 63 bytes: the 64th byte and all later ones stay zero.
    if ((flags & NIF_TIP) && tip) std::strncpy(record.szTip, tip, kTrayTipBytes);
    return record;
}

void ResetTrayLayer() {
    gTrayIcons.clear();
    gMenus.clear();
    gCurrentMenu = nullptr;
}

HICON TrayIconMadeFromBitmap(int number) {
    TrayEntry* entry = FindTrayIcon(number);
    return entry ? entry->madeIcon : nullptr;
}

void AddTrayIcon(int number, SystemHandle owner, SystemHandle icon) {
    if (!icon || !owner) return;
    if (FindTrayIcon(number)) RemoveTrayIcon(number);
    TrayEntry entry;
    HICON shown = static_cast<HICON>(icon);
    if (GetObjectType(icon) == OBJ_BITMAP) {
        entry.madeIcon = IconFromBitmap(static_cast<HBITMAP>(icon));
        shown = entry.madeIcon;
    }
    NOTIFYICONDATAA record = TrayIconRecord(static_cast<HWND>(owner), number, NIF_MESSAGE | NIF_ICON, shown, nullptr);
    if (!shown || !Shell_NotifyIconA(NIM_ADD, &record)) {
        // No retry: the icon counts as absent.
        if (entry.madeIcon) DestroyIcon(entry.madeIcon);
        gTrayIcons.erase(number);
        return;
    }
    entry.owner = static_cast<HWND>(owner);
    gTrayIcons[number] = entry;
}

int SetTrayIconToolTip(int number, const char* text) {
    TrayEntry* entry = FindTrayIcon(number);
    if (!entry || !text) return 0;
    NOTIFYICONDATAA record = TrayIconRecord(entry->owner, number, NIF_TIP, nullptr, text);
    return Shell_NotifyIconA(NIM_MODIFY, &record) ? 1 : 0;
}

int RemoveTrayIcon(int number) {
    TrayEntry* entry = FindTrayIcon(number);
    if (!entry) return 0;
    NOTIFYICONDATAA record = TrayIconRecord(entry->owner, number, 0, nullptr, nullptr);
    Shell_NotifyIconA(NIM_DELETE, &record);  // may be gone already with a rebuilt taskbar
    // The image itself belongs to the image registry.
    if (entry->madeIcon) DestroyIcon(entry->madeIcon);
    gTrayIcons.erase(number);
    return 1;
}

void RemoveAllTrayIcons() {
    while (!gTrayIcons.empty()) {
        int number = gTrayIcons.begin()->first;
        if (!RemoveTrayIcon(number)) gTrayIcons.erase(number);
    }
}

SystemHandle CreateContextMenu(int number) {
    if (MenuEntry* old = FindNumbered(gMenus, number)) {
        if (gCurrentMenu == old->menu) gCurrentMenu = nullptr;
        DestroyMenuEntry(*old);
        gMenus.erase(number);
    }
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    gMenus[number] = MenuEntry{menu, nullptr};
    gCurrentMenu = menu;
    return menu;
}

void AddContextMenuItem(int identifier, const char* text) {
    if (!gCurrentMenu || !text) return;
    AppendMenuA(gCurrentMenu, MF_STRING, UINT_PTR(identifier), text);
}

void DisplayContextMenu(int number, SystemHandle owner) {
    MenuEntry* entry = FindNumbered(gMenus, number);
    if (!entry) return;
    POINT at = {};
    GetCursorPos(&at);
    // TrackPopupMenu leaves the menu open after a click elsewhere unless
    // the owner is in the foreground first.
    SetForegroundWindow(static_cast<HWND>(owner));
    // Returns once the menu has closed; a choice arrives as WM_COMMAND.
    TrackPopupMenu(entry->menu, TPM_RIGHTBUTTON, at.x - 1, at.y - 1, 0, static_cast<HWND>(owner), nullptr);
}
