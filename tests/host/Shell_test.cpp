#include <gtest/gtest.h>

#include "app/AppState.h"
#include "launcher/Popup.h"
#include "platform/sim/SimPlatform.h"

namespace {
AppEvent Event(EventKind kind, int window = 0, EventType type = NoEventType, int menuItem = 0,
               int gadget = 0) {
    AppEvent e;
    e.kind = kind;
    e.window = window;
    e.type = type;
    e.menuItem = menuItem;
    e.gadget = gadget;
    return e;
}
AppEvent Tray(EventType type) { return Event(EventKind::SysTray, 0, type); }
AppEvent MenuItem(int item) { return Event(EventKind::Menu, 0, NoEventType, item); }
AppEvent Close(int window) { return Event(EventKind::CloseWindow, window); }

// Runs the launcher over the script, ending with a close request for the
// main window, and returns the exit code.
int RunScript(const std::vector<AppEvent>& script, bool endWithClose = true) {
    SimReset();
    SetPopupPressed(false);
    for (const AppEvent& e : script) SimPushEvent(e);
    if (endWithClose) SimPushEvent(Close(0));
    return RunLauncher();
}

// The calls between the first WaitForEvent and the end of the loop that
// show what the dispatch did.
std::vector<std::string> DispatchCalls() {
    std::vector<std::string> out;
    bool inLoop = false;
    for (const std::string& call : SimCalls()) {
        if (call.rfind("WaitForEvent", 0) == 0) inLoop = true;
        if (call.rfind("RemoveAllTrayIcons", 0) == 0) break;
        if (!inLoop) continue;
        for (const char* name : {"OpenAppWindow", "CloseAppWindow", "DisplayContextMenu",
                                 "CreateCanvas", "DestroyControl", "BeginCanvasPass"}) {
            if (call.rfind(name, 0) == 0) out.push_back(call);
        }
    }
    return out;
}

const char kPopupOpen[] = "OpenAppWindow(-1,824,748,200,0,Popup,2)";
const char kCanvas[] = "CreateCanvas(-1,0,0,200,0,)=2";
const char kConfigOpen[] = "OpenAppWindow(1,0,0,320,340,Lumarel - Konfiguration,12)";
}  // namespace

struct DispatchCase {
    const char* what;
    std::vector<AppEvent> script;
    std::vector<std::string> calls;
};

TEST(Shell, DispatchTable) {
    const DispatchCase cases[] = {
        {"nothing happens on a time-out or another message", {Event(EventKind::None), Event(EventKind::Other)}, {}},
        {"left click opens the popup and paints it in the same turn; the unchanged next turn paints nothing",
         {Tray(LeftClick)},
         {kPopupOpen, kCanvas, "BeginCanvasPass(2)"}},
        {"second left click closes it",
         {Tray(LeftClick), Tray(LeftClick)},
         {kPopupOpen, kCanvas, "BeginCanvasPass(2)", "DestroyControl(2)", "CloseAppWindow(2)"}},
        {"right click shows the menu", {Tray(RightClick)}, {"DisplayContextMenu(0,owner)"}},
        {"double clicks do nothing", {Tray(LeftDoubleClick), Tray(RightDoubleClick)}, {}},
        {"Konfiguration opens window 1", {MenuItem(0)}, {kConfigOpen}},
        {"Konfiguration hides a shown popup first",
         {Tray(LeftClick), MenuItem(0)},
         {kPopupOpen, kCanvas, "BeginCanvasPass(2)", "DestroyControl(2)", "CloseAppWindow(2)", kConfigOpen}},
        {"Konfiguration again replaces the window",
         {MenuItem(0), MenuItem(0)},
         {kConfigOpen, kConfigOpen, "CloseAppWindow(1)"}},
        {"other menu items do nothing", {MenuItem(2), MenuItem(-1)}, {}},
        {"a close request for window 1 closes it", {MenuItem(0), Close(1)}, {kConfigOpen, "CloseAppWindow(1)"}},
        {"a close request for the popup closes it; the next click opens a new one",
         {Tray(LeftClick), Close(2), Tray(LeftClick)},
         {kPopupOpen, kCanvas, "BeginCanvasPass(2)", "CloseAppWindow(2)", kPopupOpen, kCanvas,
          "BeginCanvasPass(2)"}},
        {"a close request for a window that is not open does nothing", {Close(5)}, {}},
        {"control events of a closed configuration window do nothing",
         {Event(EventKind::Gadget, 1, NoEventType, 0, 3)}, {}},
    };
    for (const DispatchCase& c : cases) {
        EXPECT_EQ(RunScript(c.script), 0) << c.what;
        EXPECT_FALSE(SimScriptOverrun()) << c.what;
        EXPECT_EQ(DispatchCalls(), c.calls) << c.what;
    }
}

