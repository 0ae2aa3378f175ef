// Whole register and delete runs on generated scenery.cfg files of 125 to 999 area sections.
// For each size it prints the run's time divided by the time of the file I/O the run cannot
// avoid (each load, save and backup copy it makes, done alone on the same files), and at the end
// the time at 999 sections divided by the time at 500. Targets: at most 3 and at most 2.5.
#include "framework/Messages.h"
#include "platform/Files.h"
#include "scenery/Scenery.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

const SceneryEdition& kEdition = kScenery2004;

// Yes to nothing: the runs ask only about the AFCAD2 area, which the delete run removes too.
class NoMessages : public fw::Messages {
public:
    fw::MsgResult Show(fw::MsgKind kind, const std::string&, const std::string&) override {
        return kind == fw::MsgKind::Question ? fw::MsgResult::No : fw::MsgResult::Ok;
    }
};

std::string AreaSection(const std::string& name, int index, const std::string& local, int layer) {
    return "[" + name + "]\r\nTitle=Scenery " + std::to_string(index) +
           "\r\nTexture_ID=1\r\nRemote=\r\nLocal=" + local + "\r\nLayer=" + std::to_string(layer) +
           "\r\nActive=TRUE\r\nRequired=FALSE\r\n\r\n";
}

std::string Header() {
    return "[General]\r\nTitle=FS9 World Scenery\r\nDescription=FS9 Scenery Data\r\nClean_on_Exit=TRUE\r\n\r\n";
}

std::string NumberedName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "Area.%03d", n);
    return name;
}

// `areas` sections, none of the package's; past Area.990 the names hold no number, so that the
// run can add its eight areas.
std::string RegisterFile(int areas) {
    std::string file = Header();
    for (int i = 1; i <= areas; ++i) {
        char other[32];
        std::snprintf(other, sizeof other, "Area.x%02d", i - 990);
        file += AreaSection(i <= 990 ? NumberedName(i) : other, i, "Scenery\\Area" + std::to_string(i), i);
    }
    return file;
}

// `areas` sections, the package's eight spread among them.
std::string DeleteFile(int areas) {
    std::string file = Header();
    const int rows = static_cast<int>(kEdition.AreaCatalogue.size());
    for (int i = 1; i <= areas; ++i) {
        std::string local = "Scenery\\Area" + std::to_string(i);
        if (i % (areas / rows) == 0 && i / (areas / rows) <= rows)
            local = std::string("..\\Pkg\\") + kEdition.AreaCatalogue[i / (areas / rows) - 1].Folder;
        file += AreaSection(NumberedName(i), i, local, i);
    }
    return file;
}

struct Sandbox {
    std::filesystem::path root;
    std::string box, addon, config;
    Sandbox() {
        std::string pattern = (std::filesystem::current_path() / "scenery-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        box = root.string() + "\\FS9";
        addon = root.string() + "\\Pkg";
        config = box + "\\scenery.cfg";
        std::filesystem::create_directories(root / "FS9");
        for (const AREA_DEF& row : kEdition.AreaCatalogue) {
            std::string folder = root.string() + "/Pkg/" + row.Folder + "/Scenery";
            for (char& c : folder)
                if (c == '\\')
                    c = '/';
            std::filesystem::create_directories(folder);
            std::ofstream(folder + "/AREA.BGL") << "bgl";
        }
    }
    ~Sandbox() { std::filesystem::remove_all(root); }
    void Put(const std::string& bytes) const {
        if (!platform::ReplaceFileContents(config, bytes).ok)
            std::abort();
    }
};

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// The run's file I/O alone: its loads of the starting file, its backup copy and its saves of
// the result.
double TimeIo(const Sandbox& sandbox, const std::string& start, const std::string& result, int loads, int saves) {
    sandbox.Put(start);
    const auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < loads; ++i)
        benchmark::DoNotOptimize(platform::ReadWholeFile(sandbox.config));
    platform::CopyFile(sandbox.config, sandbox.box + "\\scenery.QZ_BAK", false);
    for (int i = 0; i < saves; ++i)
        if (!platform::ReplaceFileContents(sandbox.config, result).ok)
            std::abort();
    return Seconds(std::chrono::steady_clock::now() - begin);
}

template <bool Register> void BM_Run(benchmark::State& state) {
    const int areas = static_cast<int>(state.range(0));
    const int rows = static_cast<int>(kEdition.AreaCatalogue.size());
    Sandbox sandbox;
    const std::string start = Register ? RegisterFile(areas) : DeleteFile(areas);
    NoMessages messages;
    // Register: one load to check, one to add, a save per added area. Delete: one load to
    // check, then a load and a save per removed area.
    const int loads = Register ? 2 : 1 + rows;
    const int saves = rows;
    double run = 0, io = 0;
    for (auto _ : state) {
        sandbox.Put(start);
        const auto begin = std::chrono::steady_clock::now();
        const bool ok = Register ? RegisterScenery(kEdition, sandbox.box, sandbox.addon, messages)
                                 : UnregisterScenery(kEdition, sandbox.box, sandbox.addon, messages);
        const double seconds = Seconds(std::chrono::steady_clock::now() - begin);
        if (!ok)
            state.SkipWithError("the run failed");
        state.SetIterationTime(seconds);
        run += seconds;
        state.PauseTiming();
        std::ifstream in(sandbox.root / "FS9" / "scenery.cfg", std::ios::binary);
        const std::string result((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        io += TimeIo(sandbox, start, result, loads, saves);
        state.ResumeTiming();
    }
    state.counters["run/io"] = run / io;
    state.counters["bytes"] = static_cast<double>(start.size());
}

// Keeps each run's time so that main can print the growth from 500 to 999 sections.
class Reporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

BENCHMARK(BM_Run<true>)
    ->Name("Register")
    ->Arg(125)
    ->Arg(250)
    ->Arg(500)
    ->Arg(999)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Run<false>)
    ->Name("Delete")
    ->Arg(125)
    ->Arg(250)
    ->Arg(500)
    ->Arg(999)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // With --benchmark_repetitions the medians stand for the sizes.
    const auto timeAt = [&reporter](const std::string& name, int areas) {
        const std::string run = name + "/" + std::to_string(areas) + "/manual_time";
        for (const std::string& key : {run + "_median", run})
            if (const auto it = reporter.seconds.find(key); it != reporter.seconds.end())
                return it->second;
        return 0.0;
    };
    for (const char* name : {"Register", "Delete"}) {
        const double at500 = timeAt(name, 500);
        const double at999 = timeAt(name, 999);
        if (at500 > 0 && at999 > 0)
            std::printf("%s: time at 999 sections / time at 500 = %.2f (target at most 2.5)\n", name, at999 / at500);
    }
    benchmark::Shutdown();
    return 0;
}
