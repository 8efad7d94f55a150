#include "SettingsText.h"

#include <climits>
#include <cstdint>

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && IsBlankOrTab(text[start])) ++start;
    return text.substr(start);
}

std::string_view TrimRight(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && IsBlankOrTab(text[end - 1])) --end;
    return text.substr(0, end);
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

namespace {
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }
}  // namespace

bool NamesMatch(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

std::string FoldAsciiCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) c = LowerAscii(c);
    return folded;
}

int ParseDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Stops growing past the limit so that a long run of digits cannot overflow.
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude <= int64_t(INT_MAX) + 1) magnitude = magnitude * 10 + (text[i] - '0');
    }
    int64_t value = negative ? -magnitude : magnitude;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return int(value);
}

std::string FormatDecimal(int value) { return std::to_string(value); }

std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += char(0xC0 | (b >> 6));
            out += char(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::string Utf8ToLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t extra = 0;
        uint32_t code = 0;
        if (lead < 0x80) {
            out += char(lead);
            ++i;
            continue;
        } else if (lead >= 0xC0 && lead <= 0xDF) {
            extra = 1, code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2, code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF7) {
            extra = 3, code = lead & 0x07;
        } else {
            ++i;  // 80-BF and F8-FF begin no sequence
            continue;
        }
        size_t next = i + 1;
        while (next < text.size() && next <= i + extra &&
               IsContinuation(static_cast<unsigned char>(text[next]))) {
            code = (code << 6) | (static_cast<unsigned char>(text[next]) & 0x3F);
            ++next;
        }
        // An overlong form is no valid spelling of its character; taken as
        // one it could smuggle a CR or LF into a text.
        static const uint32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
        if (next == i + 1 + extra) out += code <= 0xFF && code >= kShortest[extra] ? char(code) : '?';
        else if (next < text.size()) out += '?';
        // else: cut off by the end of the text, dropped
        i = next;
    }
    return out;
}
