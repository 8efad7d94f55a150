// Set-up and release of the layer, and the system services the core asks
// for: work area, environment, fonts and files.
// windows.h (through Win32Internal.h) must come before the other system headers.
#include "Win32Internal.h"

#include <commctrl.h>
#include <objbase.h>

#include <cstdint>
#include <new>
#include <set>
#include <string>

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

namespace {
// Read and write access first, so that no other program writes the file
// while we hold it; a file we may only read still loads, as read-only.
struct OpenAttempt {
    DWORD access;
    DWORD share;
};
constexpr OpenAttempt kOpenAttempts[] = {
    {GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ},
    {GENERIC_READ, FILE_SHARE_READ},
    {GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE},
};

// ReadFile and WriteFile move at most a DWORD at a time.
constexpr size_t kChunk = 1u << 20;

// Keeps what could be read; a file that shrank meanwhile ends early.
void ReadAll(HANDLE file, std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD want = DWORD(bytes.size() - done < kChunk ? bytes.size() - done : kChunk);
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + done, want, &got, nullptr)) break;
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD want = DWORD(bytes.size() - done < kChunk ? bytes.size() - done : kChunk);
        DWORD put = 0;
        if (!WriteFile(file, bytes.data() + done, want, &put, nullptr) || put == 0) return false;
        done += put;
    }
    return true;
}
}  // namespace

FileData ReadWholeFile(const char* path) {
    FileData data;
    if (!path) return data;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (size_t i = 0; i < 3 && file == INVALID_HANDLE_VALUE; ++i) {
        file = CreateFileA(path, kOpenAttempts[i].access, kOpenAttempts[i].share, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        data.readOnly = i > 0;
    }
    if (file == INVALID_HANDLE_VALUE) return FileData{};
    LARGE_INTEGER size = {};
    bool sized = GetFileSizeEx(file, &size) && size.QuadPart >= 0 &&
                 uint64_t(size.QuadPart) <= uint64_t(data.bytes.max_size());
    if (sized) {
        try {
            data.bytes.resize(size_t(size.QuadPart));
            ReadAll(file, data.bytes);
            data.opened = true;
        } catch (const std::bad_alloc&) {
            data = FileData{};  // too large for our address space: as if unreadable
        }
    }
    CloseHandle(file);
    if (!data.opened) return FileData{};
    return data;
}

namespace {
// Whether the file may be written as it stands: it is missing, or it can be
// opened for writing. A replacement by rename would otherwise go through
// where writing the file itself is refused (a read-only file).
bool MayWrite(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}
}  // namespace

bool ReplaceWholeFile(const char* path, const std::string& bytes) {
    if (!path || !*path || !MayWrite(path)) return false;
    // Beside the target, so that the last step is a rename on one volume;
    // the process id keeps two running copies apart.
    std::string temporary = std::string(path) + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // The bytes must be on the disk before the rename makes them the file.
    bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    written = CloseHandle(file) && written;
    if (written && MoveFileExA(temporary.c_str(), path,
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileA(temporary.c_str());  // the old file is untouched
    return false;
}

