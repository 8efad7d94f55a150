// The four dialogs of the configuration window.
#include "Win32Internal.h"

std::string OpenFileDialog(const char* title) {
    (void)title;
    return {};
}
std::string FolderDialog(const char* instruction) {
    (void)instruction;
    return {};
}
std::string TextInputDialog(const char* title, const char* prompt, const char* defaultText) {
    (void)title, (void)prompt, (void)defaultText;
    return {};
}
bool FontDialog(FontChoice* choice) {
    (void)choice;
    return false;
}
