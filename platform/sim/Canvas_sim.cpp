// The simulated canvas: records every drawing call.
#include "SimState.h"
#include "platform/Numbers.h"

int CreateCanvas(int number, int x, int y, int width, int height) {
    if (Sim().canvasFails) {
        SimRecord("CreateCanvas(%d,%d,%d,%d,%d,)=0", number, x, y, width, height);
        return 0;
    }
    return SimNewControl(number, "Canvas", x, y, width, height, "");
}

void SetWindowTopmost(int window) {
    SimRecord("SetWindowTopmost(%d)", window);
    if (SimWindow* w = FindNumbered(Sim().windows, window)) w->topmost = true;
}

void ActivateAppWindow(int window) { SimRecord("ActivateAppWindow(%d)", window); }

int PointerRowInWindow(int window) {
    SimRecord("PointerRowInWindow(%d)", window);
    return AppWindowExists(window) ? Sim().pointerRow : -1;
}

Colour GetSystemColour(SystemColour which) {
    return which == SystemColour::HotLight ? Sim().hotLight : Sim().buttonShadow;
}

bool BeginCanvasPass(int canvas) {
    SimRecord("BeginCanvasPass(%d)", canvas);
    return ControlExists(canvas);
}
void EndCanvasPass() { SimRecord("EndCanvasPass()"); }
void FillCanvasBox(int x, int y, int width, int height, Colour colour) {
    SimRecord("FillCanvasBox(%d,%d,%d,%d,%06X)", x, y, width, height, colour);
}
void SelectCanvasFont(SystemHandle font) { SimRecord("SelectCanvasFont(%s)", font ? "font" : "none"); }
void SetCanvasTransparentText() { SimRecord("SetCanvasTransparentText()"); }
void DrawCanvasText(int x, int y, const char* text, Colour colour) {
    SimRecord("DrawCanvasText(%d,%d,%s,%06X)", x, y, text ? text : "", colour);
}
// A fixed-pitch font: 6 pixels a character, 13 high.
int CanvasTextWidth(const char* text) { return text ? 6 * int(std::string(text).size()) : 0; }
int CanvasTextHeight(const char* text) { return text && *text ? 13 : 0; }
void DrawCanvasIcon(SystemHandle icon, int x, int y, int width, int height) {
    SimRecord("DrawCanvasIcon(%s,%d,%d,%d,%d)", icon ? "icon" : "none", x, y, width, height);
}

