#include <gtest/gtest.h>

#include "app/AppState.h"
#include "launcher/Popup.h"
#include "platform/sim/SimPlatform.h"

namespace {
SystemHandle const kIcon = reinterpret_cast<SystemHandle>(0x77);

struct ItemSpec {
    const char* name;
    int kind = Entry;
    SystemHandle icon = nullptr;
    const char* path = "";
};

// A fresh simulated system with the main window, and a list of the given
// view values and items (the sim's text: 6 pixels a character, 13 high).
class Popup : public ::testing::Test {
protected:
    LauncherList list;

    void SetUp() override {
        SimReset();
        SetPopupPressed(false);
        InitPlatform();
        OpenAppWindow(MainWindow, 0, 0, 0, 0, "Lumarel", Invisible, nullptr);
    }

    void Make(int width, std::vector<ItemSpec> items, int itemHeight = 25, int separatorHeight = 20) {
        list = CreateLauncherList(width, itemHeight, separatorHeight, "Tahoma", 10, 0);
        for (const ItemSpec& i : items) AddItem(list, i.name, i.icon, i.path, i.kind);
    }

    void Show() { ShowPopup(list, 1024 - list.width, 748, AppWindowHandle(MainWindow)); }

    AppEvent Canvas(EventType type) const {
        AppEvent e;
        e.kind = EventKind::Gadget;
        e.window = list.popupWindow;
        e.gadget = list.canvas;
        e.type = type;
        return e;
    }

    // One pass with the pointer on the given row; returns what it drew.
    std::vector<std::string> Pass(int row, const AppEvent& event = AppEvent{}) {
        SimSetPointerRow(row);
        SimClearCalls();
        UpdatePopup(list, event);
        return SimCallsNamed({"FillCanvasBox", "DrawCanvasText", "DrawCanvasIcon"});
    }

    std::vector<std::string> Started() { return SimCallsNamed({"StartProcess", "ShellOpen"}); }
};

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
}  // namespace

struct GeometryCase {
    const char* what;
    int width;
    std::vector<ItemSpec> items;
    int pointerRow;
    std::vector<std::string> drawn;  // after the background box
};

TEST_F(Popup, PaintsEntriesAndSeparatorsAtTheirPlaces) {
    const GeometryCase cases[] = {
        {"entry: icon from (2, T), name at (itemHeight + 5, T + 12 - 6)",
         200, {{"Notepad.exe", Entry, kIcon, "C:\\n.exe"}}, -1,
         {"DrawCanvasIcon(icon,2,0,25,25)", "DrawCanvasText(30,6,Notepad,DFDFDF)"}},
        {"the hovered entry's highlight covers rows T to T + 24, below its icon and name",
         200, {{"A", Entry, kIcon}, {"B", Entry, kIcon}}, 30,
         {"DrawCanvasIcon(icon,2,0,25,25)", "DrawCanvasText(30,6,A,DFDFDF)",
          "FillCanvasBox(0,25,200,25,CC6600)", "DrawCanvasIcon(icon,2,25,25,25)",
          "DrawCanvasText(30,31,B,DFDFDF)"}},
        {"an entry without icon keeps its name at itemHeight + 5",
         200, {{"Ohne"}}, -1, {"DrawCanvasText(30,6,Ohne,DFDFDF)"}},
        {"caption 30 wide: half 78, caption at (85, T + 4), lines 2-79 and 120-197 on T + 9, T + 10",
         200, {{"A"}, {"Tools", Separator}}, -1,
         {"DrawCanvasText(30,6,A,DFDFDF)", "DrawCanvasText(85,29,Tools,CFCFCF)",
          "FillCanvasBox(2,34,78,2,DCDCDC)", "FillCanvasBox(120,34,78,2,DCDCDC)"}},
        {"empty caption at width 200: the halves meet between x 99 and 100",
         200, {{"", Separator}}, -1,
         {"DrawCanvasText(105,10,,CFCFCF)", "FillCanvasBox(2,9,98,2,DCDCDC)",
          "FillCanvasBox(100,9,98,2,DCDCDC)"}},
        {"empty caption at width 201: half is 197 / 2 truncated, x 198-200 stay background",
         201, {{"", Separator}}, -1,
         {"DrawCanvasText(105,10,,CFCFCF)", "FillCanvasBox(2,9,98,2,DCDCDC)",
          "FillCanvasBox(100,9,98,2,DCDCDC)"}},
        {"caption 150 wide in a list 100 wide: half -32, caption from x -25, lines drawn over it",
         100, {{"ABCDEFGHIJKLMNOPQRSTUVWXY", Separator}}, -1,
         {"DrawCanvasText(-25,4,ABCDEFGHIJKLMNOPQRSTUVWXY,CFCFCF)",
          "FillCanvasBox(2,9,-32,2,DCDCDC)", "FillCanvasBox(130,9,-32,2,DCDCDC)"}},
        {"kind 2 is painted as a separator at its top, over the next row, and never hovered",
         200, {{"X", 2}, {"B"}}, 10,
         {"DrawCanvasText(97,4,X,CFCFCF)", "FillCanvasBox(2,9,90,2,DCDCDC)",
          "FillCanvasBox(108,9,90,2,DCDCDC)", "FillCanvasBox(0,0,200,25,CC6600)",
          "DrawCanvasText(30,6,B,DFDFDF)"}},
    };
    for (const GeometryCase& c : cases) {
        SetUp();
        Make(c.width, c.items);
        Show();
        char background[64];
        snprintf(background, sizeof background, "FillCanvasBox(0,0,%d,%d,101010)", c.width,
                 list.popupHeight);
        EXPECT_EQ(Pass(c.pointerRow), Concat({background}, c.drawn)) << c.what;
    }
}

