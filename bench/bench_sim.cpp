// Costs of the simulation engine:
//  - the engine's overhead per block evaluation, on a chain of 1,000 blocks run with fixed-step
//    rk4 (goal under 10 ns), and its cost over the same chain hand-coded in C++ with the same
//    rk4 stepping (goal: at most twice);
//  - how that cost grows from 1,000 to 10,000 blocks (goal: at most 1.3 times);
//  - the pid_loop example: its compile (goal under 2 ms) and a 10 s run with dopri5 at the
//    default tolerances (goal under 5 ms).
// What logging costs a run is measured in bench_sim_results.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "BenchGoal.h"
#include "quill/Transaction.h"
#include "sim/ModelCompiler.h"
#include "sim/SimulationResults.h"
#include "sim/Simulator.h"
#include "vtdove/BlockLibrary.h"
#include "vtquill/VTQuill.h"
#include "vtquill/file/ModelFileReader.h"

using VTSIM::CompiledModel;
using VTSIM::SimulationResults;
using VTSIM::SimulationSettings;

namespace {

constexpr int kSmallChain = 1000;
constexpr int kLargeChain = 10000;
// 2,048 steps of a step size a double holds exactly, so both integrations step the same times.
constexpr double kStep = 1.0 / 1024;
constexpr double kStopTime = 2;
constexpr double kConstant = 1;
// The figures count four evaluations of every block a step, the four stages of classic rk4.
constexpr double kEvaluationsPerStep = 4;

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

[[noreturn]] void abortLoudly(const std::string& message) {
    std::fprintf(stderr, "bench_sim: %s\n", message.c_str());
    std::abort();
}

// The benchmark chain: a Constant, then stages of Gain -> Sum -> Integrator (a third of the
// blocks integrators). Gain k reads integrator k-1 (the first reads the constant); Sum k adds
// the gain's output and subtracts a feedback: its own integrator (a first-order lag) or, at
// every fourth stage, the constant (a ramp). Gains and initial states vary along the chain and
// are exact in binary, so that the model's texts give the hand-coded chain's numbers exactly.
struct ChainShape {
    int stages = 0;

    static ChainShape ofBlocks(int blocks) { return {(blocks - 1) / 3}; }
    int blocks() const { return 1 + 3 * stages; }
    static double gain(int k) { return 0.5 + 0.25 * (k % 5); }
    static bool feedsBackConstant(int k) { return k % 4 == 3; }
    static double initialState(int k) { return 0.125 * (k % 8); }
};

std::string numberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// A model built or loaded here, closed when it goes.
struct OwnedModel {
    explicit OwnedModel(VTQUILL::Model m) : model(std::move(m)) {}
    ~OwnedModel() { model.close(); }
    OwnedModel(const OwnedModel&) = delete;
    OwnedModel& operator=(const OwnedModel&) = delete;
    VTQUILL::Model model;
};

// Builds a chain in a new model with the library's blocks, in one committed transaction. With
// `outputs`, every integrator also drives a top-level Output ("Y00000", "Y00001", ...: the
// logged columns come sorted by path, so column k is stage k).
class ChainBuilder {
public:
    using Targets = std::vector<std::pair<VTQUILL::Block, int>>;

    explicit ChainBuilder(VTQUILL::Diagram top) : top_(std::move(top)) {}

