// The texts and numbers of the configuration window: row and number
// texts, the parse of the number fields, and the path and style texts.
#pragma once

#include <cstdint>
#include <string>

#include "launcher/LauncherList.h"

// "Trennstrich: " + name for a separator, the name alone otherwise.
std::string RowText(const LauncherItem& item);
// Decimal, a leading "-" when negative, no grouping.
std::string NumberText(int value);

// Blanks and tabs, one sign, then "$" hexadecimal, "%" binary or decimal
// digits up to the first other character; 64-bit, wrapping on overflow.
int64_t ParseNumber(const std::string& text);

// The name after the last "\" or "/", without a leading quote and ending
// before the next quote.
std::string FilePart(const std::string& path);
// Occurrences of part from left to right without overlap; 0 for "".
int CountSubstring(const std::string& text, const std::string& part);
// Field n (from 1) of the text cut at the separator's first character;
// empty when there is no such field.
std::string SplitField(const std::string& text, int n, const std::string& separator);
// "Standard" for 0, else "Fett" and/or "/Kursiv"; other flags add nothing.
std::string FontStyleText(int style);
