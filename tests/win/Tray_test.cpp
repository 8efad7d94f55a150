// The tray icon's records, its notifications and the pop-up menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "launcher/Launch.h"
#include "platform/EventQueue.h"
#include "platform/Platform.h"
#include "tests/win/WinTestSupport.h"
#include "platform/win32/Win32Internal.h"

namespace {
HWND Main() { return static_cast<HWND>(AppWindowHandle(MainWindow)); }


// The byte ranges of the fields a call fills; every other byte must be zero.
struct Field {
    size_t offset, size;
};
#define FIELD(name) Field{offsetof(NOTIFYICONDATAA, name), sizeof(NOTIFYICONDATAA::name)}

std::vector<size_t> StrayBytes(const NOTIFYICONDATAA& record, std::vector<Field> filled) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    std::vector<size_t> stray;
    for (size_t i = 0; i < sizeof record; ++i) {
        bool inField = false;
        for (Field f : filled) inField |= i >= f.offset && i < f.offset + f.size;
        if (!inField && bytes[i]) stray.push_back(i);
    }
    return stray;
}

class Tray : public ::testing::Test {
protected:
    void SetUp() override {
        InitPlatform();
        ASSERT_NE(OpenAppWindow(MainWindow, 0, 0, 0, 0, "Lumarel", Invisible, nullptr), 0);
        ByteView file = EmbeddedIcoFile(EmbeddedIco::Program);
        icon = IconFromIcoData(file.data, file.size);
        ASSERT_NE(icon.icon, nullptr);
        Settle();
    }
    void TearDown() override {
        RemoveAllTrayIcons();
        CloseAllAppWindows();
        FreeAllImages();
        ReleasePlatform();
    }
    // The taskbar of a fresh desktop may still be on its way.
    void AddWhenTheTaskbarIsThere(SystemHandle picture) {
        for (int i = 0; i < 100; ++i) {
            AddTrayIcon(TrayIconNumber, Main(), picture);
            if (RemoveTrayIcon(TrayIconNumber)) break;
            Sleep(100);
        }
        AddTrayIcon(TrayIconNumber, Main(), picture);
    }
    IconImage icon;
};
}  // namespace

TEST(TrayRecord, OnlyTheFieldsOfEachCallAreFilled) {
    HWND owner = reinterpret_cast<HWND>(0x1234);
    HICON picture = reinterpret_cast<HICON>(0x5678);
#ifndef _WIN64
    EXPECT_EQ(sizeof(NOTIFYICONDATAA), 508u);
#endif
    const Field head[] = {FIELD(cbSize), FIELD(hWnd), FIELD(uID), FIELD(uFlags)};
    auto with = [&](std::vector<Field> more) {
        std::vector<Field> all(std::begin(head), std::end(head));
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };

    NOTIFYICONDATAA add = TrayIconRecord(owner, 7, NIF_MESSAGE | NIF_ICON, picture, "nicht hier");
    EXPECT_EQ(add.cbSize, sizeof(NOTIFYICONDATAA));
    EXPECT_EQ(add.hWnd, owner);
    EXPECT_EQ(add.uID, 7u);
    EXPECT_EQ(add.uFlags, 3u);
    EXPECT_EQ(add.uCallbackMessage, 12501u);
    EXPECT_EQ(add.hIcon, picture);
    EXPECT_EQ(StrayBytes(add, with({FIELD(uCallbackMessage), FIELD(hIcon)})), std::vector<size_t>{});

    NOTIFYICONDATAA tip = TrayIconRecord(owner, 0, NIF_TIP, picture, "Lumarel");
    EXPECT_EQ(tip.uFlags, 4u);
    EXPECT_EQ(tip.uCallbackMessage, 0u);
    EXPECT_EQ(tip.hIcon, nullptr);
    EXPECT_STREQ(tip.szTip, "Lumarel");
    EXPECT_EQ(StrayBytes(tip, with({FIELD(szTip)})), std::vector<size_t>{});

    NOTIFYICONDATAA remove = TrayIconRecord(owner, 0, 0, picture, "Lumarel");
    EXPECT_EQ(remove.uFlags, 0u);
    EXPECT_EQ(StrayBytes(remove, with({})), std::vector<size_t>{});
}

TEST(TrayRecord, ALongTooltipIsCutTo63Bytes) {
    std::string seventy;
    for (int i = 0; i < 70; ++i) seventy += char('A' + i % 26);
    NOTIFYICONDATAA tip = TrayIconRecord(nullptr, 0, NIF_TIP, nullptr, seventy.c_str());
    EXPECT_EQ(std::string(tip.szTip), seventy.substr(0, 63));
    for (size_t i = 63; i < sizeof tip.szTip; ++i) EXPECT_EQ(tip.szTip[i], 0) << i;
    // 1252 bytes pass as they are
    NOTIFYICONDATAA german = TrayIconRecord(nullptr, 0, NIF_TIP, nullptr, "Gr\xF6\xDF" "e");
    EXPECT_STREQ(german.szTip, "Gr\xF6\xDF" "e");
}

