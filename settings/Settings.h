// Loading and saving the view settings and entries.
#pragma once

#include <string>

#include "launcher/LauncherList.h"

struct ViewSettings {
    std::string fontName = "Tahoma";
    int fontSize = 10;
    int fontStyle = 0;
    int width = 200;
    int itemHeight = 25;
    int separatorHeight = 20;
};

std::string BuildSettingsPath();
ViewSettings ReadViewSettings(const std::string& settingsPath);
void LoadItems(LauncherList& list, const std::string& settingsPath, SystemHandle folderIcon);
void SaveSettings(const LauncherList& list, const std::string& settingsPath);
// Closes a settings document that is still open (shut-down).
void CloseOpenSettingsDocument();
