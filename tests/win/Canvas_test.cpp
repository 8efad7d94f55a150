// The canvas control and the popup on a real window system, read back
// pixel by pixel from the canvas's picture.
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "launcher/Popup.h"
#include "platform/EventQueue.h"
#include "platform/Platform.h"
#include "tests/win/WinTestSupport.h"
#include "platform/win32/Win32Internal.h"

namespace {
HWND Hwnd(int number) { return static_cast<HWND>(AppWindowHandle(number)); }


std::vector<EventType> TypesOf(const std::vector<AppEvent>& events, int canvas) {
    std::vector<EventType> types;
    for (const AppEvent& e : events) {
        EXPECT_EQ(e.kind, EventKind::Gadget);
        EXPECT_EQ(e.gadget, canvas);
        types.push_back(e.type);
    }
    return types;
}

// Wine moves the X pointer and hears of it again later: wait until the
// position it reports has settled on the target.
void MovePointer(int x, int y) {
    SetCursorPos(x, y);
    int stable = 0;
    for (int i = 0; i < 200 && stable < 3; ++i) {
        Settle();
        Sleep(2);
        POINT at;
        GetCursorPos(&at);
        stable = (at.x == x && at.y == y) ? stable + 1 : 0;
        if (!stable) SetCursorPos(x, y);
    }
}

// A 16 x 16 icon: the left half opaque red, the right half transparent,
// by alpha (32-bit) or by mask.
HICON MakeIcon(bool withAlpha) {
    BITMAPV5HEADER h = {};
    h.bV5Size = sizeof h;
    h.bV5Width = 16;
    h.bV5Height = -16;
    h.bV5Planes = 1;
    h.bV5BitCount = 32;
    h.bV5Compression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&h), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    auto* px = static_cast<uint32_t*>(bits);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            px[y * 16 + x] = x < 8 ? (withAlpha ? 0xFFFF0000u : 0x00FF0000u) : 0;
    // Mask: 1 = transparent. Rows of 16 bits, word-aligned.
    uint8_t maskBits[32];
    for (int y = 0; y < 16; ++y) {
        maskBits[2 * y] = withAlpha ? 0x00 : 0x00;
        maskBits[2 * y + 1] = withAlpha ? 0x00 : 0xFF;
    }
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, maskBits);
    ICONINFO info = {TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

class Canvas : public ::testing::Test {
protected:
    int popup = 0;
    int canvas = 0;

    void SetUp() override {
        InitPlatform();
        ASSERT_NE(OpenAppWindow(MainWindow, 0, 0, 0, 0, "Lumarel", Invisible, nullptr), 0);
    }
    void TearDown() override {
        CloseAllAppWindows();
        ReleasePlatform();
    }
    void Open(int width, int height) {
        popup = OpenAppWindow(AutoNumber, 100, 100, width, height, "Popup", Borderless, Hwnd(0));
        ASSERT_GE(popup, 2);
        canvas = CreateCanvas(AutoNumber, 0, 0, width, height);
        ASSERT_GE(canvas, 2);
        Settle();
    }
    COLORREF Pixel(int x, int y) { return GetPixel(CanvasPictureDc(canvas), x, y); }
};
}  // namespace

TEST_F(Canvas, IsAWhiteChildWithoutTabStopBorderOrFocusAndWithTheArrow) {
    Open(50, 30);
    HWND hwnd = ControlHandle(canvas);
    EXPECT_EQ(GetParent(hwnd), Hwnd(popup));
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & (WS_TABSTOP | WS_BORDER));
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), 0);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(hwnd, GCLP_HCURSOR)), LoadCursorA(nullptr, IDC_ARROW));
    BITMAP picture = {};
    GetObjectA(GetCurrentObject(CanvasPictureDc(canvas), OBJ_BITMAP), sizeof picture, &picture);
    EXPECT_EQ(picture.bmWidth, 50);
    EXPECT_EQ(picture.bmHeight, 30);
    EXPECT_EQ(picture.bmBitsPixel, 24);
    for (POINT p : {POINT{0, 0}, POINT{49, 0}, POINT{0, 29}, POINT{49, 29}, POINT{25, 15}})
        EXPECT_EQ(Pixel(p.x, p.y), 0xFFFFFFu);

    // A real click: the events come, the focus does not.
    SetForegroundWindow(Hwnd(popup));
    MovePointer(100 + 10, 100 + 10);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
    std::vector<EventType> types;
    for (int i = 0; i < 100 && types.size() < 3; ++i) {
        Sleep(5);
        for (const AppEvent& e : Settle())
            if (e.type != CanvasOther) types.push_back(e.type);
    }
    EXPECT_EQ(types, (std::vector<EventType>{LeftButtonDown, LeftButtonUp, LeftClick}));
    EXPECT_NE(GetFocus(), hwnd);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Canvas, AZeroSizedCanvasStillHasAOnePixelPicture) {
    Open(0, 0);
    BITMAP picture = {};
    GetObjectA(GetCurrentObject(CanvasPictureDc(canvas), OBJ_BITMAP), sizeof picture, &picture);
    EXPECT_EQ(picture.bmWidth, 1);
    EXPECT_EQ(picture.bmHeight, 1);
    EXPECT_TRUE(BeginCanvasPass(canvas));
    FillCanvasBox(0, 0, 10, 10, 0x123456);
    EndCanvasPass();
    EXPECT_EQ(Pixel(0, 0), 0x123456u);
}

