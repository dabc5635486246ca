#pragma once

#include <sundials/sundials_linearsolver.h>
#include <sundials/sundials_matrix.h>

#include "sim/SundialsSolver.h"

namespace VTSIM {

// CVODE's variable-order, variable-step multistep methods: BDF (stiff) or Adams-Moulton, with
// Newton iteration on a dense linear solver.
class CvodeSolver : public SundialsSolver {
public:
    CvodeSolver(const SimulationSettings& settings, OdeSystem& system, double t0, const double* x0);
    ~CvodeSolver() override;

protected:
    const char* name() const override { return "the CVODE integrator"; }
    int setStopTime(double t) override;
    int evolve(double stopTime, double& reached) override;
    int dky(double t, N_Vector out) override;
    int rootInfo(int* directions) override;
    int reinit(double t) override;
    double lastStep() const override;

private:
    void* memory_ = nullptr;
    SUNMatrix matrix_ = nullptr;
    SUNLinearSolver linearSolver_ = nullptr;
};

}  // namespace VTSIM
