// The one seam between the portable core and the system. Two backends
// implement it: platform/win32 (the program) and platform/sim (host tests).
// Numbered objects are plain ints; system handles are opaque.
// Failures return 0, false, none or an empty text; nothing throws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

using SystemHandle = void*;
using Colour = uint32_t;  // 0x00BBGGRR

constexpr int AutoNumber = -1;
constexpr int MainWindow = 0;
constexpr int ConfigWindow = 1;
constexpr int TrayIconNumber = 0;
constexpr int TrayMenuNumber = 0;

// ---- Events -------------------------------------------------------------

enum class EventKind { None, Other, CloseWindow, SysTray, Menu, Gadget };

// Our own sub-types sit above 0xFFFF so that they never meet the 16-bit
// notification codes of controls, which are passed on as they come.
enum EventType : int {
    NoEventType = 0,
    LeftClick = 0x10001,
    RightClick,
    LeftDoubleClick,
    RightDoubleClick,
    LeftButtonDown,
    LeftButtonUp,
    CanvasOther,  // pointer moves, wheel, other buttons, keys, focus
};

struct AppEvent {
    EventKind kind = EventKind::None;
    int window = 0;
    int gadget = 0;
    int menuItem = 0;
    EventType type = NoEventType;
};

bool operator==(const AppEvent& a, const AppEvent& b);

// ---- Windows ------------------------------------------------------------

enum WindowFlag : int {
    Invisible = 1,
    Borderless = 2,
    SystemMenu = 4,
    ScreenCentered = 8,
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Sets up registries, the event queue, COM and the common controls.
void InitPlatform();
// Frees what the layer itself still holds; the last step of the shut-down.
void ReleasePlatform();

int OpenAppWindow(int number, int x, int y, int width, int height,
                  const char* title, int flags, SystemHandle owner);
void CloseAppWindow(int number);
void CloseAllAppWindows();
bool AppWindowExists(int number);
SystemHandle AppWindowHandle(int number);
int AppWindowClientWidth(int number);
int AppWindowClientHeight(int number);
constexpr int kWaitForever = -1;
// The queued event first; else at most one message, waiting up to
// timeoutMs (kWaitForever: until a message comes).
AppEvent WaitForEvent(int timeoutMs);

Rect DesktopWorkArea();  // all zero when the query fails
std::string EnvironmentVariable(const char* name);  // empty when unset

// Called synchronously when the session ends (WM_ENDSESSION with TRUE),
// before the system may end the process.
void SetSessionEndHandler(void (*handler)());

// ---- Tray icon and pop-up menu -------------------------------------------

void AddTrayIcon(int number, SystemHandle owner, SystemHandle icon);
int SetTrayIconToolTip(int number, const char* text);
int RemoveTrayIcon(int number);
void RemoveAllTrayIcons();
// Called when the notification area was rebuilt and our icon is gone.
void SetTrayRebuiltHandler(void (*handler)());

SystemHandle CreateContextMenu(int number);
void AddContextMenuItem(int identifier, const char* text);
void DisplayContextMenu(int number, SystemHandle owner);

// ---- Controls -------------------------------------------------------------

bool ControlExists(int number);
void DestroyControl(int number);
void DisableControl(int number);

// Canvas: a child control with an off-screen picture, painted in passes.
int CreateCanvas(int number, int x, int y, int width, int height);
void SetWindowTopmost(int window);
void ActivateAppWindow(int window);
// The pointer's row in the window's client area; -1 outside it.
int PointerRowInWindow(int window);

enum class SystemColour { HotLight, ButtonShadow };
Colour GetSystemColour(SystemColour which);

bool BeginCanvasPass(int canvas);  // false: the pass draws nothing
void EndCanvasPass();              // copies the picture to the screen
void FillCanvasBox(int x, int y, int width, int height, Colour colour);
void SelectCanvasFont(SystemHandle font);  // none keeps the system font
void SetCanvasTransparentText();
void DrawCanvasText(int x, int y, const char* text, Colour colour);
int CanvasTextWidth(const char* text);
int CanvasTextHeight(const char* text);
void DrawCanvasIcon(SystemHandle icon, int x, int y, int width, int height);

// Configuration window controls.
int CreatePanel(int number, int x, int y, int width, int height);
int AddPanelPage(int panel, const char* title);
void EndPanelPages();
enum ListOption : int { SingleSelection = 1, AlwaysShowSelection = 2, FullRowSelection = 4 };
int CreateListControl(int number, int x, int y, int width, int height,
                      const char* columnTitle, int columnWidth, int options);
enum class ListDisplayMode { Report, List };
void SetListDisplayMode(int list, ListDisplayMode mode);
int CreateButton(int number, int x, int y, int width, int height, const char* text);
int CreateLabel(int number, int x, int y, int width, int height, const char* text);
int CreateTextField(int number, int x, int y, int width, int height, const char* text);

void AddListRow(int list, const char* text, SystemHandle icon);
void RemoveListRow(int list, int index);
void ClearListRows(int list);
int SelectedListRow(int list);  // -1 when none
void SelectListRow(int list, int index);
int ListRowCount(int list);

std::string ControlText(int number);
void SetControlText(int number, const char* text);

// ---- Dialogs (each returns when it is closed) -----------------------------

std::string OpenFileDialog(const char* title);      // empty on cancel
std::string FolderDialog(const char* instruction);  // ends in '\'; empty on cancel
std::string TextInputDialog(const char* title, const char* prompt, const char* defaultText);

struct FontChoice {
    std::string name;     // in: current face; out: chosen face
    int size = 0;         // in: points
    int style = 0;        // in: FontStyle word
    int weight = 0;       // out
    bool italic = false;  // out
    bool underline = false;
    bool strikeOut = false;
    int pointSizeTenths = 0;  // out
};
bool FontDialog(FontChoice* choice);  // true on OK

// ---- Fonts and images -----------------------------------------------------

struct FontRequest {
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool proofQuality = false;
    std::string face;
};
int DisplayDpiY();  // 0 when no display context can be had
SystemHandle CreateFontFrom(const FontRequest& request);
void FreeFont(SystemHandle font);
void FreeAllFonts();

struct IconImage {
    SystemHandle icon = nullptr;
    int width = 0, height = 0, depth = 0;
};
// Makes an icon from one image of an ICO file (the bytes its directory
// entry names). The layer owns it until FreeAllImages.
IconImage IconFromImageBits(const uint8_t* bits, size_t size, int width, int height, int bitCount);
void FreeAllImages();
SystemHandle ShellIconFor(const char* path);  // held until FreeShellIcon
// Frees an icon ShellIconFor gave; any other handle, none included, stays.
void FreeShellIcon(SystemHandle icon);

// The ICO files the program carries: 0 the program icon, 1 the folder icon.
struct ByteView {
    const uint8_t* data = nullptr;
    size_t size = 0;
};
enum class EmbeddedIco { Program = 0, Folder = 1 };
ByteView EmbeddedIcoFile(EmbeddedIco which);

// ---- Processes --------------------------------------------------------------

bool StartProcess(const char* commandLine);
bool ShellOpen(const char* file, const char* directory);  // directory may be null

// ---- Files ------------------------------------------------------------------

struct FileData {
    bool opened = false;
    bool readOnly = false;  // we could open it for reading only
    std::string bytes;
};
// Reads an existing file whole; opened is false when it cannot be opened.
FileData ReadWholeFile(const char* path);
// Puts the bytes in place of the file in one step; the old file survives
// every failure.
bool ReplaceWholeFile(const char* path, const std::string& bytes);
