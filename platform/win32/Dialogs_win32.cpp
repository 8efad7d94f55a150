// The open-file, folder and font dialogs, and the rules every dialog of
// the program follows while it is open.
#include <cstring>

#include "DialogGuard_win32.h"

#include <commdlg.h>
#include <shlobj.h>

namespace {
// The flags of the FontStyle word that the dialog shows.
constexpr int kBold = 256, kItalic = 512, kUnderline = 4, kStrikeOut = 8;

BOOL CALLBACK QuietenWindow(HWND hwnd, LPARAM data) {
    DialogGuard& guard = *reinterpret_cast<DialogGuard*>(data);
    if (!IsWindowVisible(hwnd) || hwnd == guard.foreground) return TRUE;
    if (IsWindowEnabled(hwnd)) {
        EnableWindow(hwnd, FALSE);
        guard.disabled.push_back(hwnd);
    }
    // A topmost window (the popup) would stand in front of the dialog.
    if (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) {
        SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        guard.topmost.push_back(hwnd);
    }
    return TRUE;
}
}  // namespace

DialogGuard EnterDialog() {
    DialogGuard guard;
    HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    if (foreground) GetWindowThreadProcessId(foreground, &process);
    if (process == GetCurrentProcessId()) guard.foreground = foreground;
    guard.owner = guard.foreground;
    EnumThreadWindows(GetCurrentThreadId(), QuietenWindow, reinterpret_cast<LPARAM>(&guard));
    return guard;
}

void LeaveDialog(DialogGuard& guard) {
    for (HWND hwnd : guard.disabled)
        if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
    for (HWND hwnd : guard.topmost)
        if (IsWindow(hwnd))
            SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    guard = DialogGuard{};
}

std::string OpenFileDialog(const char* title) {
    DialogGuard guard = EnterDialog();
    char path[260] = {};  // one path of at most 259 characters
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = guard.owner;
    request.lpstrFilter = nullptr;  // every file
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = sizeof path;
    request.lpstrTitle = title;
    // No OFN_FILEMUSTEXIST: a new name in an existing folder is taken.
    request.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    bool chosen = GetOpenFileNameA(&request);
    LeaveDialog(guard);
    return chosen ? std::string(path) : std::string();
}

std::string FolderDialog(const char* instruction) {
    DialogGuard guard = EnterDialog();
    char name[MAX_PATH] = {};
    BROWSEINFOA request = {};
    request.hwndOwner = guard.owner;
    request.pidlRoot = nullptr;  // the desktop
    request.pszDisplayName = name;
    request.lpszTitle = instruction;
    request.ulFlags = BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&request);
    LeaveDialog(guard);
    if (!chosen) return {};
    char path[MAX_PATH] = {};
    bool onDisk = SHGetPathFromIDListA(chosen, path);
    CoTaskMemFree(chosen);
    std::string result = onDisk ? path : "";
    if (!result.empty() && result.back() != '\\') result += '\\';
    return result;
}

bool FontDialog(FontChoice* choice) {
    if (!choice) return false;
    LOGFONTA font = {};
    strncpy(font.lfFaceName, choice->name.c_str(), LF_FACESIZE - 1);
    if (choice->size != 0) {
        HDC screen = GetDC(nullptr);
        font.lfHeight = -MulDiv(choice->size, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
    }
    // The dialog opens on the current style as well.
    font.lfWeight = (choice->style & kBold) ? FW_BOLD : 0;
    font.lfItalic = (choice->style & kItalic) != 0;
    font.lfUnderline = (choice->style & kUnderline) != 0;
    font.lfStrikeOut = (choice->style & kStrikeOut) != 0;

    DialogGuard guard = EnterDialog();
    CHOOSEFONTA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = guard.owner;
    request.lpLogFont = &font;
    request.Flags = CF_SCREENFONTS | CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    bool chosen = ChooseFontA(&request);
    LeaveDialog(guard);
    if (!chosen) return false;
    choice->name = font.lfFaceName;
    choice->weight = font.lfWeight;
    choice->italic = font.lfItalic != 0;
    choice->underline = font.lfUnderline != 0;
    choice->strikeOut = font.lfStrikeOut != 0;
    choice->pointSizeTenths = request.iPointSize;
    return true;
}