TEST_F(Canvas, MouseMessagesBecomeEventsInOrderWithCapture) {
    Open(50, 30);
    HWND hwnd = ControlHandle(canvas);
    struct Step {
        UINT message;
        WPARAM buttons;
        std::vector<EventType> types;
        bool captured;
    };
    const Step steps[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON, {LeftButtonDown}, true},
        {WM_LBUTTONUP, 0, {LeftButtonUp, LeftClick}, false},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, {LeftButtonDown, LeftDoubleClick}, true},
        {WM_LBUTTONUP, 0, {LeftButtonUp, LeftClick}, false},
        // not the only button held: no capture
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, {LeftButtonDown}, false},
        {WM_LBUTTONUP, MK_RBUTTON, {LeftButtonUp, LeftClick}, false},
        {WM_MOUSEMOVE, 0, {CanvasOther}, false},
        {WM_RBUTTONDOWN, MK_RBUTTON, {CanvasOther}, false},
        {WM_MBUTTONUP, 0, {CanvasOther}, false},
        {WM_MOUSEWHEEL, 0, {CanvasOther}, false},
    };
    for (const Step& s : steps) {
        PostMessageA(hwnd, s.message, s.buttons, MAKELPARAM(5, 5));
        std::vector<AppEvent> got = Settle();
        EXPECT_EQ(TypesOf(got, canvas), s.types) << "message 0x" << std::hex << s.message;
        for (const AppEvent& e : got) EXPECT_EQ(e.window, popup);
        EXPECT_EQ(GetCapture() == hwnd, s.captured) << "message 0x" << std::hex << s.message;
    }
    // The capture ends once no button is held, whichever went up last.
    PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    Settle();
    PostMessageA(hwnd, WM_RBUTTONUP, MK_LBUTTON, 0);
    Settle();
    EXPECT_EQ(GetCapture(), hwnd);
    PostMessageA(hwnd, WM_RBUTTONUP, 0, 0);
    Settle();
    EXPECT_EQ(GetCapture(), nullptr);
}

struct BoxCase {
    int x, y, w, h;
    RECT covered;  // empty: nothing
};

TEST_F(Canvas, FillBoxRunsBackForNegativeSizesAndClips) {
    const BoxCase cases[] = {
        {10, 5, 4, 3, {10, 5, 14, 8}},
        {10, 5, -4, 3, {6, 5, 10, 8}},
        {10, 5, 4, -3, {10, 2, 14, 5}},
        {10, 5, -4, -3, {6, 2, 10, 5}},
        {10, 5, 0, 3, {}},
        {10, 5, 4, 0, {}},
        {-5, -5, 10, 10, {0, 0, 5, 5}},
        {35, 15, 100, 100, {35, 15, 40, 20}},
        {INT_MAX, 0, INT_MAX, 5, {}},
        {INT_MIN, 0, INT_MIN, 5, {}},
        {INT_MIN, 0, INT_MAX, 5, {}},
    };
    Open(40, 20);
    for (const BoxCase& c : cases) {
        ASSERT_TRUE(BeginCanvasPass(canvas));
        FillCanvasBox(0, 0, 40, 20, 0xFFFFFF);
        FillCanvasBox(c.x, c.y, c.w, c.h, 0x0000FF);
        EndCanvasPass();
        int wrong = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x) {
                bool inside = x >= c.covered.left && x < c.covered.right && y >= c.covered.top && y < c.covered.bottom;
                if (Pixel(x, y) != (inside ? 0x0000FFu : 0xFFFFFFu)) ++wrong;
            }
        EXPECT_EQ(wrong, 0) << c.x << "," << c.y << "," << c.w << "," << c.h;
    }
}

