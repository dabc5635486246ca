#pragma once

#include <memory>
#include <vector>

#include "sim/CompiledModel.h"
#include "sim/OdeSolver.h"
#include "sim/OdeSystem.h"
#include "sim/SimulationSettings.h"

namespace VTSIM {

class RunControl;
class SimulationResults;

// How a run ended.
struct RunOutcome {
    bool stopped = false;   // stopped through its RunControl before the stop time
    double endTime = 0;     // the last simulated time logged
    std::size_t steps = 0;  // accepted solver steps
};

// Runs a compiled model from t = 0 to the stop time:
//   - outputs in execution order, then derivatives, at every solver evaluation;
//   - after each accepted step: the requested output times inside it (dense output), events
//     at its end (a zero crossing the solver located, or a block's time event), the sample at
//     the step, and the solver restarted after an event;
//   - a row at an event's time holds the values just after it.
// The compiled model's blocks keep their modes: a compiled model runs once.
class Simulator : private OdeSystem {
public:
    // `results` holds the model's logged columns; `control` may be null (run to the end).
    Simulator(CompiledModel& model, SimulationSettings settings, SimulationResults& results,
              RunControl* control = nullptr);
    ~Simulator() override;

    // Throws SimulationError naming the block (and the time) for a run that fails; what was
    // logged up to then stays in the results.
    RunOutcome run();

private:
    int stateCount() const override { return model_.stateCount; }
    int rootCount() const override { return model_.zeroCrossingCount; }
    int derivatives(double t, const double* x, double* dx) override;
    int roots(double t, const double* x, double* g) override;
    // The integrators' outputs, when they hold every state (the plan's state mirror).
    double* stageBuffer() override;

    void start();
    // One accepted step and everything that happens at its end; false at the stop time.
    bool advance();
    void logRequestedBefore(double t);
    void handleEvent(const std::vector<int>& crossed);
    void updateModes(const int* crossed);
    void computeOutputs(double t, const double* x);
    void checkValues(double t) const;
    // The first block, in execution order, with an output that is not a finite number.
    const RuntimeBlock* firstNotFinite() const;
    void log(double t, bool requested);
    void acceptStep();
    double nextTimeEvent() const;
    // The k-th requested output time (k * outputStep, then the stop time), or NaN past it.
    double outputTime(std::size_t k) const;
    [[noreturn]] void failAt(const RuntimeBlock& block, const char* reason, double t) const;

    CompiledModel& model_;
    SimulationSettings settings_;
    SimulationResults& results_;
    RunControl* control_;
    std::unique_ptr<OdeSolver> solver_;
    std::vector<double> signals_;
    std::vector<double> x_;
    std::vector<double> row_;
    EvalState state_;
    double t_ = 0;
    std::size_t nextOutput_ = 0;
    std::size_t nextEvent_ = 0;
    std::size_t steps_ = 0;
    std::vector<int> crossed_;
    // The point the signal buffer's outputs were last computed at (modes unchanged since).
    bool outputsCurrent_ = false;
    double outputsTime_ = 0;
    std::vector<double> outputsState_;
};

}  // namespace VTSIM
