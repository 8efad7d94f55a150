// Starting entries and the icon images on a real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "launcher/Launch.h"
#include "platform/Platform.h"

namespace {
std::string ThisFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s = path;
    return s.substr(0, s.rfind('\\') + 1);
}

std::string Temp(const char* name) {
    char path[MAX_PATH] = {};
    GetTempPathA(sizeof path, path);
    return std::string(path) + name;
}

std::string WithoutTrailingBackslash(std::string s) {
    if (s.size() > 3 && s.back() == '\\') s.pop_back();
    return s;
}

std::string Upper(std::string s) {
    CharUpperBuffA(s.data(), DWORD(s.size()));
    return s;
}

void WriteText(const std::string& path, const char* text) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fputs(text, f);
    std::fclose(f);
}

struct Record {
    bool arrived = false;
    std::string commandLine, directory;
};

// Waits for the helper's record: its command line and current directory.
Record WaitForRecord(const std::string& file) {
    Record r;
    for (int i = 0; i < 300 && GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
    std::ifstream in(file, std::ios::binary);
    if (!in) return r;
    r.arrived = true;
    std::getline(in, r.commandLine);
    std::getline(in, r.directory);
    return r;
}

// A folder of its own with the helper in it under a name with a blank,
// and the record file the helper writes, named in the environment that
// started programs inherit.
class StartTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = Temp("lumarel start\\");
        CreateDirectoryA(folder.c_str(), nullptr);
        helper = folder + "record start.exe";
        ASSERT_TRUE(CopyFileA((ThisFolder() + "record_start.exe").c_str(), helper.c_str(), FALSE));
        record = folder + "record.txt";
        DeleteFileA(record.c_str());
        SetEnvironmentVariableA("LUMAREL_RECORD", record.c_str());
    }
    void TearDown() override {
        // The helpers the shell started may still be ending, and their end
        // moves Wine's activation; let it settle before the next test.
        for (int i = 0; i < 100; ++i) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            Sleep(10);
        }
    }
    std::string folder, helper, record;
};

// Documents of type .txt and folders open with the helper, so that what
// the shell was given shows in the helper's record.
void OpenWithHelper(const std::string& helper) {
    std::string command = "\"" + helper + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, ".txt", REG_SZ, "LumarelTest.Text", 0);
    for (const char* cls : {"LumarelTest.Text", "Directory", "Folder"}) {
        for (const char* verb : {"open", "explore"}) {
            std::string key = std::string(cls) + "\\shell\\" + verb;
            RegSetValueA(HKEY_CLASSES_ROOT, (key + "\\command").c_str(), REG_SZ, command.c_str(),
                         DWORD(command.size()));
            // a folder's own verbs talk DDE to the file browser first
            RegDeleteTreeA(HKEY_CLASSES_ROOT, (key + "\\ddeexec").c_str());
        }
    }
}
}  // namespace

TEST(Icons, TheEmbeddedIcoFilesGiveTheirLargestImageAs32BitIcons) {
    InitPlatform();
    struct Case { EmbeddedIco which; size_t bytes; int size; };
    for (Case c : {Case{EmbeddedIco::Program, 161862, 128}, Case{EmbeddedIco::Folder, 32038, 64}}) {
        ByteView file = EmbeddedIcoFile(c.which);
        ASSERT_EQ(file.size, c.bytes);
        IconImage image = IconFromIcoData(file.data, file.size);
        ASSERT_NE(image.icon, nullptr);
        EXPECT_EQ(image.width, c.size);
        EXPECT_EQ(image.height, c.size);
        EXPECT_EQ(image.depth, 32);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(static_cast<HICON>(image.icon), &info));
        EXPECT_TRUE(info.fIcon);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    FreeAllImages();
    ReleasePlatform();
}

TEST(Icons, FreeAllImagesDestroysTheIconsItMade) {
    InitPlatform();
    ByteView file = EmbeddedIcoFile(EmbeddedIco::Folder);
    IconImage image = IconFromIcoData(file.data, file.size);
    ASSERT_NE(image.icon, nullptr);
    FreeAllImages();
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(static_cast<HICON>(image.icon), &info));
    ReleasePlatform();
}

