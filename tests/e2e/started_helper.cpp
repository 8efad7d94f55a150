// A program for the end-to-end tests to start from the popup: it appends
// one line to "<its own path>.started" and ends.
#include <windows.h>

#include <cstdio>

int main() {
    char path[MAX_PATH + 16] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    lstrcatA(path, ".started");
    FILE* file = std::fopen(path, "ab");
    if (!file) return 1;
    std::fputs("started\r\n", file);
    std::fclose(file);
    return 0;
}
