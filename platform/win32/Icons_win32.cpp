// Icon images from ICO data, the shell's file-type icons and the ICO files
// the program carries.
#include <set>
#include <vector>

#include "Win32Internal.h"
#include "resources/ResourceIds.h"

#ifndef _WIN64
static_assert(sizeof(SHFILEINFOA) == 352, "SHFILEINFOA as the shell expects it");
#endif

namespace {
std::set<HICON> gImages;
std::set<HICON> gShellIcons;

// The size and depth of an icon's colour bitmap.
bool ColourBitmapOf(HICON icon, BITMAP* bitmap) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return false;
    HBITMAP colour = info.hbmColor ? info.hbmColor : info.hbmMask;
    bool ok = GetObjectA(colour, sizeof *bitmap, bitmap) != 0;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return ok;
}
}  // namespace

IconImage IconFromImageBits(const uint8_t* bits, size_t size, int width, int height, int bitCount) {
    if (!bits || size == 0 || size > 0x7FFFFFFF) return {};
    // The calls take a writable buffer.
    std::vector<BYTE> copy(bits, bits + size);
    HICON icon = CreateIconFromResourceEx(copy.data(), DWORD(size), TRUE, 0x00030000, width, height,
                                          LR_DEFAULTCOLOR);
    if (!icon && bitCount != 16) icon = CreateIconFromResource(copy.data(), DWORD(size), TRUE, 0x00030000);
    if (!icon) return {};
    BITMAP bitmap = {};
    if (!ColourBitmapOf(icon, &bitmap)) {
        DestroyIcon(icon);
        return {};
    }
    gImages.insert(icon);
    return IconImage{icon, int(bitmap.bmWidth), int(bitmap.bmHeight), int(bitmap.bmBitsPixel)};
}

void FreeAllImages() {
    for (HICON icon : gImages) DestroyIcon(icon);
    gImages.clear();
}

SystemHandle ShellIconFor(const char* path) {
    if (!path) return nullptr;
    SHFILEINFOA info = {};
    // Only the name's type counts: the file is not opened, nor even looked for.
    if (!SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_ICON | SHGFI_USEFILEATTRIBUTES)) return nullptr;
    if (info.hIcon) gShellIcons.insert(info.hIcon);
    return info.hIcon;
}

void FreeShellIcon(SystemHandle icon) {
    HICON handle = static_cast<HICON>(icon);
    if (!gShellIcons.erase(handle)) return;
    // A later icon may get the same handle: nothing may know this one by it.
    ForgetListImage(handle);
    ForgetScaledIcon(handle);
    DestroyIcon(handle);
}

ByteView EmbeddedIcoFile(EmbeddedIco which) {
    int id = which == EmbeddedIco::Program ? IDR_PROGRAM_ICO : IDR_FOLDER_ICO;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    DWORD size = SizeofResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data || size == 0) return {};
    return ByteView{static_cast<const uint8_t*>(data), size_t(size)};
}
