#include "sim/CvodeSolver.h"

#include <algorithm>
#include <new>

#include <cvode/cvode.h>
#include <sunlinsol/sunlinsol_dense.h>
#include <sunmatrix/sunmatrix_dense.h>

namespace VTSIM {

CvodeSolver::CvodeSolver(const SimulationSettings& settings, OdeSystem& system, double t0,
                         const double* x0)
    : SundialsSolver(system, x0) {
    const int method = settings.effectiveSolver() == Solver::Adams ? CV_ADAMS : CV_BDF;
    memory_ = CVodeCreate(method, context_);
    if (!memory_)
        throw std::bad_alloc();
    check(CVodeSetUserData(memory_, this), "CVodeSetUserData");
    check(CVodeSetErrHandlerFn(memory_, &SundialsSolver::errorCallback, this),
          "CVodeSetErrHandlerFn");
    check(CVodeInit(memory_, &SundialsSolver::derivativesCallback, t0, y_), "CVodeInit");
    check(CVodeSStolerances(memory_, settings.relTol, settings.absTol), "CVodeSStolerances");
    check(CVodeSetMaxStep(memory_, settings.effectiveMaxStep()), "CVodeSetMaxStep");
    check(CVodeSetMaxNumSteps(memory_, -1), "CVodeSetMaxNumSteps");
    const sunindextype n = std::max(system.stateCount(), 1);
    matrix_ = SUNDenseMatrix(n, n, context_);
    linearSolver_ = matrix_ ? SUNLinSol_Dense(y_, matrix_, context_) : nullptr;
    if (!linearSolver_)
        throw std::bad_alloc();
    check(CVodeSetLinearSolver(memory_, linearSolver_, matrix_), "CVodeSetLinearSolver");
    if (system.rootCount() > 0) {
        check(CVodeRootInit(memory_, system.rootCount(), &SundialsSolver::rootsCallback),
              "CVodeRootInit");
        check(CVodeSetNoInactiveRootWarn(memory_), "CVodeSetNoInactiveRootWarn");
    }
}

CvodeSolver::~CvodeSolver() {
    CVodeFree(&memory_);
    SUNLinSolFree(linearSolver_);
    SUNMatDestroy(matrix_);
}

double CvodeSolver::lastStep() const {
    double h = NAN;
    CVodeGetLastStep(memory_, &h);
    return h;
}

int CvodeSolver::setStopTime(double t) {
    return CVodeSetStopTime(memory_, t);
}

int CvodeSolver::evolve(double stopTime, double& reached) {
    return CVode(memory_, stopTime, y_, &reached, CV_ONE_STEP);
}

int CvodeSolver::dky(double t, N_Vector out) {
    return CVodeGetDky(memory_, t, 0, out);
}

int CvodeSolver::rootInfo(int* directions) {
    return CVodeGetRootInfo(memory_, directions);
}

int CvodeSolver::reinit(double t) {
    return CVodeReInit(memory_, t, y_);
}

static_assert(CV_TSTOP_RETURN == 1 && CV_ROOT_RETURN == 2);

}  // namespace VTSIM
