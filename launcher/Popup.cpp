#include "Popup.h"

#include "app/Texts.h"
#include "launcher/Launch.h"

namespace {
constexpr Colour kBackground = 0x101010;
constexpr Colour kEntryText = 0xDFDFDF;
constexpr Colour kCaptionText = 0xCFCFCF;
constexpr Colour kSeparatorLine = 0xDCDCDC;

bool gPressed = false;

int HoveredEntry(const LauncherList& list, int y) {
    for (size_t i = 0; i < list.items.size(); ++i) {
        const LauncherItem& item = list.items[i];
        // Both bounds strict: the row y == top belongs to no entry.
        if (item.kind == Entry && item.top < y && y < item.top + list.itemHeight) return int(i);
    }
    return -1;
}

void PaintEntry(const LauncherList& list, const LauncherItem& item, bool hovered) {
    int t = item.top;
    if (hovered) {
        SystemColour c = gPressed ? SystemColour::ButtonShadow : SystemColour::HotLight;
        FillCanvasBox(0, t, list.width, list.itemHeight, GetSystemColour(c));
    }
    if (item.icon) DrawCanvasIcon(item.icon, 2, t, list.itemHeight, list.itemHeight);
    int th = CanvasTextHeight(item.name.c_str());
    std::string shown = DisplayName(item.name);
    DrawCanvasText(list.itemHeight + 5, t + list.itemHeight / 2 - th / 2, shown.c_str(), kEntryText);
}

void PaintSeparator(const LauncherList& list, const LauncherItem& item) {
    int t = item.top;
    int hh = CanvasTextHeight(item.name.c_str()) / 2;
    int tw = CanvasTextWidth(item.name.c_str());
    int gap = item.name.empty() ? 0 : 10;
    int half = (list.width - tw - gap - 4) / 2;
    int middle = list.separatorHeight / 2;
    // The caption first: where the lines overlap it, they win.
    DrawCanvasText(half + 7, t + middle - hh, item.name.c_str(), kCaptionText);
    FillCanvasBox(2, t + middle - 1, half, 2, kSeparatorLine);
    FillCanvasBox(tw + half + gap + 2, t + middle - 1, half, 2, kSeparatorLine);
}

void Paint(const LauncherList& list, int hovered) {
    if (!BeginCanvasPass(list.canvas)) return;
    FillCanvasBox(0, 0, list.width, list.popupHeight, kBackground);
    SetCanvasTransparentText();
    SelectCanvasFont(list.font);
    for (size_t i = 0; i < list.items.size(); ++i) {
        const LauncherItem& item = list.items[i];
        if (item.kind == Entry) PaintEntry(list, item, int(i) == hovered);
        else PaintSeparator(list, item);
    }
    EndCanvasPass();
}
}  // namespace

std::string DisplayName(const std::string& name) {
    static const std::string exe = ".exe";
    std::string shown;
    for (size_t i = 0; i < name.size();) {
        if (name.compare(i, exe.size(), exe) == 0) {
            i += exe.size();
        } else {
            shown += name[i++];
        }
    }
    return shown;
}

bool PopupPressed() { return gPressed; }
void SetPopupPressed(bool pressed) { gPressed = pressed; }

bool PopupShown(const LauncherList& list) {
    // Before the first opening both numbers are 0: window 0 exists, but no
    // control carries number 0, so the test is false.
    return AppWindowExists(list.popupWindow) && ControlExists(list.canvas);
}

void ShowPopup(LauncherList& list, int left, int bottom, SystemHandle owner) {
    list.popupHeight = LayoutItems(list);
    int window = OpenAppWindow(AutoNumber, left, bottom - list.popupHeight, list.width,
                               list.popupHeight, kPopupTitle, Borderless, owner);
    if (window == 0) {
        // Nothing half-made: no canvas elsewhere, no stale number to close later.
        list.popupWindow = 0;
        list.canvas = 0;
        return;
    }
    list.popupWindow = window;
    list.canvas = CreateCanvas(AutoNumber, 0, 0, list.width, list.popupHeight);
    if (list.canvas == 0) {
        CloseAppWindow(window);
        list.popupWindow = 0;
        return;
    }
    SetWindowTopmost(window);
    ActivateAppWindow(window);
}

void HidePopup(LauncherList& list) {
    DestroyControl(list.canvas);
    CloseAppWindow(list.popupWindow);
}

void UpdatePopup(LauncherList& list, const AppEvent& event) {
    if (!PopupShown(list)) return;
    int hovered = HoveredEntry(list, PointerRowInWindow(list.popupWindow));
    if (event.kind == EventKind::Gadget && event.gadget == list.canvas) {
        if (event.type == LeftButtonDown) {
            gPressed = true;
        } else if (event.type == LeftButtonUp) {
            if (gPressed && hovered >= 0) {
                (void)StartItem(list.items[size_t(hovered)].path);  // the popup closes either way
                HidePopup(list);
                gPressed = false;
                return;
            }
            gPressed = false;
        }
    }
    Paint(list, hovered);
}
