#include "SettingsFile.h"

#include <string_view>

#include "platform/Platform.h"
#include "settings/SettingsText.h"

namespace {
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr size_t kNone = size_t(-1);

void AddGroup(SettingsFile& file, std::string name) {
    // emplace keeps the first group of a name: SelectGroup finds that one.
    file.firstGroupNamed.emplace(FoldAsciiCase(name), file.groups.size());
    file.groups.push_back(SettingsGroup{std::move(name), {}});
}

void ParseLine(SettingsFile& file, std::string_view line) {
    line = TrimLeft(line);
    if (line.empty()) return;
    std::vector<SettingsLine>& lines = file.groups.back().lines;
    if (line[0] == ';') {
        line.remove_prefix(1);
        if (!line.empty() && line[0] == ' ') line.remove_prefix(1);
        lines.push_back({LineKind::Comment, {}, std::string(line)});
    } else if (line[0] == '[') {
        line.remove_prefix(1);
        AddGroup(file, std::string(line.substr(0, line.find(']'))));
    } else {
        size_t equals = line.find('=');
        std::string_view key = TrimRight(line.substr(0, equals));
        std::string_view value = equals == std::string_view::npos
                                     ? std::string_view()
                                     : TrimLeft(line.substr(equals + 1));
        lines.push_back({LineKind::Key, std::string(key), std::string(value)});
    }
}

// Any run of CR and LF bytes is one line break.
void ParseText(SettingsFile& file, std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        ParseLine(file, text.substr(pos, end - pos));
        pos = text.find_first_not_of("\r\n", end);
        if (pos == std::string_view::npos) break;
    }
}

// The spelling a name has inside the document.
std::string DocumentSpelling(const SettingsFile& file, const std::string& text) {
    return file.utf8 ? Latin1ToUtf8(text) : text;
}

std::string ProgramSpelling(const SettingsFile& file, std::string_view text) {
    return file.utf8 ? Utf8ToLatin1(text) : std::string(text);
}

// A line break inside a text would turn the rest of it into lines of its own.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

size_t FindKeyLine(const SettingsFile& file, const std::string& key) {
    if (!file.open || file.groupPending) return kNone;
    std::string wanted = DocumentSpelling(file, key);
    const std::vector<SettingsLine>& lines = file.groups[file.currentGroup].lines;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].kind == LineKind::Key && NamesMatch(lines[i].key, wanted)) return i;
    return kNone;
}

const SettingsLine* FoundKey(const SettingsFile& file, const std::string& key) {
    size_t index = FindKeyLine(file, key);
    return index == kNone ? nullptr : &file.groups[file.currentGroup].lines[index];
}
}  // namespace

bool Open(SettingsFile& file, const std::string& path) {
    Close(file);
    FileData data = ReadWholeFile(path.c_str());
    file.open = true;
    if (!data.opened) {
        file.path = path;  // an empty document: every read gives its default
        return false;
    }
    file.readOnly = data.readOnly;
    std::string_view text = data.bytes;
    if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        file.utf8 = true;
        text.remove_prefix(kUtf8Mark.size());
    }
    ParseText(file, text);
    return true;
}

bool Create(SettingsFile& file, const std::string& path) {
    Close(file);
    // The file is replaced only at Close, so that a failing save keeps the
    // old one; a file that cannot be written shows there.
    file.open = true;
    file.created = true;
    file.path = path;
    return true;
}

void Close(SettingsFile& file) {
    if (file.open && file.created && file.changed) {
        (void)ReplaceWholeFile(file.path.c_str(), WrittenForm(file));  // silent on failure
    }
    file = SettingsFile{};
}

bool SelectGroup(SettingsFile& file, const std::string& name) {
    file.groupPending = false;
    file.pendingGroup.clear();
    if (!file.open) return false;
    if (name.empty()) {
        file.currentGroup = 0;
        return true;
    }
    std::string spelled = DocumentSpelling(file, name);
    auto found = file.firstGroupNamed.find(FoldAsciiCase(spelled));
    if (found != file.firstGroupNamed.end()) {
        file.currentGroup = found->second;
        return true;
    }
    file.groupPending = true;
    file.pendingGroup = std::move(spelled);
    return false;
}

std::string ReadString(const SettingsFile& file, const std::string& key, const std::string& fallback) {
    const SettingsLine* line = FoundKey(file, key);
    // Trimmed after the conversion: a dropped byte may leave a blank at the edge.
    return line ? std::string(Trim(ProgramSpelling(file, line->value))) : fallback;
}

int ReadNumber(const SettingsFile& file, const std::string& key, int fallback) {
    const SettingsLine* line = FoundKey(file, key);
    return line ? ParseDecimal(line->value) : fallback;
}

bool HasKey(const SettingsFile& file, const std::string& key) { return FoundKey(file, key) != nullptr; }

void WriteString(SettingsFile& file, const std::string& key, const std::string& value) {
    if (!file.open) return;
    if (file.groupPending) {
        AddGroup(file, OneLine(std::move(file.pendingGroup)));
        file.currentGroup = file.groups.size() - 1;
        file.groupPending = false;
        file.pendingGroup.clear();
    }
    std::string spelledKey = OneLine(DocumentSpelling(file, key));
    std::string spelledValue = OneLine(DocumentSpelling(file, value));
    std::vector<SettingsLine>& lines = file.groups[file.currentGroup].lines;
    size_t index = FindKeyLine(file, key);
    if (index == kNone) {
        // After the group's last line: the groups after it stay where they are.
        lines.push_back({LineKind::Key, std::move(spelledKey), std::move(spelledValue)});
    } else {
        lines[index].key = std::move(spelledKey);
        lines[index].value = std::move(spelledValue);
    }
    file.changed = true;
}

void WriteNumber(SettingsFile& file, const std::string& key, int value) {
    WriteString(file, key, FormatDecimal(value));
}

bool RewindGroups(SettingsFile& file) {
    if (!file.open) return false;
    file.currentGroup = 0;
    file.groupPending = false;
    file.pendingGroup.clear();
    return true;
}

bool NextGroup(SettingsFile& file) {
    if (!file.open || file.currentGroup + 1 >= file.groups.size()) return false;
    ++file.currentGroup;
    file.groupPending = false;
    file.pendingGroup.clear();
    return true;
}

std::string GroupName(const SettingsFile& file) {
    if (!file.open || file.currentGroup == 0) return {};
    return ProgramSpelling(file, file.groups[file.currentGroup].name);
}

std::string WrittenForm(const SettingsFile& file) {
    size_t size = 0;
    for (size_t g = 0; g < file.groups.size(); ++g) {
        if (g > 0) size += file.groups[g].name.size() + 4;
        for (const SettingsLine& line : file.groups[g].lines)
            size += line.key.size() + line.value.size() + 5;
    }
    std::string text;
    text.reserve(size);
    for (size_t g = 0; g < file.groups.size(); ++g) {
        if (g > 0) text.append("[").append(file.groups[g].name).append("]\r\n");
        for (const SettingsLine& line : file.groups[g].lines) {
            if (line.kind == LineKind::Comment) text.append("; ");
            else text.append(line.key).append(" = ");
            text.append(line.value).append("\r\n");
        }
    }
    return text;
}
