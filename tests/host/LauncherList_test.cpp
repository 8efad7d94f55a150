#include <gtest/gtest.h>

#include "launcher/LauncherList.h"
#include "platform/sim/SimPlatform.h"

namespace {
LauncherList ListOf(std::initializer_list<int> kinds, int itemHeight = 25, int separatorHeight = 20) {
    LauncherList list;
    list.itemHeight = itemHeight;
    list.separatorHeight = separatorHeight;
    int n = 0;
    for (int kind : kinds) AddItem(list, "item" + std::to_string(n++), nullptr, "", kind);
    return list;
}

std::vector<int> Tops(const LauncherList& list) {
    std::vector<int> tops;
    for (const LauncherItem& item : list.items) tops.push_back(item.top);
    return tops;
}

std::vector<std::string> Names(const LauncherList& list) {
    std::vector<std::string> names;
    for (const LauncherItem& item : list.items) names.push_back(item.name);
    return names;
}
}  // namespace

struct LayoutCase {
    std::vector<int> kinds;
    int itemHeight, separatorHeight;
    std::vector<int> tops;
    int total;
};

TEST(LauncherList, LayoutGivesTopsAndTotal) {
    const LayoutCase cases[] = {
        {{}, 25, 20, {}, 0},
        {{Entry, Separator, Entry}, 25, 20, {0, 25, 45}, 70},
        {{Entry, 2, Entry}, 25, 20, {0, 25, 25}, 50},  // unknown kinds take no height
        {{Entry, -1, Separator}, 25, 20, {0, 25, 25}, 45},
        {{Entry, Entry, Separator}, -10, 20, {0, -10, -20}, 0},  // negative heights: tops decrease
        {{Separator, Separator}, 25, 0, {0, 0}, 0},
    };
    for (const LayoutCase& c : cases) {
        LauncherList list = ListOf({}, c.itemHeight, c.separatorHeight);
        for (int kind : c.kinds) AddItem(list, "x", nullptr, "", kind);
        EXPECT_EQ(LayoutItems(list), c.total);
        EXPECT_EQ(Tops(list), c.tops);
    }
}

TEST(LauncherList, AddAppendsCopiesWithTopZero) {
    LauncherList list = ListOf({Entry, Entry, Entry});
    LayoutItems(list);
    DeleteItem(list, 1);
    std::string name = "new";
    AddItem(list, name, reinterpret_cast<SystemHandle>(7), "C:\\x.exe", 2);
    name = "changed";  // the list keeps its own copy
    EXPECT_EQ(Names(list), (std::vector<std::string>{"item0", "item2", "new"}));
    EXPECT_EQ(Tops(list), (std::vector<int>{0, 50, 0}));  // stale until the next layout
    EXPECT_EQ(list.items[2].kind, 2);
    EXPECT_EQ(list.items[2].path, "C:\\x.exe");
}

TEST(LauncherList, DeleteIgnoresIndicesOutside) {
    struct Case { int size, index; std::vector<std::string> left; };
    const Case cases[] = {
        {0, 0, {}},
        {1, 0, {}},
        {2, 2, {"item0", "item1"}},   // equal to the count
        {2, -1, {"item0", "item1"}},
        {3, 0, {"item1", "item2"}},
        {3, 2, {"item0", "item1"}},
    };
    for (const Case& c : cases) {
        LauncherList list = ListOf({});
        for (int i = 0; i < c.size; ++i) AddItem(list, "item" + std::to_string(i), nullptr, "", Entry);
        DeleteItem(list, c.index);
        EXPECT_EQ(Names(list), c.left) << "size " << c.size << " index " << c.index;
    }
}

TEST(LauncherList, SwapMovesWholeItemsAndKeepsTops) {
    LauncherList list = ListOf({Entry, Separator});
    LayoutItems(list);
    SwapItems(list, 1, 0);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"item1", "item0"}));
    EXPECT_EQ(Tops(list), (std::vector<int>{25, 0}));
    EXPECT_EQ(list.items[0].kind, Separator);
    SwapItems(list, 1, 1);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"item1", "item0"}));
    LayoutItems(list);
    EXPECT_EQ(Tops(list), (std::vector<int>{0, 20}));
}

struct FontCase {
    int size, style, dpi;
    int height, weight;
    bool italic, underline, strikeOut, proof;
};

TEST(LauncherList, FontRequestFollowsSizeStyleAndResolution) {
    const FontCase cases[] = {
        {10, 0, 96, -13, 400, false, false, false, false},
        {10, 0, 120, -17, 400, false, false, false, false},
        {12, 0, 96, -16, 400, false, false, false, false},
        {9, 0, 120, -15, 400, false, false, false, false},   // 15.0 exactly
        {7, 0, 96, -9, 400, false, false, false, false},     // 9.33 rounds down
        {11, 0, 120, -18, 400, false, false, false, false},  // 18.33
        {10, 768, 96, -13, 700, true, false, false, false},  // Bold + Italic
        {10, 4 | 8 | 16, 96, -13, 400, false, true, true, true},
        {10, 1 | 2 | 32 | 128 | 1024, 96, -13, 400, false, false, false, false},  // ignored bits
        {0, 0, 96, 0, 400, false, false, false, false},
        {-10, 0, 96, 13, 400, false, false, false, false},
    };
    for (const FontCase& c : cases) {
        FontRequest r = ListFontRequest("Tahoma", c.size, c.style, c.dpi);
        EXPECT_EQ(r.height, c.height) << c.size << "pt at " << c.dpi;
        EXPECT_EQ(r.weight, c.weight);
        EXPECT_EQ(r.italic, c.italic);
        EXPECT_EQ(r.underline, c.underline);
        EXPECT_EQ(r.strikeOut, c.strikeOut);
        EXPECT_EQ(r.proofQuality, c.proof);
        EXPECT_EQ(r.face, "Tahoma");
    }
}

TEST(LauncherList, CreateStoresValuesAndMakesTheFont) {
    SimReset();
    SimSetDpi(120);
    LauncherList list = CreateLauncherList(300, 30, 15, "Nirgendwo Sans", 10, Bold);
    EXPECT_EQ(list.width, 300);
    EXPECT_EQ(list.itemHeight, 30);
    EXPECT_EQ(list.separatorHeight, 15);
    EXPECT_EQ(list.fontName, "Nirgendwo Sans");
    EXPECT_EQ(list.fontSize, 10);
    EXPECT_EQ(list.fontStyle, Bold);
    EXPECT_EQ(list.popupWindow, 0);
    EXPECT_EQ(list.canvas, 0);
    EXPECT_EQ(list.popupHeight, 0);
    EXPECT_TRUE(list.items.empty());
    EXPECT_NE(list.font, nullptr);
    EXPECT_EQ(SimCallsNamed({"CreateFontFrom"}),
              (std::vector<std::string>{"CreateFontFrom(-17,700,0,0,0,0,Nirgendwo Sans)"}));
}

TEST(LauncherList, NoDisplayContextGivesNoFont) {
    SimReset();
    SimSetDpi(0);
    LauncherList list = CreateLauncherList(200, 25, 20, "Tahoma", 10, 0);
    EXPECT_EQ(list.font, nullptr);
    EXPECT_TRUE(SimCallsNamed({"CreateFontFrom"}).empty());
}
