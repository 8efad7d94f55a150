// Icon images from ICO data, the shell's file-type icons and the ICO files
// the program carries.
#include "Win32Internal.h"

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

