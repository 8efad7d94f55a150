// Controls of the simulated platform that only tests use: the script of
// events, the record of calls, and the answers of the system.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/EventQueue.h"
#include "platform/Platform.h"

// Forgets all state; the next InitPlatform starts from scratch.
void SimReset();

// Events that WaitForEvent returns, in order, after the pending queue.
// When the script is used up, WaitForEvent returns a close request for
// window 0 so that a run always ends; SimScriptOverrun tells.
void SimPushEvent(const AppEvent& event);
// A step of the script at which the notification area is rebuilt: it
// forgets every tray icon, and the handler runs inside that wait, which
// returns Other.
void SimPushTaskbarRebuilt();
// A step that runs a test's check inside the wait and returns Other.
void SimPushCheck(std::function<void()> check);
bool SimScriptOverrun();
// A step of the script that runs the action inside WaitForEvent, where the
// system's synchronous messages reach the program, and then goes on.
void SimPushAction(std::function<void()> action);

// The session ends (WM_ENDSESSION): with true the handler registered with
// SetSessionEndHandler runs at once; false, a cancelled end, does nothing.
void SimEndSession(bool ending);

// Every platform operation the core called, as "Name(arg,...)", in order.
const std::vector<std::string>& SimCalls();
void SimClearCalls();
// The calls whose name is one of the given ones, in order.
std::vector<std::string> SimCallsNamed(std::initializer_list<const char*> names);

// Answers of the system.
void SimFailWindow(int number);  // OpenAppWindow fails for that number
void SimSetDpi(int dpi);         // 0: no display context
void SimSetWorkArea(const Rect& area);
void SimSetEnvironment(const char* name, const char* value);
void SimSetPointerRow(int row);  // PointerRowInWindow's answer while the window exists
void SimFailCanvas(bool fail);   // CreateCanvas fails while set
void SimSetSystemColours(Colour hotLight, Colour buttonShadow);
void SimSetStartResults(bool process, bool shell);
void SimSetTrayAvailable(bool available);  // false: no notification area takes icons
void SimFailMenus(bool fail);              // CreateContextMenu fails
// The bytes EmbeddedIcoFile gives; none unless a test sets them.
void SimSetEmbeddedIco(EmbeddedIco which, const std::string& bytes);

struct SimTrayIcon {
    SystemHandle owner = nullptr;
    SystemHandle icon = nullptr;
    std::string tip;
};
const SimTrayIcon* SimFindTrayIcon(int number);
size_t SimShellIconCount();  // made by ShellIconFor and not yet freed  // none unless shown
// The items of a menu in order, as "identifier:text".
std::vector<std::string> SimMenuItems(int number);

// The user's answers to the dialogs, taken in order, one per dialog shown.
// A dialog without an answer left is cancelled (empty text, false).
void SimAnswerFileDialog(const std::string& path);
void SimAnswerFolderDialog(const std::string& path);  // as the system gives it
void SimAnswerTextInput(const std::string& text);
void SimAnswerFontDialog(const FontChoice& chosen);
void SimCancelFontDialog();

struct SimWindow {
    std::string title;
    int x = 0, y = 0, width = 0, height = 0, flags = 0;
    SystemHandle owner = nullptr;
    SystemHandle handle = nullptr;
    bool topmost = false;
};
const SimWindow* SimFindWindow(int number);

struct SimControl {
    std::string kind;  // "Canvas", "Button", ...
    int window = 0;
    int page = 0;
    int x = 0, y = 0, width = 0, height = 0;
    std::string text;
    bool enabled = true;
    std::vector<std::string> rows;
    std::vector<SystemHandle> rowIcons;
    ListDisplayMode listMode = ListDisplayMode::Report;
    int selectedRow = -1;  // a panel: the selected page, from 0
};
const SimControl* SimFindControl(int number);

// Files of the simulated disk. A read-only file cannot be replaced.
void SimWriteFile(const std::string& path, const std::string& bytes, bool readOnly = false);
bool SimFileExists(const std::string& path);
std::string SimFileBytes(const std::string& path);
std::vector<std::string> SimFileNames();

// ReplaceWholeFile goes through a temporary file beside the target:
// create, write, flush, then replace the target in one step. The next
// call fails at the given step; None lets it pass.
enum class SimSaveStep { None, CreateTemporary, Write, Flush, Replace };
void SimFailNextSave(SimSaveStep step);
