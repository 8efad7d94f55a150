// Builds ICO files for tests: a directory and, per image, a bitmap header
// followed by filler bytes, so each image's byte count tells it apart.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct IcoImageLayout {
    int entryWidth, entryHeight, bitCount;  // the directory entry
    int headerWidth, headerHeight;          // the bitmap header (height counts the mask)
    int filler;                             // bytes after the header
};

inline void PutLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

inline std::string MakeIco(const std::vector<IcoImageLayout>& images) {
    std::string out;
    PutLe(out, 0, 2);
    PutLe(out, 1, 2);
    PutLe(out, uint32_t(images.size()), 2);
    uint32_t offset = uint32_t(6 + 16 * images.size());
    for (const IcoImageLayout& i : images) {
        out.push_back(char(i.entryWidth));
        out.push_back(char(i.entryHeight));
        PutLe(out, 0, 2);
        PutLe(out, 1, 2);
        PutLe(out, uint32_t(i.bitCount), 2);
        PutLe(out, uint32_t(40 + i.filler), 4);
        PutLe(out, offset, 4);
        offset += uint32_t(40 + i.filler);
    }
    for (const IcoImageLayout& i : images) {
        PutLe(out, 40, 4);
        PutLe(out, uint32_t(i.headerWidth), 4);
        PutLe(out, uint32_t(i.headerHeight), 4);
        PutLe(out, 1, 2);
        PutLe(out, uint32_t(i.bitCount), 2);
        out.append(24, '\0');
        out.append(size_t(i.filler), '\x55');
    }
    return out;
}

// A plain one-image icon of the given size and depth.
inline std::string SimpleIco(int size, int bitCount = 32) {
    return MakeIco({{size, size, bitCount, size, 2 * size, 16}});
}