TEST_F(Canvas, APassEndsWithTheOnlyCopyToTheScreenAndPaintingCopiesAgain) {
    Open(40, 20);
    HWND hwnd = ControlHandle(canvas);
    HDC screen = GetDC(hwnd);
    ASSERT_TRUE(BeginCanvasPass(canvas));
    FillCanvasBox(0, 0, 40, 20, 0x00FF00);
    EXPECT_NE(GetPixel(screen, 5, 5), 0x00FF00u) << "nothing reaches the screen before the end";
    EndCanvasPass();
    EXPECT_EQ(GetPixel(screen, 5, 5), 0x00FF00u);
    // Something else paints over it; the system's request to paint brings the picture back.
    RECT all = {0, 0, 40, 20};
    FillRect(screen, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    EXPECT_EQ(GetPixel(screen, 5, 5), 0x00FF00u);
    ReleaseDC(hwnd, screen);
    EXPECT_FALSE(BeginCanvasPass(canvas + 100));
}

TEST_F(Canvas, TextIsTransparentAndMeasuredInTheSelectedFont) {
    Open(120, 40);
    HFONT upright = CreateFontA(-13, 0, 0, 0, 400, FALSE, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    HFONT italic = CreateFontA(-13, 0, 0, 0, 400, TRUE, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    HDC probe = CreateCompatibleDC(nullptr);
    auto extent = [&](HGDIOBJ font, const char* text) {
        SelectObject(probe, font);
        SIZE s = {};
        GetTextExtentPoint32A(probe, text, int(strlen(text)), &s);
        return s;
    };

    ASSERT_TRUE(BeginCanvasPass(canvas));
    FillCanvasBox(0, 0, 120, 40, 0x101010);
    // Without a font of its own the pass measures in the system font.
    SelectCanvasFont(nullptr);
    EXPECT_EQ(CanvasTextHeight("Hg"), extent(GetStockObject(SYSTEM_FONT), "Hg").cy);
    SetCanvasTransparentText();
    SelectCanvasFont(upright);
    EXPECT_EQ(CanvasTextWidth("Eintrag"), extent(upright, "Eintrag").cx);
    EXPECT_EQ(CanvasTextHeight("Eintrag"), extent(upright, "Eintrag").cy);
    EXPECT_EQ(CanvasTextWidth(""), 0);
    EXPECT_EQ(CanvasTextHeight(""), 0);
    DrawCanvasText(2, 2, "HHHH", 0xFFFFFF);
    EndCanvasPass();
    int lit = 0, other = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            COLORREF c = Pixel(x, y);
            if (c == 0xFFFFFF) ++lit;
            else if (c != 0x101010 && (GetRValue(c) != GetGValue(c) || GetGValue(c) != GetBValue(c))) ++other;
        }
    EXPECT_GT(lit, 10) << "glyph stems are lit";
    EXPECT_EQ(Pixel(100, 30), 0x101010u) << "no box behind the text";
    (void)other;  // sub-pixel smoothing may tint the edges

    ASSERT_TRUE(BeginCanvasPass(canvas));
    SelectCanvasFont(italic);
    int width = CanvasTextWidth("H");
    EXPECT_GE(width, extent(italic, "H").cx) << "the overhang is added to the extent";
    EndCanvasPass();

    DeleteDC(probe);
    DeleteObject(upright);
    DeleteObject(italic);
}

TEST_F(Canvas, IconsAreScaledWithAlphaOrMaskAndKeptUntilTheCanvasGoes) {
    Open(80, 40);
    HICON alpha = MakeIcon(true);
    HICON masked = MakeIcon(false);
    ASSERT_NE(alpha, nullptr);
    ASSERT_NE(masked, nullptr);
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_TRUE(BeginCanvasPass(canvas));
        FillCanvasBox(0, 0, 80, 40, 0x101010);
        DrawCanvasIcon(alpha, 0, 0, 32, 32);
        DrawCanvasIcon(masked, 40, 0, 32, 32);
        DrawCanvasIcon(alpha, 0, 0, 0, 10);      // nothing
        DrawCanvasIcon(nullptr, 0, 0, 10, 10);   // nothing
        EndCanvasPass();
        for (int x0 : {0, 40}) {
            EXPECT_EQ(Pixel(x0 + 1, 1), 0x0000FFu) << "opaque red, scaled to the left half";
            EXPECT_EQ(Pixel(x0 + 15, 31), 0x0000FFu);
            EXPECT_EQ(Pixel(x0 + 16, 1), 0x101010u) << "transparent half";
            EXPECT_EQ(Pixel(x0 + 31, 31), 0x101010u);
            EXPECT_EQ(Pixel(x0 + 1, 33), 0x101010u) << "32 high, no more";
        }
    }
    EXPECT_EQ(CanvasScaledIconCount(canvas), 2u);
    ASSERT_TRUE(BeginCanvasPass(canvas));
    DrawCanvasIcon(alpha, 0, 0, 20, 20);
    EndCanvasPass();
    EXPECT_EQ(CanvasScaledIconCount(canvas), 3u);

    // Its picture and its icons go with the control, and with its window.
    EXPECT_EQ(CanvasPictureCount(), 1u);
    DestroyControl(canvas);
    EXPECT_EQ(CanvasPictureCount(), 0u);
    canvas = CreateCanvas(AutoNumber, 0, 0, 10, 10);
    EXPECT_EQ(CanvasPictureCount(), 1u);
    CloseAppWindow(popup);
    EXPECT_EQ(CanvasPictureCount(), 0u);
    DestroyIcon(alpha);
    DestroyIcon(masked);
}

TEST_F(Canvas, PointerRowIsTheClientRowInsideAndMinusOneOutside) {
    Open(50, 30);
    struct Case { int x, y, row; };
    const Case cases[] = {{110, 100, 0}, {110, 129, 29}, {110, 130, -1}, {99, 110, -1},
                          {149, 110, 10}, {150, 110, -1}, {110, 99, -1}};
    for (const Case& c : cases) {
        MovePointer(c.x, c.y);
        EXPECT_EQ(PointerRowInWindow(popup), c.row) << c.x << "," << c.y;
    }
    EXPECT_EQ(PointerRowInWindow(popup + 7), -1);
}

// ---- the popup ----------------------------------------------------------------

namespace {
class PopupOnScreen : public Canvas {
protected:
    LauncherList list;
    Rect area;
    HICON icon = nullptr;

    void SetUp() override {
        Canvas::SetUp();
        SetPopupPressed(false);
        area = DesktopWorkArea();
        icon = MakeIcon(true);
        list = CreateLauncherList(200, 25, 20, "Tahoma", 10, 0);
    }
    void TearDown() override {
        Canvas::TearDown();
        DestroyIcon(icon);
    }
    void Show() {
        ShowPopup(list, area.right - list.width, area.bottom, AppWindowHandle(MainWindow));
        canvas = list.canvas;
        popup = list.popupWindow;
        Settle();
    }
    // A pass with the pointer on the given row of the popup (-1: away from it).
    void PassAt(int row, EventType type = NoEventType) {
        if (row < 0) MovePointer(0, 0);
        else MovePointer(area.right - 20, area.bottom - list.popupHeight + row);
        AppEvent e;
        if (type != NoEventType) {
            e.kind = EventKind::Gadget;
            e.window = list.popupWindow;
            e.gadget = list.canvas;
            e.type = type;
        }
        UpdatePopup(list, e);
    }
    int TextWidthInListFont(const char* text) {
        EXPECT_TRUE(BeginCanvasPass(list.canvas));
        SelectCanvasFont(list.font);
        int width = CanvasTextWidth(text);
        EndCanvasPass();
        return width;
    }
};
}  // namespace

TEST_F(PopupOnScreen, IsABorderlessTopmostOwnedWindowInTheCornerOfTheWorkArea) {
    AddItem(list, "Eins", icon, "C:\\eins.exe", Entry);
    AddItem(list, "Gruppe", nullptr, "", Separator);
    AddItem(list, "Zwei", icon, "C:\\zwei.exe", Entry);
    Show();
    ASSERT_TRUE(PopupShown(list));
    HWND hwnd = Hwnd(list.popupWindow);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_BORDER), LONG(WS_POPUP));
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), Hwnd(MainWindow));
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, area.right - 200);
    EXPECT_EQ(r.top, area.bottom - 70);
    EXPECT_EQ(r.right, area.right);
    EXPECT_EQ(r.bottom, area.bottom);
    EXPECT_EQ(GetActiveWindow(), hwnd);
    EXPECT_EQ(GetParent(ControlHandle(list.canvas)), hwnd);

    HidePopup(list);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(GetActiveWindow(), Hwnd(MainWindow));
    EXPECT_EQ(CanvasPictureCount(), 0u);
}

