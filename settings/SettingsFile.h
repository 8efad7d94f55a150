// The INI-style settings document: group headers, comments and key lines.
// Open reads the whole file into memory. A document from Create that was
// written to replaces the file whole at Close; until then, and when that
// replacement fails, the old file stays as it was.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

enum class LineKind { Comment, Key };

struct SettingsLine {
    LineKind kind = LineKind::Key;
    std::string key;    // Key lines only
    std::string value;  // the key's value, or the comment's text
};

// A header and the lines up to the next one. The document's first group
// is its top: the lines above the first header, with no header of its own.
struct SettingsGroup {
    std::string name;
    std::vector<SettingsLine> lines;
};

struct SettingsFile {
    bool open = false;
    bool created = false;  // from Create: Close writes it when changed
    std::string path;
    bool utf8 = false;  // began with EF BB BF; its texts are UTF-8
    bool readOnly = false;  // Open got read access only
    bool changed = false;
    std::vector<SettingsGroup> groups = std::vector<SettingsGroup>(1);
    // The first group of each ASCII-folded name, so that finding a group
    // does not walk the document.
    std::unordered_map<std::string, size_t> firstGroupNamed;
    size_t currentGroup = 0;  // 0: the top
    bool groupPending = false;
    std::string pendingGroup;
};

// Each of these first closes the document if it is open.
bool Open(SettingsFile& file, const std::string& path);    // false: open and empty
bool Create(SettingsFile& file, const std::string& path);  // false: nothing open
void Close(SettingsFile& file);

bool SelectGroup(SettingsFile& file, const std::string& name);
std::string ReadString(const SettingsFile& file, const std::string& key, const std::string& fallback);
int ReadNumber(const SettingsFile& file, const std::string& key, int fallback);
// Whether the addressed group has the key, whatever its value.
bool HasKey(const SettingsFile& file, const std::string& key);
void WriteString(SettingsFile& file, const std::string& key, const std::string& value);
void WriteNumber(SettingsFile& file, const std::string& key, int value);
bool RewindGroups(SettingsFile& file);
bool NextGroup(SettingsFile& file);
std::string GroupName(const SettingsFile& file);

// The bytes Close writes for the document: CR LF after every line, no mark.
std::string WrittenForm(const SettingsFile& file);
