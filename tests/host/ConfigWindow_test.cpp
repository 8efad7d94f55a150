// The configuration window on the simulated platform: its layout and the
// actions of its controls, with the user's dialog answers scripted.
#include <gtest/gtest.h>

#include "app/AppState.h"
#include "config/ConfigText.h"
#include "config/ConfigWindow.h"
#include "platform/sim/SimPlatform.h"

namespace {
const ConfigControls& C() { return ConfigControlNumbers(); }

std::vector<std::string> Rows() { return SimFindControl(C().itemList)->rows; }
int Selected() { return SelectedListRow(C().itemList); }

std::vector<std::string> Names(const LauncherList& list) {
    std::vector<std::string> names;
    for (const LauncherItem& item : list.items) names.push_back(item.name);
    return names;
}

class ConfigWindowTest : public ::testing::Test {
protected:
    SystemHandle programIcon = reinterpret_cast<SystemHandle>(0x71);
    SystemHandle folderIcon = reinterpret_cast<SystemHandle>(0x72);
    LauncherList list;

    void SetUp() override {
        SimReset();
        InitPlatform();
        list = CreateLauncherList(200, 25, 20, "Tahoma", 10, 0);
    }

    void Open() {
        OpenConfigWindow(list);
        SimClearCalls();
    }

    // Three entries A, B, C, each with its own icon.
    void OpenWithThree() {
        for (int i = 0; i < 3; ++i)
            AddItem(list, std::string(1, char('A' + i)), reinterpret_cast<SystemHandle>(0x100 + i),
                    "C:\\" + std::string(1, char('A' + i)), Entry);
        Open();
    }

    void Click(int gadget) { HandleConfigEvent(list, gadget, folderIcon); }

    // Rows and items agree, row by row, icons included.
    void ExpectRowsShowItems() {
        const SimControl* rows = SimFindControl(C().itemList);
        ASSERT_EQ(rows->rows.size(), list.items.size());
        for (size_t i = 0; i < list.items.size(); ++i) {
            EXPECT_EQ(rows->rows[i], RowText(list.items[i])) << i;
            EXPECT_EQ(rows->rowIcons[i], list.items[i].icon) << i;
        }
    }
};
}  // namespace

TEST_F(ConfigWindowTest, LayoutFollowsTheTable) {
    AddItem(list, "notepad.exe", programIcon, "C:\\notepad.exe", Entry);
    AddItem(list, "", nullptr, "", Separator);
    AddItem(list, "x", folderIcon, "C:\\x\\", Entry);
    list.itemHeight = -3;
    list.separatorHeight = 0;
    OpenConfigWindow(list);

    const SimWindow* w = SimFindWindow(ConfigWindow);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->title, "Lumarel - Konfiguration");
    EXPECT_EQ(w->flags, SystemMenu | ScreenCentered);
    EXPECT_EQ(w->owner, nullptr);

    const std::vector<std::string> want = {
        "CreatePanel(-1,0,0,320,340,)=2",
        "AddPanelPage(2,Items)",
        "CreateList(-1,5,5,200,300,Name)=3",
        "SetListDisplayMode(3,1)",
        "AddListRow(3,notepad.exe,icon)",
        "AddListRow(3,Trennstrich: ,none)",
        "AddListRow(3,x,icon)",
        "CreateButton(-1,210,5,100,25,Datei hinzuf\xFCgen)=4",
        "CreateButton(-1,210,35,100,25,Pfad hinzuf\xFCgen)=5",
        "CreateButton(-1,210,65,100,25,Trennstrich)=6",
        "CreateButton(-1,210,105,100,25,Entfernen)=7",
        "CreateButton(-1,210,145,100,25,Nach oben)=8",
        "CreateButton(-1,210,175,100,25,Nach unten)=9",
        "AddPanelPage(2,Ansicht)",
        "CreateLabel(-1,5,8,100,20,Itemh\xF6he)=10",
        "CreateTextField(-1,110,5,150,20,-3)=11",
        "CreateLabel(-1,5,38,100,20,Trennstrichh\xF6he)=12",
        "CreateTextField(-1,110,35,150,20,0)=13",
        "CreateLabel(-1,5,68,100,20,Breite der Liste)=14",
        "CreateTextField(-1,110,65,150,20,200)=15",
        "CreateLabel(-1,5,108,100,20,Schriftart)=16",
        "CreateTextField(-1,110,105,150,20,Tahoma:10)=17",
        "DisableControl(17)",
        "CreateButton(-1,270,105,30,20,...)=18",
        "EndPanelPages()",
    };
    EXPECT_EQ(SimCallsNamed({"CreatePanel", "AddPanelPage", "CreateList", "SetListDisplayMode",
                             "AddListRow", "CreateButton", "CreateLabel", "CreateTextField",
                             "DisableControl", "EndPanelPages"}),
              want);

    ConfigControls c = C();
    const int recorded[] = {c.panel, c.itemList, c.addFileButton, c.addFolderButton,
                            c.addSeparatorButton, c.removeButton, c.moveUpButton,
                            c.moveDownButton, c.itemHeightField, c.separatorHeightField,
                            c.widthField, c.fontField, c.fontButton};
    EXPECT_EQ(std::vector<int>(std::begin(recorded), std::end(recorded)),
              (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 11, 13, 15, 17, 18}));
    EXPECT_EQ(SimFindControl(c.itemList)->page, 1);
    EXPECT_EQ(SimFindControl(c.moveDownButton)->page, 1);
    EXPECT_EQ(SimFindControl(c.fontButton)->page, 2);
    EXPECT_EQ(SimFindControl(c.panel)->page, 0);
    EXPECT_EQ(SimFindControl(c.panel)->selectedRow, 0);  // page "Items"
    EXPECT_FALSE(SimFindControl(c.fontField)->enabled);
    EXPECT_TRUE(SimFindControl(c.widthField)->enabled);
    EXPECT_EQ(SimFindControl(c.itemList)->listMode, ListDisplayMode::List);
    EXPECT_EQ(Selected(), -1);
}

