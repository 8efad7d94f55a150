// The dialogs on a real window system, answered from a helper thread as a
// user would: their texts and places, their results and the common rules.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/Platform.h"

namespace {
// A user on another thread: waits for the dialog, looks at it, answers.
struct Helper {
    Helper(const char* cls, const char* caption, void (*answering)(HWND, Helper&), std::string text)
        : className(cls), title(caption), answer(answering), typed(std::move(text)) {}
    const char* className;
    const char* title;
    void (*answer)(HWND dialog, Helper& self);
    std::string typed;
    bool found = false;
    // what the helper saw while the dialog was open
    RECT rect = {};
    LONG style = 0;
    HWND owner = nullptr;
    std::string children;  // class:text:x,y,w,h per child
    bool focusInEdit = false;
    DWORD selection = 0;
    bool otherEnabled = true, otherTopmost = true, ownerEnabled = true;
    HWND other = nullptr, ownerWindow = nullptr;
    DWORD mainThread = 0;
};

DWORD WINAPI RunHelper(LPVOID data) {
    Helper& h = *static_cast<Helper*>(data);
    HWND dialog = nullptr;
    for (int i = 0; i < 200 && !dialog; ++i) {
        dialog = FindWindowA(h.className, h.title);
        if (!dialog || !IsWindowVisible(dialog)) dialog = nullptr, Sleep(50);
    }
    if (!dialog) return 1;
    Sleep(200);  // let it settle
    h.found = true;
    GetWindowRect(dialog, &h.rect);
    h.style = GetWindowLongA(dialog, GWL_STYLE);
    h.owner = GetWindow(dialog, GW_OWNER);
    if (h.other) {
        h.otherEnabled = IsWindowEnabled(h.other);
        h.otherTopmost = GetWindowLongA(h.other, GWL_EXSTYLE) & WS_EX_TOPMOST;
    }
    if (h.ownerWindow) h.ownerEnabled = IsWindowEnabled(h.ownerWindow);
    h.answer(dialog, h);
    return 0;
}

HANDLE StartHelper(Helper& h) {
    h.mainThread = GetCurrentThreadId();
    return CreateThread(nullptr, 0, RunHelper, &h, 0, nullptr);
}

void Finish(HANDLE thread) {
    EXPECT_EQ(WaitForSingleObject(thread, 20000), WAIT_OBJECT_0);
    CloseHandle(thread);
}

HWND ChildOfClass(HWND dialog, const char* cls) { return FindWindowExA(dialog, nullptr, cls, nullptr); }

void Describe(HWND dialog, Helper& h) {
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[32] = {}, text[64] = {};
        GetClassNameA(c, cls, sizeof cls);
        GetWindowTextA(c, text, sizeof text);
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
        h.children += std::string(cls) + ":" + text + ":" + std::to_string(r.left) + "," +
                      std::to_string(r.top) + "," + std::to_string(r.right - r.left) + "," +
                      std::to_string(r.bottom - r.top) + ";";
    }
    // The helper may find the dialog before it has taken the focus.
    HWND edit = ChildOfClass(dialog, "Edit");
    for (int i = 0; i < 200 && !h.focusInEdit; ++i) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(h.mainThread, &info);
        h.focusInEdit = info.hwndFocus == edit;
        if (!h.focusInEdit) Sleep(10);
    }
    h.selection = DWORD(SendMessageA(edit, EM_GETSEL, 0, 0));
}

