// The simulated system: honest state for windows, events, tray, menus,
// fonts, images, processes and files, and a record of every call.
#include <cstdio>

#include "SimState.h"
#include "platform/Numbers.h"

SimState& Sim() {
    static SimState state;
    return state;
}

void SimRecord(const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    Sim().calls.emplace_back(buffer);
}

SystemHandle SimNewHandle() { return reinterpret_cast<SystemHandle>(Sim().nextHandle++); }

// ---- test controls ----------------------------------------------------------

void SimReset() {
    Sim() = SimState{};
    ClearEventQueue();
}
void SimPushEvent(const AppEvent& event) { Sim().script.push_back({event, nullptr}); }
void SimPushTaskbarRebuilt() {
    SimPushCheck([] {
        SimState& s = Sim();
        s.trayIcons.clear();
        s.trayAvailable = true;
        if (s.trayRebuiltHandler) s.trayRebuiltHandler();
    });
}
void SimPushCheck(std::function<void()> check) {
    // The check runs inside the wait; the turn itself sees Other.
    Sim().script.push_back({{}, std::move(check)});
    Sim().script.push_back({AppEvent{EventKind::Other}, nullptr});
}
bool SimScriptOverrun() { return Sim().overrun; }
void SimPushAction(std::function<void()> action) { Sim().script.push_back({{}, std::move(action)}); }

void SimEndSession(bool ending) {
    // As the window procedure does: only a session that really ends saves.
    if (ending && Sim().sessionEndHandler) Sim().sessionEndHandler();
}
const std::vector<std::string>& SimCalls() { return Sim().calls; }
void SimClearCalls() { Sim().calls.clear(); }

std::vector<std::string> SimCallsNamed(std::initializer_list<const char*> names) {
    std::vector<std::string> out;
    for (const std::string& call : Sim().calls) {
        for (const char* name : names) {
            std::string prefix = std::string(name) + "(";
            if (call.compare(0, prefix.size(), prefix) == 0) out.push_back(call);
        }
    }
    return out;
}

void SimFailWindow(int number) { Sim().failingWindows.insert(number); }
void SimSetDpi(int dpi) { Sim().dpi = dpi; }
void SimSetWorkArea(const Rect& area) { Sim().workArea = area; }
void SimSetEnvironment(const char* name, const char* value) { Sim().environment[name] = value; }
void SimSetPointerRow(int row) { Sim().pointerRow = row; }
void SimFailCanvas(bool fail) { Sim().canvasFails = fail; }
void SimSetSystemColours(Colour hotLight, Colour buttonShadow) {
    Sim().hotLight = hotLight;
    Sim().buttonShadow = buttonShadow;
}
void SimSetStartResults(bool process, bool shell) {
    Sim().processStarts = process;
    Sim().shellStarts = shell;
}
void SimSetTrayAvailable(bool available) { Sim().trayAvailable = available; }
void SimFailMenus(bool fail) { Sim().menusFail = fail; }
void SimSetEmbeddedIco(EmbeddedIco which, const std::string& bytes) {
    Sim().embeddedIco[int(which)] = bytes;
}
const SimTrayIcon* SimFindTrayIcon(int number) { return FindNumbered(Sim().trayIcons, number); }
std::vector<std::string> SimMenuItems(int number) {
    auto it = Sim().menus.find(number);
    return it == Sim().menus.end() ? std::vector<std::string>() : it->second;
}

const SimWindow* SimFindWindow(int number) { return FindNumbered(Sim().windows, number); }

void SimWriteFile(const std::string& path, const std::string& bytes, bool readOnly) {
    Sim().files[path] = SimFile{bytes, readOnly};
}
bool SimFileExists(const std::string& path) { return Sim().files.count(path) != 0; }
std::string SimFileBytes(const std::string& path) {
    auto it = Sim().files.find(path);
    return it == Sim().files.end() ? std::string() : it->second.bytes;
}
std::vector<std::string> SimFileNames() {
    std::vector<std::string> names;
    for (const auto& [name, file] : Sim().files) names.push_back(name);
    return names;
}
void SimFailNextSave(SimSaveStep step) { Sim().failingSaveStep = step; }

// ---- set-up and shut-down ---------------------------------------------------

void InitPlatform() {
    SimRecord("InitPlatform()");
    Sim().initialised = true;
    ClearEventQueue();
}

void ReleasePlatform() {
    SimRecord("ReleasePlatform()");
    ClearEventQueue();
    Sim().initialised = false;
}

// ---- windows ------------------------------------------------------------------

