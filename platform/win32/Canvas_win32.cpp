// The popup's canvas: a child control with an off-screen picture, and the
// drawing operations on it.
#include "Win32Internal.h"

int CreateCanvas(int number, int x, int y, int width, int height) {
    (void)number, (void)x, (void)y, (void)width, (void)height;
    return 0;
}
void SetWindowTopmost(int window) { (void)window; }
void ActivateAppWindow(int window) { (void)window; }
int PointerRowInWindow(int window) {
    (void)window;
    return -1;
}
Colour GetSystemColour(SystemColour which) {
    return GetSysColor(which == SystemColour::HotLight ? COLOR_HOTLIGHT : COLOR_BTNSHADOW);
}
bool BeginCanvasPass(int canvas) {
    (void)canvas;
    return false;
}
void EndCanvasPass() {}
void FillCanvasBox(int x, int y, int width, int height, Colour colour) {
    (void)x, (void)y, (void)width, (void)height, (void)colour;
}
void SelectCanvasFont(SystemHandle font) { (void)font; }
void SetCanvasTransparentText() {}
void DrawCanvasText(int x, int y, const char* text, Colour colour) {
    (void)x, (void)y, (void)text, (void)colour;
}
int CanvasTextWidth(const char* text) {
    (void)text;
    return 0;
}
int CanvasTextHeight(const char* text) {
    (void)text;
    return 0;
}
void DrawCanvasIcon(SystemHandle icon, int x, int y, int width, int height) {
    (void)icon, (void)x, (void)y, (void)width, (void)height;
}

