// Starting programs, documents and folders.
#include "Win32Internal.h"

bool StartProcess(const char* commandLine) {
    (void)commandLine;
    return false;
}
bool ShellOpen(const char* file, const char* directory) {
    (void)file, (void)directory;
    return false;
}
