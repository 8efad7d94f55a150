// The window-and-event layer on a real window system.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/EventQueue.h"
#include "platform/Platform.h"
#include "tests/win/WinTestSupport.h"

namespace {
HWND Hwnd(int number) { return static_cast<HWND>(AppWindowHandle(number)); }


class WindowLayer : public ::testing::Test {
protected:
    void SetUp() override { InitPlatform(); }
    void TearDown() override {
        CloseAllAppWindows();
        ReleasePlatform();
    }
};
}  // namespace

TEST_F(WindowLayer, AQuietQueueGivesNone) {
    ASSERT_NE(OpenAppWindow(MainWindow, 0, 0, 0, 0, "Lumarel", Invisible, nullptr), 0);
    Settle();
    EXPECT_EQ(WaitForEvent(2).kind, EventKind::None);
    EXPECT_EQ(WaitForEvent(0).kind, EventKind::None);
}

TEST_F(WindowLayer, CloseRequestIsQueuedAndLeavesTheWindowOpen) {
    ASSERT_NE(OpenAppWindow(ConfigWindow, 0, 0, 100, 100, "Eins", SystemMenu, nullptr), 0);
    Settle();
    PostMessageA(Hwnd(1), WM_CLOSE, 0, 0);
    std::vector<AppEvent> got = Settle();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].kind, EventKind::CloseWindow);
    EXPECT_EQ(got[0].window, 1);
    EXPECT_TRUE(IsWindow(Hwnd(1)));
    EXPECT_TRUE(AppWindowExists(1));
}

TEST_F(WindowLayer, TrayNotificationsBecomeEventsAndIdenticalOnesCollapse) {
    ASSERT_NE(OpenAppWindow(MainWindow, 0, 0, 0, 0, "Lumarel", Invisible, nullptr), 0);
    Settle();
    HWND main = Hwnd(0);
    // Sent, so each lands in the queue at once and the two are neighbours.
    SendMessageA(main, 12501, 0, WM_LBUTTONDOWN);
    SendMessageA(main, 12501, 0, WM_LBUTTONDOWN);
    SendMessageA(main, 12501, 0, WM_MOUSEMOVE);  // no event
    SendMessageA(main, 12501, 0, WM_LBUTTONUP);  // no event
    SendMessageA(main, 12501, 0, WM_RBUTTONDOWN);
    SendMessageA(main, 12501, 0, WM_LBUTTONDBLCLK);
    SendMessageA(main, 12501, 0, WM_RBUTTONDBLCLK);
    SendMessageA(main, 12501, 0, WM_MBUTTONDOWN);  // no event
    std::vector<AppEvent> got = Settle();
    std::vector<EventType> types;
    for (const AppEvent& e : got) {
        EXPECT_EQ(e.kind, EventKind::SysTray);
        EXPECT_EQ(e.window, 0);
        types.push_back(e.type);
    }
    EXPECT_EQ(types, (std::vector<EventType>{LeftClick, RightClick, LeftDoubleClick, RightDoubleClick}));
}

TEST_F(WindowLayer, ClosingAWindowDropsItsQueuedEvents) {
    ASSERT_NE(OpenAppWindow(MainWindow, 0, 0, 0, 0, "Lumarel", Invisible, nullptr), 0);
    int popup = OpenAppWindow(AutoNumber, 10, 10, 50, 50, "Popup", Borderless, Hwnd(0));
    ASSERT_GE(popup, 2);
    Settle();
    SendMessageA(Hwnd(popup), WM_CLOSE, 0, 0);
    SendMessageA(Hwnd(0), 12501, 0, WM_RBUTTONDOWN);
    SendMessageA(Hwnd(popup), WM_CLOSE, 0, 0);
    EXPECT_EQ(QueuedEventCount(), 3u);
    CloseAppWindow(popup);
    std::vector<AppEvent> got = Settle();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].kind, EventKind::SysTray);
    EXPECT_FALSE(AppWindowExists(popup));
}

TEST_F(WindowLayer, MenuCommandsAreDirectEvents) {
    ASSERT_NE(OpenAppWindow(MainWindow, 0, 0, 0, 0, "Lumarel", Invisible, nullptr), 0);
    Settle();
    PostMessageA(Hwnd(0), WM_COMMAND, 1, 0);
    AppEvent e = WaitForEvent(2);
    EXPECT_EQ(e.kind, EventKind::Menu);
    EXPECT_EQ(e.menuItem, 1);
}