void TypeThenKey(HWND dialog, Helper& h, WPARAM key) {
    Describe(dialog, h);
    HWND edit = ChildOfClass(dialog, "Edit");
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(h.typed.c_str()));
    PostMessageA(edit, WM_KEYDOWN, key, 0);
}

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override {
        InitPlatform();
        // A dialog opens from a click in one of our windows, so ours is the
        // foreground process then; earlier tests may have started others.
        int window = OpenAppWindow(AutoNumber, 0, 0, 160, 40, "Vorn", SystemMenu, nullptr);
        HWND hwnd = static_cast<HWND>(AppWindowHandle(window));
        for (int i = 0; i < 100 && GetForegroundWindow() != hwnd; ++i) {
            SetForegroundWindow(hwnd);
            WaitForEvent(10);
        }
        CloseAppWindow(window);
    }
    void TearDown() override {
        CloseAllAppWindows();
        ReleasePlatform();
    }
};
}  // namespace

TEST_F(Dialogs, TextInputAnswersByEnterOkEscapeAndClose) {
    struct Case { const char* what; void (*answer)(HWND, Helper&); const char* want; };
    const Case cases[] = {
        {"Enter", [](HWND d, Helper& h) { TypeThenKey(d, h, VK_RETURN); }, "Spiele \xFC"},
        {"Escape", [](HWND d, Helper& h) { TypeThenKey(d, h, VK_ESCAPE); }, ""},
        {"OK button",
         [](HWND d, Helper& h) {
             TypeThenKey(d, h, 0);
             PostMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
         },
         "Spiele \xFC"},
        {"closing", [](HWND d, Helper& h) { TypeThenKey(d, h, 0); PostMessageA(d, WM_CLOSE, 0, 0); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Helper h{"LumarelTextInput", "Trennstrich", c.answer, "Spiele \xFC"};
        HANDLE thread = StartHelper(h);
        std::string got = TextInputDialog("Trennstrich", "Name f\xFCr Trennstrich eingeben", "abc");
        Finish(thread);
        ASSERT_TRUE(h.found);
        EXPECT_EQ(got, c.want);
        int x = GetSystemMetrics(SM_CXSCREEN) / 2 - 150, y = GetSystemMetrics(SM_CYSCREEN) / 2 - 65;
        EXPECT_EQ(h.rect.left, x);
        EXPECT_EQ(h.rect.top, y);
        EXPECT_EQ(h.rect.right - h.rect.left, 300);
        EXPECT_EQ(h.rect.bottom - h.rect.top, 130);
        EXPECT_EQ(h.style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION);
        // in client coordinates, below the caption
        EXPECT_EQ(h.children, "Static:Name f\xFCr Trennstrich eingeben:10,10,280,22;"
                              "Edit:abc:10,32,275,21;Button:OK:110,67,80,25;");
        EXPECT_TRUE(h.focusInEdit);
        EXPECT_EQ(h.selection, DWORD(MAKELONG(3, 3)));  // the caret at the end
        EXPECT_EQ(FindWindowA("LumarelTextInput", nullptr), nullptr);  // gone afterwards
    }
}

TEST_F(Dialogs, OtherWindowsAreQuietWhileADialogIsOpenAndComeBackAfter) {
    ASSERT_NE(OpenAppWindow(ConfigWindow, 0, 0, 320, 340, "Eins", SystemMenu | ScreenCentered, nullptr), 0);
    HWND config = static_cast<HWND>(AppWindowHandle(ConfigWindow));
    int popupNumber = OpenAppWindow(AutoNumber, 800, 500, 100, 100, "Popup", Borderless, nullptr);
    ASSERT_GE(popupNumber, 2);
    HWND popup = static_cast<HWND>(AppWindowHandle(popupNumber));
    SetWindowPos(popup, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(GetWindowLongA(popup, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetForegroundWindow(config);
    for (int i = 0; i < 20; ++i) WaitForEvent(2);
    ASSERT_EQ(GetForegroundWindow(), config);

    Helper h{"LumarelTextInput", "Trennstrich", [](HWND d, Helper& self) { TypeThenKey(d, self, VK_RETURN); }, "x"};
    h.other = popup;
    h.ownerWindow = config;
    HANDLE thread = StartHelper(h);
    EXPECT_EQ(TextInputDialog("Trennstrich", "p", ""), "x");
    Finish(thread);
    ASSERT_TRUE(h.found);
    EXPECT_EQ(h.owner, config);
    EXPECT_FALSE(h.ownerEnabled);
    EXPECT_FALSE(h.otherEnabled);
    EXPECT_FALSE(h.otherTopmost);
    EXPECT_TRUE(IsWindowEnabled(config));
    EXPECT_TRUE(IsWindowEnabled(popup));
    EXPECT_TRUE(GetWindowLongA(popup, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Dialogs, OpenFileTakesATypedNameAlsoOfAFileThatDoesNotExist) {
    struct Case { const char* typed; bool ok; const char* want; };
    const Case cases[] = {
        {"C:\\windows\\neu-und-leer.txt", true, "C:\\windows\\neu-und-leer.txt"},
        {"C:\\windows\\notepad.exe", false, ""},  // cancelled
    };
    for (const Case& c : cases) {
        Helper h{"#32770", "Datei ausw\xE4hlen",
                 [](HWND d, Helper& self) {
                     SendMessageA(GetDlgItem(d, 1148), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(self.typed.c_str()));
                     PostMessageA(GetDlgItem(d, self.typed.find("notepad") == std::string::npos ? IDOK : IDCANCEL),
                                  BM_CLICK, 0, 0);
                 },
                 c.typed};
        HANDLE thread = StartHelper(h);
        std::string got = OpenFileDialog("Datei ausw\xE4hlen");
        Finish(thread);
        ASSERT_TRUE(h.found) << c.typed;
        EXPECT_EQ(got, c.want);
    }
}

TEST_F(Dialogs, FolderEndsInABackslash) {
    struct Case { const char* chosen; const char* want; };
    const Case cases[] = {{"C:\\windows", "C:\\windows\\"}, {"C:\\", "C:\\"}};
    for (const Case& c : cases) {
        Helper h{"#32770", nullptr,
                 [](HWND d, Helper& self) {
                     SendMessageA(d, WM_USER + 102, TRUE, reinterpret_cast<LPARAM>(self.typed.c_str()));  // BFFM_SETSELECTIONA
                     Sleep(200);
                     PostMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
                 },
                 c.chosen};
        HANDLE thread = StartHelper(h);
        std::string got = FolderDialog("Pfad ausw\xE4hlen");
        Finish(thread);
        ASSERT_TRUE(h.found);
        EXPECT_EQ(got, c.want);
    }
    Helper cancel{"#32770", nullptr, [](HWND d, Helper&) { PostMessageA(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0); }, ""};
    HANDLE thread = StartHelper(cancel);
    EXPECT_EQ(FolderDialog("Pfad ausw\xE4hlen"), "");
    Finish(thread);
}

TEST_F(Dialogs, FontDialogOpensOnTheCurrentFontAndGivesItBack) {
    Helper ok{"#32770", nullptr, [](HWND d, Helper&) { PostMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0); }, ""};
    HANDLE thread = StartHelper(ok);
    FontChoice choice;
    // Wine's dialog lists only the fonts of the system, not its own Tahoma.
    choice.name = "DejaVu Sans";
    choice.size = 12;
    choice.style = 256 | 512;  // bold italic
    EXPECT_TRUE(FontDialog(&choice));
    Finish(thread);
    EXPECT_EQ(choice.name, "DejaVu Sans");
    EXPECT_EQ(choice.weight, 700);
    EXPECT_TRUE(choice.italic);
    EXPECT_FALSE(choice.underline);
    EXPECT_EQ(choice.pointSizeTenths, 120);

    Helper cancel{"#32770", nullptr, [](HWND d, Helper&) { PostMessageA(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0); }, ""};
    thread = StartHelper(cancel);
    FontChoice untouched;
    untouched.name = "Tahoma";
    EXPECT_FALSE(FontDialog(&untouched));
    Finish(thread);
    EXPECT_EQ(untouched.weight, 0);
}