int OpenAppWindow(int number, int x, int y, int width, int height, const char* title,
                  int flags, SystemHandle owner) {
    SimRecord("OpenAppWindow(%d,%d,%d,%d,%d,%s,%d)", number, x, y, width, height,
              title ? title : "", flags);
    SimState& s = Sim();
    if (number != AutoNumber && s.windows.count(number)) CloseAppWindow(number);
    int assigned = number == AutoNumber ? LowestFreeNumber(s.windows) : number;
    if (s.failingWindows.count(number) || s.failingWindows.count(assigned)) return 0;
    SimWindow w{title ? title : "", x, y, width, height, flags, owner, SimNewHandle(), false};
    if (flags & ScreenCentered) {
        w.x = (1024 - width) / 2;
        w.y = (768 - height) / 2;
    }
    s.windows[assigned] = w;
    s.container = assigned;
    s.containerPage = 0;
    return number == AutoNumber ? assigned : 1;
}

void CloseAppWindow(int number) {
    SimState& s = Sim();
    if (!s.windows.count(number)) return;
    SimRecord("CloseAppWindow(%d)", number);
    for (auto it = s.controls.begin(); it != s.controls.end();) {
        if (it->second.window == number) {
            DropEventsOfGadget(it->first);
            it = s.controls.erase(it);
        } else {
            ++it;
        }
    }
    s.windows.erase(number);
    DropEventsOfWindow(number);
}

void CloseAllAppWindows() {
    SimRecord("CloseAllAppWindows()");
    while (!Sim().windows.empty()) CloseAppWindow(Sim().windows.rbegin()->first);
}

bool AppWindowExists(int number) { return Sim().windows.count(number) != 0; }

SystemHandle AppWindowHandle(int number) {
    const SimWindow* w = SimFindWindow(number);
    return w ? w->handle : nullptr;
}

int AppWindowClientWidth(int number) {
    const SimWindow* w = SimFindWindow(number);
    return w ? w->width : 0;
}

int AppWindowClientHeight(int number) {
    const SimWindow* w = SimFindWindow(number);
    return w ? w->height : 0;
}

AppEvent WaitForEvent(int timeoutMs) {
    SimState& s = Sim();
    SimRecord("WaitForEvent(%d)", timeoutMs);
    AppEvent event;
    if (TakeQueuedEvent(&event)) return event;
    while (s.scriptPos < s.script.size()) {
        // A copy: the action may push further steps.
        SimScriptStep step = s.script[s.scriptPos++];
        if (!step.action) return step.event;
        step.action();
        if (TakeQueuedEvent(&event)) return event;
    }
    s.overrun = true;
    event.kind = EventKind::CloseWindow;
    event.window = MainWindow;
    return event;
}

Rect DesktopWorkArea() { return Sim().workArea; }

std::string EnvironmentVariable(const char* name) {
    auto it = Sim().environment.find(name);
    return it == Sim().environment.end() ? std::string() : it->second;
}

void SetSessionEndHandler(void (*handler)()) { Sim().sessionEndHandler = handler; }

// ---- tray and menu --------------------------------------------------------------

void AddTrayIcon(int number, SystemHandle owner, SystemHandle icon) {
    SimRecord("AddTrayIcon(%d,%s,%s)", number, owner ? "owner" : "none", icon ? "icon" : "none");
    if (!owner || !icon) return;
    if (Sim().trayIcons.count(number)) RemoveTrayIcon(number);
    if (!Sim().trayAvailable) return;  // the icon counts as absent
    Sim().trayIcons[number] = SimTrayIcon{owner, icon, ""};
}

int SetTrayIconToolTip(int number, const char* text) {
    SimRecord("SetTrayIconToolTip(%d,%s)", number, text ? text : "");
    SimTrayIcon* icon = FindNumbered(Sim().trayIcons, number);
    if (!icon || !text) return 0;
    icon->tip = std::string(text).substr(0, 63);
    return 1;
}

int RemoveTrayIcon(int number) {
    SimRecord("RemoveTrayIcon(%d)", number);
    return Sim().trayIcons.erase(number) ? 1 : 0;
}

void RemoveAllTrayIcons() {
    SimRecord("RemoveAllTrayIcons()");
    while (!Sim().trayIcons.empty()) RemoveTrayIcon(Sim().trayIcons.begin()->first);
}

void SetTrayRebuiltHandler(void (*handler)()) { Sim().trayRebuiltHandler = handler; }

