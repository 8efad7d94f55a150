// The three settings passes of one run - ReadViewSettings, LoadItems and
// SaveSettings - over files of 100 to 100,000 entries. The time per entry
// must not grow with the list: compare the per_entry column across sizes
// (100,000 shows the trend beyond the lists anyone keeps).
#include <benchmark/benchmark.h>

#include <string>

#include "platform/sim/SimPlatform.h"
#include "settings/Settings.h"
#include "tests/host/ListFromView.h"

namespace {
const char kPath[] = "C:\\Users\\u\\AppData\\Roaming\\Lumarel.ini";
SystemHandle const kFolderIcon = reinterpret_cast<SystemHandle>(0xF0);

// Every tenth entry a separator, every fifth a folder.
std::string NameOf(int i, bool sameNames) {
    return sameNames ? std::string("setup.exe") : "Programm " + std::to_string(i);
}

void WriteFileOf(int entries, bool sameNames) {
    LauncherList list = ListFromView(ViewSettings{});
    for (int i = 0; i < entries; ++i) {
        if (i % 10 == 0) AddItem(list, NameOf(i, sameNames), nullptr, "", Separator);
        else if (i % 5 == 0) AddItem(list, NameOf(i, sameNames), nullptr, "C:\\Daten\\" + std::to_string(i) + "\\", Entry);
        else AddItem(list, NameOf(i, sameNames), nullptr, "C:\\Programme\\p" + std::to_string(i) + "\\start.exe", Entry);
    }
    SaveSettings(list, kPath);
}

void RunPasses(benchmark::State& state, bool sameNames) {
    const int entries = int(state.range(0));
    SimReset();
    WriteFileOf(entries, sameNames);
    const std::string before = SimFileBytes(kPath);
    for (auto _ : state) {
        LauncherList list = ListFromView(ReadViewSettings(kPath));
        LoadItems(list, kPath, kFolderIcon);
        SaveSettings(list, kPath);
        state.PauseTiming();
        if (list.items.size() != size_t(entries)) state.SkipWithError("entries lost");
        SimClearCalls();  // the sim's record of calls would grow without end
        state.ResumeTiming();
    }
    if (SimFileBytes(kPath) != before) state.SkipWithError("the file changed");
    state.counters["per_entry"] = benchmark::Counter(
        double(entries), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["file_bytes"] = double(before.size());
}

void LoadAndSave(benchmark::State& state) { RunPasses(state, false); }
// Names that no group header can carry twice: every entry but the first
// gets a made-up group name and an extra key.
void LoadAndSaveSameNames(benchmark::State& state) { RunPasses(state, true); }
}  // namespace

BENCHMARK(LoadAndSave)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadAndSaveSameNames)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