TEST(Shell, QuitPathsEndTheLoopAfterThatTurn) {
    // "Beenden" ends the loop: the script's later events are never asked for.
    EXPECT_EQ(RunScript({MenuItem(1), Tray(RightClick)}, false), 0);
    EXPECT_FALSE(SimScriptOverrun());
    EXPECT_EQ(SimCallsNamed({"WaitForEvent"}).size(), 1u);
    EXPECT_TRUE(SimCallsNamed({"DisplayContextMenu"}).empty());

    EXPECT_EQ(RunScript({Close(0), Tray(RightClick)}, false), 0);
    EXPECT_EQ(SimCallsNamed({"WaitForEvent"}).size(), 1u);
    EXPECT_TRUE(SimCallsNamed({"DisplayContextMenu"}).empty());
}

TEST(Shell, UpdatePopupRunsAfterEveryEventTheQuittingOneIncluded) {
    // While the popup is shown every turn hit-tests the pointer once: None,
    // Other, the menu's quit and nothing after it. Only the first turn
    // paints; the others would give the same picture.
    RunScript({Tray(LeftClick), Event(EventKind::None), Event(EventKind::Other), MenuItem(1)}, false);
    EXPECT_EQ(SimCallsNamed({"PointerRowInWindow"}).size(), 4u);
    EXPECT_EQ(SimCallsNamed({"BeginCanvasPass"}).size(), 1u);
    // "Beenden" leaves the popup to the final release: no HidePopup on the way out.
    EXPECT_TRUE(SimCallsNamed({"DestroyControl"}).empty());

    RunScript({Tray(LeftClick), Close(0)}, false);
    EXPECT_EQ(SimCallsNamed({"PointerRowInWindow"}).size(), 2u);
}

TEST(Shell, StartUpAndShutDownOrder) {
    ASSERT_EQ(RunScript({}), 0);
    std::vector<std::string> order = SimCallsNamed(
        {"InitPlatform", "EmbeddedIcoFile", "OpenAppWindow", "AddTrayIcon", "SetTrayIconToolTip",
         "CreateFontFrom", "CreateContextMenu", "AddContextMenuItem", "WaitForEvent",
         "RemoveAllTrayIcons", "CloseAllAppWindows", "FreeAllFonts", "FreeAllImages",
         "ReleasePlatform"});
    const std::vector<std::string> want = {
        "InitPlatform()",
        "EmbeddedIcoFile(0)",
        "EmbeddedIcoFile(1)",
        "OpenAppWindow(0,0,0,0,0,Lumarel,1)",
        "AddTrayIcon(0,owner,none)",  // the sim carries no icon data
        "SetTrayIconToolTip(0,Lumarel)",
        "CreateFontFrom(-13,400,0,0,0,0,Tahoma)",
        "CreateContextMenu(0)",
        "AddContextMenuItem(0,Konfiguration)",
        "AddContextMenuItem(1,Beenden)",
        "WaitForEvent(-1)",  // the popup is hidden: no time-out
        "RemoveAllTrayIcons()",
        "CloseAllAppWindows()",
        "FreeAllFonts()",
        "FreeAllImages()",
        "ReleasePlatform()",
    };
    EXPECT_EQ(order, want);
    EXPECT_EQ(gApp.workArea.right, 1024);
    EXPECT_EQ(gApp.workArea.bottom, 748);
}

TEST(Shell, MainWindowFailingEndsAtOnceWithExitCodeZero) {
    SimReset();
    SimFailWindow(0);
    SimPushEvent(Tray(LeftClick));
    EXPECT_EQ(RunLauncher(), 0);
    EXPECT_TRUE(SimCallsNamed({"AddTrayIcon", "CreateFontFrom", "CreateContextMenu", "WaitForEvent",
                               "ReplaceWholeFile"})
                    .empty());
    EXPECT_EQ(SimCallsNamed({"RemoveAllTrayIcons", "CloseAllAppWindows", "FreeAllFonts",
                             "FreeAllImages", "ReleasePlatform"})
                  .size(),
              5u);
}

TEST(Shell, SettingsPathComesFromAppData) {
    SimReset();
    SimSetEnvironment("appdata", "C:\\Users\\u\\AppData\\Roaming");
    SimPushEvent(Close(0));
    RunLauncher();
    EXPECT_EQ(gApp.settingsPath, "C:\\Users\\u\\AppData\\Roaming\\Lumarel.ini");

    RunScript({});  // unset: the root of the current drive
    EXPECT_EQ(gApp.settingsPath, "\\Lumarel.ini");
}

