// What the controls of the configuration window do. Every action changes
// the list at once and keeps row i of the list control showing item i.
#include "ConfigText.h"
#include "ConfigWindow.h"
#include "app/Texts.h"

namespace {
void AddFile(LauncherList& list, int itemList) {
    std::string path = OpenFileDialog(kDialogChooseFile);
    if (path.empty()) return;
    std::string name = FilePart(path);
    SystemHandle icon = ShellIconFor(path.c_str());
    AddItem(list, name, icon, path, Entry);
    AddListRow(itemList, name.c_str(), icon);
}

void AddFolder(LauncherList& list, int itemList, SystemHandle folderIcon) {
    std::string path = FolderDialog(kDialogChooseFolder);
    if (path.empty()) return;
    // The field before the final backslash: the folder's own name, or the drive.
    std::string name = SplitField(path, CountSubstring(path, "\\"), "\\");
    AddItem(list, name, folderIcon, path, Entry);
    AddListRow(itemList, name.c_str(), folderIcon);
}

void AddSeparator(LauncherList& list, int itemList) {
    // A cancelled dialog gives "" and still adds a separator without caption.
    std::string text = TextInputDialog(kDialogSeparatorTitle, kDialogSeparatorPrompt, "");
    AddItem(list, text, nullptr, "", Separator);
    AddListRow(itemList, (kRowSeparatorPrefix + text).c_str(), nullptr);
}

void RemoveSelected(LauncherList& list, int itemList, SystemHandle folderIcon) {
    int index = SelectedListRow(itemList);
    if (index < 0 || index >= int(list.items.size())) return;
    SystemHandle icon = list.items[size_t(index)].icon;
    DeleteItem(list, index);
    RemoveListRow(itemList, index);
    // A file's icon was made for this entry alone; the folder icon is shared.
    if (icon && icon != folderIcon) FreeShellIcon(icon);
}

void RebuildRows(const LauncherList& list, int itemList) {
    ClearListRows(itemList);
    for (const LauncherItem& item : list.items) AddListRow(itemList, RowText(item).c_str(), item.icon);
}

void MoveSelected(LauncherList& list, int itemList, int step) {
    int index = SelectedListRow(itemList);
    int target = index + step;
    if (index < 0 || target < 0 || target >= ListRowCount(itemList)) return;
    SwapItems(list, index, target);
    RebuildRows(list, itemList);
    SelectListRow(itemList, target);
}

// The low 32 bits of the parsed value; no range check.
int FieldNumber(int field) { return int(uint32_t(uint64_t(ParseNumber(ControlText(field))))); }

void ChooseFont(LauncherList& list, int fontField) {
    FontChoice choice;
    choice.name = list.fontName;
    choice.size = list.fontSize;
    choice.style = list.fontStyle;
    if (!FontDialog(&choice)) return;
    list.fontName = choice.name;
    list.fontStyle = (choice.weight == 700 ? Bold : 0) | (choice.italic ? Italic : 0) |
                     (choice.underline ? Underline : 0) | (choice.strikeOut ? StrikeOut : 0);
    list.fontSize = choice.pointSizeTenths / 10;
    RemakeListFont(list);
    std::string text = list.fontName + ":" + FontStyleText(list.fontStyle) + ":" + NumberText(list.fontSize);
    SetControlText(fontField, text.c_str());
}
}  // namespace

void HandleConfigEvent(LauncherList& list, int gadget, SystemHandle folderIcon) {
    // Numbers left from a closed window may belong to other controls by now.
    if (!AppWindowExists(ConfigWindow)) return;
    const ConfigControls& c = ConfigControlNumbers();
    if (gadget == c.addFileButton) AddFile(list, c.itemList);
    else if (gadget == c.addFolderButton) AddFolder(list, c.itemList, folderIcon);
    else if (gadget == c.addSeparatorButton) AddSeparator(list, c.itemList);
    else if (gadget == c.removeButton) RemoveSelected(list, c.itemList, folderIcon);
    else if (gadget == c.moveUpButton) MoveSelected(list, c.itemList, -1);
    else if (gadget == c.moveDownButton) MoveSelected(list, c.itemList, +1);
    else if (gadget == c.widthField) list.width = FieldNumber(gadget);
    else if (gadget == c.itemHeightField) list.itemHeight = FieldNumber(gadget);
    else if (gadget == c.separatorHeightField) list.separatorHeight = FieldNumber(gadget);
    else if (gadget == c.fontButton) ChooseFont(list, c.fontField);
}