TEST_F(ConfigWindowTest, ReopeningGivesOneFreshWindowWithTheCurrentList) {
    OpenWithThree();
    SelectListRow(C().itemList, 2);
    Click(C().moveUpButton);
    SimAnswerTextInput("Neu");
    Click(C().addSeparatorButton);
    SetControlText(C().widthField, "180");
    Click(C().widthField);

    OpenConfigWindow(list);
    EXPECT_EQ(SimCallsNamed({"CloseAppWindow"}), (std::vector<std::string>{"CloseAppWindow(1)"}));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A", "C", "B", "Trennstrich: Neu"}));
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(SimFindControl(C().panel)->selectedRow, 0);
    EXPECT_EQ(ControlText(C().widthField), "180");
    EXPECT_EQ(C().panel, 2);  // the old controls are gone and their numbers reused
}

TEST_F(ConfigWindowTest, WindowThatCannotOpenBuildsNothing) {
    SimFailWindow(ConfigWindow);
    OpenConfigWindow(list);
    EXPECT_TRUE(SimCallsNamed({"CreatePanel", "CreateButton", "AddListRow"}).empty());
}

TEST_F(ConfigWindowTest, AddFile) {
    Open();
    SimAnswerFileDialog("C:\\Programme\\Editor\\notepad.exe");
    Click(C().addFileButton);
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0].name, "notepad.exe");
    EXPECT_EQ(list.items[0].path, "C:\\Programme\\Editor\\notepad.exe");
    EXPECT_EQ(list.items[0].kind, Entry);
    EXPECT_NE(list.items[0].icon, nullptr);
    EXPECT_EQ(SimCallsNamed({"OpenFileDialog", "ShellIconFor"}),
              (std::vector<std::string>{"OpenFileDialog(Datei ausw\xE4hlen)",
                                        "ShellIconFor(C:\\Programme\\Editor\\notepad.exe)"}));
    ExpectRowsShowItems();

    Click(C().addFileButton);  // cancelled
    EXPECT_EQ(list.items.size(), 1u);
    EXPECT_EQ(SimCallsNamed({"ShellIconFor"}).size(), 1u);
    ExpectRowsShowItems();
}