TEST_F(PopupOnScreen, AnEmptyListGivesAPopupOfHeightZero) {
    Show();
    ASSERT_TRUE(PopupShown(list));
    HWND hwnd = Hwnd(list.popupWindow);
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.top, area.bottom);
    EXPECT_EQ(r.bottom, area.bottom);
    EXPECT_EQ(r.left, area.right - 200);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    PassAt(0);
    EXPECT_TRUE(PopupShown(list));
}

TEST_F(PopupOnScreen, PaintsBackgroundSeparatorLinesAndTheHighlightPixelExact) {
    AddItem(list, "Eins", icon, "C:\\eins.exe", Entry);      // top 0
    AddItem(list, "Abc", nullptr, "", Separator);           // top 25
    AddItem(list, "Zwei", icon, "C:\\zwei.exe", Entry);      // top 45
    AddItem(list, "", nullptr, "", Separator);              // top 70
    Show();
    int tw = TextWidthInListFont("Abc");
    ASSERT_GT(tw, 0);
    int half = (200 - tw - 10 - 4) / 2;
    PassAt(50);  // over "Zwei"

    const COLORREF background = 0x101010, line = 0xDCDCDC;
    const COLORREF hot = GetSysColor(COLOR_HOTLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    struct Expect { int x, y; COLORREF colour; const char* what; };
    const Expect expected[] = {
        {199, 1, background, "right end of an entry row"},
        {150, 24, background, "last row of the first entry"},
        {0, 25, background, "separator row, left margin"},
        {1, 34, background, "margin before the left line"},
        {2, 34, line, "left line starts at x 2, row T + 9"},
        {2, 35, line, "row T + 10"},
        {2, 33, background, "above the line"},
        {2, 36, background, "below the line"},
        {2 + half - 1, 34, line, "left line's last column"},
        {2 + half, 34, background, "gap before the caption"},
        {tw + half + 12, 35, line, "right line's first column"},
        {tw + half + 11, 35, background, "gap after the caption"},
        {tw + 2 * half + 11, 34, line, "right line's last column"},
        {0, 45, hot, "highlight from T"},
        {199, 69, hot, "to T + 24, over the full width"},
        {100, 46, hot, "behind the name's row"},
        {2, 79, line, "an empty caption: one line from x 2"},
        {99, 79, line, "the halves meet"},
        {100, 80, line, ""},
        {197, 80, line, "to x 197"},
        {198, 79, background, "x 198 stays background"},
    };
    for (const Expect& e : expected)
        EXPECT_EQ(Pixel(e.x, e.y), e.colour) << e.what << " at " << e.x << "," << e.y;

    // The icon sits at (2, T) in 25 x 25: its opaque left half shows red.
    EXPECT_EQ(Pixel(3, 1), 0x0000FFu);
    EXPECT_EQ(Pixel(2 + 11, 24), 0x0000FFu);

    PassAt(50, LeftButtonDown);
    EXPECT_EQ(Pixel(0, 45), shadow) << "pressed";
    EXPECT_EQ(Pixel(199, 69), shadow);
    PassAt(-1, LeftButtonUp);
    EXPECT_EQ(Pixel(0, 45), background) << "released outside: no highlight";
    EXPECT_TRUE(PopupShown(list));

    // The screen shows the same picture.
    HWND shown = ControlHandle(list.canvas);
    HDC screen = GetDC(shown);
    EXPECT_EQ(GetPixel(screen, 2, 34), line);
    EXPECT_EQ(GetPixel(screen, 0, 45), background);
    ReleaseDC(shown, screen);
}

TEST_F(PopupOnScreen, AnUnchangedPassLeavesThePictureAlone) {
    AddItem(list, "Eins", icon, "C:\\eins.exe", Entry);
    AddItem(list, "Zwei", icon, "C:\\zwei.exe", Entry);
    Show();
    PassAt(5);
    HDC dc = CanvasPictureDc(list.canvas);
    SetPixel(dc, 150, 40, 0x00FF00);  // a mark no pass would make
    PassAt(10);                       // the same entry under the pointer
    EXPECT_EQ(Pixel(150, 40), 0x00FF00u);
    PassAt(30);                       // the other one
    EXPECT_EQ(Pixel(150, 40), GetSysColor(COLOR_HOTLIGHT));
    EXPECT_EQ(Pixel(150, 10), 0x101010u);
}
