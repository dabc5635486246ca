#pragma once

#include <vector>

#include "sim/OdeSolver.h"

namespace VTSIM {

// The fixed-step methods, our own few lines: forward Euler and the classic fourth-order
// Runge-Kutta method. (ARKODE 6.4 has neither built in, and with our classic table its
// explicit stepper reused the last stage's derivative as the next step's first one, which
// makes the method third order.) The last step before a stop time is shortened to land on it.
//
// Dense output: linear for Euler (its own interpolant), cubic Hermite from the states and
// derivatives at both ends for RK4. Zero crossings: the root functions are compared at both
// ends of each step; a sign change is located on the dense output by the Illinois method, and
// the step ends just after the earliest one (where the functions have their new signs).
class FixedStepSolver : public OdeSolver {
public:
    FixedStepSolver(const SimulationSettings& settings, OdeSystem& system, double t0,
                    const double* x0);

    StepEnd step(double stopTime, double& t) override;
    const double* state() const override { return x_.data(); }
    void interpolate(double t, double* x) override;
    void rootDirections(std::vector<int>& directions) override { directions = directions_; }
    void restart(double t, const double* x) override;

private:
    void derivatives(double t, const std::vector<double>& x, std::vector<double>& dx);
    void derivatives(double t, const double* x, std::vector<double>& dx);
    // Where the next stage's state goes: the system's stage buffer, else stage_.
    double* stage();
    void roots(double t, const std::vector<double>& x, std::vector<double>& g);
    void takeStep(double h);
    // Where the earliest sign change of the root functions over the last step lies; false
    // when none changes sign.
    bool locateRoot();
    double rootOf(int i, double lo, double glo, double hi, double ghi);
    void endDerivative();

    OdeSystem& system_;
    bool rk4_;
    double step_;
    int n_;
    double t_ = 0, tPrevious_ = 0;
    std::vector<double> x_, xPrevious_;
    // Where a step computes its end state before it becomes `x_`.
    std::vector<double> xNext_;
    std::vector<double> k1_, k2_, k3_, k4_, stage_;
    std::vector<double> fEnd_;  // derivative at the step's end, computed when needed
    bool fEndKnown_ = false;
    std::vector<double> g_, gPrevious_, gProbe_, xProbe_;
    std::vector<int> directions_;
};

}  // namespace VTSIM
