// The popup list: a borderless topmost window with one canvas.
#pragma once

#include <string>

#include "LauncherList.h"

void ShowPopup(LauncherList& list, int left, int bottom, SystemHandle owner);
void HidePopup(LauncherList& list);
void UpdatePopup(LauncherList& list, const AppEvent& event);
bool PopupShown(const LauncherList& list);

// The name shown for an entry: every ".exe" removed, case-sensitive, in one
// left-to-right scan.
std::string DisplayName(const std::string& name);
// The one pressed flag of the program (tests reset it).
bool PopupPressed();
void SetPopupPressed(bool pressed);