TEST_F(ConfigWindowTest, AddFolder) {
    Open();
    struct Case { const char* answer; const char* name; const char* path; };
    const Case cases[] = {
        {"C:\\Users\\x\\", "x", "C:\\Users\\x\\"},
        {"C:\\", "C:", "C:\\"},
        {"D:\\Daten", "Daten", "D:\\Daten\\"},  // the layer adds the final backslash
    };
    for (const Case& c : cases) SimAnswerFolderDialog(c.answer);
    for (size_t i = 0; i < std::size(cases); ++i) {
        Click(C().addFolderButton);
        ASSERT_EQ(list.items.size(), i + 1);
        EXPECT_EQ(list.items[i].name, cases[i].name);
        EXPECT_EQ(list.items[i].path, cases[i].path);
        EXPECT_EQ(list.items[i].icon, folderIcon);
        EXPECT_EQ(list.items[i].kind, Entry);
    }
    EXPECT_EQ(SimCallsNamed({"FolderDialog"})[0], "FolderDialog(Pfad ausw\xE4hlen)");
    ExpectRowsShowItems();

    Click(C().addFolderButton);  // cancelled
    EXPECT_EQ(list.items.size(), 3u);
    ExpectRowsShowItems();
}

TEST_F(ConfigWindowTest, AddSeparatorAlsoWhenCancelled) {
    Open();
    SimAnswerTextInput("Spiele");
    Click(C().addSeparatorButton);
    Click(C().addSeparatorButton);  // cancelled: a separator without caption
    Click(C().addSeparatorButton);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Spiele", "", ""}));
    for (const LauncherItem& item : list.items) {
        EXPECT_EQ(item.kind, Separator);
        EXPECT_EQ(item.path, "");
        EXPECT_EQ(item.icon, nullptr);
    }
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Trennstrich: Spiele", "Trennstrich: ", "Trennstrich: "}));
    EXPECT_EQ(SimCallsNamed({"TextInputDialog"})[0],
              "TextInputDialog(Trennstrich,Name f\xFCr Trennstrich eingeben,)");
    ExpectRowsShowItems();
}

TEST_F(ConfigWindowTest, RemoveTakesTheSelectedEntryAndLeavesNoSelection) {
    OpenWithThree();
    Click(C().removeButton);  // nothing selected
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_TRUE(SimCallsNamed({"RemoveListRow"}).empty());

    SelectListRow(C().itemList, 1);
    Click(C().removeButton);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(Selected(), -1);
    ExpectRowsShowItems();

    Click(C().removeButton);  // a second click removes nothing
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "C"}));

    SelectListRow(C().itemList, 1);
    Click(C().removeButton);
    SelectListRow(C().itemList, 0);
    Click(C().removeButton);
    EXPECT_TRUE(list.items.empty());
    EXPECT_TRUE(Rows().empty());
}

// Adding and removing files for a long time must not pile up icons: a
// removed file's shell icon is freed, the shared folder icon never is.
TEST_F(ConfigWindowTest, RemoveFreesTheShellIconOfAFileOnly) {
    Open();
    SimAnswerFileDialog("C:\\a.exe");
    SimAnswerFolderDialog("C:\\Daten\\");
    SimAnswerTextInput("Spiele");
    SimAnswerFileDialog("C:\\b.exe");
    Click(C().addFileButton);
    Click(C().addFolderButton);
    Click(C().addSeparatorButton);
    Click(C().addFileButton);
    ASSERT_EQ(list.items.size(), 4u);
    EXPECT_EQ(SimShellIconCount(), 2u);
    SimClearCalls();

    struct Step { int row; size_t shellIconsLeft; size_t freeCalls; };
    const Step steps[] = {
        {1, 2, 0},  // the folder: its icon is shared
        {1, 2, 0},  // the separator: no icon
        {1, 1, 1},  // C:\b.exe
        {0, 0, 2},  // C:\a.exe
    };
    for (const Step& s : steps) {
        SelectListRow(C().itemList, s.row);
        Click(C().removeButton);
        EXPECT_EQ(SimShellIconCount(), s.shellIconsLeft) << list.items.size();
        EXPECT_EQ(SimCallsNamed({"FreeShellIcon"}).size(), s.freeCalls) << list.items.size();
        ExpectRowsShowItems();
    }
    EXPECT_TRUE(list.items.empty());
}

