#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "IcoBytes.h"
#include "launcher/Launch.h"
#include "platform/sim/SimPlatform.h"

namespace {
// The bytes in a heap block of exactly their size, so that a read past the
// end is a finding under AddressSanitizer.
IconImage IconFromExactBytes(const std::string& bytes) {
    std::unique_ptr<uint8_t[]> block(new uint8_t[bytes.size() ? bytes.size() : 1]);
    std::copy(bytes.begin(), bytes.end(), block.get());
    return IconFromIcoData(bytes.empty() ? nullptr : block.get(), bytes.size());
}

std::string ImageCall() {
    std::vector<std::string> calls = SimCallsNamed({"IconFromImageBits"});
    return calls.size() == 1 ? calls[0] : "calls: " + std::to_string(calls.size());
}
}  // namespace

struct PathCase {
    const char* path;
    const char* commandLine;
    const char* directory;  // "<none>" when the shell gets none
};

const PathCase kPathCases[] = {
    {"C:\\Windows\\notepad.exe", "\"C:\\Windows\\notepad.exe\"", "C:\\Windows\\"},
    {"C:\\Program Files\\Tool\\tool.exe", "\"C:\\Program Files\\Tool\\tool.exe\"", "C:\\Program Files\\Tool\\"},
    // a leading quote: the path is the whole command line, arguments and all
    {"\"C:\\Tools\\x.exe\" -v \"a b\"", "\"C:\\Tools\\x.exe\" -v \"a b\"", "\"C:\\Tools\\"},
    {"C:\\Daten\\brief.txt", "\"C:\\Daten\\brief.txt\"", "C:\\Daten\\"},
    {"C:\\Users\\Public\\Documents\\", "\"C:\\Users\\Public\\Documents\\\"", "C:\\Users\\Public\\Documents\\"},
    {"brief.txt", "\"brief.txt\"", "<none>"},
    {"\\brief.txt", "\"\\brief.txt\"", "<none>"},  // only a leading backslash
    {"\\\\", "\"\\\\\"", "\\\\"},                   // a second one counts
    {"", "\"\"", "<none>"},
};

TEST(Launch, CommandLineAndWorkingDirectory) {
    for (const PathCase& c : kPathCases) {
        EXPECT_EQ(CommandLineFor(c.path), c.commandLine) << c.path;
        std::string want = c.directory == std::string("<none>") ? "" : c.directory;
        EXPECT_EQ(WorkingDirectoryFor(c.path), want) << c.path;
    }
}

TEST(Launch, StartItemTriesTheProgramThenTheShell) {
    for (const PathCase& c : kPathCases) {
        SimReset();
        EXPECT_TRUE(StartItem(c.path)) << c.path;
        EXPECT_EQ(SimCallsNamed({"StartProcess", "ShellOpen"}),
                  std::vector<std::string>{"StartProcess(" + std::string(c.commandLine) + ")"})
            << c.path;

        SimReset();
        SimSetStartResults(false, true);
        EXPECT_TRUE(StartItem(c.path)) << c.path;
        std::vector<std::string> want = {"StartProcess(" + std::string(c.commandLine) + ")",
                                         "ShellOpen(" + std::string(c.path) + "," + c.directory + ")"};
        EXPECT_EQ(SimCallsNamed({"StartProcess", "ShellOpen"}), want) << c.path;

        SimReset();
        SimSetStartResults(false, false);
        EXPECT_FALSE(StartItem(c.path)) << c.path;
    }
}

struct ChoiceCase {
    const char* what;
    std::vector<IcoImageLayout> images;
    const char* call;  // IconFromImageBits(bytes,width,height,bits)
};

