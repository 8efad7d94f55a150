// Set-up and release of the layer, and the system services the core asks
// for: work area, environment, fonts, images, tray, menu, processes, files
// and dialogs.
#include <commctrl.h>
#include <objbase.h>

#include <set>

#include "Win32Internal.h"
#include "platform/EventQueue.h"

void InitWindowLayer();

namespace {
std::set<HFONT> gFonts;
}  // namespace

void InitPlatform() {
    InitWindowLayer();
    ReleaseControls();
    SetContainer(nullptr, -1);
    gFonts.clear();
    // The folder dialog needs COM on this thread.
    CoInitialize(nullptr);
    // Tab, hot-key, date, extended combo box and internet-address classes.
    INITCOMMONCONTROLSEX icc = {sizeof icc, 0xB48};
    InitCommonControlsEx(&icc);
}

void ReleasePlatform() {
    ClearEventQueue();
    ReleaseControls();
    Windows().clear();
    SetContainer(nullptr, -1);
}

Rect DesktopWorkArea() {
    RECT r = {};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0)) return {};
    return Rect{r.left, r.top, r.right, r.bottom};
}

std::string EnvironmentVariable(const char* name) {
    DWORD needed = GetEnvironmentVariableA(name, nullptr, 0);
    if (needed == 0) return {};
    std::string value(needed, '\0');
    DWORD got = GetEnvironmentVariableA(name, value.data(), needed);
    value.resize(got < needed ? got : 0);
    return value;
}

// ---- fonts ----------------------------------------------------------------------

int DisplayDpiY() {
    HDC dc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (!dc) return 0;
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    DeleteDC(dc);
    return dpi;
}

SystemHandle CreateFontFrom(const FontRequest& r) {
    HFONT font = CreateFontA(r.height, 0, 0, 0, r.weight, r.italic, r.underline, r.strikeOut,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             r.proofQuality ? PROOF_QUALITY : DEFAULT_QUALITY, 0, r.face.c_str());
    if (font) gFonts.insert(font);
    return font;
}

void FreeFont(SystemHandle font) {
    if (gFonts.erase(static_cast<HFONT>(font))) DeleteObject(static_cast<HFONT>(font));
}

void FreeAllFonts() {
    for (HFONT font : gFonts) DeleteObject(font);
    gFonts.clear();
}

// ---- images ---------------------------------------------------------------------

IconImage IconFromImageBits(const uint8_t* bits, size_t size, int width, int height, int bitCount) {
    (void)bits, (void)size, (void)width, (void)height, (void)bitCount;
    return {};
}
void FreeAllImages() {}
SystemHandle ShellIconFor(const char* path) {
    (void)path;
    return nullptr;
}
ByteView EmbeddedIcoFile(EmbeddedIco which) {
    (void)which;
    return {};
}

// ---- tray and menu ----------------------------------------------------------------

void AddTrayIcon(int number, SystemHandle owner, SystemHandle icon) {
    (void)number, (void)owner, (void)icon;
}
int SetTrayIconToolTip(int number, const char* text) {
    (void)number, (void)text;
    return 0;
}
int RemoveTrayIcon(int number) {
    (void)number;
    return 0;
}
void RemoveAllTrayIcons() {}
SystemHandle CreateContextMenu(int number) {
    (void)number;
    return nullptr;
}
void AddContextMenuItem(int identifier, const char* text) { (void)identifier, (void)text; }
void DisplayContextMenu(int number, SystemHandle owner) { (void)number, (void)owner; }

// ---- processes and files -------------------------------------------------------------

bool StartProcess(const char* commandLine) {
    (void)commandLine;
    return false;
}
bool ShellOpen(const char* file, const char* directory) {
    (void)file, (void)directory;
    return false;
}
FileData ReadWholeFile(const char* path) {
    (void)path;
    return {};
}
bool ReplaceWholeFile(const char* path, const std::string& bytes) {
    (void)path, (void)bytes;
    return false;
}

// ---- dialogs -----------------------------------------------------------------------

std::string OpenFileDialog(const char* title) {
    (void)title;
    return {};
}
std::string FolderDialog(const char* instruction) {
    (void)instruction;
    return {};
}
std::string TextInputDialog(const char* title, const char* prompt, const char* defaultText) {
    (void)title, (void)prompt, (void)defaultText;
    return {};
}
bool FontDialog(FontChoice* choice) {
    (void)choice;
    return false;
}