    void build(const ChainShape& shape, bool outputs) {
        struct Stage {
            VTQUILL::Block gain, sum, state, output;
        };
        const VTQUILL::Block source = add("Constant", "C", {{"Value", numberText(kConstant)}});
        std::vector<Stage> stages;
        for (int k = 0; k < shape.stages; ++k) {
            const std::string n = std::to_string(k);
            Stage s;
            s.gain = add("Gain", "G" + n, {{"Gain", numberText(shape.gain(k))}});
            s.sum = add("Sum", "S" + n, {{"Inputs", "+-"}});
            s.state = add("Integrator", "I" + n,
                          {{"InitialCondition", numberText(shape.initialState(k))}});
            if (outputs) {
                char name[16];
                std::snprintf(name, sizeof name, "Y%05d", k);
                s.output = add("Output", name, {{"Port", std::to_string(k + 1)}});
            }
            stages.push_back(s);
        }
        Targets fromConstant{{stages.front().gain, 1}};
        for (int k = 0; k < shape.stages; ++k) {
            const Stage& s = stages[k];
            fan(s.gain, {{s.sum, 1}});
            fan(s.sum, {{s.state, 1}});
            Targets fromState;
            if (shape.feedsBackConstant(k))
                fromConstant.push_back({s.sum, 2});
            else
                fromState.push_back({s.sum, 2});
            if (k + 1 < shape.stages)
                fromState.push_back({stages[k + 1].gain, 1});
            if (outputs)
                fromState.push_back({s.output, 1});
            fan(s.state, fromState);
        }
        fan(source, fromConstant);
    }

private:
    VTQUILL::Block add(const std::string& type, const std::string& name,
                       const std::vector<std::pair<std::string, std::string>>& parameters) {
        const VTQUILL::Block b =
            VTDove::BlockLibrary::instance().instantiate(top_, type, name, {0, 0});
        for (const auto& [key, value] : parameters)
            b.setParameter(key, value);
        return b;
    }
    // One line from `from` to each (block, input): one segment for one target, else branches
    // from a solder joint.
    void fan(const VTQUILL::Block& from, const Targets& to) {
        if (to.empty())
            return;
        const VTQUILL::Line line = top_.addLine(VTQUILL::kSignalLine);
        if (to.size() == 1) {
            const VTQUILL::Segment s = line.addSegment();
            s.setSrcElement(port(from, VTQUILL::kOutPort, 1));
            s.setDstElement(port(to.front().first, VTQUILL::kInPort, to.front().second));
            return;
        }
        const VTQUILL::SolderJoint joint = line.addSolderJoint({0, 0});
        const VTQUILL::Segment trunk = line.addSegment();
        trunk.setSrcElement(port(from, VTQUILL::kOutPort, 1));
        trunk.setDstElement(joint);
        for (const auto& [block, in] : to) {
            const VTQUILL::Segment branch = line.addSegment();
            branch.setSrcElement(joint);
            branch.setDstElement(port(block, VTQUILL::kInPort, in));
        }
    }
    static VTQUILL::Port port(const VTQUILL::Block& block, const char* kind, int k) {
        int seen = 0;
        for (const VTQUILL::Port& p : block.getContained()) {
            if (p.getType() == kind && ++seen == k)
                return p;
        }
        throw std::logic_error(block.getName() + " has no port " + std::to_string(k));
    }

    VTQUILL::Diagram top_;
};

std::unique_ptr<OwnedModel> buildChain(const ChainShape& shape, bool outputs) {
    auto owned = std::make_unique<OwnedModel>(VTQUILL::Factory::createNewModel("chain"));
    QUILL::Transaction transaction(owned->model);
    ChainBuilder(owned->model.getDiagrams().front()).build(shape, outputs);
    transaction.commit();
    return owned;
}

constexpr std::size_t kSteps = static_cast<std::size_t>(kStopTime / kStep);

// The chain of ChainShape as one C++ function on plain arrays, state k being integrator k,
// stepped with classic rk4 (four derivative evaluations a step). Each stage computes what its
// blocks compute, in the same order (the Sum adds the gain's output, then the negated
// feedback), so the derivatives agree to the last bit.
class HandCodedChain {
public:
    explicit HandCodedChain(const ChainShape& shape)
        : n_(static_cast<std::size_t>(shape.stages)),
          gain_(n_),
          stateFeedback_(n_),
          constantFeedback_(n_),
          initial_(n_),
          x_(n_),
          k1_(n_),
          k2_(n_),
          k3_(n_),
          k4_(n_),
          probe_(n_) {
        for (std::size_t k = 0; k < n_; ++k) {
            const int stage = static_cast<int>(k);
            gain_[k] = ChainShape::gain(stage);
            const bool constant = ChainShape::feedsBackConstant(stage);
            stateFeedback_[k] = constant ? 0 : 1;
            constantFeedback_[k] = constant ? kConstant : 0;
            initial_[k] = ChainShape::initialState(stage);
        }
    }

