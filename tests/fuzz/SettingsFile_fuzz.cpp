// Feeds any bytes to the settings reader, and checks what must hold for
// every input: the written form reads back to itself, and a list survives
// a save and a load whole and byte for byte. A broken property aborts.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Texts.h"
#include "platform/sim/SimPlatform.h"
#include "settings/Settings.h"
#include "tests/host/ListFromView.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsText.h"

namespace {
const char kPath[] = "C:\\fuzz\\Lumarel.ini";
const char kOtherPath[] = "C:\\fuzz\\other.ini";

void Require(bool condition) {
    if (!condition) abort();
}

bool SameItems(const LauncherList& a, const LauncherList& b) {
    if (a.items.size() != b.items.size()) return false;
    for (size_t i = 0; i < a.items.size(); ++i) {
        const LauncherItem& x = a.items[i];
        const LauncherItem& y = b.items[i];
        if (x.name != y.name || x.path != y.path || x.kind != y.kind) return false;
    }
    return true;
}

LauncherList Load() {
    ViewSettings view = ReadViewSettings(kPath);
    LauncherList list = ListFromView(view);
    LoadItems(list, kPath, nullptr);
    return list;
}

// Saves the list, loads it again and saves that: same list, same bytes.
void RequireRoundTrip(const LauncherList& list) {
    SaveSettings(list, kPath);
    std::string first = SimFileBytes(kPath);
    LauncherList loaded = Load();
    Require(SameItems(list, loaded));
    SimClearCalls();
    SaveSettings(loaded, kPath);
    Require(SimFileBytes(kPath) == first);
}

void CheckDocument(const std::string& bytes) {
    SimWriteFile(kPath, bytes);
    SettingsFile file;
    Require(Open(file, kPath));
    std::string written = WrittenForm(file);
    // Walk every group with every kind of read.
    Require(RewindGroups(file));
    do {
        std::string name = GroupName(file);
        (void)ReadString(file, kKeyPath, "");
        (void)ReadNumber(file, kKeyItemKind, 0);
        (void)ReadString(file, name, "");
        if (!file.utf8 && !name.empty()) {
            size_t at = file.currentGroup;
            Require(SelectGroup(file, name));
            Require(NamesMatch(file.groups[file.currentGroup].name, name));
            Require(file.currentGroup <= at);
            file.currentGroup = at;
        }
    } while (NextGroup(file));
    Close(file);

    // A written form that does not itself begin with a mark reads back to itself.
    if (written.compare(0, 3, "\xEF\xBB\xBF") != 0) {
        SimWriteFile(kOtherPath, written);
        SettingsFile again;
        Require(Open(again, kOtherPath));
        Require(WrittenForm(again) == written);
        Close(again);
    }
}

// A list made from the input itself, so that names and paths hold any
// byte, line breaks and "]" included.
LauncherList ListFromBytes(const std::string& bytes) {
    LauncherList list;
    list.fontName = "Tahoma";
    size_t start = 0;
    while (start <= bytes.size() && list.items.size() < 64) {
        size_t end = bytes.find('\x1F', start);
        if (end == std::string::npos) end = bytes.size();
        std::string field = bytes.substr(start, end - start);
        size_t split = field.find('\x1E');
        std::string name = field.substr(0, split);
        std::string path = split == std::string::npos ? "" : field.substr(split + 1);
        AddItem(list, name, nullptr, path, int(field.size() % 5) - 2);
        start = end + 1;
    }
    return list;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    SimReset();
    CheckDocument(bytes);

    SimWriteFile(kPath, bytes);
    LauncherList loaded = Load();
    RequireRoundTrip(loaded);

    SimReset();
    RequireRoundTrip(ListFromBytes(bytes));
    CloseOpenSettingsDocument();
    return 0;
}
