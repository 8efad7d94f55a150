// The popup's canvas: a child control that keeps an off-screen picture,
// the drawing operations of a pass on it, and the popup's window calls.
#include <cstring>
#include <map>
#include <tuple>

#include "Win32Internal.h"
#include "platform/EventQueue.h"

namespace {
constexpr char kCanvasClass[] = "LumarelCanvas";
constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2;
// Sizes of icons come from the view values; old sizes are dropped at this count.
constexpr size_t kMaxScaledIcons = 4096;

using IconKey = std::tuple<HICON, int, int>;

struct CanvasPicture {
    HDC dc = nullptr;  // the picture stays selected into it for the control's life
    HBITMAP bitmap = nullptr;
    HGDIOBJ firstBitmap = nullptr;
    int width = 0, height = 0;
    // Icons drawn once at a size, kept as premultiplied 32-bit pixels.
    std::map<IconKey, HBITMAP> scaledIcons;
    HDC iconDc = nullptr;  // the source of their blends, made once
    // The italic overhang of the font measured last, and which font it was.
    HFONT measuredFont = nullptr;
    LOGFONTA measuredLook = {};
    int measuredOverhang = 0;
};

std::map<HWND, CanvasPicture> gCanvases;

struct Pass {
    HWND hwnd = nullptr;
    CanvasPicture* picture = nullptr;
    int overhang = 0;
};
Pass gPass;

// ---- off-screen bitmaps --------------------------------------------------------

HBITMAP NewDib(int width, int height, int bitCount, void** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(bitCount);
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

size_t DibBytes(int width, int height, int bitCount) {
    size_t stride = (size_t(width) * size_t(bitCount) / 8 + 3) & ~size_t(3);
    return stride * size_t(height);
}

bool MakePicture(CanvasPicture& picture, int width, int height) {
    picture.width = width < 1 ? 1 : width;
    picture.height = height < 1 ? 1 : height;
    void* bits = nullptr;
    picture.bitmap = NewDib(picture.width, picture.height, 24, &bits);
    if (!picture.bitmap) return false;
    std::memset(bits, 0xFF, DibBytes(picture.width, picture.height, 24));  // white
    picture.dc = CreateCompatibleDC(nullptr);
    if (!picture.dc) {
        DeleteObject(picture.bitmap);
        picture.bitmap = nullptr;
        return false;
    }
    picture.firstBitmap = SelectObject(picture.dc, picture.bitmap);
    return true;
}

void FreeScaledIcons(CanvasPicture& picture) {
    // None of them may stay selected while it is deleted.
    if (picture.iconDc) DeleteDC(picture.iconDc);
    picture.iconDc = nullptr;
    for (auto& [key, bitmap] : picture.scaledIcons) DeleteObject(bitmap);
    picture.scaledIcons.clear();
}

void FreePicture(HWND hwnd) {
    auto it = gCanvases.find(hwnd);
    if (it == gCanvases.end()) return;
    CanvasPicture& picture = it->second;
    if (gPass.picture == &picture) gPass = Pass{};
    FreeScaledIcons(picture);
    if (picture.dc) {
        SelectObject(picture.dc, picture.firstBitmap);
        SelectObject(picture.dc, GetStockObject(SYSTEM_FONT));
        DeleteDC(picture.dc);
    }
    if (picture.bitmap) DeleteObject(picture.bitmap);
    gCanvases.erase(it);
}

void CopyToScreen(HDC screen, const CanvasPicture& picture) {
    BitBlt(screen, 0, 0, picture.width, picture.height, picture.dc, 0, 0, SRCCOPY);
}

// ---- icons ----------------------------------------------------------------------

// Draws the icon once on black and once on white: the difference gives its
// coverage whether it carries alpha or only a mask, and the picture on black
// is its colour already multiplied by that coverage.
HBITMAP ScaleIcon(HICON icon, int width, int height) {
    void* blackBits = nullptr;
    void* whiteBits = nullptr;
    void* outBits = nullptr;
    HBITMAP onBlack = NewDib(width, height, 32, &blackBits);
    HBITMAP onWhite = NewDib(width, height, 32, &whiteBits);
    HBITMAP out = NewDib(width, height, 32, &outBits);
    HDC dc = CreateCompatibleDC(nullptr);
    bool drawn = onBlack && onWhite && out && dc;
    if (drawn) {
        size_t count = size_t(width) * size_t(height);
        std::memset(blackBits, 0x00, count * 4);
        std::memset(whiteBits, 0xFF, count * 4);
        HGDIOBJ first = SelectObject(dc, onBlack);
        drawn = DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
        SelectObject(dc, onWhite);
        drawn = drawn && DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
        SelectObject(dc, first);
        GdiFlush();
        auto* black = static_cast<const uint8_t*>(blackBits);
        auto* white = static_cast<const uint8_t*>(whiteBits);
        auto* pixels = static_cast<uint8_t*>(outBits);
        for (size_t i = 0; drawn && i < count; ++i) {
            const uint8_t* b = black + 4 * i;
            const uint8_t* w = white + 4 * i;
            int spread = (int(w[0]) - b[0] + int(w[1]) - b[1] + int(w[2]) - b[2] + 1) / 3;
            int alpha = 255 - (spread < 0 ? 0 : spread > 255 ? 255 : spread);
            uint8_t* p = pixels + 4 * i;
            for (int c = 0; c < 3; ++c) p[c] = uint8_t(b[c] < alpha ? b[c] : alpha);
            p[3] = uint8_t(alpha);
        }
    }
    if (dc) DeleteDC(dc);
    if (onBlack) DeleteObject(onBlack);
    if (onWhite) DeleteObject(onWhite);
    if (!drawn && out) {
        DeleteObject(out);
        out = nullptr;
    }
    return out;
}

HBITMAP ScaledIconFor(CanvasPicture& picture, HICON icon, int width, int height) {
    IconKey key{icon, width, height};
    auto it = picture.scaledIcons.find(key);
    if (it != picture.scaledIcons.end()) return it->second;
    if (picture.scaledIcons.size() >= kMaxScaledIcons) FreeScaledIcons(picture);
    HBITMAP scaled = ScaleIcon(icon, width, height);
    if (scaled) picture.scaledIcons[key] = scaled;
    return scaled;
}

// ---- fonts ----------------------------------------------------------------------

// An italic font leans past its advance: "H" is drawn white on black into
// a bitmap twice its extent, and its rightmost lit column in the top rows
// tells by how much.
int MeasureOverhang(HDC dc) {
    TEXTMETRICA metrics = {};
    if (!GetTextMetricsA(dc, &metrics) || !metrics.tmItalic) return 0;
    SIZE extent = {};
    if (!GetTextExtentPoint32A(dc, "H", 1, &extent) || extent.cx < 1 || extent.cy < 1) return 0;
    int width = 2 * extent.cx, height = 2 * extent.cy;
    void* bits = nullptr;
    HBITMAP bitmap = NewDib(width, height, 32, &bits);
    HDC probe = CreateCompatibleDC(nullptr);
    int rightmost = -1;
    if (bitmap && probe) {
        std::memset(bits, 0, size_t(width) * size_t(height) * 4);
        HGDIOBJ firstBitmap = SelectObject(probe, bitmap);
        HGDIOBJ firstFont = SelectObject(probe, GetCurrentObject(dc, OBJ_FONT));
        SetBkMode(probe, TRANSPARENT);
        SetTextColor(probe, RGB(255, 255, 255));
        TextOutA(probe, 0, 0, "H", 1);
        GdiFlush();
        auto* pixels = static_cast<const uint32_t*>(bits);
        for (int y = 0; y < extent.cy; ++y)
            for (int x = width - 1; x > rightmost; --x)
                if (pixels[size_t(y) * size_t(width) + size_t(x)] & 0xFFFFFF) rightmost = x;
        SelectObject(probe, firstFont);
        SelectObject(probe, firstBitmap);
    }
    if (probe) DeleteDC(probe);
    if (bitmap) DeleteObject(bitmap);
    return rightmost < 0 ? 0 : rightmost - extent.cx + 2;
}

int OverhangOf(CanvasPicture& picture, HFONT font) {
    LOGFONTA look = {};
    GetObjectA(font, sizeof look, &look);
    // A freed font's handle can come back for another font: compare its looks too.
    if (font != picture.measuredFont || std::memcmp(&look, &picture.measuredLook, sizeof look) != 0) {
        picture.measuredFont = font;
        picture.measuredLook = look;
        picture.measuredOverhang = MeasureOverhang(picture.dc);
    }
    return picture.measuredOverhang;
}

// ---- the control ----------------------------------------------------------------

void QueueCanvasEvent(HWND hwnd, EventType type) {
    int number = ControlNumberOf(hwnd);
    if (number < 0) return;  // being destroyed
    QueueEvent({EventKind::Gadget, number, Controls()[number].window, type});
}

// The release reaches us even outside the popup.
void CaptureForLeftButton(HWND hwnd, WPARAM buttons) {
    if ((buttons & kAnyButton) == MK_LBUTTON) SetCapture(hwnd);
}

void ReleaseWhenNoButtonHeld(HWND hwnd, WPARAM buttons) {
    if (!(buttons & kAnyButton) && GetCapture() == hwnd) ReleaseCapture();
}

void OnPaint(HWND hwnd) {
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(hwnd, &paint);
    auto it = gCanvases.find(hwnd);
    if (screen && it != gCanvases.end() && it->second.dc) {
        CopyToScreen(screen, it->second);
    } else if (screen) {
        FillRect(screen, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    EndPaint(hwnd, &paint);
}

LRESULT CALLBACK CanvasProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: OnPaint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;  // the picture covers all of it: no flicker
    case WM_LBUTTONDOWN:
        QueueCanvasEvent(hwnd, LeftButtonDown);
        CaptureForLeftButton(hwnd, wParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        QueueCanvasEvent(hwnd, LeftButtonDown);
        QueueCanvasEvent(hwnd, LeftDoubleClick);
        CaptureForLeftButton(hwnd, wParam);
        return 0;
    case WM_LBUTTONUP:
        QueueCanvasEvent(hwnd, LeftButtonUp);
        QueueCanvasEvent(hwnd, LeftClick);
        ReleaseWhenNoButtonHeld(hwnd, wParam);
        return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_XBUTTONUP:
        QueueCanvasEvent(hwnd, CanvasOther);
        ReleaseWhenNoButtonHeld(hwnd, GET_KEYSTATE_WPARAM(wParam));
        break;
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_MOUSELEAVE:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: QueueCanvasEvent(hwnd, CanvasOther); break;
    case WM_NCDESTROY: FreePicture(hwnd); break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterCanvasClass() {
    HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (GetClassInfoA(module, kCanvasClass, &existing)) return true;
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = CanvasProcedure;
    wc.hInstance = module;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kCanvasClass;
    return RegisterClassA(&wc) != 0;
}

HWND WindowOf(int window) { return static_cast<HWND>(AppWindowHandle(window)); }
}  // namespace

HDC CanvasPictureDc(int canvas) {
    auto it = gCanvases.find(ControlHandle(canvas));
    return it == gCanvases.end() ? nullptr : it->second.dc;
}

void ForgetScaledIcon(HICON icon) {
    for (auto& [hwnd, picture] : gCanvases) {
        for (auto& [key, bitmap] : picture.scaledIcons) {
            if (std::get<0>(key) != icon) continue;
            // Rare: all are made again at the next pass.
            FreeScaledIcons(picture);
            break;
        }
    }
}

size_t CanvasPictureCount() { return gCanvases.size(); }

size_t CanvasScaledIconCount(int canvas) {
    auto it = gCanvases.find(ControlHandle(canvas));
    return it == gCanvases.end() ? 0 : it->second.scaledIcons.size();
}

int CreateCanvas(int number, int x, int y, int width, int height) {
    HWND parent = ContainerHandle();
    if (!parent || !RegisterCanvasClass()) return 0;
    int assigned = ReserveControlNumber(number);
    // No WS_TABSTOP, and it never takes the focus itself.
    HWND hwnd = CreateWindowExA(0, kCanvasClass, "", WS_CHILD | WS_VISIBLE, x, y, width, height,
                                parent, reinterpret_cast<HMENU>(static_cast<intptr_t>(assigned)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return 0;
    // Without a picture the control still lives; its passes draw nothing.
    if (!MakePicture(gCanvases[hwnd], width, height)) gCanvases.erase(hwnd);
    return RegisterControl(assigned, hwnd, nullptr);
}

void SetWindowTopmost(int window) {
    if (HWND hwnd = WindowOf(window))
        SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void ActivateAppWindow(int window) {
    if (HWND hwnd = WindowOf(window)) SetActiveWindow(hwnd);
}

int PointerRowInWindow(int window) {
    HWND hwnd = WindowOf(window);
    POINT at;
    RECT client;
    if (!hwnd || !GetCursorPos(&at) || !ScreenToClient(hwnd, &at) || !GetClientRect(hwnd, &client))
        return -1;
    bool inside = at.x >= 0 && at.x < client.right && at.y >= 0 && at.y < client.bottom;
    return inside ? at.y : -1;
}

Colour GetSystemColour(SystemColour which) {
    return GetSysColor(which == SystemColour::HotLight ? COLOR_HOTLIGHT : COLOR_BTNSHADOW);
}

bool BeginCanvasPass(int canvas) {
    HWND hwnd = ControlHandle(canvas);
    auto it = gCanvases.find(hwnd);
    if (!hwnd || it == gCanvases.end()) return false;
    gPass = Pass{hwnd, &it->second, 0};
    HDC dc = it->second.dc;
    // Every pass starts from the same state: system font, opaque text.
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, OPAQUE);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    return true;
}

void EndCanvasPass() {
    if (!gPass.picture) return;
    GdiFlush();
    if (HDC screen = GetDC(gPass.hwnd)) {
        CopyToScreen(screen, *gPass.picture);
        ReleaseDC(gPass.hwnd, screen);
    }
    gPass = Pass{};
}

void FillCanvasBox(int x, int y, int width, int height, Colour colour) {
    if (!gPass.picture || width == 0 || height == 0) return;
    // A negative size runs the box back from x (or y); the sums may leave
    // the 32-bit range, so they are clipped in 64 bits.
    int64_t left = width < 0 ? int64_t(x) + width : x;
    int64_t right = width < 0 ? int64_t(x) : int64_t(x) + width;
    int64_t top = height < 0 ? int64_t(y) + height : y;
    int64_t bottom = height < 0 ? int64_t(y) : int64_t(y) + height;
    const CanvasPicture& p = *gPass.picture;
    RECT box = {LONG(left < 0 ? 0 : left), LONG(top < 0 ? 0 : top),
                LONG(right > p.width ? p.width : right), LONG(bottom > p.height ? p.height : bottom)};
    if (box.left >= box.right || box.top >= box.bottom) return;
    SetDCBrushColor(p.dc, colour);
    FillRect(p.dc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void SelectCanvasFont(SystemHandle font) {
    if (!gPass.picture || !font) return;  // the system font stays
    if (!SelectObject(gPass.picture->dc, static_cast<HFONT>(font))) return;
    gPass.overhang = OverhangOf(*gPass.picture, static_cast<HFONT>(font));
}

void SetCanvasTransparentText() {
    if (gPass.picture) SetBkMode(gPass.picture->dc, TRANSPARENT);
}

void DrawCanvasText(int x, int y, const char* text, Colour colour) {
    if (!gPass.picture || !text || !*text) return;
    SetTextColor(gPass.picture->dc, colour);
    TextOutA(gPass.picture->dc, x, y, text, int(std::strlen(text)));
}

int CanvasTextWidth(const char* text) {
    SIZE size = {};
    if (!gPass.picture || !text || !*text) return 0;
    if (!GetTextExtentPoint32A(gPass.picture->dc, text, int(std::strlen(text)), &size)) return 0;
    return size.cx + gPass.overhang;
}

int CanvasTextHeight(const char* text) {
    SIZE size = {};
    if (!gPass.picture || !text || !*text) return 0;
    if (!GetTextExtentPoint32A(gPass.picture->dc, text, int(std::strlen(text)), &size)) return 0;
    return size.cy;
}

void DrawCanvasIcon(SystemHandle icon, int x, int y, int width, int height) {
    if (!gPass.picture || !icon || width < 1 || height < 1) return;
    HICON handle = static_cast<HICON>(icon);
    CanvasPicture& p = *gPass.picture;
    HBITMAP scaled = ScaledIconFor(p, handle, width, height);
    if (!scaled) {
        DrawIconEx(p.dc, x, y, handle, width, height, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!p.iconDc) p.iconDc = CreateCompatibleDC(p.dc);
    if (!p.iconDc) return;
    SelectObject(p.iconDc, scaled);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    // gdi32's own entry of AlphaBlend: no further DLL.
    GdiAlphaBlend(p.dc, x, y, width, height, p.iconDc, 0, 0, width, height, blend);
}