TEST(Shell, WaitsWithoutLimitWhileThePopupIsHiddenAndTwoMillisecondsWhileShown) {
    // Open, a quiet turn, close by the tray, a quiet turn, then quit.
    RunScript({Tray(LeftClick), Event(EventKind::None), Tray(LeftClick), Event(EventKind::Other)});
    EXPECT_EQ(SimCallsNamed({"WaitForEvent"}),
              (std::vector<std::string>{"WaitForEvent(-1)", "WaitForEvent(2)", "WaitForEvent(2)",
                                        "WaitForEvent(-1)", "WaitForEvent(-1)"}));
    // A popup closed by a completed click or a close request waits without limit again.
    RunScript({Tray(LeftClick), Close(2), Event(EventKind::Other)});
    EXPECT_EQ(SimCallsNamed({"WaitForEvent"}),
              (std::vector<std::string>{"WaitForEvent(-1)", "WaitForEvent(2)", "WaitForEvent(-1)",
                                        "WaitForEvent(-1)"}));
}

namespace {
const char kSettingsFile[] = "C:\\Roaming\\Lumarel.ini";
const char kOneEntryFile[] =
    "[notepad.exe]\r\nPfad = C:\\Windows\\notepad.exe\r\nItemArt = 0\r\n"
    "[Lumarel-Einstellungen]\r\nFont = Tahoma\r\nFontStyle = 0\r\nFontgr\xF6sse = 10\r\n"
    "Breite = 200\r\nItemH\xF6he = 25\r\nTrennstrichH\xF6he = 20\r\n";

void StartWithSettingsFile() {
    SimReset();
    SetPopupPressed(false);
    SimSetEnvironment("appdata", "C:\\Roaming");
    SimWriteFile(kSettingsFile, kOneEntryFile);
}

size_t SaveCount() { return SimCallsNamed({"ReplaceWholeFile"}).size(); }
}  // namespace

TEST(Shell, SavesExactlyOnceAfterTheLoop) {
    for (AppEvent quit : {MenuItem(1), Close(0)}) {
        StartWithSettingsFile();
        SimPushEvent(Tray(LeftClick));
        SimPushEvent(quit);
        RunLauncher();
        std::vector<std::string> order =
            SimCallsNamed({"ReadWholeFile", "WaitForEvent", "ReplaceWholeFile", "RemoveAllTrayIcons"});
        const std::vector<std::string> want = {
            "ReadWholeFile(C:\\Roaming\\Lumarel.ini)",  // the view settings
            "ReadWholeFile(C:\\Roaming\\Lumarel.ini)",  // the entries
            "WaitForEvent(-1)",  // hidden popup: no time-out
            "WaitForEvent(2)",   // shown popup
            "ReplaceWholeFile(C:\\Roaming\\Lumarel.ini," + std::to_string(sizeof kOneEntryFile - 1) + ")",
            "RemoveAllTrayIcons()",
        };
        EXPECT_EQ(order, want);
        EXPECT_EQ(SimFileBytes(kSettingsFile), kOneEntryFile);
    }
}

TEST(Shell, NoSettingsReadOrWrittenWhenTheMainWindowFails) {
    StartWithSettingsFile();
    SimFailWindow(0);
    RunLauncher();
    EXPECT_TRUE(SimCallsNamed({"ReadWholeFile", "ReplaceWholeFile"}).empty());
    SimEndSession(true);  // no handler was registered
    EXPECT_EQ(SaveCount(), 0u);
    EXPECT_EQ(SimFileBytes(kSettingsFile), kOneEntryFile);
}

TEST(Shell, SessionEndSavesAtOnceAndOnlyWhenItReallyEnds) {
    struct Case { bool ending; size_t savesAtTheEnd; bool newEntryOnDiskThen; };
    const Case cases[] = {{true, 1, true}, {false, 0, false}};
    for (const Case& c : cases) {
        StartWithSettingsFile();
        size_t savesBefore = 99, savesAfter = 99;
        std::string bytesThen;
        SimPushEvent(Tray(RightClick));
        SimPushAction([&] {
            // A change made in the configuration window, not saved yet.
            AddItem(gApp.list, "calc.exe", nullptr, "C:\\Windows\\calc.exe", Entry);
            savesBefore = SaveCount();
            SimEndSession(c.ending);
            savesAfter = SaveCount();
            bytesThen = SimFileBytes(kSettingsFile);
        });
        SimPushEvent(MenuItem(1));
        RunLauncher();
        EXPECT_FALSE(SimScriptOverrun());
        EXPECT_EQ(savesBefore, 0u) << c.ending;
        EXPECT_EQ(savesAfter, c.savesAtTheEnd) << c.ending;
        EXPECT_EQ(bytesThen.find("[calc.exe]\r\nPfad = C:\\Windows\\calc.exe\r\n") != std::string::npos,
                  c.newEntryOnDiskThen)
            << c.ending;
        // The loop's own save still comes, once.
        EXPECT_EQ(SaveCount(), c.savesAtTheEnd + 1) << c.ending;
        EXPECT_NE(SimFileBytes(kSettingsFile).find("[calc.exe]"), std::string::npos);

        SimEndSession(true);  // after the shut-down nothing saves
        EXPECT_EQ(SaveCount(), c.savesAtTheEnd + 1) << c.ending;
    }
}
