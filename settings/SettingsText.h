// The byte rules of the settings file that do not depend on a document:
// name matching, numbers, trimming and the UTF-8 conversions.
#pragma once

#include <string>
#include <string_view>

bool IsBlankOrTab(char c);
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);

// Names match byte for byte except that A-Z also match a-z; every other
// byte, the German letters included, must be equal.
bool NamesMatch(std::string_view a, std::string_view b);
// The form under which equal names meet in an index: A-Z lowered.
std::string FoldAsciiCase(std::string_view name);

// The decimal rules of atoi: white space, one sign, digits up to the
// first other byte; no digits give 0. Out of range clamps to the limits.
int ParseDecimal(std::string_view text);
// As "%d" prints it.
std::string FormatDecimal(int value);

// Each byte 80-FF becomes the UTF-8 form of that character (ISO 8859-1).
std::string Latin1ToUtf8(std::string_view text);
// U+0000-U+00FF become their byte, other characters and overlong forms
// "?"; a lead byte with
// malformed continuation gives "?" and conversion resumes at the first
// byte that is no continuation; a cut-off sequence and a byte that can
// begin none are dropped.
std::string Utf8ToLatin1(std::string_view text);
