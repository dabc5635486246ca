#include "sim/FixedStepSolver.h"

#include <algorithm>
#include <cmath>

namespace VTSIM {

namespace {

// A root is located to this fraction of the step (bracket width).
constexpr double kRootTolerance = 1e-13;

}  // namespace

FixedStepSolver::FixedStepSolver(const SimulationSettings& settings, OdeSystem& system, double t0,
                                 const double* x0)
    : system_(system),
      rk4_(settings.effectiveSolver() == Solver::Rk4),
      step_(settings.effectiveFixedStep()),
      n_(std::max(system.stateCount(), 1)),
      x_(n_, 0.0),
      xPrevious_(n_, 0.0),
      xNext_(n_, 0.0),
      k1_(n_),
      k2_(n_),
      k3_(n_),
      k4_(n_),
      stage_(n_),
      fEnd_(n_),
      g_(system.rootCount()),
      gPrevious_(system.rootCount()),
      gProbe_(system.rootCount()),
      xProbe_(n_),
      directions_(system.rootCount(), 0) {
    restart(t0, x0);
}

void FixedStepSolver::restart(double t, const double* x) {
    t_ = tPrevious_ = t;
    std::copy_n(x, system_.stateCount(), x_.begin());
    xPrevious_ = x_;
    fEndKnown_ = false;
    if (!g_.empty())
        roots(t_, x_, g_);
}

void FixedStepSolver::derivatives(double t, const std::vector<double>& x, std::vector<double>& dx) {
    derivatives(t, x.data(), dx);
}

void FixedStepSolver::derivatives(double t, const double* x, std::vector<double>& dx) {
    dx[0] = 0;  // the one state of a model without states stays 0
    if (system_.derivatives(t, x, dx.data()) < 0)
        throw SolverFailure("a block's value cannot be computed", t, step_);
}

double* FixedStepSolver::stage() {
    double* buffer = system_.stageBuffer();
    return buffer ? buffer : stage_.data();
}

void FixedStepSolver::roots(double t, const std::vector<double>& x, std::vector<double>& g) {
    if (system_.roots(t, x.data(), g.data()) < 0)
        throw SolverFailure("a block's value cannot be computed", t, step_);
}

OdeSolver::StepEnd FixedStepSolver::step(double stopTime, double& t) {
    // A remainder within rounding of a whole step is taken as that step, so a grid that
    // reaches the stop time a hair late does not end with a step of 1e-17.
    const double remaining = stopTime - t_;
    const bool lands = remaining <= step_ * (1 + 1e-9);
    takeStep(lands ? remaining : step_);
    t_ = lands ? stopTime : t_;
    std::fill(directions_.begin(), directions_.end(), 0);
    if (!g_.empty()) {
        gPrevious_.swap(g_);
        roots(t_, x_, g_);
        if (locateRoot()) {
            t = t_;
            return StepEnd::Root;
        }
    }
    t = t_;
    return lands ? StepEnd::StopTime : StepEnd::Step;
}

void FixedStepSolver::takeStep(double h) {
    const int n = system_.stateCount();
    // The derivative at the end of the last step is this step's first stage.
    if (fEndKnown_)
        k1_.swap(fEnd_);
    else
        derivatives(t_, x_, k1_);
    if (!rk4_) {
        for (int i = 0; i < n; ++i)
            xNext_[i] = x_[i] + h * k1_[i];
    } else {
        // The stages are written where the system reads them (its stage buffer), if it has one.
        double* stage = this->stage();
        for (int i = 0; i < n; ++i)
            stage[i] = x_[i] + h / 2 * k1_[i];
        derivatives(t_ + h / 2, stage, k2_);
        stage = this->stage();
        for (int i = 0; i < n; ++i)
            stage[i] = x_[i] + h / 2 * k2_[i];
        derivatives(t_ + h / 2, stage, k3_);
        stage = this->stage();
        for (int i = 0; i < n; ++i)
            stage[i] = x_[i] + h * k3_[i];
        derivatives(t_ + h, stage, k4_);
        for (int i = 0; i < n; ++i)
            xNext_[i] = x_[i] + h / 6 * (k1_[i] + 2 * k2_[i] + 2 * k3_[i] + k4_[i]);
    }
    // The step's start becomes the previous state by a swap, not a copy; a failed stage above
    // leaves the step's start as it was.
    tPrevious_ = t_;
    xPrevious_.swap(x_);
    x_.swap(xNext_);
    t_ += h;
    // Evaluated at once: the next step's first stage, the dense output's end slope, and it
    // leaves the block outputs at the step's end in the signal buffer for the run to log.
    fEndKnown_ = false;
    endDerivative();
}

void FixedStepSolver::endDerivative() {
    if (fEndKnown_)
        return;
    derivatives(t_, x_, fEnd_);
    fEndKnown_ = true;
}

void FixedStepSolver::interpolate(double t, double* x) {
    const int n = system_.stateCount();
    const double h = t_ - tPrevious_;
    const double s = h > 0 ? (t - tPrevious_) / h : 1;
    if (!rk4_) {
        for (int i = 0; i < n; ++i)
            x[i] = xPrevious_[i] + (t - tPrevious_) * k1_[i];
        return;
    }
    endDerivative();
    // Cubic Hermite basis on [0, 1].
    const double h00 = (1 + 2 * s) * (1 - s) * (1 - s), h10 = s * (1 - s) * (1 - s);
    const double h01 = s * s * (3 - 2 * s), h11 = s * s * (s - 1);
    for (int i = 0; i < n; ++i)
        x[i] = h00 * xPrevious_[i] + h10 * h * k1_[i] + h01 * x_[i] + h11 * h * fEnd_[i];
}

bool FixedStepSolver::locateRoot() {
    const double t0 = tPrevious_, t1 = t_;
    double earliest = t1;
    bool found = false;
    for (std::size_t i = 0; i < g_.size(); ++i) {
        // A function that starts at exactly 0 (just after an event) has not crossed.
        const bool crosses = gPrevious_[i] * g_[i] < 0 || (g_[i] == 0 && gPrevious_[i] != 0);
        if (!crosses)
            continue;
        const double root =
            g_[i] == 0 ? t1 : rootOf(static_cast<int>(i), t0, gPrevious_[i], t1, g_[i]);
        if (!found || root < earliest)
            earliest = root;
        found = true;
    }
    if (!found)
        return false;
    if (earliest < t1) {
        interpolate(earliest, xProbe_.data());
        std::copy(xProbe_.begin(), xProbe_.end(), x_.begin());
        t_ = earliest;
        fEndKnown_ = false;
        roots(t_, x_, g_);
    }
    // Every function whose sign differs from the step's start has crossed by now.
    for (std::size_t i = 0; i < g_.size(); ++i) {
        if (gPrevious_[i] * g_[i] < 0 || (g_[i] == 0 && gPrevious_[i] != 0))
            directions_[i] = gPrevious_[i] < 0 ? 1 : -1;
    }
    return true;
}

// The bracket's upper end once it is narrow (the function already has its new sign there).
double FixedStepSolver::rootOf(int i, double lo, double glo, double hi, double ghi) {
    const double width = kRootTolerance * std::max({1.0, std::abs(lo), std::abs(hi)});
    int side = 0;
    for (int iteration = 0; iteration < 200 && hi - lo > width; ++iteration) {
        double t = hi - ghi * (hi - lo) / (ghi - glo);
        if (!(t > lo && t < hi))
            t = lo + (hi - lo) / 2;
        interpolate(t, xProbe_.data());
        roots(t, xProbe_, gProbe_);
        const double g = gProbe_[i];
        if (g == 0) {
            hi = t;
            break;
        }
        if ((g < 0) == (ghi < 0)) {
            hi = t;
            ghi = g;
            if (side == 1)
                glo /= 2;  // Illinois: keep the stale end from holding the estimate back
            side = 1;
        } else {
            lo = t;
            glo = g;
            if (side == -1)
                ghi /= 2;
            side = -1;
        }
    }
    return hi;
}

}  // namespace VTSIM