TEST_F(WindowLayer, ClientSizesAreAsAskedForEveryStyle) {
    struct Case { int number; int flags; int width, height; DWORD style; };
    const Case cases[] = {
        {AutoNumber, Invisible, 150, 30, WS_CAPTION},  // captioned windows have a minimum width
        {AutoNumber, Borderless, 200, 70, WS_POPUP},
        {ConfigWindow, SystemMenu | ScreenCentered, 320, 340, WS_CAPTION | WS_SYSMENU},
        {AutoNumber, SystemMenu, 163, 45, WS_CAPTION | WS_SYSMENU},
    };
    for (const Case& c : cases) {
        int result = OpenAppWindow(c.number, 5, 5, c.width, c.height, "Gr\xF6\xDF" "e", c.flags, nullptr);
        ASSERT_NE(result, 0);
        int number = c.number == AutoNumber ? result : c.number;
        EXPECT_EQ(AppWindowClientWidth(number), c.width);
        EXPECT_EQ(AppWindowClientHeight(number), c.height);
        LONG style = GetWindowLongA(Hwnd(number), GWL_STYLE);
        EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
                  LONG(c.style));
        EXPECT_EQ(GetWindowLongA(Hwnd(number), GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
        EXPECT_EQ(IsWindowVisible(Hwnd(number)) != 0, !(c.flags & Invisible));
        char title[16] = {};
        GetWindowTextA(Hwnd(number), title, sizeof title);
        EXPECT_STREQ(title, "Gr\xF6\xDF" "e");
        CloseAppWindow(number);
    }
    EXPECT_EQ(AppWindowClientWidth(ConfigWindow), 0);
    EXPECT_EQ(AppWindowHandle(ConfigWindow), nullptr);
}

TEST_F(WindowLayer, OpeningWindowOneAgainReplacesItCentred) {
    ASSERT_NE(OpenAppWindow(ConfigWindow, 0, 0, 320, 340, "Eins", SystemMenu | ScreenCentered, nullptr), 0);
    HWND first = Hwnd(1);
    RECT r;
    GetWindowRect(first, &r);
    int outerWidth = r.right - r.left, outerHeight = r.bottom - r.top;
    int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(r.left, (screenWidth - outerWidth) / 2);
    EXPECT_EQ(r.top, (screenHeight - outerHeight) / 2);
    SetWindowPos(first, nullptr, 3, 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(first, WM_CLOSE, 0, 0);  // queued, and dropped with the window

    ASSERT_NE(OpenAppWindow(ConfigWindow, 0, 0, 320, 340, "Eins", SystemMenu | ScreenCentered, nullptr), 0);
    EXPECT_FALSE(IsWindow(first));
    HWND second = Hwnd(1);
    ASSERT_NE(second, nullptr);
    GetWindowRect(second, &r);
    EXPECT_EQ(r.left, (screenWidth - outerWidth) / 2);
    EXPECT_EQ(r.top, (screenHeight - outerHeight) / 2);
    EXPECT_TRUE(Settle().empty());
}

TEST_F(WindowLayer, CentringClampsAWindowLargerThanTheScreen) {
    ASSERT_NE(OpenAppWindow(ConfigWindow, 0, 0, 5000, 3000, "Gross", SystemMenu | ScreenCentered, nullptr), 0);
    RECT r;
    GetWindowRect(Hwnd(1), &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(WindowLayer, AutomaticNumbersAreNeverZeroOrOneAndComeBack) {
    std::vector<int> numbers;
    for (int i = 0; i < 5; ++i) numbers.push_back(OpenAppWindow(AutoNumber, 0, 0, 10, 10, "w", Borderless, nullptr));
    for (int n : numbers) EXPECT_GE(n, 2);
    EXPECT_EQ(numbers, (std::vector<int>{2, 3, 4, 5, 6}));
    CloseAppWindow(3);
    EXPECT_EQ(OpenAppWindow(AutoNumber, 0, 0, 10, 10, "w", Borderless, nullptr), 3);
    // Controls are numbered the same way, and their ids equal their numbers.
    int a = CreateButton(AutoNumber, 0, 0, 5, 5, "a");
    int b = CreateButton(AutoNumber, 0, 0, 5, 5, "b");
    EXPECT_GE(a, 2);
    EXPECT_GE(b, 2);
    EXPECT_NE(a, b);
    EXPECT_EQ(GetDlgCtrlID(GetDlgItem(Hwnd(3), a)), a);
    // A closed window's numbers, its controls' included, do nothing.
    CloseAppWindow(3);
    EXPECT_FALSE(ControlExists(a));
    CloseAppWindow(3);
    EXPECT_EQ(AppWindowHandle(3), nullptr);
}

TEST_F(WindowLayer, ButtonClicksBecomeGadgetEvents) {
    ASSERT_NE(OpenAppWindow(ConfigWindow, 0, 0, 200, 100, "Eins", SystemMenu, nullptr), 0);
    int button = CreateButton(AutoNumber, 10, 10, 80, 25, "Los");
    Settle();
    SendMessageA(GetDlgItem(Hwnd(1), button), BM_CLICK, 0, 0);
    std::vector<AppEvent> got = Settle();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got[0].kind, EventKind::Gadget);
    EXPECT_EQ(got[0].gadget, button);
    EXPECT_EQ(got[0].window, 1);
    EXPECT_EQ(got[0].type, EventType(BN_CLICKED));
}


TEST_F(WindowLayer, TabAndShiftTabWrapAndSkipHiddenAndDisabledControls) {
    ASSERT_NE(OpenAppWindow(ConfigWindow, 0, 0, 300, 200, "Tabs", SystemMenu | ScreenCentered, nullptr), 0);
    HWND window = Hwnd(1);
    int first = CreateButton(AutoNumber, 10, 10, 80, 25, "eins");
    int hidden = CreateButton(AutoNumber, 10, 40, 80, 25, "versteckt");
    int field = CreateTextField(AutoNumber, 10, 70, 80, 20, "zwei");
    int disabled = CreateTextField(AutoNumber, 10, 100, 80, 20, "aus");
    int label = CreateLabel(AutoNumber, 100, 10, 80, 20, "kein Halt");
    int last = CreateButton(AutoNumber, 10, 130, 80, 25, "drei");
    (void)label;
    ShowWindow(GetDlgItem(window, hidden), SW_HIDE);
    DisableControl(disabled);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    Settle();
    SetFocus(GetDlgItem(window, first));
    ASSERT_EQ(GetActiveWindow(), window);

    auto focused = [&] { return GetDlgCtrlID(GetFocus()); };
    PressTab(false);
    EXPECT_EQ(focused(), field);
    PressTab(false);
    EXPECT_EQ(focused(), last);
    PressTab(false);
    EXPECT_EQ(focused(), first);  // wraps
    PressTab(true);
    EXPECT_EQ(focused(), last);  // wraps backwards
    PressTab(true);
    EXPECT_EQ(focused(), field);
    PressTab(true);
    EXPECT_EQ(focused(), first);

    // Focus on no control: Tab goes to the first, Shift+Tab to the last.
    SetFocus(window);
    PressTab(true);
    EXPECT_EQ(focused(), last);
    SetFocus(window);
    PressTab(false);
    EXPECT_EQ(focused(), first);
}

TEST_F(WindowLayer, ActivationRestoresTheFocusedControl) {
    ASSERT_NE(OpenAppWindow(ConfigWindow, 0, 0, 300, 200, "Eins", SystemMenu, nullptr), 0);
    HWND window = Hwnd(1);
    CreateButton(AutoNumber, 10, 10, 80, 25, "eins");
    int second = CreateButton(AutoNumber, 10, 40, 80, 25, "zwei");
    SetForegroundWindow(window);
    SetActiveWindow(window);
    SetFocus(GetDlgItem(window, second));
    Settle();
    int other = OpenAppWindow(AutoNumber, 400, 10, 100, 100, "Zwei", SystemMenu, nullptr);
    SetActiveWindow(Hwnd(other));
    Settle();
    EXPECT_NE(GetFocus(), GetDlgItem(window, second));
    SetActiveWindow(window);
    Settle();
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), second);
}
