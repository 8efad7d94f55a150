#include "Settings.h"

#include "app/Texts.h"

std::string BuildSettingsPath() {
    return EnvironmentVariable(kAppDataVariable) + kSettingsFileName;
}

ViewSettings ReadViewSettings(const std::string& settingsPath) {
    (void)settingsPath;  // filled in with the settings file
    return ViewSettings{};
}

void LoadItems(LauncherList& list, const std::string& settingsPath, SystemHandle folderIcon) {
    (void)list, (void)settingsPath, (void)folderIcon;
}

void SaveSettings(const LauncherList& list, const std::string& settingsPath) {
    (void)list, (void)settingsPath;
}

void CloseOpenSettingsDocument() {}
