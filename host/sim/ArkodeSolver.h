#pragma once

#include "sim/SundialsSolver.h"

namespace VTSIM {

// ARKODE's explicit Runge-Kutta stepper with the Dormand-Prince 5(4) pair and adaptive steps.
class ArkodeSolver : public SundialsSolver {
public:
    ArkodeSolver(const SimulationSettings& settings, OdeSystem& system, double t0,
                 const double* x0);
    ~ArkodeSolver() override;

protected:
    const char* name() const override { return "the ARKODE integrator"; }
    int setStopTime(double t) override;
    int evolve(double stopTime, double& reached) override;
    int dky(double t, N_Vector out) override;
    int rootInfo(int* directions) override;
    int reinit(double t) override;
    double lastStep() const override;

private:
    void* memory_ = nullptr;
};

}  // namespace VTSIM
