#include "ConfigText.h"

#include "app/Texts.h"

std::string RowText(const LauncherItem& item) {
    if (item.kind == Separator) return kRowSeparatorPrefix + item.name;
    return item.name;
}

std::string NumberText(int value) { return std::to_string(value); }

namespace {
int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 99;
}
}  // namespace

int64_t ParseNumber(const std::string& text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    int base = 10;
    if (at < text.size() && text[at] == '$') base = 16, ++at;
    else if (at < text.size() && text[at] == '%') base = 2, ++at;
    // Unsigned, so that the wrap on overflow is defined.
    uint64_t value = 0;
    for (; at < text.size() && DigitValue(text[at]) < base; ++at)
        value = value * uint64_t(base) + uint64_t(DigitValue(text[at]));
    return int64_t(negative ? 0 - value : value);
}

std::string FilePart(const std::string& path) {
    size_t start = path.find_last_of("\\/");
    start = start == std::string::npos ? 0 : start + 1;
    if (start == 0 && !path.empty() && path[0] == '"') start = 1;
    size_t end = path.find('"', start);
    return path.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

int CountSubstring(const std::string& text, const std::string& part) {
    if (part.empty()) return 0;
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

std::string SplitField(const std::string& text, int n, const std::string& separator) {
    if (n < 1) return {};
    char cut = separator.empty() ? '\0' : separator[0];
    size_t start = 0;
    for (int field = 1; field < n; ++field) {
        size_t next = separator.empty() ? std::string::npos : text.find(cut, start);
        if (next == std::string::npos) return {};
        start = next + 1;
    }
    size_t end = separator.empty() ? std::string::npos : text.find(cut, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string FontStyleText(int style) {
    std::string text;
    if (style & Bold) text = kStyleBold;
    if (style & Italic) text += kStyleItalic;
    if (style == 0) text = kStyleStandard;
    return text;
}