TEST(Icons, ShellIconsComeFromTheNameAloneAndAreNewEachTime) {
    for (const char* path : {"C:\\windows\\notepad.exe", "C:\\nirgends\\gibt es nicht.txt", "ohne Endung"}) {
        SystemHandle a = ShellIconFor(path);
        SystemHandle b = ShellIconFor(path);
        ASSERT_NE(a, nullptr) << path;
        ASSERT_NE(b, nullptr) << path;
        EXPECT_NE(a, b) << path;
        ICONINFO info = {};
        EXPECT_TRUE(GetIconInfo(static_cast<HICON>(a), &info)) << path;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

bool IconAlive(SystemHandle icon) {
    ICONINFO info = {};
    if (!GetIconInfo(static_cast<HICON>(icon), &info)) return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

// Each entry's shell icon is its own: freeing one leaves the others of
// that type alive, and the next one of that type comes as before.
TEST(Icons, FreeShellIconDestroysThatIconAlone) {
    InitPlatform();
    SystemHandle a = ShellIconFor("C:\\eins.exe");
    SystemHandle b = ShellIconFor("D:\\ZWEI.EXE");
    SystemHandle odd = ShellIconFor("C:\\ohne Endung");
    ASSERT_TRUE(a && b && odd);
    EXPECT_NE(a, b);
    FreeShellIcon(a);
    EXPECT_FALSE(IconAlive(a));
    EXPECT_TRUE(IconAlive(b));
    SystemHandle c = ShellIconFor("C:\\drei.exe");
    EXPECT_TRUE(IconAlive(c));
    ByteView file = EmbeddedIcoFile(EmbeddedIco::Folder);
    IconImage folder = IconFromIcoData(file.data, file.size);
    FreeShellIcon(folder.icon);  // not the shell's: stays
    EXPECT_TRUE(IconAlive(folder.icon));
    for (SystemHandle icon : {b, c, odd}) {
        FreeShellIcon(icon);
        EXPECT_FALSE(IconAlive(icon));
    }
    FreeAllImages();
    ReleasePlatform();
}

TEST_F(StartTest, AProgramStartsWithTheQuotedPathInOurCurrentDirectory) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof windows);
    ASSERT_TRUE(SetCurrentDirectoryA(windows));
    char ours[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof ours, ours);

    ASSERT_TRUE(StartItem(helper));
    Record r = WaitForRecord(record);
    ASSERT_TRUE(r.arrived);
    EXPECT_EQ(r.commandLine, "\"" + helper + "\"");
    EXPECT_EQ(r.directory, ours);  // not the program's folder
}

TEST_F(StartTest, ALeadingQuoteMakesThePathTheWholeCommandLine) {
    std::string line = "\"" + helper + "\" eins \"zwei drei\"";
    ASSERT_TRUE(StartItem(line));
    Record r = WaitForRecord(record);
    ASSERT_TRUE(r.arrived);
    EXPECT_EQ(r.commandLine, line);
}

TEST_F(StartTest, DocumentsAndFoldersReachTheShellWithTheirFolder) {
    OpenWithHelper(helper);
    std::string documents = folder + "Dokumente\\";
    CreateDirectoryA(documents.c_str(), nullptr);
    std::string letter = documents + "brief.txt";
    WriteText(letter, "Hallo\r\n");
    std::string target = folder + "Ziel\\";
    CreateDirectoryA(target.c_str(), nullptr);

    struct Case { std::string path, directory, named; };
    for (const Case& c : {Case{letter, documents, "Dokumente\\brief.txt"}, Case{target, target, "Ziel"}}) {
        DeleteFileA(record.c_str());
        ASSERT_TRUE(StartItem(c.path)) << c.path;
        Record r = WaitForRecord(record);
        ASSERT_TRUE(r.arrived) << c.path;
        EXPECT_EQ(Upper(r.directory), Upper(WithoutTrailingBackslash(c.directory))) << c.path;
        // the shell gave the helper the path itself
        EXPECT_NE(r.commandLine.find(c.named), std::string::npos) << r.commandLine;
    }
}

TEST_F(StartTest, CreateProcessRefusesADocument) {
    // so that StartItem turns to the shell for it
    std::string odd = folder + "daten.lumarel-ohne-programm";
    WriteText(odd, "x");
    EXPECT_FALSE(StartProcess(CommandLineFor(odd).c_str()));
}
