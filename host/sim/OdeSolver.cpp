#include "sim/OdeSolver.h"

#include "sim/ArkodeSolver.h"
#include "sim/CvodeSolver.h"
#include "sim/FixedStepSolver.h"

namespace VTSIM {

std::unique_ptr<OdeSolver> OdeSolver::make(const SimulationSettings& settings, OdeSystem& system,
                                           double t0, const double* x0) {
    switch (settings.effectiveSolver()) {
        case Solver::Bdf:
        case Solver::Adams:
            return std::make_unique<CvodeSolver>(settings, system, t0, x0);
        case Solver::Rk4:
        case Solver::Euler:
            return std::make_unique<FixedStepSolver>(settings, system, t0, x0);
        case Solver::Auto:
        case Solver::Dopri5:
            break;
    }
    return std::make_unique<ArkodeSolver>(settings, system, t0, x0);
}

}  // namespace VTSIM
