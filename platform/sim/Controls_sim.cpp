// Simulated controls of the configuration window.
#include "SimState.h"
#include "platform/EventQueue.h"
#include "platform/Numbers.h"

int SimNewControl(int number, const char* kind, int x, int y, int width, int height,
                  const char* text) {
    SimState& s = Sim();
    if (!s.windows.count(s.container)) return 0;
    if (number != AutoNumber && s.controls.count(number)) DestroyControl(number);
    int assigned = number == AutoNumber ? LowestFreeNumber(s.controls) : number;
    SimControl c;
    c.kind = kind;
    c.window = s.container;
    c.page = s.containerPage;
    c.x = x, c.y = y, c.width = width, c.height = height;
    c.text = text ? text : "";
    s.controls[assigned] = c;
    SimRecord("Create%s(%d,%d,%d,%d,%d,%s)=%d", kind, number, x, y, width, height, c.text.c_str(),
              assigned);
    return assigned;
}

namespace {
SimControl* Control(int number) { return FindNumbered(Sim().controls, number); }
}  // namespace

const SimControl* SimFindControl(int number) { return Control(number); }

bool ControlExists(int number) { return Sim().controls.count(number) != 0; }

void DestroyControl(int number) {
    if (!Sim().controls.erase(number)) return;
    SimRecord("DestroyControl(%d)", number);
    DropEventsOfGadget(number);
}

void DisableControl(int number) {
    SimRecord("DisableControl(%d)", number);
    if (SimControl* c = Control(number)) c->enabled = false;
}

// ---- configuration controls ---------------------------------------------------

int CreatePanel(int number, int x, int y, int width, int height) {
    return SimNewControl(number, "Panel", x, y, width, height, "");
}

int AddPanelPage(int panel, const char* title) {
    SimControl* c = Control(panel);
    if (!c) return 0;
    c->rows.push_back(title ? title : "");
    if (c->rows.size() == 1) c->selectedRow = 0;  // the first page is shown
    Sim().containerPage = int(c->rows.size());
    SimRecord("AddPanelPage(%d,%s)", panel, title ? title : "");
    return Sim().containerPage;
}

void EndPanelPages() {
    SimRecord("EndPanelPages()");
    Sim().containerPage = 0;
}

int CreateListControl(int number, int x, int y, int width, int height, const char* columnTitle,
                      int columnWidth, int options) {
    (void)columnWidth, (void)options;
    return SimNewControl(number, "List", x, y, width, height, columnTitle);
}

void SetListDisplayMode(int list, ListDisplayMode mode) {
    SimRecord("SetListDisplayMode(%d,%d)", list, int(mode));
    if (SimControl* c = Control(list)) c->listMode = mode;
}

int CreateButton(int number, int x, int y, int width, int height, const char* text) {
    return SimNewControl(number, "Button", x, y, width, height, text);
}

int CreateLabel(int number, int x, int y, int width, int height, const char* text) {
    return SimNewControl(number, "Label", x, y, width, height, text);
}

int CreateTextField(int number, int x, int y, int width, int height, const char* text) {
    return SimNewControl(number, "TextField", x, y, width, height, text);
}

void AddListRow(int list, const char* text, SystemHandle icon) {
    SimRecord("AddListRow(%d,%s,%s)", list, text ? text : "", icon ? "icon" : "none");
    if (SimControl* c = Control(list)) {
        c->rows.push_back(text ? text : "");
        c->rowIcons.push_back(icon);
    }
}

void RemoveListRow(int list, int index) {
    SimRecord("RemoveListRow(%d,%d)", list, index);
    SimControl* c = Control(list);
    if (!c || index < 0 || index >= int(c->rows.size())) return;
    c->rows.erase(c->rows.begin() + index);
    c->rowIcons.erase(c->rowIcons.begin() + index);
    // The selection goes with its row and follows the rows below it up.
    if (c->selectedRow == index) c->selectedRow = -1;
    else if (c->selectedRow > index) --c->selectedRow;
}

void ClearListRows(int list) {
    SimRecord("ClearListRows(%d)", list);
    if (SimControl* c = Control(list)) {
        c->rows.clear();
        c->rowIcons.clear();
        c->selectedRow = -1;
    }
}

int SelectedListRow(int list) {
    SimControl* c = Control(list);
    return c ? c->selectedRow : -1;
}

void SelectListRow(int list, int index) {
    SimRecord("SelectListRow(%d,%d)", list, index);
    SimControl* c = Control(list);
    if (!c) return;
    c->selectedRow = (index >= 0 && index < int(c->rows.size())) ? index : -1;
}

int ListRowCount(int list) {
    SimControl* c = Control(list);
    return c ? int(c->rows.size()) : 0;
}

std::string ControlText(int number) {
    SimControl* c = Control(number);
    return c ? c->text : std::string();
}

void SetControlText(int number, const char* text) {
    SimRecord("SetControlText(%d,%s)", number, text ? text : "");
    if (SimControl* c = Control(number)) c->text = text ? text : "";
}