TEST_F(Tray, EveryMouseMessageOfTheIconGivesItsTypeOrNothing) {
    struct Case { LPARAM message; EventType type; };
    const Case cases[] = {
        {WM_LBUTTONDOWN, LeftClick},       {WM_LBUTTONDBLCLK, LeftDoubleClick},
        {WM_RBUTTONDOWN, RightClick},      {WM_RBUTTONDBLCLK, RightDoubleClick},
        {WM_MOUSEMOVE, NoEventType},       {WM_LBUTTONUP, NoEventType},
        {WM_RBUTTONUP, NoEventType},       {WM_MBUTTONDOWN, NoEventType},
        {WM_MBUTTONUP, NoEventType},       {WM_MBUTTONDBLCLK, NoEventType},
        {WM_MOUSEWHEEL, NoEventType},      {WM_XBUTTONDOWN, NoEventType},
        {WM_CONTEXTMENU, NoEventType},
    };
    for (const Case& c : cases) {
        LRESULT result = SendMessageA(Main(), 12501, 0, c.message);
        EXPECT_EQ(result, 0);
        // the wake-up message is there in every case
        MSG wake;
        EXPECT_TRUE(PeekMessageA(&wake, Main(), WM_NULL, WM_NULL, PM_NOREMOVE)) << std::hex << c.message;
        std::vector<AppEvent> got = Settle();
        if (c.type == NoEventType) {
            EXPECT_TRUE(got.empty()) << std::hex << c.message;
            continue;
        }
        ASSERT_EQ(got.size(), 1u) << std::hex << c.message;
        EXPECT_EQ(got[0].kind, EventKind::SysTray);
        EXPECT_EQ(got[0].window, MainWindow);
        EXPECT_EQ(got[0].type, c.type);
    }
}

TEST_F(Tray, AnIconIsAddedTippedAndRemovedOnce) {
    AddWhenTheTaskbarIsThere(icon.icon);
    std::string seventy(70, 'x');
    EXPECT_NE(SetTrayIconToolTip(TrayIconNumber, seventy.c_str()), 0);
    EXPECT_NE(SetTrayIconToolTip(TrayIconNumber, "Lumarel"), 0);
    EXPECT_EQ(SetTrayIconToolTip(TrayIconNumber, nullptr), 0);
    EXPECT_EQ(SetTrayIconToolTip(5, "Lumarel"), 0);  // no such icon
    EXPECT_EQ(TrayIconMadeFromBitmap(TrayIconNumber), nullptr);  // an icon is shown as it is
    EXPECT_EQ(RemoveTrayIcon(TrayIconNumber), 1);
    EXPECT_EQ(RemoveTrayIcon(TrayIconNumber), 0);
    EXPECT_EQ(SetTrayIconToolTip(TrayIconNumber, "Lumarel"), 0);
    // the image itself stays: it belongs to the image registry
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon.icon), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(Tray, NoIconOrNoOwnerMakesNoEntry) {
    AddTrayIcon(TrayIconNumber, Main(), nullptr);
    EXPECT_EQ(RemoveTrayIcon(TrayIconNumber), 0);
    AddTrayIcon(TrayIconNumber, nullptr, icon.icon);
    EXPECT_EQ(SetTrayIconToolTip(TrayIconNumber, "Lumarel"), 0);
    EXPECT_EQ(RemoveTrayIcon(TrayIconNumber), 0);
}

TEST_F(Tray, ABitmapIsShownThroughAnIconOfItsOwnThatGoesWithIt) {
    std::vector<uint32_t> pixels(32 * 32, 0xFF3060C0);
    HBITMAP bitmap = CreateBitmap(32, 32, 1, 32, pixels.data());
    ASSERT_NE(bitmap, nullptr);
    AddWhenTheTaskbarIsThere(bitmap);
    HICON made = TrayIconMadeFromBitmap(TrayIconNumber);
    ASSERT_NE(made, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(made, &info));
    EXPECT_TRUE(info.fIcon);
    BITMAP colour = {};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(RemoveTrayIcon(TrayIconNumber), 1);
    EXPECT_FALSE(GetIconInfo(made, &info));  // destroyed with the tray icon
    EXPECT_EQ(GetObjectType(bitmap), DWORD(OBJ_BITMAP));  // the bitmap itself stays
    DeleteObject(bitmap);
}

TEST_F(Tray, TheMenuHoldsPlainTextItemsAndIsReplacedWhenMadeAgain) {
    HMENU first = static_cast<HMENU>(CreateContextMenu(TrayMenuNumber));
    ASSERT_NE(first, nullptr);
    AddContextMenuItem(0, "Konfiguration");
    AddContextMenuItem(1, "Beenden");
    ASSERT_EQ(GetMenuItemCount(first), 2);
    const char* texts[] = {"Konfiguration", "Beenden"};
    for (int i = 0; i < 2; ++i) {
        char text[32] = {};
        GetMenuStringA(first, UINT(i), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, texts[i]);
        EXPECT_EQ(GetMenuItemID(first, i), UINT(i));
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE;
        ASSERT_TRUE(GetMenuItemInfoA(first, UINT(i), TRUE, &item));
        EXPECT_EQ(item.fType, UINT(MFT_STRING));
        EXPECT_EQ(item.fState & (MFS_DEFAULT | MFS_CHECKED | MFS_DISABLED), 0u);
    }
    HMENU second = static_cast<HMENU>(CreateContextMenu(TrayMenuNumber));
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsMenu(first));
    EXPECT_EQ(GetMenuItemCount(second), 0);
    DisplayContextMenu(3, Main());  // no such menu: returns at once
}
