#include "sim/ArkodeSolver.h"

#include <algorithm>
#include <new>

#include <arkode/arkode_erkstep.h>

namespace VTSIM {

namespace {

// Butcher tables of the fixed-step methods (no embedded error estimate).
struct FixedTable {
    int stages;
    int order;
    std::vector<double> c, a, b;
};

FixedTable tableFor(Solver solver) {
    if (solver == Solver::Euler)
        return {1, 1, {0.0}, {0.0}, {1.0}};
    return {4,
            4,
            {0.0, 0.5, 0.5, 1.0},
            {0.0, 0.0, 0.0, 0.0,  //
             0.5, 0.0, 0.0, 0.0,  //
             0.0, 0.5, 0.0, 0.0,  //
             0.0, 0.0, 1.0, 0.0},
            {1.0 / 6, 1.0 / 3, 1.0 / 3, 1.0 / 6}};
}

}  // namespace

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
    current_ = t0;
    if (settings.isFixedStep()) {
        fixedStep_ = settings.effectiveFixedStep();
        useFixedStepTable(settings.effectiveSolver(), fixedStep_);
    } else {
        check(ERKStepSetTableNum(memory_, ARKODE_DORMAND_PRINCE_7_4_5), "ERKStepSetTableNum");
        check(ERKStepSStolerances(memory_, settings.relTol, settings.absTol),
              "ERKStepSStolerances");
        check(ERKStepSetMaxStep(memory_, settings.effectiveMaxStep()), "ERKStepSetMaxStep");
    }
    if (system.rootCount() > 0) {
        check(ERKStepRootInit(memory_, system.rootCount(), &SundialsSolver::rootsCallback),
              "ERKStepRootInit");
        check(ERKStepSetNoInactiveRootWarn(memory_), "ERKStepSetNoInactiveRootWarn");
    }
}

ArkodeSolver::~ArkodeSolver() {
    ERKStepFree(&memory_);
}

void ArkodeSolver::useFixedStepTable(Solver solver, double step) {
    FixedTable t = tableFor(solver);
    ARKodeButcherTable table = ARKodeButcherTable_Create(t.stages, t.order, 0, t.c.data(),
                                                         t.a.data(), t.b.data(), nullptr);
    if (!table)
        throw std::bad_alloc();
    const int flag = ERKStepSetTable(memory_, table);
    ARKodeButcherTable_Free(table);  // the stepper keeps a copy
    check(flag, "ERKStepSetTable");
    check(ERKStepSetFixedStep(memory_, step), "ERKStepSetFixedStep");
    stepInUse_ = step;
}

OdeSolver::StepEnd ArkodeSolver::step(double stopTime, double& t) {
    if (fixedStep_ == 0) {
        const StepEnd end = SundialsSolver::step(stopTime, t);
        current_ = t;
        return end;
    }
    // A remainder within rounding of a whole step is taken as that step, so a grid that
    // reaches the stop time a hair late does not end with a step of 1e-17.
    const double remaining = stopTime - current_;
    const bool lands = remaining <= fixedStep_ * (1 + 1e-9);
    const double h = lands ? remaining : fixedStep_;
    if (h != stepInUse_) {
        check(ERKStepSetFixedStep(memory_, h), "ERKStepSetFixedStep", current_, h);
        stepInUse_ = h;
    }
    double reached = current_;
    lastMessage_.clear();
    const int flag = ERKStepEvolve(memory_, stopTime, y_, &reached, ARK_ONE_STEP);
    check(flag, name(), reached, h);
    if (flag == ARK_ROOT_RETURN) {
        t = current_ = reached;
        return StepEnd::Root;
    }
    t = current_ = lands ? stopTime : reached;
    return lands ? StepEnd::StopTime : StepEnd::Step;
}

void ArkodeSolver::restart(double t, const double* x) {
    SundialsSolver::restart(t, x);
    current_ = t;
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
