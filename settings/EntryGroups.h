// Where each entry of the list goes in the settings file. A name that a
// group header carries unchanged, and that no earlier entry or the
// settings group takes, stays its group's name, so such files keep their
// bytes. Any other name gets a made-up group name that is unique in the
// file and travels, escaped, under an extra key.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "launcher/LauncherList.h"

struct EntryGroup {
    std::string groupName;
    bool nameInGroup = true;  // false: the name goes under its own key
};

std::vector<EntryGroup> ChooseEntryGroups(const std::vector<LauncherItem>& items);

// Whether a value line gives back the text as it is: no line break inside,
// no blank or tab at either end (reads trim them).
bool SurvivesAsValue(std::string_view text);

// Escapes "%", the bytes below 20 and a blank at either end as %XX, so that
// any text survives as a value. UnescapeText undoes it; a "%" without two
// hex digits after it stands for itself.
std::string EscapeText(std::string_view text);
std::string UnescapeText(std::string_view text);
