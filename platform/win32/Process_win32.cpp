// Starting programs, documents and folders.
#include "Win32Internal.h"

#ifndef _WIN64
static_assert(sizeof(STARTUPINFOA) == 68, "STARTUPINFOA as the system expects it");
static_assert(sizeof(SHELLEXECUTEINFOA) == 60, "SHELLEXECUTEINFOA as the shell expects it");
#endif

bool StartProcess(const char* commandLine) {
    if (!commandLine) return false;
    std::string line = commandLine;  // CreateProcessA may write into it
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started = {};
    // No current directory: the program inherits ours.
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                        nullptr, &startup, &started))
        return false;
    // Nothing is waited for; the program runs on by itself.
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

bool ShellOpen(const char* file, const char* directory) {
    if (!file) return false;
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = "";  // the default action of the file's type
    info.lpFile = file;
    info.lpParameters = "";
    info.lpDirectory = directory;
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&info)) return false;
    // Not every start gives a process (a document in a running program).
    if (info.hProcess) CloseHandle(info.hProcess);
    return true;
}
