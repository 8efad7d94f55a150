#include <gtest/gtest.h>

#include "app/Texts.h"
#include "platform/sim/SimPlatform.h"
#include "settings/SettingsFile.h"

namespace {
const char kPath[] = "C:\\Daten\\test.ini";
const char kDefault[] = "<default>";

// A document opened from a simulated file holding the text.
SettingsFile OpenText(const std::string& text) {
    SimReset();
    SimWriteFile(kPath, text);
    SettingsFile file;
    EXPECT_TRUE(Open(file, kPath));
    return file;
}

std::string Read(SettingsFile& file, const char* group, const char* key) {
    SelectGroup(file, group);
    return ReadString(file, key, kDefault);
}
}  // namespace

struct ReadCase {
    const char* what;
    std::string text;
    const char* group;
    const char* key;
    const char* want;
};

TEST(SettingsFile, ParsingAndReading) {
    const ReadCase cases[] = {
        {"blanks around = and at the end", "[A]\r\nPfad = C:\\x \t\r\n", "A", "Pfad", "C:\\x"},
        {"LF, CR and CR LF all end lines", "[A]\nPfad=1\r[B]\r\nPfad=2", "a", "PFAD", "1"},
        {"CR line ends", "[A]\rk=v\rj=w", "A", "j", "w"},
        {"blank lines vanish", "\r\n\r\n[A]\r\r\n\n\r\n\r\nk=v\n\n\n", "A", "k", "v"},
        {"a last line without line end", "[A]\r\nk=v", "A", "k", "v"},
        {"the key belongs to B only", "[A]\r\n[B]\r\nPfad=1\r\n", "A", "Pfad", kDefault},
        {"German letters do not fold", "[A]\r\nITEMH\xD6HE=5\r\n", "A", "ItemH\xF6he", kDefault},
        {"lower case key found", "[A]\r\nbreite = 7\r\n", "A", "Breite", "7"},
        {"blanks inside the brackets belong to the name", "[ A ]\r\nk=v", " A ", "k", "v"},
        {"... so the bare name is another group", "[ A ]\r\nk=v", "A", "k", kDefault},
        {"text after ] is ignored", "[A] trailing text]\r\nk=v", "A", "k", "v"},
        {"the name ends at the first ]", "[A]x]\r\nk=v", "A", "k", "v"},
        {"a header without ] runs to the line end", "[A\r\nk=v", "A", "k", "v"},
        {"a header may be indented", " \t[A]\r\nk=v", "A", "k", "v"},
        {"a comment is passed over", "[A]\r\n; k=1\r\n  ;k=2\r\nk=3", "A", "k", "3"},
        {"a line without = is a key with an empty value", "[A]\r\nk\r\nj=1", "A", "k", ""},
        {"... and leaves the next line untouched", "[A]\nk\rj=1", "A", "j", "1"},
        {"a line starting with = has the empty key", "[A]\r\n=v\r\n", "A", "", "v"},
        {"blanks and tabs around key and value", "[A]\r\n \t k \t=\t v  \r\n", "A", "k", "v"},
        {"only the first = splits", "[A]\r\nk = a = b\r\n", "A", "k", "a = b"},
        {"no comment after a value", "[A]\r\nk = x ; y # z [w]\r\n", "A", "k", "x ; y # z [w]"},
        {"the first of two keys", "[A]\r\nPfad=1\r\nPfad=2\r\n", "A", "Pfad", "1"},
        {"the first of two groups", "[A]\r\nk=1\r\n[a]\r\nk=2\r\n", "a", "k", "1"},
        {"keys above the first group: the top", "k=top\r\n[A]\r\nk=a\r\n", "", "k", "top"},
        {"... not in a group", "k=top\r\n[A]\r\nj=a\r\n", "A", "k", kDefault},
        {"a key in a comment's place", "[A]\r\n;\r\nk=v", "A", "k", "v"},
        {"a missing group gives defaults", "k=top\r\n", "X", "k", kDefault},
        {"an empty file", "", "", "k", kDefault},
    };
    for (const ReadCase& c : cases) {
        SettingsFile file = OpenText(c.text);
        EXPECT_EQ(Read(file, c.group, c.key), c.want) << c.what;
        Close(file);
    }
}

