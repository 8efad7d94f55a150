#include <gtest/gtest.h>

#include "IcoBytes.h"
#include "app/AppState.h"
#include "launcher/Popup.h"
#include "platform/sim/SimPlatform.h"

namespace {
AppEvent CloseMain() {
    AppEvent e;
    e.kind = EventKind::CloseWindow;
    return e;
}

// Starts the launcher with the two icon files, runs the script and ends
// with a close request for the main window.
void RunWith(const std::function<void()>& script) {
    SimReset();
    SetPopupPressed(false);
    SimSetEmbeddedIco(EmbeddedIco::Program, SimpleIco(128));
    SimSetEmbeddedIco(EmbeddedIco::Folder, SimpleIco(64));
    script();
    SimPushEvent(CloseMain());
    ASSERT_EQ(RunLauncher(), 0);
    ASSERT_FALSE(SimScriptOverrun());
}

// What a user sees in the notification area at this point of the run.
std::string TrayShows() {
    const SimTrayIcon* icon = SimFindTrayIcon(TrayIconNumber);
    if (!icon) return "nothing";
    bool ours = icon->icon == gApp.programIcon.icon && icon->owner == AppWindowHandle(MainWindow);
    return (ours ? "our icon, tip " : "a wrong icon, tip ") + icon->tip;
}
}  // namespace

TEST(Tray, StartUpShowsTheProgramIconWithItsTipAndMenu) {
    std::string seen;
    RunWith([&] { SimPushCheck([&] { seen = TrayShows(); }); });
    EXPECT_EQ(seen, "our icon, tip Lumarel");
    EXPECT_EQ(gApp.programIcon.icon, nullptr);  // released at the end
    EXPECT_EQ(SimMenuItems(TrayMenuNumber), (std::vector<std::string>{"0:Konfiguration", "1:Beenden"}));
    // ReleaseAll took the icon away again.
    EXPECT_EQ(TrayShows(), "nothing");
    EXPECT_EQ(SimCallsNamed({"RemoveTrayIcon"}), std::vector<std::string>{"RemoveTrayIcon(0)"});
}

TEST(Tray, ARebuiltNotificationAreaGetsTheIconBackWithItsTip) {
    std::string before, after;
    RunWith([&] {
        SimPushCheck([&] { before = TrayShows(); });
        SimPushTaskbarRebuilt();
        SimPushCheck([&] { after = TrayShows(); });
    });
    EXPECT_EQ(before, "our icon, tip Lumarel");
    EXPECT_EQ(after, "our icon, tip Lumarel");
    // exactly as at start: the icon, then the tooltip
    EXPECT_EQ(SimCallsNamed({"AddTrayIcon", "SetTrayIconToolTip"}),
              (std::vector<std::string>{"AddTrayIcon(0,owner,icon)", "SetTrayIconToolTip(0,Lumarel)",
                                        "AddTrayIcon(0,owner,icon)", "SetTrayIconToolTip(0,Lumarel)"}));
}

TEST(Tray, NoNotificationAreaAtStartThenOneAppears) {
    std::string before, after;
    RunWith([&] {
        SimSetTrayAvailable(false);
        SimPushCheck([&] { before = TrayShows(); });
        SimPushTaskbarRebuilt();
        SimPushCheck([&] { after = TrayShows(); });
    });
    EXPECT_EQ(before, "nothing");
    EXPECT_EQ(after, "our icon, tip Lumarel");
}

TEST(Tray, WithoutAProgramIconThereIsNoTrayIcon) {
    std::string seen;
    RunWith([&] {
        SimSetEmbeddedIco(EmbeddedIco::Program, "not an icon");
        SimPushCheck([&] { seen = TrayShows(); });
        SimPushTaskbarRebuilt();
    });
    EXPECT_EQ(seen, "nothing");
    EXPECT_TRUE(SimCallsNamed({"RemoveTrayIcon"}).empty());
}

TEST(Tray, AFailedMenuGetsNoItems) {
    RunWith([] {
        SimFailMenus(true);
        AppEvent right;
        right.kind = EventKind::SysTray;
        right.type = RightClick;
        SimPushEvent(right);
    });
    EXPECT_TRUE(SimCallsNamed({"AddContextMenuItem"}).empty());
    EXPECT_TRUE(SimMenuItems(TrayMenuNumber).empty());
}