    // The states after `steps` rk4 steps of kStep from the initial states.
    const std::vector<double>& run(std::size_t steps) {
        x_ = initial_;
        for (std::size_t s = 0; s < steps; ++s)
            step(kStep);
        return x_;
    }

private:
    void derivatives(const double* x, double* dx) const {
        double u = kConstant;
        for (std::size_t k = 0; k < n_; ++k) {
            dx[k] = gain_[k] * u - (stateFeedback_[k] * x[k] + constantFeedback_[k]);
            u = x[k];
        }
    }
    void step(double h) {
        derivatives(x_.data(), k1_.data());
        for (std::size_t k = 0; k < n_; ++k)
            probe_[k] = x_[k] + 0.5 * h * k1_[k];
        derivatives(probe_.data(), k2_.data());
        for (std::size_t k = 0; k < n_; ++k)
            probe_[k] = x_[k] + 0.5 * h * k2_[k];
        derivatives(probe_.data(), k3_.data());
        for (std::size_t k = 0; k < n_; ++k)
            probe_[k] = x_[k] + h * k3_[k];
        derivatives(probe_.data(), k4_.data());
        for (std::size_t k = 0; k < n_; ++k)
            x_[k] += h / 6 * (k1_[k] + 2 * k2_[k] + 2 * k3_[k] + k4_[k]);
    }

    std::size_t n_;
    std::vector<double> gain_, stateFeedback_, constantFeedback_, initial_;
    std::vector<double> x_, k1_, k2_, k3_, k4_, probe_;
};

SimulationSettings chainSettings() {
    SimulationSettings settings;
    settings.stopTime = kStopTime;
    settings.solver = VTSIM::Solver::Rk4;
    settings.fixedStep = kStep;
    return settings;
}

// A freshly compiled model and its empty results: a compiled model runs once.
struct PreparedRun {
    std::unique_ptr<CompiledModel> compiled;
    std::unique_ptr<SimulationResults> results;

    static PreparedRun of(const VTQUILL::Model& model) {
        PreparedRun prepared;
        prepared.compiled = VTSIM::ModelCompiler().compile(model);
        prepared.results = std::make_unique<SimulationResults>(prepared.compiled->columnNames);
        return prepared;
    }
    VTSIM::RunOutcome run(const SimulationSettings& settings) {
        return VTSIM::Simulator(*compiled, settings, *results).run();
    }
};

// What runs took: their steps and the CPU seconds of their timed parts.
struct TimedRun {
    std::size_t steps = 0;
    double seconds = 0;

