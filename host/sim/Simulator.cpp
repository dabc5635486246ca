#include "sim/Simulator.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <sstream>

#include "sim/FiniteCheck.h"
#include "sim/RunControl.h"
#include "sim/SimulationResults.h"

namespace VTSIM {

namespace {

// Events that keep changing modes at one instant without end are a model fault.
constexpr int kMaxModeIterations = 100;
constexpr const char* kNotFinite = "produced a value that is not a finite number";

std::string timeText(double t) {
    std::ostringstream out;
    out.precision(17);
    out << t;
    return out.str();
}

}  // namespace

Simulator::Simulator(CompiledModel& model, SimulationSettings settings, SimulationResults& results,
                     RunControl* control)
    : model_(model),
      settings_(std::move(settings)),
      results_(results),
      control_(control),
      signals_(model.signalCount, 0.0),
      x_(std::max(model.stateCount, 1), 0.0),
      row_(model.columnSignals.size(), 0.0),
      outputsState_(model.stateCount, 0.0) {
    state_.signals = signals_.data();
    model_.plan.bindSignals(signals_.data());
}

Simulator::~Simulator() = default;

RunOutcome Simulator::run() {
    start();
    RunOutcome outcome;
    while (t_ < settings_.stopTime) {
        if (control_ && !control_->checkpoint(t_)) {
            outcome.stopped = true;
            break;
        }
        advance();
    }
    if (control_ && !outcome.stopped)
        control_->checkpoint(t_);
    outcome.endTime = t_;
    outcome.steps = steps_;
    return outcome;
}

void Simulator::start() {
    for (const auto& block : model_.blocks)
        block->initialStates(x_.data());
    t_ = 0;
    while (nextEvent_ < model_.timeEvents.size() && model_.timeEvents[nextEvent_] <= t_)
        ++nextEvent_;
    computeOutputs(t_, x_.data());
    updateModes(nullptr);
    checkValues(t_);
    const bool requested = settings_.outputStep > 0;
    nextOutput_ = requested ? 1 : 0;
    log(t_, requested);
    acceptStep();
    solver_ = OdeSolver::make(settings_, *this, t_, x_.data());
}

bool Simulator::advance() {
    const double eventTime = nextTimeEvent();
    const double stopAt = std::min(eventTime, settings_.stopTime);
    double reached = t_;
    OdeSolver::StepEnd end;
    try {
        end = solver_->step(stopAt, reached);
    } catch (const SolverFailure& failure) {
        if (state_.fault)
            failAt(*state_.fault, state_.faultReason, failure.time());
        throw SimulationError(Diagnostic::error(
            "the solver failed at t = " + timeText(failure.time()) + " with step size " +
            timeText(failure.step()) + ": " + failure.what()));
    }
    ++steps_;
    logRequestedBefore(reached);
    t_ = reached;
    std::copy_n(solver_->state(), model_.stateCount, x_.begin());
    computeOutputs(t_, x_.data());
    const bool timeEvent = end == OdeSolver::StepEnd::StopTime && t_ == eventTime;
    if (timeEvent)
        ++nextEvent_;
    if (end == OdeSolver::StepEnd::Root || timeEvent) {
        if (end == OdeSolver::StepEnd::Root)
            solver_->rootDirections(crossed_);
        else
            crossed_.assign(model_.zeroCrossingCount, 0);
        handleEvent(crossed_);
    }
    checkValues(t_);
    const double requestedTime = outputTime(nextOutput_);
    const bool requested = requestedTime == t_;
    if (requested)
        ++nextOutput_;
    log(t_, requested);
    acceptStep();
    if (end == OdeSolver::StepEnd::Root || timeEvent)
        solver_->restart(t_, x_.data());
    return t_ < settings_.stopTime;
}

void Simulator::logRequestedBefore(double t) {
    for (double tau = outputTime(nextOutput_); tau < t; tau = outputTime(++nextOutput_)) {
        solver_->interpolate(tau, x_.data());
        computeOutputs(tau, x_.data());
        checkValues(tau);
        log(tau, true);
    }
}

void Simulator::handleEvent(const std::vector<int>& crossed) {
    updateModes(crossed.empty() ? nullptr : crossed.data());
}

// Modes chosen from the values after an event can change other blocks' inputs, and so their
// modes: repeat until nothing changes.
void Simulator::updateModes(const int* crossed) {
    for (int i = 0; i < kMaxModeIterations; ++i) {
        bool changed = false;
        for (RuntimeBlock* block : model_.outputBlocks) {
            const int* own = crossed ? crossed + block->zeroCrossingOffset : nullptr;
            if (block->updateModes(state_, x_.data(), own, i > 0))
                changed = true;
        }
        if (!changed)
            return;
        outputsCurrent_ = false;
        computeOutputs(t_, x_.data());
    }
    throw SimulationError(Diagnostic::error(
        "the blocks' modes keep switching at t = " + timeText(t_) + " without settling"));
}

void Simulator::computeOutputs(double t, const double* x) {
    state_.t = t;
    state_.x = x;
    // Solvers often evaluate the derivatives at the very point the run asks for next (a step's
    // end); the outputs are then in the buffer already. The states they were computed from are
    // kept aside, or found among the outputs when the integrators' outputs hold them all. Bits
    // are compared: -0 is not 0 to every block.
    const std::optional<int> mirror = model_.plan.stateMirror();
    const double* computedFrom = mirror ? signals_.data() + *mirror : outputsState_.data();
    const std::size_t bytes = sizeof(double) * static_cast<std::size_t>(model_.stateCount);
    if (outputsCurrent_ && t == outputsTime_ && std::memcmp(x, computedFrom, bytes) == 0)
        return;
    outputsCurrent_ = true;
    outputsTime_ = t;
    if (!mirror)
        std::memcpy(outputsState_.data(), x, bytes);
    model_.plan.outputs(state_);
}

// A solver writes the state there next: whatever the outputs were computed from is gone.
double* Simulator::stageBuffer() {
    const std::optional<int> mirror = model_.plan.stateMirror();
    if (!mirror)
        return nullptr;
    outputsCurrent_ = false;
    return signals_.data() + *mirror;
}

int Simulator::derivatives(double t, const double* x, double* dx) {
    computeOutputs(t, x);
    state_.dx = dx;
    const bool finite = model_.plan.derivatives(state_);
    if (!state_.fault && !finite) {
        // Blame the first block whose output is not finite, else the block whose state it is.
        state_.fault = firstNotFinite();
        for (const RuntimeBlock* block : model_.dynamicBlocks) {
            const double* own = dx + block->stateOffset;
            if (!state_.fault && !std::all_of(own, own + block->stateCount(),
                                              [](double v) { return std::isfinite(v); }))
                state_.fault = block;
        }
        state_.faultReason = kNotFinite;
    }
    return state_.fault ? -1 : 0;
}

int Simulator::roots(double t, const double* x, double* g) {
    computeOutputs(t, x);
    for (RuntimeBlock* block : model_.crossingBlocks)
        block->zeroCrossings(state_, g + block->zeroCrossingOffset);
    return state_.fault ? -1 : 0;
}

void Simulator::checkValues(double t) const {
    if (state_.fault)
        failAt(*state_.fault, state_.faultReason, t);
    if (const RuntimeBlock* block = firstNotFinite())
        failAt(*block, kNotFinite, t);
}

const RuntimeBlock* Simulator::firstNotFinite() const {
    // One pass without branches clears the common case; only then look block by block.
    if (FiniteCheck::allFinite(signals_.data(), signals_.size()))
        return nullptr;
    for (const RuntimeBlock* block : model_.outputBlocks) {
        for (const Slice& out : block->outputs) {
            for (int i = 0; i < out.width; ++i) {
                if (!std::isfinite(signals_[out.offset + i]))
                    return block;
            }
        }
    }
    return nullptr;
}

void Simulator::log(double t, bool requested) {
    for (std::size_t c = 0; c < row_.size(); ++c)
        row_[c] = signals_[model_.columnSignals[c]];
    results_.append(t, row_.data(), requested);
}

void Simulator::acceptStep() {
    state_.t = t_;
    for (RuntimeBlock* block : model_.stepNoticeBlocks)
        block->acceptStep(state_);
}

double Simulator::nextTimeEvent() const {
    return nextEvent_ < model_.timeEvents.size() ? model_.timeEvents[nextEvent_] : INFINITY;
}

double Simulator::outputTime(std::size_t k) const {
    const double step = settings_.outputStep;
    const double stop = settings_.stopTime;
    if (!(step > 0))
        return NAN;
    // k * step, computed as a product (never summed), while it does not pass the stop time;
    // then the stop time itself unless it was one of them.
    const double tk = static_cast<double>(k) * step;
    if (tk <= stop)
        return tk;
    const double last = std::floor(stop / step);
    std::size_t count = static_cast<std::size_t>(last) + 1;
    while (count > 0 && static_cast<double>(count - 1) * step > stop)
        --count;
    while (static_cast<double>(count) * step <= stop)
        ++count;
    const bool stopListed = count > 0 && static_cast<double>(count - 1) * step == stop;
    return k == count && !stopListed ? stop : NAN;
}

void Simulator::failAt(const RuntimeBlock& block, const char* reason, double t) const {
    throw SimulationError([&] {
        Diagnostic d = Diagnostic::error(block.path() + ": " + reason + " at t = " + timeText(t),
                                         {block.path()});
        d.time = t;
        return d;
    }());
}

}  // namespace VTSIM
