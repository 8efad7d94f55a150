#include "Popup.h"

#include "app/Texts.h"
#include "launcher/Launch.h"

// The build for measuring the cost of painting sets this to paint every pass.
#ifndef LUMAREL_ALWAYS_REPAINT
#define LUMAREL_ALWAYS_REPAINT 0
#endif

namespace {
constexpr Colour kBackground = 0x101010;
constexpr Colour kEntryText = 0xDFDFDF;
constexpr Colour kCaptionText = 0xCFCFCF;
constexpr Colour kSeparatorLine = 0xDCDCDC;
constexpr bool kSkipUnchangedPasses = !LUMAREL_ALWAYS_REPAINT;

bool gPressed = false;

// Everything a pass paints from. A pass with the same inputs as the one
// before would give the same picture, so it is skipped; the canvas keeps
// the picture and shows it again whenever the system asks.
struct PaintedItem {
    std::string name;
    SystemHandle icon = nullptr;
    int kind = Entry;
    int top = 0;
};

struct PaintInputs {
    bool valid = false;
    int canvas = 0;
    int hovered = -1;
    bool pressed = false;
    Colour hotLight = 0, buttonShadow = 0;
    int width = 0, popupHeight = 0, itemHeight = 0, separatorHeight = 0;
    // A freed font's handle may come back for the next one: compare its values too.
    SystemHandle font = nullptr;
    std::string fontName;
    int fontStyle = 0, fontSize = 0;
    std::vector<PaintedItem> items;
};

PaintInputs gPainted;

bool SameItems(const std::vector<LauncherItem>& items, const std::vector<PaintedItem>& painted) {
    if (items.size() != painted.size()) return false;
    for (size_t i = 0; i < items.size(); ++i) {
        const LauncherItem& a = items[i];
        const PaintedItem& b = painted[i];
        if (a.kind != b.kind || a.top != b.top || a.icon != b.icon || a.name != b.name) return false;
    }
    return true;
}

bool SameAsPainted(const LauncherList& list, int hovered, Colour hot, Colour shadow) {
    const PaintInputs& p = gPainted;
    return p.valid && p.canvas == list.canvas && p.hovered == hovered && p.pressed == gPressed &&
           p.hotLight == hot && p.buttonShadow == shadow && p.width == list.width &&
           p.popupHeight == list.popupHeight && p.itemHeight == list.itemHeight &&
           p.separatorHeight == list.separatorHeight && p.font == list.font &&
           p.fontStyle == list.fontStyle && p.fontSize == list.fontSize &&
           p.fontName == list.fontName && SameItems(list.items, p.items);
}

void RememberPainted(const LauncherList& list, int hovered, Colour hot, Colour shadow) {
    PaintInputs& p = gPainted;
    p.valid = true;
    p.canvas = list.canvas;
    p.hovered = hovered;
    p.pressed = gPressed;
    p.hotLight = hot;
    p.buttonShadow = shadow;
    p.width = list.width;
    p.popupHeight = list.popupHeight;
    p.itemHeight = list.itemHeight;
    p.separatorHeight = list.separatorHeight;
    p.font = list.font;
    p.fontName = list.fontName;
    p.fontStyle = list.fontStyle;
    p.fontSize = list.fontSize;
    p.items.resize(list.items.size());
    for (size_t i = 0; i < list.items.size(); ++i) {
        const LauncherItem& item = list.items[i];
        p.items[i] = PaintedItem{item.name, item.icon, item.kind, item.top};
    }
}

int HoveredEntry(const LauncherList& list, int y) {
    for (size_t i = 0; i < list.items.size(); ++i) {
        const LauncherItem& item = list.items[i];
        // Both bounds strict: the row y == top belongs to no entry.
        if (item.kind == Entry && item.top < y && y < item.top + list.itemHeight) return int(i);
    }
    return -1;
}

void PaintEntry(const LauncherList& list, const LauncherItem& item, bool hovered, Colour highlight) {
    int t = item.top;
    if (hovered) FillCanvasBox(0, t, list.width, list.itemHeight, highlight);
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
    // Read on every pass, so the picture follows the colour scheme.
    Colour hot = GetSystemColour(SystemColour::HotLight);
    Colour shadow = GetSystemColour(SystemColour::ButtonShadow);
    if (kSkipUnchangedPasses && SameAsPainted(list, hovered, hot, shadow)) return;
    if (!BeginCanvasPass(list.canvas)) return;
    Colour highlight = gPressed ? shadow : hot;
    FillCanvasBox(0, 0, list.width, list.popupHeight, kBackground);
    SetCanvasTransparentText();
    SelectCanvasFont(list.font);
    for (size_t i = 0; i < list.items.size(); ++i) {
        const LauncherItem& item = list.items[i];
        if (item.kind == Entry) PaintEntry(list, item, int(i) == hovered, highlight);
        else PaintSeparator(list, item);
    }
    EndCanvasPass();
    RememberPainted(list, hovered, hot, shadow);
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
    gPainted.valid = false;  // a new canvas is white until its first pass
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
    // The numbers may be given to other objects now; never act on them again.
    list.popupWindow = 0;
    list.canvas = 0;
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