    TimedRun& operator+=(const TimedRun& other) {
        steps += other.steps;
        seconds += other.seconds;
        return *this;
    }
    double nsPerEvaluation(const ChainShape& shape) const {
        return seconds * 1e9 / (double(steps) * kEvaluationsPerStep * shape.blocks());
    }
};

template <class F>
TimedRun timed(F&& run) {
    const double start = threadCpuSeconds();
    const std::size_t steps = run();
    return {steps, threadCpuSeconds() - start};
}

TimedRun timedRun(HandCodedChain& chain) {
    return timed([&] {
        benchmark::DoNotOptimize(chain.run(kSteps).data());
        return kSteps;
    });
}

// One engine run of a fresh compile of `model`; the compile is not timed.
TimedRun timedRun(const VTQUILL::Model& model) {
    PreparedRun prepared = PreparedRun::of(model);
    return timed([&] { return prepared.run(chainSettings()).steps; });
}

// The engine must integrate the system the hand-coded chain does: runs both once (the engine
// with an Output on every integrator) and aborts when they step differently or a final state
// differs by more than 1e-9.
void checkChainsAgree(const ChainShape& shape) {
    const auto chain = buildChain(shape, true);
    PreparedRun prepared = PreparedRun::of(chain->model);
    const VTSIM::RunOutcome outcome = prepared.run(chainSettings());
    const std::vector<double> expected = HandCodedChain(shape).run(kSteps);
    const SimulationResults& results = *prepared.results;
    const std::string what = "the chain of " + std::to_string(shape.blocks()) + " blocks: ";
    if (outcome.steps != kSteps || outcome.endTime != kStopTime)
        abortLoudly(what + "the engine took " + std::to_string(outcome.steps) +
                    " steps to t = " + numberText(outcome.endTime) + ", not " +
                    std::to_string(kSteps) + " to t = " + numberText(kStopTime));
    if (results.columnCount() != expected.size())
        abortLoudly(what + "the engine logged " + std::to_string(results.columnCount()) +
                    " columns for " + std::to_string(expected.size()) + " integrators");
    const std::size_t last = results.size() - 1;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        char name[16];
        std::snprintf(name, sizeof name, "Y%05d", static_cast<int>(k));
        const std::string& column = results.columnNames()[k];
        if (column.size() < 6 || column.compare(column.size() - 6, 6, name) != 0)
            abortLoudly(what + "column " + std::to_string(k) + " is " + column + ", not " + name);
        const double engine = results.value(k, last);
        if (!(std::fabs(engine - expected[k]) <= 1e-9))
            abortLoudly(what + "integrator " + std::to_string(k) + " ends at " +
                        numberText(engine) + " in the engine and at " + numberText(expected[k]) +
                        " hand-coded");
    }
}

// Checks each chain size once per program, however often its benchmark is repeated.
void checkChainsAgreeOnce(const ChainShape& shape) {
    static std::set<int> checked;
    if (checked.insert(shape.stages).second)
        checkChainsAgree(shape);
}

void BM_HandCodedChain(benchmark::State& state) {
    const ChainShape shape = ChainShape::ofBlocks(static_cast<int>(state.range(0)));
    HandCodedChain chain(shape);
    TimedRun total;
    for (auto _ : state)
        total += timedRun(chain);
    state.counters["blocks"] = shape.blocks();
    state.counters["ns per block evaluation"] = total.nsPerEvaluation(shape);
}
BENCHMARK(BM_HandCodedChain)->Arg(kSmallChain)->Arg(kLargeChain)->Unit(benchmark::kMillisecond);

// Runs of each reference between two timed runs of the engine.
constexpr int kReferenceRuns = 3;

// The engine on the chain, a fresh compile before each run, outside the timing. Its references
// run between the timed runs (untimed by the benchmark, timed alone here), so that on a shared
// machine they meet the same load: the hand-coded chain of the same size and, for a longer
// chain, the engine on the 1,000-block one.
void BM_EngineChain(benchmark::State& state) {
    const ChainShape shape = ChainShape::ofBlocks(static_cast<int>(state.range(0)));
    const ChainShape small = ChainShape::ofBlocks(kSmallChain);
    const bool growth = shape.blocks() > small.blocks();
    try {
        checkChainsAgreeOnce(shape);
        const auto chain = buildChain(shape, false);
        const auto smallChain = growth ? buildChain(small, false) : nullptr;
        HandCodedChain handCoded(shape);
        TimedRun engine, handCodedRuns, smallRuns;
        PreparedRun prepared;
        for (auto _ : state) {
            state.PauseTiming();
            for (int i = 0; i < kReferenceRuns; ++i) {
                handCodedRuns += timedRun(handCoded);
                if (growth)
                    smallRuns += timedRun(smallChain->model);
            }
            prepared = PreparedRun::of(chain->model);
            state.ResumeTiming();
            engine += timed([&] { return prepared.run(chainSettings()).steps; });
        }
        const double ns = engine.nsPerEvaluation(shape);
        state.counters["blocks"] = shape.blocks();
        state.counters["steps"] = double(engine.steps) / double(state.iterations());
        state.counters["ns per block evaluation"] = ns;
        state.counters["ratio to hand-coded"] = ns / handCodedRuns.nsPerEvaluation(shape);
        if (growth)
            state.counters["growth " + std::to_string(shape.blocks()) + "/" +
                           std::to_string(small.blocks())] = ns / smallRuns.nsPerEvaluation(small);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}
BENCHMARK(BM_EngineChain)->Arg(kSmallChain)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineChain)->Arg(kLargeChain)->Iterations(3)->Unit(benchmark::kMillisecond);