TEST_F(Popup, APassSelectsTheListsFontInTransparentModeBetweenBeginAndEnd) {
    Make(200, {{"A"}});
    Show();
    Pass(-1);
    std::vector<std::string> want = {"BeginCanvasPass(2)", "FillCanvasBox(0,0,200,25,101010)",
                                     "SetCanvasTransparentText()", "SelectCanvasFont(font)",
                                     "DrawCanvasText(30,6,A,DFDFDF)", "EndCanvasPass()"};
    EXPECT_EQ(SimCallsNamed({"BeginCanvasPass", "FillCanvasBox", "SetCanvasTransparentText",
                             "SelectCanvasFont", "DrawCanvasText", "EndCanvasPass"}),
              want);
}

TEST_F(Popup, EachHalvingIsDoneAloneAndTruncatesTowardZero) {
    // itemHeight 24: 12 - 6 = 6, where (24 - 13) / 2 would give 5.
    // separatorHeight -3: -3 / 2 = -1, where flooring would give -2.
    Make(200, {{"A"}, {"S", Separator}}, 24, -3);
    Show();
    std::vector<std::string> drawn = Pass(-1);
    EXPECT_EQ(drawn[1], "DrawCanvasText(29,6,A,DFDFDF)");
    EXPECT_EQ(drawn[2], "DrawCanvasText(97,17,S,CFCFCF)");
    EXPECT_EQ(drawn[3], "FillCanvasBox(2,22,90,2,DCDCDC)");

    // width -5, empty caption: half = -9 / 2 = -4.
    SetUp();
    Make(-5, {{"", Separator}});
    Show();
    drawn = Pass(-1);
    EXPECT_EQ(drawn[2], "FillCanvasBox(2,9,-4,2,DCDCDC)");
    EXPECT_EQ(drawn[3], "FillCanvasBox(-2,9,-4,2,DCDCDC)");
}

TEST(DisplayName, RemovesEveryExactExeInOneScan) {
    const std::pair<const char*, const char*> cases[] = {
        {"Notepad.exe", "Notepad"},     {"SETUP.EXE", "SETUP.EXE"},
        {"a.exe.exe", "a"},             {"Notes.exercise", "Notesrcise"},
        {"x..exeexe", "x.exe"},         {"", ""},
        {".exe", ""},                   {"Setup.Exe", "Setup.Exe"},
    };
    for (auto [stored, shown] : cases) EXPECT_EQ(DisplayName(stored), shown) << stored;
}

TEST_F(Popup, TheNameIsShownWithoutExeButTheStoredNameStays) {
    Make(200, {{"x..exeexe"}});
    Show();
    EXPECT_EQ(Pass(-1)[1], "DrawCanvasText(30,6,x.exe,DFDFDF)");
    EXPECT_EQ(list.items[0].name, "x..exeexe");
}

struct HitCase {
    int row;
    int hovered;  // -1: nothing
};

TEST_F(Popup, HitTestBoundsAreStrict) {
    // Entries at tops 0 and 45 around a separator at 25.
    const HitCase cases[] = {
        {-1, -1}, {0, -1}, {1, 0}, {24, 0}, {25, -1}, {30, -1}, {44, -1},
        {45, -1}, {46, 2}, {69, 2}, {70, -1},
    };
    for (const HitCase& c : cases) {
        SetUp();
        Make(200, {{"A"}, {"S", Separator}, {"B"}});
        Show();
        std::vector<std::string> drawn = Pass(c.row);
        std::string highlight;
        for (const std::string& call : drawn)
            if (call.find("CC6600") != std::string::npos) highlight = call;
        std::string want;
        if (c.hovered == 0) want = "FillCanvasBox(0,0,200,25,CC6600)";
        if (c.hovered == 2) want = "FillCanvasBox(0,45,200,25,CC6600)";
        EXPECT_EQ(highlight, want) << "row " << c.row;
    }
}

