// Model file costs on a generated model of about 100,000 elements: loading (goal: under
// 0.5 s), saving (goal: under 0.2 s; the text alone and the durable, atomic save), and the
// memory a loaded model takes per element. The goal counters are measured time over the goal
// (below 1 meets it).
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <filesystem>

#include "BenchGoal.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"
#include "vtquill/file/ModelGenerator.h"
#include "vtquill/file/ModelSummary.h"

using namespace VTQUILL;

namespace {

constexpr std::size_t kBlocks = 20000;  // about 100,000 elements with ports, lines, joints...
constexpr double kLoadGoalSeconds = 0.5;
constexpr double kSaveGoalSeconds = 0.2;

// The generated model, its file and its size, made once for all benchmarks.
struct Fixture {
    std::filesystem::path folder;
    std::string path;
    std::string text;
    std::size_t elements = 0;

    Fixture()
        : folder(std::filesystem::temp_directory_path() /
                 ("bench-modelfile-" + std::to_string(::getpid()))),
          path((folder / "large.vtm").string()) {
        std::filesystem::create_directories(folder);
        Model model = File::ModelGenerator::generate("large", kBlocks, 1);
        elements = File::ModelSummary::of(model).elements();
        File::ModelFileWriter().save(model, path);
        text = File::ModelFileWriter::toText(model);
        model.close();
    }
    ~Fixture() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    static const Fixture& get() {
        static const Fixture fixture;
        return fixture;
    }
};

void reportGoal(benchmark::State& state, double seconds, double goal) {
    const Fixture& f = Fixture::get();
    state.counters["elements"] = double(f.elements);
    state.counters["seconds"] = seconds;
    state.counters["ns_per_element"] = seconds * 1e9 / double(f.elements);
    state.counters["time_over_goal"] = seconds / goal;
}

double secondsOf(const benchmark::State& state, double total) {
    return state.iterations() ? total / double(state.iterations()) : 0;
}

template <class F>
double timed(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_LoadModelFile(benchmark::State& state) {
    const Fixture& f = Fixture::get();
    const File::ModelFileReader reader;
    double total = 0;
    for (auto _ : state) {
        File::ModelFileReader::Result result;
        total += timed([&] { result = reader.load(f.path); });
        if (!result.ok()) {
            state.SkipWithError(result.error->message().c_str());
            return;
        }
        state.PauseTiming();
        result.model.close();
        state.ResumeTiming();
    }
    reportGoal(state, secondsOf(state, total), kLoadGoalSeconds);
}
BENCHMARK(BM_LoadModelFile)->Unit(benchmark::kMillisecond)->Iterations(5);

// Extracting and printing the canonical text, without touching the disk.
void BM_SaveModelText(benchmark::State& state) {
    const Fixture& f = Fixture::get();
    File::ModelFileReader::Result loaded = File::ModelFileReader().load(f.path);
    double total = 0;
    for (auto _ : state) {
        std::string text;
        total += timed([&] { text = File::ModelFileWriter::toText(loaded.model); });
        benchmark::DoNotOptimize(text.data());
    }
    loaded.model.close();
    reportGoal(state, secondsOf(state, total), kSaveGoalSeconds);
}
BENCHMARK(BM_SaveModelText)->Unit(benchmark::kMillisecond)->Iterations(5);

// The whole save: text, temporary file, fsync, rename, folder fsync.
void BM_SaveModelFile(benchmark::State& state) {
    const Fixture& f = Fixture::get();
    File::ModelFileReader::Result loaded = File::ModelFileReader().load(f.path);
    const std::string target = (f.folder / "saved.vtm").string();
    double total = 0;
    for (auto _ : state) {
        std::string error;
        total += timed([&] { error = File::ModelFileWriter().save(loaded.model, target); });
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    loaded.model.close();
    reportGoal(state, secondsOf(state, total), kSaveGoalSeconds);
}
BENCHMARK(BM_SaveModelFile)->Unit(benchmark::kMillisecond)->Iterations(5);

// Heap bytes a loaded model holds, per element (allocator's count before and after loading).
void BM_MemoryPerElement(benchmark::State& state) {
    const Fixture& f = Fixture::get();
    double bytesPerElement = 0;
    for (auto _ : state) {
        ::malloc_trim(0);
        const std::size_t before = ::mallinfo2().uordblks;
        File::ModelFileReader::Result loaded = File::ModelFileReader().load(f.path);
        const std::size_t after = ::mallinfo2().uordblks;
        bytesPerElement = (double(after) - double(before)) / double(f.elements);
        loaded.model.close();
    }
    state.counters["elements"] = double(f.elements);
    state.counters["bytes_per_element"] = bytesPerElement;
    state.counters["file_bytes_per_element"] = double(f.text.size()) / double(f.elements);
}
BENCHMARK(BM_MemoryPerElement)->Unit(benchmark::kMillisecond)->Iterations(1);

// The goals above, for the summary of `./dev bench` (wall-clock seconds per run: a save
// includes its fsyncs).
[[maybe_unused]] const bool kGoals =
    BenchGoal::counterBelow("load a model file of about 100,000 elements",
                            "BM_LoadModelFile/iterations:5", "seconds", kLoadGoalSeconds, "s") &&
    BenchGoal::counterBelow("print that model's text", "BM_SaveModelText/iterations:5", "seconds",
                            kSaveGoalSeconds, "s") &&
    BenchGoal::counterBelow("save that model atomically", "BM_SaveModelFile/iterations:5",
                            "seconds", kSaveGoalSeconds, "s");

}  // namespace

BENCHMARK_MAIN();
