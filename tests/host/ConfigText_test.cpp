// The texts and numbers of the configuration window.
#include <gtest/gtest.h>

#include "config/ConfigText.h"

TEST(ConfigText, ParseNumber) {
    struct Case { const char* text; int64_t want; };
    const Case cases[] = {
        {"30px", 30},
        {"12.7", 12},
        {"$1A", 26},
        {"$1a", 26},
        {"%101", 5},
        {"%102", 2},  // stops at the first non-binary digit
        {"-7", -7},
        {"", 0},
        {"abc", 0},
        {"+5", 5},
        {" \t 42", 42},
        {"  -$10", -16},
        {"+-5", 0},  // one sign only
        {"-", 0},
        {"$", 0},
        {"$G", 0},
        {"7 8", 7},
        {"9223372036854775807", INT64_MAX},
        {"9223372036854775808", INT64_MIN},  // wraps
        {"18446744073709551617", 1},          // 2^64 + 1
        {"$FFFFFFFFFFFFFFFF", -1},
        {"-$8000000000000000", INT64_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseNumber(c.text), c.want) << '"' << c.text << '"';
}

TEST(ConfigText, NumberText) {
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(250), "250");
    EXPECT_EQ(NumberText(-7), "-7");
    EXPECT_EQ(NumberText(INT32_MIN), "-2147483648");
    EXPECT_EQ(NumberText(1000000), "1000000");
}

TEST(ConfigText, RowText) {
    EXPECT_EQ(RowText(LauncherItem{"Spiele", nullptr, "", Separator, 0}), "Trennstrich: Spiele");
    EXPECT_EQ(RowText(LauncherItem{"", nullptr, "", Separator, 0}), "Trennstrich: ");
    EXPECT_EQ(RowText(LauncherItem{"notepad.exe", nullptr, "C:\\n.exe", Entry, 0}), "notepad.exe");
    EXPECT_EQ(RowText(LauncherItem{"X", nullptr, "", 7, 0}), "X");  // unknown kinds show the name
}

TEST(ConfigText, FilePart) {
    struct Case { const char* path; const char* want; };
    const Case cases[] = {
        {"C:\\Programme\\Editor\\notepad.exe", "notepad.exe"},
        {"C:\\x/y\\z.doc", "z.doc"},
        {"a/b/c.tar.gz", "c.tar.gz"},
        {"plain", "plain"},
        {"C:\\dir\\", ""},
        {"", ""},
        {"\"C:\\x y\\a b.exe\"", "a b.exe"},
        {"\"a.exe\" -x", "a.exe"},
        {"C:\\a\"b.exe", "a"},
        {"\\\\server\\share\\f.txt", "f.txt"},
    };
    for (const Case& c : cases) EXPECT_EQ(FilePart(c.path), c.want) << c.path;
}

TEST(ConfigText, CountSubstring) {
    struct Case { const char* text; const char* part; int want; };
    const Case cases[] = {
        {"C:\\Users\\x\\", "\\", 3},
        {"C:\\", "\\", 1},
        {"aaaa", "aa", 2},
        {"aaa", "aa", 1},  // no overlap
        {"abcabc", "abc", 2},
        {"abc", "", 0},
        {"", "a", 0},
        {"abc", "abcd", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(CountSubstring(c.text, c.part), c.want) << c.text << " / " << c.part;
}

TEST(ConfigText, SplitField) {
    struct Case { const char* text; int n; const char* separator; const char* want; };
    const Case cases[] = {
        {"C:\\Users\\x\\", 3, "\\", "x"},
        {"C:\\Users\\x\\", 4, "\\", ""},  // the text ends with the separator
        {"C:\\Users\\x\\", 5, "\\", ""},  // no such field
        {"C:\\", 1, "\\", "C:"},
        {"a,b,c", 1, ",", "a"},
        {"a,b,c", 3, ",", "c"},
        {"a,b,c", 0, ",", ""},
        {"a,b,c", -1, ",", ""},
        {"a,,c", 2, ",", ""},
        {"a;b,c", 2, ",;", "c"},  // only the separator's first character cuts
        {"", 1, ",", ""},
        {"abc", 1, ",", "abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitField(c.text, c.n, c.separator), c.want) << c.text << " #" << c.n;
}

TEST(ConfigText, FontStyleTextForEveryFlagCombination) {
    // Underline, StrikeOut and HighQuality never show; Bold and Italic do.
    struct Case { int style; const char* alone; const char* withOthers; };
    const Case cases[] = {
        {0, "Standard", ""},
        {Bold, "Fett", "Fett"},
        {Italic, "/Kursiv", "/Kursiv"},
        {Bold | Italic, "Fett/Kursiv", "Fett/Kursiv"},
    };
    const int others[] = {Underline, StrikeOut, HighQuality};
    for (const Case& c : cases) {
        EXPECT_EQ(FontStyleText(c.style), c.alone) << c.style;
        for (int mask = 1; mask < 8; ++mask) {
            int style = c.style;
            for (int bit = 0; bit < 3; ++bit)
                if (mask & (1 << bit)) style |= others[bit];
            EXPECT_EQ(FontStyleText(style), c.withOthers) << style;
        }
    }
}
