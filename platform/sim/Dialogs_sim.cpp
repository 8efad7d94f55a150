// Simulated dialogs.
#include "SimState.h"

std::string OpenFileDialog(const char* title) {
    SimRecord("OpenFileDialog(%s)", title ? title : "");
    return {};
}

std::string FolderDialog(const char* instruction) {
    SimRecord("FolderDialog(%s)", instruction ? instruction : "");
    return {};
}

std::string TextInputDialog(const char* title, const char* prompt, const char* defaultText) {
    SimRecord("TextInputDialog(%s,%s,%s)", title ? title : "", prompt ? prompt : "",
              defaultText ? defaultText : "");
    return {};
}

bool FontDialog(FontChoice* choice) {
    SimRecord("FontDialog(%s)", choice ? choice->name.c_str() : "");
    return false;
}
