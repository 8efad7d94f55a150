#include "AppState.h"

#include "app/Texts.h"
#include "config/ConfigWindow.h"
#include "launcher/Launch.h"
#include "launcher/Popup.h"
#include "settings/Settings.h"

AppState gApp;

namespace {
// While the popup is shown the 2 ms wait drives the hover repaint. While it
// is hidden a time-out changes nothing (the dispatch ignores None and the
// popup's update returns at once), so the loop sleeps until a message or a
// queued event comes.
constexpr int kPopupWaitMs = 2;
#ifdef LUMAREL_ALWAYS_POLL
constexpr int kIdleWaitMs = kPopupWaitMs;  // for measuring what the idle wait saves
#else
constexpr int kIdleWaitMs = kWaitForever;
#endif

void AddOurTrayIcon() {
    AddTrayIcon(TrayIconNumber, AppWindowHandle(MainWindow), gApp.programIcon.icon);
    SetTrayIconToolTip(TrayIconNumber, kProgramName);
}

void OnSysTray(EventType type) {
    LauncherList& list = gApp.list;
    if (type == LeftClick) {
        if (PopupShown(list)) {
            HidePopup(list);
        } else {
            ShowPopup(list, gApp.workArea.right - list.width, gApp.workArea.bottom,
                      AppWindowHandle(MainWindow));
        }
    } else if (type == RightClick) {
        DisplayContextMenu(TrayMenuNumber, AppWindowHandle(MainWindow));
    }
    // double clicks: the first press already toggled the popup
}

// Windows may end the process as soon as WM_ENDSESSION is answered, so
// the list is saved now, as on "Beenden".
void OnSessionEnd() { SaveSettings(gApp.list, gApp.settingsPath); }

void OnMenu(int item) {
    if (item == 0) {
        if (PopupShown(gApp.list)) HidePopup(gApp.list);
        OpenConfigWindow(gApp.list);
    } else if (item == 1) {
        gApp.quitRequested = true;
    }
}
}  // namespace

void DispatchEvent(const AppEvent& event) {
    switch (event.kind) {
    case EventKind::CloseWindow:
        // The main window is the only window numbered 0; closing it means quitting.
        if (event.window == MainWindow) gApp.quitRequested = true;
        else CloseAppWindow(event.window);
        break;
    case EventKind::SysTray: OnSysTray(event.type); break;
    case EventKind::Menu: OnMenu(event.menuItem); break;
    case EventKind::Gadget: HandleConfigEvent(gApp.list, event.gadget, gApp.folderIcon.icon); break;
    case EventKind::None:
    case EventKind::Other: break;
    }
}

void RunLoopIteration() {
    AppEvent event = WaitForEvent(PopupShown(gApp.list) ? kPopupWaitMs : kIdleWaitMs);
    DispatchEvent(event);
    UpdatePopup(gApp.list, event);  // every event, the quitting one included
}

void ReleaseAll() {
    // What follows takes the program apart: no save may run after this.
    SetSessionEndHandler(nullptr);
    // The tray icon goes first: it shows programIcon, which is freed last.
    RemoveAllTrayIcons();
    // A document left open would otherwise never be written.
    CloseOpenSettingsDocument();
    // Windows before fonts: the popup and the controls may still use a font.
    CloseAllAppWindows();
    FreeAllFonts();
    gApp.list.font = nullptr;
    // Images after the windows and the tray, which show them.
    FreeAllImages();
    gApp.programIcon = {};
    gApp.folderIcon = {};
    ReleasePlatform();
}

int RunLauncher() {
    InitPlatform();
    gApp = AppState{};
    ByteView programIco = EmbeddedIcoFile(EmbeddedIco::Program);
    gApp.programIcon = IconFromIcoData(programIco.data, programIco.size);
    ByteView folderIco = EmbeddedIcoFile(EmbeddedIco::Folder);
    gApp.folderIcon = IconFromIcoData(folderIco.data, folderIco.size);
    gApp.workArea = DesktopWorkArea();
    gApp.settingsPath = BuildSettingsPath();
    if (OpenAppWindow(MainWindow, 0, 0, 0, 0, kProgramName, Invisible, nullptr) == 0) {
        ReleaseAll();  // nothing read, nothing written, no tray icon
        return 0;
    }
    // A rebuilt notification area (the shell restarted) has forgotten our
    // icon; without it the program could only be killed, losing every change.
    SetTrayRebuiltHandler(AddOurTrayIcon);
    AddOurTrayIcon();
    ViewSettings view = ReadViewSettings(gApp.settingsPath);
    gApp.list = CreateLauncherList(view.width, view.itemHeight, view.separatorHeight,
                                   view.fontName.c_str(), view.fontSize, view.fontStyle);
    LoadItems(gApp.list, gApp.settingsPath, gApp.folderIcon.icon);
    if (CreateContextMenu(TrayMenuNumber)) {
        AddContextMenuItem(0, kMenuConfiguration);
        AddContextMenuItem(1, kMenuQuit);
    }
    // Only now is there a list to save.
    SetSessionEndHandler(OnSessionEnd);
    while (!gApp.quitRequested) RunLoopIteration();
    SaveSettings(gApp.list, gApp.settingsPath);
    ReleaseAll();
    return 0;
}