SystemHandle CreateContextMenu(int number) {
    SimRecord("CreateContextMenu(%d)", number);
    Sim().menus.erase(number);
    if (Sim().currentMenu == number) Sim().currentMenu = -1;
    if (Sim().menusFail) return nullptr;
    Sim().menus[number].clear();
    Sim().currentMenu = number;
    return SimNewHandle();
}

void AddContextMenuItem(int identifier, const char* text) {
    SimRecord("AddContextMenuItem(%d,%s)", identifier, text ? text : "");
    if (Sim().currentMenu < 0 || !text) return;
    Sim().menus[Sim().currentMenu].push_back(std::to_string(identifier) + ":" + text);
}

void DisplayContextMenu(int number, SystemHandle owner) {
    SimRecord("DisplayContextMenu(%d,%s)", number, owner ? "owner" : "none");
}

// ---- fonts and images -----------------------------------------------------------

int DisplayDpiY() { return Sim().dpi; }

SystemHandle CreateFontFrom(const FontRequest& r) {
    SimRecord("CreateFontFrom(%d,%d,%d,%d,%d,%d,%s)", r.height, r.weight, r.italic, r.underline,
              r.strikeOut, r.proofQuality, r.face.c_str());
    SystemHandle font = SimNewHandle();
    Sim().fonts.insert(font);
    return font;
}

void FreeFont(SystemHandle font) {
    SimRecord("FreeFont()");
    Sim().fonts.erase(font);
}

void FreeAllFonts() {
    SimRecord("FreeAllFonts()");
    Sim().fonts.clear();
}

IconImage IconFromImageBits(const uint8_t* bits, size_t size, int width, int height, int bitCount) {
    SimRecord("IconFromImageBits(%zu,%d,%d,%d)", size, width, height, bitCount);
    if (!bits || size == 0) return {};
    IconImage image{SimNewHandle(), width, height, bitCount};
    Sim().images.insert(image.icon);
    return image;
}

void FreeAllImages() {
    SimRecord("FreeAllImages()");
    Sim().images.clear();
}

SystemHandle ShellIconFor(const char* path) {
    SimRecord("ShellIconFor(%s)", path ? path : "");
    SystemHandle icon = SimNewHandle();
    Sim().shellIcons.insert(icon);
    return icon;
}

void FreeShellIcon(SystemHandle icon) {
    SimRecord("FreeShellIcon()");
    Sim().shellIcons.erase(icon);
}

size_t SimShellIconCount() { return Sim().shellIcons.size(); }

ByteView EmbeddedIcoFile(EmbeddedIco which) {
    SimRecord("EmbeddedIcoFile(%d)", int(which));
    const std::string& bytes = Sim().embeddedIco[int(which)];
    if (bytes.empty()) return {};
    return ByteView{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

// ---- processes and files --------------------------------------------------------

bool StartProcess(const char* commandLine) {
    SimRecord("StartProcess(%s)", commandLine ? commandLine : "");
    return Sim().processStarts;
}

bool ShellOpen(const char* file, const char* directory) {
    SimRecord("ShellOpen(%s,%s)", file ? file : "", directory ? directory : "<none>");
    return Sim().shellStarts;
}

FileData ReadWholeFile(const char* path) {
    SimRecord("ReadWholeFile(%s)", path ? path : "");
    FileData data;
    auto it = Sim().files.find(path ? path : "");
    if (it == Sim().files.end()) return data;
    data.opened = true;
    data.readOnly = it->second.readOnly;
    data.bytes = it->second.bytes;
    return data;
}

bool ReplaceWholeFile(const char* path, const std::string& bytes) {
    SimRecord("ReplaceWholeFile(%s,%zu)", path ? path : "", bytes.size());
    SimState& s = Sim();
    SimSaveStep failAt = s.failingSaveStep;
    s.failingSaveStep = SimSaveStep::None;
    std::string target = path ? path : "";
    std::string temporary = target + ".tmp";
    if (failAt == SimSaveStep::CreateTemporary) return false;
    s.files[temporary] = SimFile{};
    // A write that fails may have put part of the bytes down.
    s.files[temporary].bytes = failAt == SimSaveStep::Write ? bytes.substr(0, bytes.size() / 2) : bytes;
    auto old = s.files.find(target);
    bool replaceable = old == s.files.end() || !old->second.readOnly;
    if (failAt == SimSaveStep::Write || failAt == SimSaveStep::Flush ||
        failAt == SimSaveStep::Replace || !replaceable) {
        s.files.erase(temporary);
        return false;
    }
    s.files[target] = SimFile{std::move(s.files[temporary].bytes), false};
    s.files.erase(temporary);
    return true;
}
