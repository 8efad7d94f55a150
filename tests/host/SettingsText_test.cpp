#include <gtest/gtest.h>

#include <climits>

#include "settings/SettingsText.h"

TEST(SettingsText, NamesMatchFoldsOnlyAsciiLetters) {
    struct Case { const char* a; const char* b; bool match; };
    const Case cases[] = {
        {"breite", "Breite", true},
        {"ITEMH\xD6HE", "ItemH\xF6he", false},  // \xD6 and \xF6 do not fold
        {"itemh\xF6he", "ItemH\xF6he", true},
        {"[", "{", false},  // 5B and 7B differ by the case bit but are no letters
        {"@", "`", false},
        {"Z", "z", true},
        {"Pfad", "Pfad ", false},
        {"", "", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NamesMatch(c.a, c.b), c.match) << c.a << " / " << c.b;
        EXPECT_EQ(FoldAsciiCase(c.a) == FoldAsciiCase(c.b), c.match) << c.a << " / " << c.b;
    }
}

TEST(SettingsText, ParseDecimalFollowsAtoi) {
    struct Case { const char* text; int want; };
    const Case cases[] = {
        {"25", 25},
        {"25px", 25},
        {"", 0},
        {"-7", -7},
        {"0x20", 0},
        {"+12", 12},
        {" \t\v\f12", 12},
        {"$10", 0},
        {"%5", 0},
        {"- 5", 0},
        {"12 34", 12},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", INT_MAX},  // beyond the range: clamped
        {"-99999999999999999999999", INT_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseDecimal(c.text), c.want) << "'" << c.text << "'";
}

TEST(SettingsText, FormatDecimalPrintsLikePercentD) {
    struct Case { int value; const char* want; };
    const Case cases[] = {{0, "0"}, {-5, "-5"}, {256, "256"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}};
    for (const Case& c : cases) EXPECT_EQ(FormatDecimal(c.value), c.want);
}

TEST(SettingsText, Utf8ToLatin1) {
    struct Case { std::string text; std::string want; };
    const Case cases[] = {
        {"a\xC3\xB6", "a\xF6"},
        {"\xC3\xBF\xC2\x80", "\xFF\x80"},
        {"\xE2\x82\xAC", "?"},           // the euro sign is no Latin-1 character
        {"\xF0\x9F\x98\x80!", "?!"},
        {"\xC3", ""},                     // cut off by the end: dropped
        {"x\xE2\x82", "x"},
        {"\xC3" "a", "?a"},              // malformed: "?", then on at the "a"
        {"\xE2\x82" "ab", "?ab"},
        {"\xE2\xC3\xB6", "?\xF6"},       // resumes at the next lead byte
        {"\x80x\xBF\xF8\xFFy", "xy"},    // bytes that begin no sequence
        {"\xC3\xB6\xB6", "\xF6"},        // a stray continuation byte
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        {"a\xC0\x8D" "b\xE0\x80\x8A" "c\xC1\xBF", "a?b?c?"},  // overlong CR, LF and 7F
        {"\xF0\x80\x81\xB6", "?"},                                 // overlong \xF6
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8ToLatin1(c.text), c.want) << c.text;
}

TEST(SettingsText, Latin1ToUtf8AndBack) {
    EXPECT_EQ(Latin1ToUtf8("ItemH\xF6he"), "ItemH\xC3\xB6he");
    EXPECT_EQ(Latin1ToUtf8("\x80\xFF"), "\xC2\x80\xC3\xBF");
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
}

TEST(SettingsText, TrimRemovesBlanksAndTabsOnly) {
    EXPECT_EQ(Trim(" \t a b \t "), "a b");
    EXPECT_EQ(TrimLeft(" \ta "), "a ");
    EXPECT_EQ(TrimRight(" a\t "), " a");
    EXPECT_EQ(Trim("\va\v"), "\va\v");
}
