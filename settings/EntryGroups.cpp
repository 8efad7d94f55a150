#include "EntryGroups.h"

#include <unordered_set>

#include "app/Texts.h"
#include "settings/SettingsText.h"

namespace {
bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

// A header ends at its first "]", and the empty name would address the top.
bool FitsInHeader(std::string_view name) {
    return !name.empty() && name.find(']') == name.npos && !HasLineBreak(name);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

std::vector<EntryGroup> ChooseEntryGroups(const std::vector<LauncherItem>& items) {
    std::vector<EntryGroup> groups(items.size());
    // Names already given out, ASCII-folded as SelectGroup meets them.
    std::unordered_set<std::string> taken{FoldAsciiCase(kSettingsGroup)};
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string& name = items[i].name;
        groups[i].nameInGroup = FitsInHeader(name) && taken.insert(FoldAsciiCase(name)).second;
        if (groups[i].nameInGroup) groups[i].groupName = name;
    }
    // Made-up names after all real ones are known, so that none collides
    // with a later entry's name.
    unsigned counter = 0;
    for (EntryGroup& group : groups) {
        if (group.nameInGroup) continue;
        do {
            group.groupName.assign(1, '#');
            group.groupName += std::to_string(++counter);
        } while (!taken.insert(group.groupName).second);
    }
    return groups;
}

bool SurvivesAsValue(std::string_view text) {
    return !HasLineBreak(text) && Trim(text).size() == text.size();
}

std::string EscapeText(std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        bool edgeBlank = b == ' ' && (i == 0 || i + 1 == text.size());
        if (b < 0x20 || b == '%' || edgeBlank) {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        } else {
            out += char(b);
        }
    }
    return out;
}

std::string UnescapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        int high = text[i] == '%' && i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
        int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
        if (low >= 0) {
            out += char(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}
