#include "sim/ArkodeSolver.h"

#include <algorithm>
#include <new>

#include <arkode/arkode_erkstep.h>

namespace VTSIM {

ArkodeSolver::ArkodeSolver(const SimulationSettings& settings, OdeSystem& system, double t0,
                           const double* x0)
    : SundialsSolver(system, x0) {
    memory_ = ERKStepCreate(&SundialsSolver::derivativesCallback, t0, y_, context_);
    if (!memory_)
        throw std::bad_alloc();
    check(ERKStepSetUserData(memory_, this), "ERKStepSetUserData");
    check(ERKStepSetErrHandlerFn(memory_, &SundialsSolver::errorCallback, this),
          "ERKStepSetErrHandlerFn");
    check(ERKStepSetMaxNumSteps(memory_, -1), "ERKStepSetMaxNumSteps");
    check(ERKStepSetTableNum(memory_, ARKODE_DORMAND_PRINCE_7_4_5), "ERKStepSetTableNum");
    check(ERKStepSStolerances(memory_, settings.relTol, settings.absTol), "ERKStepSStolerances");
    check(ERKStepSetMaxStep(memory_, settings.effectiveMaxStep()), "ERKStepSetMaxStep");
    if (system.rootCount() > 0) {
        check(ERKStepRootInit(memory_, system.rootCount(), &SundialsSolver::rootsCallback),
              "ERKStepRootInit");
        check(ERKStepSetNoInactiveRootWarn(memory_), "ERKStepSetNoInactiveRootWarn");
    }
}

ArkodeSolver::~ArkodeSolver() {
    ERKStepFree(&memory_);
}

double ArkodeSolver::lastStep() const {
    double h = NAN;
    ERKStepGetLastStep(memory_, &h);
    return h;
}

int ArkodeSolver::setStopTime(double t) {
    return ERKStepSetStopTime(memory_, t);
}

int ArkodeSolver::evolve(double stopTime, double& reached) {
    return ERKStepEvolve(memory_, stopTime, y_, &reached, ARK_ONE_STEP);
}

int ArkodeSolver::dky(double t, N_Vector out) {
    return ERKStepGetDky(memory_, t, 0, out);
}

int ArkodeSolver::rootInfo(int* directions) {
    return ERKStepGetRootInfo(memory_, directions);
}

int ArkodeSolver::reinit(double t) {
    return ERKStepReInit(memory_, &SundialsSolver::derivativesCallback, t, y_);
}

static_assert(ARK_TSTOP_RETURN == 1 && ARK_ROOT_RETURN == 2);

}  // namespace VTSIM
