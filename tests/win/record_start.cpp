// A helper for the Windows tests: a program that writes its own command
// line and current directory, one a line, to the file named by the
// environment variable LUMAREL_RECORD, and ends.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    char target[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("LUMAREL_RECORD", target, sizeof target)) return 1;
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof directory, directory);
    std::string partial = std::string(target) + ".part";
    FILE* out = std::fopen(partial.c_str(), "wb");
    if (!out) return 1;
    std::fprintf(out, "%s\n%s\n", GetCommandLineA(), directory);
    std::fclose(out);
    // whole or not at all: the test waits for the file to appear
    return MoveFileExA(partial.c_str(), target, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
