#include "Settings.h"

#include "app/Texts.h"
#include "settings/EntryGroups.h"
#include "settings/SettingsFile.h"

namespace {
// The one document; LoadItems may leave it open for the shut-down to close.
SettingsFile gDocument;

SystemHandle IconForPath(const std::string& path, SystemHandle folderIcon) {
    if (path.empty()) return nullptr;
    if (path.back() == '\\') return folderIcon;
    return ShellIconFor(path.c_str());
}

void WriteItem(SettingsFile& file, const LauncherItem& item, const EntryGroup& group) {
    SelectGroup(file, group.groupName);
    bool pathSurvives = SurvivesAsValue(item.path);
    WriteString(file, kKeyPath, pathSurvives ? item.path : EscapeText(item.path));
    WriteNumber(file, kKeyItemKind, item.kind);
    if (!group.nameInGroup) WriteString(file, kKeyItemName, EscapeText(item.name));
    if (!pathSurvives) WriteString(file, kKeyItemPath, EscapeText(item.path));
}
}  // namespace

std::string BuildSettingsPath() {
    return EnvironmentVariable(kAppDataVariable) + kSettingsFileName;
}

ViewSettings ReadViewSettings(const std::string& settingsPath) {
    ViewSettings view;
    (void)Open(gDocument, settingsPath);  // a missing file gives the defaults
    SelectGroup(gDocument, kSettingsGroup);
    view.width = ReadNumber(gDocument, kKeyWidth, view.width);
    view.itemHeight = ReadNumber(gDocument, kKeyItemHeight, view.itemHeight);
    view.separatorHeight = ReadNumber(gDocument, kKeySeparatorHeight, view.separatorHeight);
    view.fontName = ReadString(gDocument, kKeyFont, view.fontName);
    view.fontStyle = ReadNumber(gDocument, kKeyFontStyle, view.fontStyle);
    view.fontSize = ReadNumber(gDocument, kKeyFontSize, view.fontSize);
    Close(gDocument);
    return view;
}

void LoadItems(LauncherList& list, const std::string& settingsPath, SystemHandle folderIcon) {
    if (!Open(gDocument, settingsPath)) return;
    if (RewindGroups(gDocument)) {
        while (NextGroup(gDocument)) {
            std::string name = GroupName(gDocument);
            if (name == kSettingsGroup) continue;  // byte for byte: other spellings are entries
            if (HasKey(gDocument, kKeyItemName))
                name = UnescapeText(ReadString(gDocument, kKeyItemName, ""));
            std::string path = HasKey(gDocument, kKeyItemPath)
                                   ? UnescapeText(ReadString(gDocument, kKeyItemPath, ""))
                                   : ReadString(gDocument, kKeyPath, "");
            int kind = ReadNumber(gDocument, kKeyItemKind, Entry);
            AddItem(list, name, IconForPath(path, folderIcon), path, kind);
        }
    }
    Close(gDocument);
}

void SaveSettings(const LauncherList& list, const std::string& settingsPath) {
    if (!Create(gDocument, settingsPath)) return;
    std::vector<EntryGroup> groups = ChooseEntryGroups(list.items);
    for (size_t i = 0; i < list.items.size(); ++i) WriteItem(gDocument, list.items[i], groups[i]);
    SelectGroup(gDocument, kSettingsGroup);
    WriteString(gDocument, kKeyFont, list.fontName);
    WriteNumber(gDocument, kKeyFontStyle, list.fontStyle);
    WriteNumber(gDocument, kKeyFontSize, list.fontSize);
    WriteNumber(gDocument, kKeyWidth, list.width);
    WriteNumber(gDocument, kKeyItemHeight, list.itemHeight);
    WriteNumber(gDocument, kKeySeparatorHeight, list.separatorHeight);
    Close(gDocument);  // the whole file is written now
}

void CloseOpenSettingsDocument() { Close(gDocument); }