TEST_F(Popup, ShowOpensABorderlessTopmostWindowAtTheCornerWithItsCanvas) {
    Make(200, {{"A"}, {"S", Separator}, {"B"}});
    SimClearCalls();
    Show();
    std::vector<std::string> want = {"OpenAppWindow(-1,824,678,200,70,Popup,2)",
                                     "CreateCanvas(-1,0,0,200,70,)=2", "SetWindowTopmost(2)",
                                     "ActivateAppWindow(2)"};
    EXPECT_EQ(SimCallsNamed({"OpenAppWindow", "CreateCanvas", "SetWindowTopmost", "ActivateAppWindow",
                             "BeginCanvasPass"}),
              want);  // nothing is painted until the next pass
    EXPECT_EQ(list.popupHeight, 70);
    ASSERT_TRUE(PopupShown(list));
    const SimWindow* w = SimFindWindow(list.popupWindow);
    EXPECT_EQ(w->owner, AppWindowHandle(MainWindow));
    EXPECT_TRUE(w->topmost);
    EXPECT_EQ(SimFindControl(list.canvas)->window, list.popupWindow);
}

TEST_F(Popup, AnEmptyListOpensAPopupOfHeightZeroThatNothingHovers) {
    Make(200, {});
    Show();
    ASSERT_TRUE(PopupShown(list));
    const SimWindow* w = SimFindWindow(list.popupWindow);
    EXPECT_EQ(w->y, 748);
    EXPECT_EQ(w->height, 0);
    EXPECT_EQ(Pass(0, Canvas(LeftButtonDown)), std::vector<std::string>{"FillCanvasBox(0,0,200,0,101010)"});
    Pass(0, Canvas(LeftButtonUp));
    EXPECT_TRUE(Started().empty());
    EXPECT_TRUE(PopupShown(list));
}

struct ClickCase {
    const char* what;
    std::vector<std::pair<int, EventType>> steps;  // pointer row, canvas event
    const char* started;                          // nullptr: nothing
};

TEST_F(Popup, ClickRule) {
    // A at 0, separator at 25, B at 45.
    const ClickCase cases[] = {
        {"press and release on A", {{5, LeftButtonDown}, {5, LeftButtonUp}}, "\"C:\\a.exe\""},
        {"press on A, release on B starts B", {{5, LeftButtonDown}, {50, LeftButtonUp}}, "\"C:\\b.exe\""},
        {"press on the separator, release on B", {{30, LeftButtonDown}, {50, LeftButtonUp}}, "\"C:\\b.exe\""},
        {"release outside starts nothing", {{5, LeftButtonDown}, {-1, LeftButtonUp}}, nullptr},
        {"release on B's top row starts nothing", {{5, LeftButtonDown}, {45, LeftButtonUp}}, nullptr},
        {"release on the separator starts nothing", {{5, LeftButtonDown}, {30, LeftButtonUp}}, nullptr},
        {"a release without a press starts nothing", {{5, LeftButtonUp}}, nullptr},
        {"a release outside clears pressed: the next release starts nothing",
         {{5, LeftButtonDown}, {-1, LeftButtonUp}, {5, LeftButtonUp}}, nullptr},
        {"other canvas events change nothing",
         {{5, LeftButtonDown}, {50, CanvasOther}, {50, LeftDoubleClick}, {50, LeftClick}, {50, LeftButtonUp}},
         "\"C:\\b.exe\""},
    };
    for (const ClickCase& c : cases) {
        SetUp();
        Make(200, {{"A", Entry, kIcon, "C:\\a.exe"}, {"S", Separator}, {"B", Entry, kIcon, "C:\\b.exe"}});
        Show();
        for (auto [row, type] : c.steps) Pass(row, Canvas(type));
        std::vector<std::string> started = SimCallsNamed({"StartProcess"});
        if (c.started) {
            EXPECT_EQ(started, std::vector<std::string>{std::string("StartProcess(") + c.started + ")"}) << c.what;
            EXPECT_FALSE(PopupShown(list)) << c.what;
            EXPECT_TRUE(SimCallsNamed({"BeginCanvasPass"}).empty()) << c.what << ": painted after closing";
        } else {
            EXPECT_TRUE(started.empty()) << c.what;
            EXPECT_TRUE(PopupShown(list)) << c.what;
        }
        EXPECT_FALSE(PopupPressed()) << c.what;
    }
}

