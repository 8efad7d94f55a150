// The launcher's one list: view values, font, entries and the numbers of
// the popup while it is shown.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

enum ItemKind : int { Entry = 0, Separator = 1 };

enum FontStyle : int {
    Underline = 4,
    StrikeOut = 8,
    HighQuality = 16,
    Bold = 256,
    Italic = 512,
};

struct LauncherItem {
    std::string name;
    SystemHandle icon = nullptr;  // not owned
    std::string path;
    int kind = Entry;
    int top = 0;
};

struct LauncherList {
    SystemHandle font = nullptr;
    std::string fontName;
    int fontStyle = 0;
    int fontSize = 0;
    int popupWindow = 0;
    int canvas = 0;
    int width = 0;
    int popupHeight = 0;
    int itemHeight = 0;
    int separatorHeight = 0;
    std::vector<LauncherItem> items;
};

LauncherList CreateLauncherList(int width, int itemHeight, int separatorHeight,
                                const char* fontName, int fontSize, int fontStyle);
void AddItem(LauncherList& list, const std::string& name, SystemHandle icon,
             const std::string& path, int kind);
void DeleteItem(LauncherList& list, int index);
void SwapItems(LauncherList& list, int i, int j);
int LayoutItems(LauncherList& list);

// The request for the list's font at a display resolution.
FontRequest ListFontRequest(const std::string& name, int size, int style, int dpiY);
// Replaces the list's font by one made from its font fields.
void RemakeListFont(LauncherList& list);
