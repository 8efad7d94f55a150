// A list with the view values the settings gave and no font, as the
// start-up makes it but without a font to create: for the settings tests,
// the fuzz target and the benchmark.
#pragma once

#include "launcher/LauncherList.h"
#include "settings/Settings.h"

inline LauncherList ListFromView(const ViewSettings& view) {
    LauncherList list;
    list.width = view.width;
    list.itemHeight = view.itemHeight;
    list.separatorHeight = view.separatorHeight;
    list.fontName = view.fontName;
    list.fontSize = view.fontSize;
    list.fontStyle = view.fontStyle;
    return list;
}
