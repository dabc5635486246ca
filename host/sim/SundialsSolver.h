#pragma once

#include <cmath>
#include <string>
#include <vector>

#include <nvector/nvector_serial.h>
#include <sundials/sundials_context.h>

#include "sim/OdeSolver.h"

namespace VTSIM {

// What the SUNDIALS integrators share: the library context, the state vector, the callbacks
// into the system, and the library's last error message (kept for the failure report).
class SundialsSolver : public OdeSolver {
public:
    SundialsSolver(OdeSystem& system, const double* x0);
    ~SundialsSolver() override;
    SundialsSolver(const SundialsSolver&) = delete;
    SundialsSolver& operator=(const SundialsSolver&) = delete;

    const double* state() const override { return N_VGetArrayPointer(y_); }
    StepEnd step(double stopTime, double& t) override;
    void interpolate(double t, double* x) override;
    void rootDirections(std::vector<int>& directions) override;
    void restart(double t, const double* x) override;

    static int derivativesCallback(double t, N_Vector y, N_Vector ydot, void* self);
    static int rootsCallback(double t, N_Vector y, double* g, void* self);
    static void errorCallback(int code, const char* module, const char* function, char* message,
                              void* self);

protected:
    // The integrator's own calls (each returns the library's flag).
    virtual const char* name() const = 0;
    virtual int setStopTime(double t) = 0;
    // One step in one-step mode: 0 a step, kRootReturn, kStopReturn, or a negative failure.
    virtual int evolve(double stopTime, double& reached) = 0;
    virtual int dky(double t, N_Vector out) = 0;
    virtual int rootInfo(int* directions) = 0;
    virtual int reinit(double t) = 0;
    virtual double lastStep() const = 0;
    static constexpr int kStopReturn = 1;  // ARK_TSTOP_RETURN, CV_TSTOP_RETURN
    static constexpr int kRootReturn = 2;  // ARK_ROOT_RETURN, CV_ROOT_RETURN

    // Throws SolverFailure for a negative return `flag` of library call `what`.
    void check(int flag, const char* what, double time, double step) const;
    void check(int flag, const char* what) const { check(flag, what, NAN, NAN); }

    OdeSystem& system_;
    SUNContext context_ = nullptr;
    N_Vector y_ = nullptr;
    std::string lastMessage_;
    double stopTime_ = NAN;
};

}  // namespace VTSIM
