// Set-up and release of the layer, and the system services the core asks
// for: work area, environment, fonts and files.
#include "Win32Internal.h"

#include <commctrl.h>
#include <objbase.h>

#include <set>

#include "platform/EventQueue.h"

void InitWindowLayer();

namespace {
std::set<HFONT> gFonts;
}  // namespace

void InitPlatform() {
    InitWindowLayer();
    ResetTrayLayer();
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
    ResetTrayLayer();
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

// ---- files ----------------------------------------------------------------------

FileData ReadWholeFile(const char* path) {
    (void)path;
    return {};
}
bool ReplaceWholeFile(const char* path, const std::string& bytes) {
    (void)path, (void)bytes;
    return false;
}