TEST(Launch, IcoEntryChoice) {
    const ChoiceCase cases[] = {
        {"one image", {{32, 32, 32, 32, 64, 0}}, "IconFromImageBits(40,32,32,32)"},
        {"the most bits of the first entry's size wins",
         {{32, 32, 8, 32, 64, 4}, {32, 32, 32, 32, 64, 8}, {32, 32, 24, 32, 64, 12}, {48, 48, 32, 48, 96, 16}},
         "IconFromImageBits(48,32,32,32)"},
        {"a 16 x 16 first entry gives 16 x 16 though larger ones follow",
         {{16, 16, 4, 16, 32, 4}, {128, 128, 32, 128, 256, 8}, {48, 48, 32, 48, 96, 12}},
         "IconFromImageBits(44,16,16,4)"},
        {"a tie keeps the earlier entry",
         {{64, 64, 32, 64, 128, 4}, {64, 64, 32, 64, 128, 8}},
         "IconFromImageBits(44,64,64,32)"},
        {"same width, other height does not count",
         {{64, 64, 8, 64, 128, 4}, {64, 32, 32, 64, 64, 8}, {64, 64, 24, 64, 128, 12}},
         "IconFromImageBits(52,64,64,24)"},
        {"the size comes from the bitmap header, the height halved",
         {{0, 0, 32, 24, 48, 4}}, "IconFromImageBits(44,24,24,32)"},
    };
    for (const ChoiceCase& c : cases) {
        SimReset();
        IconImage image = IconFromExactBytes(MakeIco(c.images));
        EXPECT_EQ(ImageCall(), c.call) << c.what;
        EXPECT_NE(image.icon, nullptr) << c.what;
    }
}

TEST(Launch, MalformedIcoDataGiveNoImage) {
    std::string good = SimpleIco(32);
    auto with = [&](size_t at, std::string bytes) {
        std::string out = good;
        out.replace(at, bytes.size(), bytes);
        return out;
    };
    auto le32 = [](uint32_t v) {
        std::string out;
        PutLe(out, v, 4);
        return out;
    };
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"no bytes", ""},
        {"a short header", good.substr(0, 5)},
        {"the header alone", good.substr(0, 6)},
        {"a wrong type word", with(2, std::string("\x02\x00", 2))},
        {"a reserved word not zero", with(0, std::string("\x01\x00", 2))},
        {"no entries", with(4, std::string("\x00\x00", 2))},
        {"more entries than the data hold", with(4, std::string("\x05\x00", 2))},
        {"a cut directory entry", good.substr(0, 6 + 15)},
        {"an offset past the end", with(6 + 12, le32(uint32_t(good.size()) + 1))},
        {"a size past the end", with(6 + 8, le32(uint32_t(good.size())))},
        {"offset and size wrapping around", with(6 + 8, le32(0x20) + le32(0xFFFFFFF0))},
        {"a zero size", with(6 + 8, le32(0))},
        {"too few bytes for a bitmap header", with(6 + 8, le32(39))},
        {"image cut short", good.substr(0, good.size() - 1)},
        {"a zero width", with(22 + 4, le32(0))},
        {"a zero height", with(22 + 8, le32(0))},
        {"a height that halves to zero", with(22 + 8, le32(1))},
        {"a negative width", with(22 + 4, le32(0xFFFFFFE0))},
        {"a negative height", with(22 + 8, le32(0xFFFFFFC0))},
    };
    ASSERT_EQ(good.size(), 6u + 16 + 40 + 16);
    for (const auto& c : cases) {
        SimReset();
        IconImage image = IconFromExactBytes(c.bytes);
        EXPECT_EQ(image.icon, nullptr) << c.what;
        EXPECT_TRUE(SimCallsNamed({"IconFromImageBits"}).empty()) << c.what;
    }
    SimReset();
    EXPECT_NE(IconFromExactBytes(good).icon, nullptr);  // the cases above break a good file
}

namespace {
std::string SourceFile(const char* relative) {
    std::ifstream in(std::string(LUMAREL_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}  // namespace

TEST(Launch, TheProgramsOwnIcoFilesGiveTheirLargestImage) {
    SimReset();
    std::string program = SourceFile("resources/Lumarel.ico");
    ASSERT_EQ(program.size(), 161862u);
    IconImage image = IconFromExactBytes(program);
    EXPECT_EQ(ImageCall(), "IconFromImageBits(67624,128,128,32)");
    EXPECT_EQ(image.width, 128);

    SimReset();
    std::string folder = SourceFile("resources/Folder.ico");
    ASSERT_EQ(folder.size(), 32038u);
    IconFromExactBytes(folder);
    EXPECT_EQ(ImageCall(), "IconFromImageBits(16936,64,64,32)");
}
