#include "sim/SundialsSolver.h"

#include <algorithm>
#include <new>

namespace VTSIM {

namespace {

int sizeOf(const OdeSystem& system) {
    // The library needs at least one state; a model without any integrates a constant 0.
    return std::max(system.stateCount(), 1);
}

}  // namespace

SundialsSolver::SundialsSolver(OdeSystem& system, const double* x0) : system_(system) {
    if (SUNContext_Create(nullptr, &context_) != 0)
        throw std::bad_alloc();
    y_ = N_VNew_Serial(sizeOf(system), context_);
    if (!y_)
        throw std::bad_alloc();
    double* y = N_VGetArrayPointer(y_);
    std::fill_n(y, sizeOf(system), 0.0);
    std::copy_n(x0, system.stateCount(), y);
}

SundialsSolver::~SundialsSolver() {
    N_VDestroy(y_);
    SUNContext_Free(&context_);
}

int SundialsSolver::derivativesCallback(double t, N_Vector y, N_Vector ydot, void* self) {
    auto* solver = static_cast<SundialsSolver*>(self);
    double* dx = N_VGetArrayPointer(ydot);
    dx[0] = 0;  // the one state of a model without states stays 0
    return solver->system_.derivatives(t, N_VGetArrayPointer(y), dx);
}

int SundialsSolver::rootsCallback(double t, N_Vector y, double* g, void* self) {
    auto* solver = static_cast<SundialsSolver*>(self);
    return solver->system_.roots(t, N_VGetArrayPointer(y), g);
}

void SundialsSolver::errorCallback(int, const char*, const char* function, char* message,
                                   void* self) {
    auto* solver = static_cast<SundialsSolver*>(self);
    solver->lastMessage_ = std::string(function) + ": " + message;
}

void SundialsSolver::check(int flag, const char* what, double time, double step) const {
    if (flag >= 0)
        return;
    throw SolverFailure(std::string(what) + " failed (" + std::to_string(flag) + ")" +
                            (lastMessage_.empty() ? "" : ": " + lastMessage_),
                        time, step);
}

OdeSolver::StepEnd SundialsSolver::step(double stopTime, double& t) {
    // Set again after each stop and restart: the libraries forget a stop time once reached.
    if (stopTime != stopTime_) {
        check(setStopTime(stopTime), "setting the stop time");
        stopTime_ = stopTime;
    }
    double reached = t;
    lastMessage_.clear();
    const int flag = evolve(stopTime, reached);
    check(flag, name(), reached, lastStep());
    t = reached;
    if (flag == kRootReturn)
        return StepEnd::Root;
    if (flag == kStopReturn) {
        t = stopTime;
        stopTime_ = NAN;
        return StepEnd::StopTime;
    }
    return StepEnd::Step;
}

void SundialsSolver::interpolate(double t, double* x) {
    N_Vector out = N_VMake_Serial(std::max(system_.stateCount(), 1), x, context_);
    const int flag = dky(t, out);
    N_VDestroy(out);
    check(flag, "dense output", t, lastStep());
}

void SundialsSolver::rootDirections(std::vector<int>& directions) {
    directions.assign(system_.rootCount(), 0);
    if (!directions.empty())
        check(rootInfo(directions.data()), "reading the roots found");
}

void SundialsSolver::restart(double t, const double* x) {
    std::copy_n(x, system_.stateCount(), N_VGetArrayPointer(y_));
    check(reinit(t), "restarting the integrator", t, NAN);
    stopTime_ = NAN;
}

}  // namespace VTSIM
