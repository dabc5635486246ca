#pragma once

#include "sim/SundialsSolver.h"

namespace VTSIM {

// ARKODE's explicit Runge-Kutta stepper: Dormand-Prince 5(4) with adaptive steps, or the
// classic fourth-order Runge-Kutta method and forward Euler with a fixed step.
class ArkodeSolver : public SundialsSolver {
public:
    ArkodeSolver(const SimulationSettings& settings, OdeSystem& system, double t0,
                 const double* x0);
    ~ArkodeSolver() override;

    // Fixed steps land on `stopTime` by shortening the last one (never by interpolation).
    StepEnd step(double stopTime, double& t) override;
    void restart(double t, const double* x) override;

protected:
    const char* name() const override { return "the ARKODE integrator"; }
    int setStopTime(double t) override;
    int evolve(double stopTime, double& reached) override;
    int dky(double t, N_Vector out) override;
    int rootInfo(int* directions) override;
    int reinit(double t) override;
    double lastStep() const override;

private:
    void useFixedStepTable(Solver solver, double step);

    void* memory_ = nullptr;
    double fixedStep_ = 0;  // 0: variable steps
    double stepInUse_ = 0;  // the fixed step the stepper holds now
    double current_ = 0;    // the time the last step reached
};

}  // namespace VTSIM