TEST(SettingsFile, ParsedLinesAsWrittenBack) {
    struct Case { std::string text; std::string want; };
    const Case cases[] = {
        {"[A]\nk=v\n", "[A]\r\nk = v\r\n"},
        {"k\r\n", "k = \r\n"},
        {"=v", " = v\r\n"},
        {";c", "; c\r\n"},
        {"; c", "; c\r\n"},   // one blank after ";" is part of the mark
        {";  c", ";  c\r\n"},  // a second one is text
        {";", "; \r\n"},
        {"[ A ] junk", "[ A ]\r\n"},
        {"[A", "[A]\r\n"},
        {"[]", "[]\r\n"},
        {"\r\n \t \r\n\n", ""},
        {"k = v \t", "k = v \t\r\n"},  // trailing blanks stay in the stored value
        {"\t k\t = v", "k = v\r\n"},
        {"a\r\n[G]\rb\n\n[G]\nc", "a = \r\n[G]\r\nb = \r\n[G]\r\nc = \r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(WrittenForm(OpenText(c.text)), c.want) << c.text;
}

TEST(SettingsFile, ReadNumberOfBreite) {
    struct Case { const char* line; int want; };
    const Case cases[] = {
        {"Breite = 25", 25}, {"Breite = 25px", 25}, {"Breite =", 0},  {"Breite", 0},
        {"Breite = -7", -7}, {"Breite = 0x20", 0},  {"Breite=25", 25}, {"Breite = 25 ", 25},
        {"Hoehe = 5", 200},  // no such line: the default
    };
    for (const Case& c : cases) {
        SettingsFile file = OpenText(std::string("[Lumarel-Einstellungen]\r\n") + c.line + "\r\n");
        SelectGroup(file, kSettingsGroup);
        EXPECT_EQ(ReadNumber(file, kKeyWidth, 200), c.want) << c.line;
    }
}

TEST(SettingsFile, GroupsInTurnEachWithItsOwnKeys) {
    SettingsFile file = OpenText("top=0\r\n[A]\r\nk=1\r\n[b]\r\nk=2\r\n[a]\r\nk=3\r\n");
    std::vector<std::string> seen;
    ASSERT_TRUE(RewindGroups(file));
    seen.push_back(GroupName(file) + ":" + ReadString(file, "top", "-") + ReadString(file, "k", "-"));
    while (NextGroup(file)) seen.push_back(GroupName(file) + ":" + ReadString(file, "k", "-"));
    EXPECT_EQ(seen, (std::vector<std::string>{":0-", "A:1", "b:2", "a:3"}));
    // At the end NextGroup leaves the last group addressed.
    EXPECT_FALSE(NextGroup(file));
    EXPECT_EQ(GroupName(file), "a");
    EXPECT_EQ(ReadString(file, "k", "-"), "3");
    // SelectGroup always finds the first of equal names.
    EXPECT_TRUE(SelectGroup(file, "a"));
    EXPECT_EQ(ReadString(file, "k", "-"), "1");
}

TEST(SettingsFile, MissingFileAndClosedDocument) {
    SimReset();
    SettingsFile file;
    // Closed: nothing answers.
    EXPECT_FALSE(SelectGroup(file, ""));
    EXPECT_FALSE(RewindGroups(file));
    EXPECT_FALSE(NextGroup(file));
    EXPECT_EQ(ReadNumber(file, "k", 4), 4);
    WriteString(file, "k", "v");
    Close(file);
    EXPECT_TRUE(SimFileNames().empty());

    // A file that is not there: open and empty.
    EXPECT_FALSE(Open(file, kPath));
    EXPECT_FALSE(SelectGroup(file, kSettingsGroup));
    EXPECT_EQ(ReadString(file, kKeyFont, "Tahoma"), "Tahoma");
    EXPECT_TRUE(RewindGroups(file));
    EXPECT_FALSE(NextGroup(file));
    EXPECT_EQ(GroupName(file), "");
    Close(file);
    EXPECT_TRUE(SimFileNames().empty());
}

TEST(SettingsFile, ReadOnlyFileStillReads) {
    SimReset();
    SimWriteFile(kPath, "[A]\r\nk=v\r\n", true);
    SettingsFile file;
    ASSERT_TRUE(Open(file, kPath));
    EXPECT_TRUE(file.readOnly);
    EXPECT_EQ(Read(file, "A", "k"), "v");
}

// ---- writing ----------------------------------------------------------------

namespace {
// Runs the writes on a created document and returns the file's bytes.
template <typename Writes>
std::string Written(Writes writes) {
    SimReset();
    SettingsFile file;
    EXPECT_TRUE(Create(file, kPath));
    writes(file);
    Close(file);
    return SimFileBytes(kPath);
}
}  // namespace

TEST(SettingsFile, TheTwentyByteExample) {
    std::string bytes = Written([](SettingsFile& f) {
        EXPECT_FALSE(SelectGroup(f, "A"));  // pending
        WriteString(f, "k", "v");
        WriteNumber(f, "n", -5);
    });
    const unsigned char want[] = {0x5B, 0x41, 0x5D, 0x0D, 0x0A, 0x6B, 0x20, 0x3D, 0x20, 0x76,
                                  0x0D, 0x0A, 0x6E, 0x20, 0x3D, 0x20, 0x2D, 0x35, 0x0D, 0x0A};
    EXPECT_EQ(bytes, std::string(reinterpret_cast<const char*>(want), sizeof want));
}

TEST(SettingsFile, WhereWritesGo) {
    struct Case { const char* what; std::string (*run)(); std::string want; };
    const Case cases[] = {
        {"a new key goes after the group's last line, before the next header",
         [] { return Written([](SettingsFile& f) {
                  SelectGroup(f, "A"); WriteString(f, "k", "1");
                  SelectGroup(f, "B"); WriteString(f, "k", "2");
                  EXPECT_TRUE(SelectGroup(f, "a")); WriteString(f, "j", "3");
              }); },
         "[A]\r\nk = 1\r\nj = 3\r\n[B]\r\nk = 2\r\n"},
        {"a found key is replaced in place and takes the new spelling",
         [] { return Written([](SettingsFile& f) {
                  SelectGroup(f, "A"); WriteString(f, "k", "1"); WriteString(f, "j", "2");
                  WriteNumber(f, "K", 9);
              }); },
         "[A]\r\nK = 9\r\nj = 2\r\n"},
        {"the top: first in an empty document, then after its last line",
         [] { return Written([](SettingsFile& f) {
                  EXPECT_TRUE(SelectGroup(f, "")); WriteString(f, "t", "1");
                  SelectGroup(f, "A"); WriteString(f, "k", "2");
                  SelectGroup(f, ""); WriteString(f, "u", "3");
              }); },
         "t = 1\r\nu = 3\r\n[A]\r\nk = 2\r\n"},
        {"a pending group hides the top's keys and is made by the write",
         [] { return Written([](SettingsFile& f) {
                  SelectGroup(f, ""); WriteString(f, "k", "top");
                  SelectGroup(f, "X");
                  EXPECT_EQ(ReadString(f, "k", "-"), "-");
                  WriteString(f, "k", "x");
              }); },
         "k = top\r\n[X]\r\nk = x\r\n"},
        {"values unchanged, the empty one keeps its blank",
         [] { return Written([](SettingsFile& f) {
                  SelectGroup(f, "Werkzeuge"); WriteString(f, "Pfad", "");
                  WriteString(f, "v", " a = b ; c ");
              }); },
         "[Werkzeuge]\r\nPfad = \r\nv =  a = b ; c \r\n"},
        {"numbers as %d prints them",
         [] { return Written([](SettingsFile& f) {
                  SelectGroup(f, "N"); WriteNumber(f, "a", 0); WriteNumber(f, "b", -2147483647 - 1);
                  WriteNumber(f, "c", 2147483647);
              }); },
         "[N]\r\na = 0\r\nb = -2147483648\r\nc = 2147483647\r\n"},
        {"a line break in a text cannot make lines of its own",
         [] { return Written([](SettingsFile& f) {
                  SelectGroup(f, "A\r\n[B"); WriteString(f, "k", "1\r\n[C]");
              }); },
         "[A  [B]\r\nk = 1  [C]\r\n"},
        {"no write, no file", [] { return Written([](SettingsFile&) {}); }, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.run(), c.want) << c.what;
}

TEST(SettingsFile, ValuesWrittenWithBlanksReadBackWithout) {
    std::string bytes = Written([](SettingsFile& f) {
        SelectGroup(f, "A");
        WriteString(f, "k", " \t v w \t ");
    });
    SettingsFile file = OpenText(bytes);
    EXPECT_EQ(Read(file, "A", "k"), "v w");
}

// ---- files with a UTF-8 byte-order mark ------------------------------------------

TEST(SettingsFile, ByteOrderMarkFile) {
    // ö is C3 B6 in the file and found under the 8-bit spelling F6.
    SettingsFile file = OpenText("\xEF\xBB\xBF[Gr\xC3\xB6\xC3\x9F" "e]\r\n"
                                 "Pfad = \xC3\xA4 \xE2\x82\xAC\r\n"
                                 "ItemH\xC3\xB6he = 31\r\n"
                                 "Font = \xFF Arial \xE2\x82\r\n");
    EXPECT_TRUE(file.utf8);
    EXPECT_TRUE(SelectGroup(file, "Gr\xF6\xDF" "e"));
    EXPECT_EQ(ReadString(file, kKeyPath, "-"), "\xE4 ?");
    EXPECT_EQ(ReadNumber(file, kKeyItemHeight, 0), 31);
    EXPECT_EQ(ReadString(file, kKeyFont, "-"), "Arial");  // the dropped bytes leave no blank behind
    EXPECT_FALSE(SelectGroup(file, "Gr\xC3\xB6\xC3\x9F" "e"));  // the UTF-8 spelling is no 8-bit name
    RewindGroups(file);
    ASSERT_TRUE(NextGroup(file));
    EXPECT_EQ(GroupName(file), "Gr\xF6\xDF" "e");
}

TEST(SettingsFile, TheMarkDoesNotBelongToTheFirstLine) {
    struct Case { std::string text; const char* group; const char* key; const char* want; bool utf8; };
    const Case cases[] = {
        {"\xEF\xBB\xBF[A]\r\nk=v", "A", "k", "v", true},
        {"\xEF\xBB\xBFk=v", "", "k", "v", true},
        {"\xEF\xBB\xBF", "", "k", kDefault, true},
        {"\xEF\xBB[A]\r\nk=v", "A", "k", kDefault, false},  // no whole mark: a key line
        {"\xEF\xBB", "", "\xEF\xBB", "", false},
        {" \xEF\xBB\xBF[A]\r\nk=v", "A", "k", kDefault, false},  // the mark only counts first
    };
    for (const Case& c : cases) {
        SettingsFile file = OpenText(c.text);
        EXPECT_EQ(file.utf8, c.utf8) << c.text;
        EXPECT_EQ(Read(file, c.group, c.key), c.want) << c.text;
    }
}