// The project's root: $VANTOR_ROOT (./dev sets it), else the folder above bench/.
std::filesystem::path projectRoot() {
    if (const char* root = std::getenv("VANTOR_ROOT"); root && *root)
        return root;
    return std::filesystem::path(__FILE__).parent_path().parent_path();
}

std::unique_ptr<OwnedModel> loadPidLoop() {
    const std::string path = (projectRoot() / "examples" / "pid_loop.vtm").string();
    VTQUILL::File::ModelFileReader::Result loaded = VTQUILL::File::ModelFileReader().load(path);
    if (!loaded.ok())
        throw std::runtime_error(path + ": " + loaded.error->message());
    return std::make_unique<OwnedModel>(loaded.model);
}

void BM_CompilePidLoop(benchmark::State& state) {
    try {
        const auto pid = loadPidLoop();
        const VTSIM::ModelCompiler compiler;
        std::size_t blocks = 0;
        for (auto _ : state) {
            const std::unique_ptr<CompiledModel> compiled = compiler.compile(pid->model);
            blocks = compiled->blocks.size();
        }
        state.counters["compiled blocks"] = double(blocks);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}
BENCHMARK(BM_CompilePidLoop)->Unit(benchmark::kMicrosecond);

// 10 s of pid_loop with dopri5 at the default tolerances, logging its Scope and Display as a
// run does; the compile before each run is outside the timing.
void BM_RunPidLoopTenSeconds(benchmark::State& state) {
    try {
        const auto pid = loadPidLoop();
        SimulationSettings settings;
        settings.stopTime = 10;
        settings.solver = VTSIM::Solver::Dopri5;
        PreparedRun prepared;
        VTSIM::RunOutcome outcome;
        for (auto _ : state) {
            state.PauseTiming();
            prepared = PreparedRun::of(pid->model);
            state.ResumeTiming();
            outcome = prepared.run(settings);
        }
        if (outcome.endTime != settings.stopTime)
            throw std::runtime_error("pid_loop stopped at t = " + numberText(outcome.endTime));
        state.counters["steps"] = double(outcome.steps);
        state.counters["samples"] = double(prepared.results->size());
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}
BENCHMARK(BM_RunPidLoopTenSeconds)->Unit(benchmark::kMicrosecond);

[[maybe_unused]] const bool kGoals =
    BenchGoal::counterBelow("engine overhead per block evaluation (1,000-block chain, rk4)",
                            "BM_EngineChain/1000/iterations:10", "ns per block evaluation", 10,
                            "ns") &&
    BenchGoal::counterBelow("engine over the hand-coded chain (1,000 blocks)",
                            "BM_EngineChain/1000/iterations:10", "ratio to hand-coded", 2, "") &&
    BenchGoal::counterBelow("cost per block evaluation, 10,000 blocks over 1,000",
                            "BM_EngineChain/10000/iterations:3", "growth 10000/1000", 1.3, "") &&
    BenchGoal::timeBelow("compile pid_loop", "BM_CompilePidLoop", 2, "ms") &&
    BenchGoal::timeBelow("run pid_loop for 10 s with dopri5", "BM_RunPidLoopTenSeconds", 5, "ms");

}  // namespace

BENCHMARK_MAIN();
