#include <gtest/gtest.h>

#include "app/Texts.h"
#include "platform/sim/SimPlatform.h"
#include "settings/Settings.h"
#include "tests/host/ListFromView.h"

namespace {
const char kPath[] = "C:\\Users\\u\\AppData\\Roaming\\Lumarel.ini";
SystemHandle const kFolderIcon = reinterpret_cast<SystemHandle>(0xF0);

// The worked example: a program, a separator captioned Werkzeuge and a
// folder, bold Tahoma 10, the rest at the defaults.
const char kWorkedExample[] =
    "[notepad.exe]\r\n"
    "Pfad = C:\\Windows\\notepad.exe\r\n"
    "ItemArt = 0\r\n"
    "[Werkzeuge]\r\n"
    "Pfad = \r\n"
    "ItemArt = 1\r\n"
    "[Documents]\r\n"
    "Pfad = C:\\Users\\Public\\Documents\\\r\n"
    "ItemArt = 0\r\n"
    "[Lumarel-Einstellungen]\r\n"
    "Font = Tahoma\r\n"
    "FontStyle = 256\r\n"
    "Fontgr\xF6sse = 10\r\n"
    "Breite = 200\r\n"
    "ItemH\xF6he = 25\r\n"
    "TrennstrichH\xF6he = 20\r\n";

const char kOnlySettingsGroup[] =
    "[Lumarel-Einstellungen]\r\n"
    "Font = Tahoma\r\n"
    "FontStyle = 0\r\n"
    "Fontgr\xF6sse = 10\r\n"
    "Breite = 200\r\n"
    "ItemH\xF6he = 25\r\n"
    "TrennstrichH\xF6he = 20\r\n";

// What the start-up does: the view settings, a list made from them, the entries.
LauncherList LoadList() {
    ViewSettings view = ReadViewSettings(kPath);
    LauncherList list = ListFromView(view);
    LoadItems(list, kPath, kFolderIcon);
    return list;
}

LauncherList ListWithDefaults() {
    LauncherList list;
    list.fontName = "Tahoma";
    list.fontSize = 10;
    list.width = 200;
    list.itemHeight = 25;
    list.separatorHeight = 20;
    return list;
}

struct Shown {
    std::string name, path;
    int kind;
    bool operator==(const Shown&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Shown& s) {
    return out << "{\"" << s.name << "\", \"" << s.path << "\", " << s.kind << "}";
}
std::vector<Shown> Items(const LauncherList& list) {
    std::vector<Shown> out;
    for (const LauncherItem& item : list.items) out.push_back({item.name, item.path, item.kind});
    return out;
}

size_t Saves() { return SimCallsNamed({"ReplaceWholeFile"}).size(); }
}  // namespace

TEST(Settings, WorkedExampleIsWrittenByteForByte) {
    SimReset();
    LauncherList list = ListWithDefaults();
    list.fontStyle = Bold;
    AddItem(list, "notepad.exe", nullptr, "C:\\Windows\\notepad.exe", Entry);
    AddItem(list, "Werkzeuge", nullptr, "", Separator);
    AddItem(list, "Documents", nullptr, "C:\\Users\\Public\\Documents\\", Entry);
    SaveSettings(list, kPath);
    EXPECT_EQ(SimFileBytes(kPath), kWorkedExample);
    EXPECT_EQ(SimFileNames(), std::vector<std::string>{kPath});  // no temporary file left
}

TEST(Settings, WorkedExampleIsReadBack) {
    SimReset();
    SimWriteFile(kPath, kWorkedExample);
    LauncherList list = LoadList();
    EXPECT_EQ(Items(list), (std::vector<Shown>{{"notepad.exe", "C:\\Windows\\notepad.exe", Entry},
                                               {"Werkzeuge", "", Separator},
                                               {"Documents", "C:\\Users\\Public\\Documents\\", Entry}}));
    ASSERT_EQ(list.items.size(), 3u);
    EXPECT_NE(list.items[0].icon, nullptr);  // the shell's icon of its type
    EXPECT_EQ(list.items[1].icon, nullptr);
    EXPECT_EQ(list.items[2].icon, kFolderIcon);
    EXPECT_EQ(SimCallsNamed({"ShellIconFor"}), std::vector<std::string>{"ShellIconFor(C:\\Windows\\notepad.exe)"});
    EXPECT_EQ(list.fontStyle, Bold);
    // Read twice at start, once by each reading pass; never written.
    EXPECT_EQ(SimCallsNamed({"ReadWholeFile"}).size(), 2u);
    EXPECT_EQ(Saves(), 0u);

    SaveSettings(list, kPath);
    EXPECT_EQ(SimFileBytes(kPath), kWorkedExample);
}

TEST(Settings, FirstStartWithoutFile) {
    SimReset();
    LauncherList list = LoadList();
    EXPECT_EQ(list.width, 200);
    EXPECT_EQ(list.itemHeight, 25);
    EXPECT_EQ(list.separatorHeight, 20);
    EXPECT_EQ(list.fontName, "Tahoma");
    EXPECT_EQ(list.fontStyle, 0);
    EXPECT_EQ(list.fontSize, 10);
    EXPECT_TRUE(list.items.empty());
    SaveSettings(list, kPath);
    EXPECT_EQ(SimFileBytes(kPath), kOnlySettingsGroup);
}

TEST(Settings, ViewSettingsAndEntriesFromHandMadeFiles) {
    struct Case {
        const char* what;
        std::string text;
        int width, itemHeight;
        const char* font;
        std::vector<Shown> items;
    };
    const Case cases[] = {
        {"only Breite set", "[Lumarel-Einstellungen]\r\nBreite = 300\r\n", 300, 25, "Tahoma", {}},
        {"keys in any case, values with blanks",
         "[LUMAREL-EINSTELLUNGEN]\r\nbreite=-4\r\nitemh\xF6he = 0x9\r\nfont =  Arial Narrow \t\r\n", -4, 0,
         "Arial Narrow", {{"LUMAREL-EINSTELLUNGEN", "", Entry}}},
        {"missing ItemArt: an entry; missing Pfad: empty", "[a]\r\nPfad = x\r\n[b]\r\nItemArt = 1\r\n", 200, 25,
         "Tahoma", {{"a", "x", Entry}, {"b", "", Separator}}},
        {"the kind as read, without a range check", "[a]\r\nItemArt = 7\r\n[b]\r\nItemArt = -1\r\n", 200, 25,
         "Tahoma", {{"a", "", 7}, {"b", "", -1}}},
        {"two groups of one name load twice", "[a]\r\nPfad = 1\r\n[A]\r\nPfad = 2\r\n[a]\r\nPfad = 3\r\n", 200, 25,
         "Tahoma", {{"a", "1", Entry}, {"A", "2", Entry}, {"a", "3", Entry}}},
        {"lower-case settings group: read for the view and loaded as an entry",
         "[lumarel-einstellungen]\r\nBreite = 120\r\n", 120, 25, "Tahoma", {{"lumarel-einstellungen", "", Entry}}},
        {"lines above the first group load nothing", "Pfad = x\r\nItemArt = 1\r\n[a]\r\n", 200, 25, "Tahoma",
         {{"a", "", Entry}}},
        {"an empty header is an entry with the empty name", "[]\r\nPfad = x\r\n", 200, 25, "Tahoma",
         {{"", "x", Entry}}},
    };
    for (const Case& c : cases) {
        SimReset();
        SimWriteFile(kPath, c.text);
        LauncherList list = LoadList();
        EXPECT_EQ(list.width, c.width) << c.what;
        EXPECT_EQ(list.itemHeight, c.itemHeight) << c.what;
        EXPECT_EQ(list.fontName, c.font) << c.what;
        EXPECT_EQ(Items(list), c.items) << c.what;
    }
}

TEST(Settings, IconComesFromThePathAlone) {
    SimReset();
    SimWriteFile(kPath,
                 "[folder separator]\r\nPfad = C:\\x\\\r\nItemArt = 1\r\n"
                 "[trailing blank]\r\nPfad = C:\\y\\ \t\r\n"
                 "[file]\r\nPfad = C:\\z.txt\r\n"
                 "[none]\r\nPfad =   \r\n");
    LauncherList list = LoadList();
    ASSERT_EQ(list.items.size(), 4u);
    EXPECT_EQ(list.items[0].icon, kFolderIcon);
    EXPECT_EQ(list.items[1].icon, kFolderIcon);  // trimmed first, then its last character decides
    EXPECT_EQ(list.items[1].path, "C:\\y\\");
    EXPECT_NE(list.items[2].icon, nullptr);
    EXPECT_NE(list.items[2].icon, kFolderIcon);
    EXPECT_EQ(list.items[3].icon, nullptr);
    EXPECT_EQ(SimCallsNamed({"ShellIconFor"}), std::vector<std::string>{"ShellIconFor(C:\\z.txt)"});
}

TEST(Settings, WrittenFileComesBackByteIdentical) {
    SimReset();
    LauncherList list = ListWithDefaults();
    list.fontName = "Segoe UI";
    list.fontStyle = Italic | Underline | HighQuality;
    list.fontSize = 12;
    list.width = 333;
    list.itemHeight = -1;
    list.separatorHeight = 0;
    const char* names[] = {"a = b", "; nicht Kommentar", " x ", "Gr\xF6\xDF" "e", "#1", "[b", "ItemArt"};
    int kind = 0;
    for (const char* name : names) AddItem(list, name, nullptr, std::string("C:\\") + name, kind++ % 3);
    SaveSettings(list, kPath);
    std::string first = SimFileBytes(kPath);
    ASSERT_FALSE(first.empty());

    LauncherList loaded = LoadList();
    EXPECT_EQ(Items(loaded), Items(list));
    SaveSettings(loaded, kPath);
    EXPECT_EQ(SimFileBytes(kPath), first);
}

// ---- a save never loses the old file -----------------------------------------------

TEST(Settings, OldFileSurvivesAFailureAtEachStepOfASave) {
    const SimSaveStep steps[] = {SimSaveStep::CreateTemporary, SimSaveStep::Write, SimSaveStep::Flush,
                                 SimSaveStep::Replace};
    for (SimSaveStep step : steps) {
        SimReset();
        SimWriteFile(kPath, kWorkedExample);
        LauncherList list = LoadList();
        DeleteItem(list, 0);
        SimFailNextSave(step);
        SaveSettings(list, kPath);
        EXPECT_EQ(Saves(), 1u);
        EXPECT_EQ(SimFileBytes(kPath), kWorkedExample) << int(step);
        EXPECT_EQ(SimFileNames(), std::vector<std::string>{kPath}) << int(step);  // temporary removed

        SaveSettings(list, kPath);  // the failure came once: the next save goes through
        EXPECT_EQ(Items(LoadList()), Items(list)) << int(step);
    }
}

TEST(Settings, ReadOnlyFileIsNeitherLostNorChanged) {
    SimReset();
    SimWriteFile(kPath, kWorkedExample, true);
    LauncherList list = LoadList();
    EXPECT_EQ(list.items.size(), 3u);
    DeleteItem(list, 1);
    SaveSettings(list, kPath);
    EXPECT_EQ(SimFileBytes(kPath), kWorkedExample);
    EXPECT_EQ(SimFileNames(), std::vector<std::string>{kPath});
}

// ---- a save never loses or alters an entry ------------------------------------------

TEST(Settings, NamesNoGroupHeaderCanCarrySurviveSaveAndLoad) {
    SimReset();
    LauncherList list = ListWithDefaults();
    const std::vector<Shown> items = {
        {"setup.exe", "C:\\a\\setup.exe", Entry},
        {"", "", Separator},
        {"setup.exe", "C:\\b\\setup.exe", Entry},
        {"Setup.exe", "C:\\c\\Setup.exe", Entry},
        {"", "", Separator},
        {"Lumarel-Einstellungen", "C:\\l.exe", Entry},
        {"a]b", "C:\\ab.exe", Entry},
        {" x ", "C:\\x.exe", Entry},
        {"", "", Separator},
        {"lumarel-einstellungen", "", Separator},
        {"#1", "C:\\hash.exe", Entry},  // the form of a made-up group name
        {"100 % \t", "  C:\\blank paths \t", Entry},
        {"zeilen\r\numbruch", "C:\\a\r\n[Lumarel-Einstellungen]\r\nBreite = 1", 5},
        {std::string("nul\0byte", 8), "C:\\n", Entry},
    };
    for (const Shown& s : items) AddItem(list, s.name, nullptr, s.path, s.kind);
    list.width = 250;
    SaveSettings(list, kPath);
    std::string first = SimFileBytes(kPath);

    LauncherList loaded = LoadList();
    EXPECT_EQ(Items(loaded), items);
    EXPECT_EQ(loaded.width, 250);
    SaveSettings(loaded, kPath);
    EXPECT_EQ(SimFileBytes(kPath), first);
}

TEST(Settings, NamesAHeaderCarriesKeepTheirWrittenForm) {
    // The first of case-equal names keeps its group; the later one gets a
    // made-up group that no other entry's name takes.
    SimReset();
    LauncherList list = ListWithDefaults();
    AddItem(list, "setup.exe", nullptr, "C:\\a", Entry);
    AddItem(list, "SETUP.EXE", nullptr, "C:\\b", Entry);
    AddItem(list, "#2", nullptr, "", Separator);
    AddItem(list, " x ", nullptr, "", Separator);
    SaveSettings(list, kPath);
    std::string bytes = SimFileBytes(kPath);
    std::string head = bytes.substr(0, bytes.find("[Lumarel-Einstellungen]"));
    EXPECT_EQ(head,
              "[setup.exe]\r\nPfad = C:\\a\r\nItemArt = 0\r\n"
              "[#1]\r\nPfad = C:\\b\r\nItemArt = 0\r\nItemName = SETUP.EXE\r\n"
              "[#2]\r\nPfad = \r\nItemArt = 1\r\n"
              "[ x ]\r\nPfad = \r\nItemArt = 1\r\n");
    EXPECT_EQ(bytes.substr(head.size()), kOnlySettingsGroup);
}

TEST(Settings, EscapedTextsInTheFile) {
    SimReset();
    LauncherList list = ListWithDefaults();
    AddItem(list, " a]%\t", nullptr, " C:\\p ", Entry);
    SaveSettings(list, kPath);
    std::string bytes = SimFileBytes(kPath);
    EXPECT_EQ(bytes.substr(0, bytes.find("[Lumarel-Einstellungen]")),
              "[#1]\r\nPfad = %20C:\\p%20\r\nItemArt = 0\r\nItemName = %20a]%25%09\r\n"
              "ItemPfad = %20C:\\p%20\r\n");
    // A hand-edited "%" without two hex digits stands for itself.
    SimWriteFile(kPath, "[#1]\r\nItemName = 5% %zz %4\r\n");
    EXPECT_EQ(Items(LoadList()), (std::vector<Shown>{{"5% %zz %4", "", Entry}}));
}

// ---- reading never trusts the file ------------------------------------------------------

TEST(Settings, HostileFilesLoad) {
    struct Case { const char* what; std::string text; size_t items; };
    std::string manyGroups;
    for (int i = 0; i < 100000; ++i) manyGroups += "[g" + std::to_string(i) + "]\n";
    const Case cases[] = {
        {"NUL bytes", std::string("[a\0b]\r\nPfad = x\0y\r\n\0\0\0", 20), 1},
        {"a 10 MB line", "[" + std::string(10 << 20, 'n'), 1},
        {"a 10 MB value", "[a]\r\nPfad = " + std::string(10 << 20, '7'), 1},
        {"a 10 MB run of line breaks", "[a]" + std::string(10 << 20, '\n') + "[b]", 2},
        {"100,000 groups", manyGroups, 100000},
        {"100,000 groups of one name", [] {
             std::string s;
             for (int i = 0; i < 100000; ++i) s += "[Lumarel-einstellungen]\r\nBreite=1\r\n";
             return s;
         }(), 100000},
        {"invalid UTF-8 after a mark", "\xEF\xBB\xBF[\xC3\xC3\xE2\x82\xFF\xF0\x9F]\r\nPfad=\xE2\x82", 1},
        {"only a mark", "\xEF\xBB\xBF", 0},
        {"no final line end", "[a]\r\nPfad = x", 1},
        {"a lone [", "[", 1},
    };
    for (const Case& c : cases) {
        SimReset();
        SimWriteFile(kPath, c.text);
        LauncherList list = LoadList();
        EXPECT_EQ(list.items.size(), c.items) << c.what;
        // Whatever was loaded is saved and loaded again unchanged.
        SaveSettings(list, kPath);
        EXPECT_EQ(Items(LoadList()), Items(list)) << c.what;
    }
}

TEST(Settings, NulBytesStayInNamesAndPaths) {
    SimReset();
    SimWriteFile(kPath, std::string("[a\0b]\r\nPfad = x\0y\r\n", 19));
    LauncherList list = LoadList();
    EXPECT_EQ(Items(list), (std::vector<Shown>{{std::string("a\0b", 3), std::string("x\0y", 3), Entry}}));
}