TEST_F(Popup, APressOnlyCountsFromTheCanvas) {
    Make(200, {{"A", Entry, kIcon, "C:\\a.exe"}});
    Show();
    AppEvent fromElsewhere = Canvas(LeftButtonDown);
    fromElsewhere.gadget = list.canvas + 1;
    Pass(5, fromElsewhere);
    EXPECT_FALSE(PopupPressed());
    AppEvent tray;
    tray.kind = EventKind::SysTray;
    tray.type = LeftButtonDown;
    Pass(5, tray);
    EXPECT_FALSE(PopupPressed());
    Pass(5, Canvas(LeftButtonUp));
    EXPECT_TRUE(Started().empty());
}

TEST_F(Popup, WhilePressedTheHighlightIsInTheButtonShadowColour) {
    Make(200, {{"A"}, {"B"}});
    Show();
    EXPECT_EQ(Pass(30, Canvas(LeftButtonDown))[2], "FillCanvasBox(0,25,200,25,A0A0A0)");
    EXPECT_EQ(Pass(5)[1], "FillCanvasBox(0,0,200,25,A0A0A0)");
    Pass(-1, Canvas(LeftButtonUp));
    EXPECT_EQ(Pass(5)[1], "FillCanvasBox(0,0,200,25,CC6600)");
}

TEST_F(Popup, AFailedStartClosesThePopupAllTheSame) {
    SimSetStartResults(false, false);
    Make(200, {{"A", Entry, kIcon, "C:\\Daten\\brief.txt"}});
    Show();
    Pass(5, Canvas(LeftButtonDown));
    Pass(5, Canvas(LeftButtonUp));
    EXPECT_EQ(Started(), (std::vector<std::string>{"StartProcess(\"C:\\Daten\\brief.txt\")",
                                                   "ShellOpen(C:\\Daten\\brief.txt,C:\\Daten\\)"}));
    EXPECT_FALSE(PopupShown(list));
}

TEST_F(Popup, HiddenItDoesNothingButTheExistenceTests) {
    Make(200, {{"A"}});
    Pass(5);
    EXPECT_TRUE(SimCallsNamed({"PointerRowInWindow", "BeginCanvasPass"}).empty());
    Show();
    HidePopup(list);
    EXPECT_FALSE(PopupShown(list));
    Pass(5);
    EXPECT_TRUE(SimCallsNamed({"BeginCanvasPass"}).empty());
}

// ---- nothing half-made ---------------------------------------------------------

TEST_F(Popup, AWindowThatCannotBeOpenedLeavesNoCanvasInAnotherWindow) {
    OpenAppWindow(ConfigWindow, 0, 0, 320, 340, "Lumarel - Konfiguration", SystemMenu, nullptr);
    SimFailWindow(AutoNumber);
    Make(200, {{"A"}});
    SimClearCalls();
    Show();
    EXPECT_TRUE(SimCallsNamed({"CreateCanvas", "SetWindowTopmost", "ActivateAppWindow"}).empty());
    EXPECT_FALSE(PopupShown(list));
    EXPECT_EQ(list.popupWindow, 0);
    EXPECT_EQ(list.canvas, 0);
    Pass(5);
    EXPECT_TRUE(SimCallsNamed({"BeginCanvasPass"}).empty());
    EXPECT_TRUE(AppWindowExists(ConfigWindow));
}

TEST_F(Popup, ACanvasThatCannotBeCreatedTakesItsWindowAlong) {
    Make(200, {{"A"}});
    SimFailCanvas(true);
    Show();
    EXPECT_FALSE(PopupShown(list));
    EXPECT_EQ(SimCallsNamed({"CloseAppWindow"}), std::vector<std::string>{"CloseAppWindow(2)"});
    EXPECT_FALSE(AppWindowExists(2));
    EXPECT_EQ(list.popupWindow, 0);
    EXPECT_EQ(list.canvas, 0);

    SimFailCanvas(false);
    Show();
    EXPECT_TRUE(PopupShown(list));
}