TEST_F(ConfigWindowTest, MoveUpAndDown) {
    struct Case { const char* what; int selected; bool up; std::vector<std::string> order; int after; };
    const Case cases[] = {
        {"middle up", 1, true, {"B", "A", "C"}, 0},
        {"middle down", 1, false, {"A", "C", "B"}, 2},
        {"first down", 0, false, {"B", "A", "C"}, 1},
        {"last up", 2, true, {"A", "C", "B"}, 1},
        {"first up does nothing", 0, true, {"A", "B", "C"}, 0},
        {"last down does nothing", 2, false, {"A", "B", "C"}, 2},
        {"up without selection does nothing", -1, true, {"A", "B", "C"}, -1},
        {"down without selection does nothing", -1, false, {"A", "B", "C"}, -1},
    };
    for (const Case& c : cases) {
        SetUp();
        OpenWithThree();
        SelectListRow(C().itemList, c.selected);
        SimClearCalls();
        Click(c.up ? C().moveUpButton : C().moveDownButton);
        EXPECT_EQ(Names(list), c.order) << c.what;
        EXPECT_EQ(Selected(), c.after) << c.what;
        ExpectRowsShowItems();
        bool moved = c.order != std::vector<std::string>{"A", "B", "C"};
        EXPECT_EQ(SimCallsNamed({"ClearListRows"}).size(), moved ? 1u : 0u) << c.what;
    }
}

TEST_F(ConfigWindowTest, ThreeEntryMoveExample) {
    OpenWithThree();
    SelectListRow(C().itemList, 1);
    Click(C().moveUpButton);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(Selected(), 0);
    Click(C().moveUpButton);  // now on the first row: nothing
    EXPECT_EQ(Names(list), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(Selected(), 0);
    Click(C().moveDownButton);
    Click(C().moveDownButton);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(Selected(), 2);
    ExpectRowsShowItems();
}

TEST_F(ConfigWindowTest, NumberFieldsFollowEveryChange) {
    Open();
    // Clearing the field, then typing 250 key by key.
    std::vector<int> seen;
    for (const char* text : {"", "2", "25", "250"}) {
        SetControlText(C().widthField, text);
        Click(C().widthField);
        seen.push_back(list.width);
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 2, 25, 250}));

    struct Case { int LauncherList::*field; int control; const char* text; int want; };
    const Case cases[] = {
        {&LauncherList::itemHeight, C().itemHeightField, "30px", 30},
        {&LauncherList::itemHeight, C().itemHeightField, "-7", -7},
        {&LauncherList::separatorHeight, C().separatorHeightField, "$1A", 26},
        {&LauncherList::separatorHeight, C().separatorHeightField, "abc", 0},
        {&LauncherList::width, C().widthField, "4294967297", 1},  // the low 32 bits
        {&LauncherList::width, C().widthField, "2147483648", INT32_MIN},
    };
    for (const Case& c : cases) {
        SetControlText(c.control, c.text);
        Click(c.control);
        EXPECT_EQ(list.*c.field, c.want) << c.text;
    }
    EXPECT_EQ(list.width, INT32_MIN);  // the other fields left it alone
    EXPECT_EQ(list.itemHeight, -7);
}

TEST_F(ConfigWindowTest, FontChoice) {
    Open();
    FontChoice boldItalic;
    boldItalic.name = "Arial";
    boldItalic.weight = 700;
    boldItalic.italic = true;
    boldItalic.pointSizeTenths = 105;
    SimAnswerFontDialog(boldItalic);
    SystemHandle oldFont = list.font;
    Click(C().fontButton);
    EXPECT_EQ(SimCallsNamed({"FontDialog"})[0], "FontDialog(Tahoma,10,0)");
    EXPECT_EQ(list.fontName, "Arial");
    EXPECT_EQ(list.fontStyle, Bold | Italic);
    EXPECT_EQ(list.fontSize, 10);  // 10.5 points
    EXPECT_EQ(ControlText(C().fontField), "Arial:Fett/Kursiv:10");
    EXPECT_NE(list.font, oldFont);
    EXPECT_EQ(SimCallsNamed({"FreeFont", "CreateFontFrom"}),
              (std::vector<std::string>{"FreeFont()", "CreateFontFrom(-13,700,1,0,0,0,Arial)"}));

    struct Case { int weight; bool underline, strikeOut; int tenths; int style; const char* text; };
    const Case cases[] = {
        {400, false, false, 120, 0, "Arial:Standard:12"},
        {600, false, false, 90, 0, "Arial:Standard:9"},  // semibold is not Bold
        {900, true, true, 80, Underline | StrikeOut, "Arial::8"},
    };
    for (const Case& c : cases) {
        FontChoice choice;
        choice.name = "Arial";
        choice.weight = c.weight;
        choice.underline = c.underline;
        choice.strikeOut = c.strikeOut;
        choice.pointSizeTenths = c.tenths;
        SimAnswerFontDialog(choice);
        Click(C().fontButton);
        EXPECT_EQ(list.fontStyle, c.style) << c.text;
        EXPECT_EQ(ControlText(C().fontField), c.text);
    }

    SimCancelFontDialog();
    SimClearCalls();
    Click(C().fontButton);
    EXPECT_EQ(ControlText(C().fontField), "Arial::8");
    EXPECT_EQ(list.fontSize, 8);
    EXPECT_TRUE(SimCallsNamed({"FreeFont", "CreateFontFrom", "SetControlText"}).empty());
}

