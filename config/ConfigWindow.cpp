#include "ConfigWindow.h"

#include "ConfigText.h"
#include "app/Texts.h"

namespace {
ConfigControls gControls;

constexpr int kButtonX = 210, kButtonWidth = 100, kButtonHeight = 25;
constexpr int kLabelX = 5, kLabelColumnWidth = 100, kFieldX = 110, kFieldWidth = 150, kRowHeight = 20;

// A label 3 pixels below the top of its field, then the field.
int AddViewRow(int y, const char* label, const std::string& text) {
    CreateLabel(AutoNumber, kLabelX, y + 3, kLabelColumnWidth, kRowHeight, label);
    return CreateTextField(AutoNumber, kFieldX, y, kFieldWidth, kRowHeight, text.c_str());
}
}  // namespace

const ConfigControls& ConfigControlNumbers() { return gControls; }

void OpenConfigWindow(LauncherList& list) {
    if (!OpenAppWindow(ConfigWindow, 0, 0, 320, 340, kConfigTitle, SystemMenu | ScreenCentered,
                       nullptr))
        return;
    ConfigControls c;
    c.panel = CreatePanel(AutoNumber, 0, 0, AppWindowClientWidth(ConfigWindow),
                          AppWindowClientHeight(ConfigWindow));

    AddPanelPage(c.panel, kPageItems);
    c.itemList = CreateListControl(AutoNumber, 5, 5, 200, 300, kColumnName, 100,
                                   SingleSelection | AlwaysShowSelection | FullRowSelection);
    SetListDisplayMode(c.itemList, ListDisplayMode::List);
    for (const LauncherItem& item : list.items) AddListRow(c.itemList, RowText(item).c_str(), item.icon);
    // 30 pixels apart, with a wider step before "Entfernen".
    c.addFileButton = CreateButton(AutoNumber, kButtonX, 5, kButtonWidth, kButtonHeight, kButtonAddFile);
    c.addFolderButton = CreateButton(AutoNumber, kButtonX, 35, kButtonWidth, kButtonHeight, kButtonAddFolder);
    c.addSeparatorButton =
        CreateButton(AutoNumber, kButtonX, 65, kButtonWidth, kButtonHeight, kButtonAddSeparator);
    c.removeButton = CreateButton(AutoNumber, kButtonX, 105, kButtonWidth, kButtonHeight, kButtonRemove);
    c.moveUpButton = CreateButton(AutoNumber, kButtonX, 145, kButtonWidth, kButtonHeight, kButtonMoveUp);
    c.moveDownButton = CreateButton(AutoNumber, kButtonX, 175, kButtonWidth, kButtonHeight, kButtonMoveDown);

    AddPanelPage(c.panel, kPageView);
    c.itemHeightField = AddViewRow(5, kLabelItemHeight, NumberText(list.itemHeight));
    c.separatorHeightField = AddViewRow(35, kLabelSeparatorHeight, NumberText(list.separatorHeight));
    c.widthField = AddViewRow(65, kLabelWidth, NumberText(list.width));
    c.fontField = AddViewRow(105, kLabelFont, list.fontName + ":" + NumberText(list.fontSize));
    DisableControl(c.fontField);  // shows the font; only the dialog changes it
    c.fontButton = CreateButton(AutoNumber, 270, 105, 30, kRowHeight, kButtonFont);
    EndPanelPages();
    gControls = c;
}
