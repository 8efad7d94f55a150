// The simulated system's state, shared by the sim backend's files.
#pragma once

#include <cstdarg>
#include <deque>
#include <optional>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "SimPlatform.h"

// One step of the script: what happens inside that wait, then its event.

struct SimFile {
    std::string bytes;
    bool readOnly = false;
};

struct SimScriptStep {
    AppEvent event;
    std::function<void()> action;  // set: run it instead of returning the event
};

struct SimState {
    bool initialised = false;
    std::vector<std::string> calls;
    std::vector<SimScriptStep> script;
    size_t scriptPos = 0;
    bool overrun = false;

    std::map<int, SimWindow> windows;
    std::map<int, SimControl> controls;
    std::map<int, SimTrayIcon> trayIcons;
    std::map<int, std::vector<std::string>> menus;
    int currentMenu = -1;
    bool trayAvailable = true;
    bool menusFail = false;
    std::string embeddedIco[2];
    int container = 0;  // window or page that takes new controls
    int containerPage = 0;
    std::set<int> failingWindows;
    std::set<SystemHandle> fonts;
    std::set<SystemHandle> images;
    std::set<SystemHandle> shellIcons;  // made by ShellIconFor, not yet freed
    uintptr_t nextHandle = 0x1000;

    int dpi = 96;
    Rect workArea{0, 0, 1024, 748};
    std::map<std::string, std::string> environment;
    int pointerRow = -1;
    bool canvasFails = false;
    Colour hotLight = 0xCC6600;
    Colour buttonShadow = 0xA0A0A0;
    bool processStarts = true;
    bool shellStarts = true;
    std::map<std::string, SimFile> files;
    SimSaveStep failingSaveStep = SimSaveStep::None;

    std::deque<std::optional<std::string>> fileAnswers, folderAnswers, textAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;

    void (*sessionEndHandler)() = nullptr;
    void (*trayRebuiltHandler)() = nullptr;
};

SimState& Sim();
void SimRecord(const char* format, ...) __attribute__((format(printf, 1, 2)));
SystemHandle SimNewHandle();
// Creates a control in the current container; returns its number or 0.
int SimNewControl(int number, const char* kind, int x, int y, int width, int height,
                  const char* text);
