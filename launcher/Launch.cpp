#include "Launch.h"

std::string CommandLineFor(const std::string& path) {
    if (!path.empty() && path[0] == '"') return path;  // the caller quoted it, arguments and all
    return "\"" + path + "\"";
}

std::string WorkingDirectoryFor(const std::string& path) {
    // Backwards from the last byte; a backslash at the first byte does not count.
    for (size_t i = path.size(); i-- > 1;) {
        if (path[i] == '\\') return path.substr(0, i + 1);
    }
    return {};
}

bool StartItem(const std::string& path) {
    if (StartProcess(CommandLineFor(path).c_str())) return true;
    // A document, a folder or a shortcut: the shell's default action.
    std::string directory = WorkingDirectoryFor(path);
    return ShellOpen(path.c_str(), directory.empty() ? nullptr : directory.c_str());
}

IconImage IconFromIcoData(const uint8_t* bytes, size_t size) {
    (void)bytes, (void)size;  // filled in with the icon images
    return {};
}