TEST(PopupShell, AFailedOpeningNeverClosesTheConfigurationWindowLater) {
    // Konfiguration, then two tray clicks while popups cannot be opened: both
    // try to open one; neither closes window 1 nor anything else.
    SimReset();
    SetPopupPressed(false);
    SimFailWindow(AutoNumber);
    AppEvent menu;
    menu.kind = EventKind::Menu;
    menu.menuItem = 0;
    AppEvent tray;
    tray.kind = EventKind::SysTray;
    tray.type = LeftClick;
    AppEvent quit;
    quit.kind = EventKind::CloseWindow;
    for (const AppEvent& e : {menu, tray, tray, quit}) SimPushEvent(e);
    RunLauncher();
    EXPECT_EQ(SimCallsNamed({"OpenAppWindow"}).size(), 4u);  // main, config, two popups
    EXPECT_TRUE(SimCallsNamed({"CreateCanvas", "DestroyControl"}).empty());
    std::vector<std::string> closes = SimCallsNamed({"CloseAppWindow", "CloseAllAppWindows"});
    EXPECT_EQ(closes.front(), "CloseAllAppWindows()");  // only the final release
}

// ---- quiet when nothing changes -------------------------------------------------

TEST_F(Popup, APassWithUnchangedInputsDrawsNothing) {
    Make(200, {{"A", Entry, kIcon}, {"S", Separator}, {"B", Entry, kIcon}});
    Show();
    EXPECT_FALSE(Pass(5).empty());
    EXPECT_TRUE(Pass(5).empty());
    EXPECT_TRUE(Pass(20).empty()) << "the pointer moved within the same entry";
    EXPECT_TRUE(SimCallsNamed({"BeginCanvasPass", "EndCanvasPass"}).empty());
    EXPECT_FALSE(Pass(50).empty()) << "another entry is hovered";
    EXPECT_TRUE(Pass(50).empty());
    EXPECT_FALSE(Pass(-1).empty()) << "none is hovered";
}

struct ChangeCase {
    const char* what;
    void (*change)(LauncherList& list);
};

TEST_F(Popup, EveryInputOfThePictureMakesTheNextPassPaint) {
    const ChangeCase cases[] = {
        {"hot-tracking colour", [](LauncherList&) { SimSetSystemColours(0x0000FF, 0xA0A0A0); }},
        {"button-shadow colour", [](LauncherList&) { SimSetSystemColours(0xCC6600, 0x808080); }},
        {"a name", [](LauncherList& l) { l.items[0].name = "Anders"; }},
        {"an icon", [](LauncherList& l) { l.items[0].icon = nullptr; }},
        {"a kind", [](LauncherList& l) { l.items[1].kind = 2; }},
        {"an item added", [](LauncherList& l) { AddItem(l, "C", nullptr, "", Entry); }},
        {"an item deleted", [](LauncherList& l) { DeleteItem(l, 2); }},
        {"items swapped", [](LauncherList& l) { SwapItems(l, 0, 2); }},
        {"width", [](LauncherList& l) { l.width = 180; }},
        {"item height", [](LauncherList& l) { l.itemHeight = 30; }},
        {"separator height", [](LauncherList& l) { l.separatorHeight = 10; }},
        {"font remade", [](LauncherList& l) { l.fontStyle = Bold; RemakeListFont(l); }},
        {"font values with the same handle", [](LauncherList& l) { l.fontSize = 12; }},
        {"font name with the same handle", [](LauncherList& l) { l.fontName = "Arial"; }},
    };
    for (const ChangeCase& c : cases) {
        SetUp();
        Make(200, {{"A", Entry, kIcon}, {"S", Separator}, {"B", Entry, kIcon}});
        Show();
        Pass(5);
        ASSERT_TRUE(Pass(5).empty()) << c.what;
        c.change(list);
        EXPECT_EQ(SimCallsNamed({"BeginCanvasPass"}).size(), 0u);
        Pass(5);
        EXPECT_EQ(SimCallsNamed({"BeginCanvasPass", "EndCanvasPass"}).size(), 2u) << c.what;
        EXPECT_TRUE(Pass(5).empty()) << c.what << ": and then it is quiet again";
    }
}

TEST_F(Popup, PressingOverAnEntryRepaintsAndAReopenedPopupIsPaintedAgain) {
    Make(200, {{"A", Entry, kIcon, "C:\\a.exe"}});
    Show();
    Pass(5);
    EXPECT_FALSE(Pass(5, Canvas(LeftButtonDown)).empty());
    EXPECT_FALSE(Pass(-1, Canvas(LeftButtonUp)).empty());

    // Same inputs, but a new canvas is white: the first pass paints.
    HidePopup(list);
    Show();
    EXPECT_FALSE(Pass(-1).empty());
    // Closed by a close request (the loop's own close), then opened again.
    CloseAppWindow(list.popupWindow);
    Show();
    EXPECT_FALSE(Pass(-1).empty());
}
