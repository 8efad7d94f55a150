#include "LauncherList.h"

#include <cstdint>

namespace {
// MulDiv rounds to the nearest integer, halves away from zero.
int MulDivRounded(int a, int b, int c) {
    if (c == 0) return -1;
    int64_t product = int64_t(a) * b;
    int64_t half = (c < 0 ? -int64_t(c) : int64_t(c)) / 2;
    bool negative = (product < 0) != (c < 0);
    int64_t magnitude = (product < 0 ? -product : product);
    int64_t divisor = c < 0 ? -int64_t(c) : int64_t(c);
    int64_t q = (magnitude + half) / divisor;
    return int(negative ? -q : q);
}

SystemHandle MakeFont(const std::string& name, int size, int style) {
    int dpi = DisplayDpiY();
    if (dpi == 0) return nullptr;  // no display context: no font
    return CreateFontFrom(ListFontRequest(name, size, style, dpi));
}
}  // namespace

FontRequest ListFontRequest(const std::string& name, int size, int style, int dpiY) {
    FontRequest r;
    // Negative: the mapper matches the character height, not the cell.
    r.height = -MulDivRounded(size, dpiY, 72);
    r.weight = (style & Bold) ? 700 : 400;
    r.italic = style & Italic;
    r.underline = style & Underline;
    r.strikeOut = style & StrikeOut;
    r.proofQuality = style & HighQuality;
    r.face = name;
    return r;
}

LauncherList CreateLauncherList(int width, int itemHeight, int separatorHeight,
                                const char* fontName, int fontSize, int fontStyle) {
    LauncherList list;
    list.width = width;
    list.itemHeight = itemHeight;
    list.separatorHeight = separatorHeight;
    list.fontName = fontName ? fontName : "";
    list.fontSize = fontSize;
    list.fontStyle = fontStyle;
    list.font = MakeFont(list.fontName, fontSize, fontStyle);
    return list;
}

void RemakeListFont(LauncherList& list) {
    if (list.font) FreeFont(list.font);
    list.font = MakeFont(list.fontName, list.fontSize, list.fontStyle);
}

void AddItem(LauncherList& list, const std::string& name, SystemHandle icon,
             const std::string& path, int kind) {
    list.items.push_back(LauncherItem{name, icon, path, kind, 0});
}

void DeleteItem(LauncherList& list, int index) {
    if (index < 0 || index >= int(list.items.size())) return;
    list.items.erase(list.items.begin() + index);
}

void SwapItems(LauncherList& list, int i, int j) {
    int n = int(list.items.size());
    if (i == j || i < 0 || j < 0 || i >= n || j >= n) return;
    std::swap(list.items[i], list.items[j]);
}

int LayoutItems(LauncherList& list) {
    // Wrapping 32-bit sums, as the stored heights may be anything.
    uint32_t sum = 0;
    for (LauncherItem& item : list.items) {
        item.top = int(sum);
        if (item.kind == Entry) sum += uint32_t(list.itemHeight);
        else if (item.kind == Separator) sum += uint32_t(list.separatorHeight);
    }
    return int(sum);
}
