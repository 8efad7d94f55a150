#include "Launch.h"

#include <algorithm>

std::string CommandLineFor(const std::string& path) {
    if (!path.empty() && path[0] == '"') return path;  // the caller quoted it, arguments and all
    return "\"" + path + "\"";
}

std::string WorkingDirectoryFor(const std::string& path) {
    // Backwards from the last byte; a backslash at the first byte does not count.
    for (size_t i = path.size(); i-- > 1;) {
        if (path[i] == '\\') return path.substr(0, i + 1);
    }
    return {};
}

bool StartItem(const std::string& path) {
    if (StartProcess(CommandLineFor(path).c_str())) return true;
    // A document, a folder or a shortcut: the shell's default action.
    std::string directory = WorkingDirectoryFor(path);
    return ShellOpen(path.c_str(), directory.empty() ? nullptr : directory.c_str());
}

namespace {
constexpr size_t kIcoHeaderBytes = 6;
constexpr size_t kIcoEntryBytes = 16;
constexpr size_t kBitmapHeaderBytes = 40;

unsigned Word(const uint8_t* p) { return unsigned(p[0]) | unsigned(p[1]) << 8; }
uint32_t Dword(const uint8_t* p) { return uint32_t(Word(p)) | uint32_t(Word(p + 2)) << 16; }

struct IcoEntry {
    const uint8_t* at = nullptr;  // the 16 directory bytes
    uint8_t width() const { return at[0]; }
    uint8_t height() const { return at[1]; }
    unsigned bitCount() const { return Word(at + 6); }
    uint32_t bytes() const { return Dword(at + 8); }
    uint32_t offset() const { return Dword(at + 12); }
};

// The first entry's size decides; among the entries of that size the one
// with the most bits per pixel wins, the earliest on a tie.
IcoEntry ChooseEntry(const uint8_t* directory, unsigned count) {
    IcoEntry chosen{directory};
    for (unsigned i = 1; i < count; ++i) {
        IcoEntry candidate{directory + i * kIcoEntryBytes};
        if (candidate.width() == chosen.width() && candidate.height() == chosen.height() &&
            candidate.bitCount() > chosen.bitCount())
            chosen = candidate;
    }
    return chosen;
}
}  // namespace

IconImage IconFromIcoData(const uint8_t* bytes, size_t size) {
    if (!bytes || size < kIcoHeaderBytes) return {};
    if (Word(bytes) != 0 || Word(bytes + 2) != 1) return {};
    unsigned count = Word(bytes + 4);
    if (count == 0 || (size - kIcoHeaderBytes) / kIcoEntryBytes < count) return {};
    IcoEntry entry = ChooseEntry(bytes + kIcoHeaderBytes, count);
    size_t offset = entry.offset(), length = entry.bytes();
    if (offset > size || length > size - offset || length < kBitmapHeaderBytes) return {};
    const uint8_t* image = bytes + offset;
    static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (std::equal(kPng, kPng + 8, image)) {
        // A compressed image has no bitmap header; its entry gives the size.
        int side = entry.width() ? entry.width() : 256;
        int tall = entry.height() ? entry.height() : 256;
        return IconFromImageBits(image, length, side, tall, int(entry.bitCount()));
    }
    // The header counts the colour image and the mask in its height.
    int32_t width = int32_t(Dword(image + 4));
    int32_t height = int32_t(Dword(image + 8)) / 2;
    int bitCount = int(Word(image + 14));
    if (width <= 0 || height <= 0) return {};
    return IconFromImageBits(image, length, width, height, bitCount);
}
