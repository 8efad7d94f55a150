// Packs square RGBA pictures into one ICO file: each image an uncompressed
// 32-bit DIB with alpha followed by its 1-bit AND mask, in the order given.
//   pack_ico OUT.ico SIZE:FILE.rgba [SIZE:FILE.rgba ...]
// FILE.rgba holds SIZE*SIZE pixels of 8-bit R, G, B, A, top row first.
// Built and run on the build machine by draw_icons.sh.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
struct Picture {
    int size = 0;
    std::vector<uint8_t> rgba;
};

void Put16(std::vector<uint8_t>& out, unsigned value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

size_t MaskRowBytes(int size) { return size_t((size + 31) / 32) * 4; }

size_t ImageBytes(int size) {
    return 40 + size_t(size) * size * 4 + MaskRowBytes(size) * size;
}

// BITMAPINFOHEADER, colour rows bottom-up in BGRA, then the AND mask rows
// bottom-up: a set bit marks a fully transparent pixel.
void PutImage(std::vector<uint8_t>& out, const Picture& p) {
    int n = p.size;
    size_t maskRow = MaskRowBytes(n);
    Put32(out, 40);
    Put32(out, uint32_t(n));
    Put32(out, uint32_t(2 * n));  // colour image and mask
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);  // BI_RGB
    Put32(out, uint32_t(ImageBytes(n) - 40));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = n - 1; y >= 0; --y) {
        for (int x = 0; x < n; ++x) {
            const uint8_t* px = &p.rgba[(size_t(y) * n + x) * 4];
            out.push_back(px[2]);
            out.push_back(px[1]);
            out.push_back(px[0]);
            out.push_back(px[3]);
        }
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskRow, 0);
        for (int x = 0; x < n; ++x)
            if (p.rgba[(size_t(y) * n + x) * 4 + 3] == 0) row[x / 8] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: pack_ico OUT.ico SIZE:FILE.rgba...\n");
        return 2;
    }
    std::vector<Picture> pictures;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        size_t colon = arg.find(':');
        if (colon == std::string::npos) return 2;
        Picture p;
        p.size = std::atoi(arg.substr(0, colon).c_str());
        std::ifstream in(arg.substr(colon + 1), std::ios::binary);
        p.rgba.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (p.size <= 0 || p.size > 256 || p.rgba.size() != size_t(p.size) * p.size * 4) {
            std::fprintf(stderr, "pack_ico: %s is not %d x %d RGBA\n", arg.c_str(), p.size, p.size);
            return 1;
        }
        pictures.push_back(std::move(p));
    }

    std::vector<uint8_t> out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon
    Put16(out, unsigned(pictures.size()));
    size_t offset = 6 + 16 * pictures.size();
    for (const Picture& p : pictures) {
        out.push_back(uint8_t(p.size == 256 ? 0 : p.size));
        out.push_back(uint8_t(p.size == 256 ? 0 : p.size));
        out.push_back(0);  // no palette
        out.push_back(0);
        Put16(out, 1);   // planes
        Put16(out, 32);  // bits per pixel
        Put32(out, uint32_t(ImageBytes(p.size)));
        Put32(out, uint32_t(offset));
        offset += ImageBytes(p.size);
    }
    for (const Picture& p : pictures) PutImage(out, p);

    std::ofstream file(argv[1], std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    return file ? 0 : 1;
}
