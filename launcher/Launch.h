// Starting entries and the built-in icon images.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Platform.h"

bool StartItem(const std::string& path);
// The quoted command line, and the folder the shell starts a document in
// (empty: none).
std::string CommandLineFor(const std::string& path);
std::string WorkingDirectoryFor(const std::string& path);
IconImage IconFromIcoData(const uint8_t* bytes, size_t size);