TEST_F(ConfigWindowTest, FailedFontLeavesNoFontButTheNewValues) {
    Open();
    SimSetDpi(0);
    FontChoice choice;
    choice.name = "Courier";
    choice.weight = 400;
    choice.pointSizeTenths = 140;
    SimAnswerFontDialog(choice);
    Click(C().fontButton);
    EXPECT_EQ(list.font, nullptr);
    EXPECT_EQ(list.fontName, "Courier");
    EXPECT_EQ(ControlText(C().fontField), "Courier:Standard:14");
}

TEST_F(ConfigWindowTest, ControlsWithoutActionDoNothing) {
    OpenWithThree();
    SelectListRow(C().itemList, 1);
    SimAnswerTextInput("x");
    SimAnswerFileDialog("C:\\a.exe");
    for (int gadget : {C().panel, C().itemList, C().fontField, 10, 12, 0, 99})
        Click(gadget);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(list.width, 200);
    EXPECT_TRUE(SimCallsNamed({"OpenFileDialog", "FolderDialog", "TextInputDialog", "FontDialog",
                               "ClearListRows", "RemoveListRow"})
                    .empty());
}

TEST_F(ConfigWindowTest, NumbersOfAClosedWindowDoNothing) {
    OpenWithThree();
    ConfigControls old = C();
    CloseAppWindow(ConfigWindow);
    SimAnswerTextInput("x");
    SimAnswerFileDialog("C:\\a.exe");
    // Another window's controls may now carry the old numbers.
    int other = OpenAppWindow(AutoNumber, 0, 0, 50, 50, "Andere", Borderless, nullptr);
    ASSERT_NE(other, 0);
    int reused = CreateButton(AutoNumber, 0, 0, 10, 10, "b");
    ASSERT_EQ(reused, old.panel);
    int reusedToo = CreateButton(AutoNumber, 0, 0, 10, 10, "c");
    for (int gadget : {old.addFileButton, old.addSeparatorButton, old.removeButton,
                       old.moveUpButton, old.widthField, old.fontButton, reused, reusedToo})
        Click(gadget);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(list.width, 200);
    EXPECT_TRUE(SimCallsNamed({"OpenFileDialog", "TextInputDialog", "FontDialog"}).empty());
}

TEST(ConfigWindowShell, ControlEventsReachTheActionsThroughTheLoop) {
    // A first run tells the numbers the controls get.
    SimReset();
    SimPushEvent(AppEvent{EventKind::Menu, 0, 0, 0, NoEventType});
    SimPushEvent(AppEvent{EventKind::CloseWindow, 0, 0, 0, NoEventType});
    RunLauncher();
    ConfigControls c = ConfigControlNumbers();

    SimReset();
    SimAnswerTextInput("Spiele");
    SimAnswerFolderDialog("C:\\Spiele\\");
    SimPushEvent(AppEvent{EventKind::Menu, 0, 0, 0, NoEventType});
    SimPushEvent(AppEvent{EventKind::Gadget, 1, c.addSeparatorButton, 0, NoEventType});
    SimPushEvent(AppEvent{EventKind::Gadget, 1, c.addFolderButton, 0, NoEventType});
    SimPushEvent(AppEvent{EventKind::CloseWindow, 1, 0, 0, NoEventType});
    SimPushEvent(AppEvent{EventKind::Gadget, 1, c.addSeparatorButton, 0, NoEventType});
    SimPushEvent(AppEvent{EventKind::CloseWindow, 0, 0, 0, NoEventType});
    EXPECT_EQ(RunLauncher(), 0);
    EXPECT_FALSE(SimScriptOverrun());
    EXPECT_EQ(Names(gApp.list), (std::vector<std::string>{"Spiele", "Spiele"}));
    EXPECT_EQ(gApp.list.items[0].kind, Separator);
    EXPECT_EQ(gApp.list.items[1].path, "C:\\Spiele\\");
    EXPECT_EQ(SimCallsNamed({"TextInputDialog"}).size(), 1u);  // not after the close
}
