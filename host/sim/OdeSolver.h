#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/OdeSystem.h"
#include "sim/SimulationSettings.h"

namespace VTSIM {

// A solver failure: the library's own message, the time and the step size it failed at.
class SolverFailure : public std::runtime_error {
public:
    SolverFailure(const std::string& message, double time, double step)
        : std::runtime_error(message), time_(time), step_(step) {}
    double time() const { return time_; }
    double step() const { return step_; }

private:
    double time_;
    double step_;
};

// One SUNDIALS integrator, stepped one accepted step at a time so that the run can log each
// step, interpolate requested output times inside it, and handle events where it stops.
class OdeSolver {
public:
    enum class StepEnd { Step, Root, StopTime };

    // The solver the settings choose (Auto: dopri5), on `system`, starting at (t0, x0).
    static std::unique_ptr<OdeSolver> make(const SimulationSettings& settings, OdeSystem& system,
                                           double t0, const double* x0);
    virtual ~OdeSolver() = default;

    // Takes one step without passing `stopTime`; `t` becomes the time reached (exactly
    // `stopTime` when the step ends there). Throws SolverFailure.
    virtual StepEnd step(double stopTime, double& t) = 0;
    // The state at the time the last step reached.
    virtual const double* state() const = 0;
    // The state at `t` within the last step (dense output), into `x`.
    virtual void interpolate(double t, double* x) = 0;
    // After a Root end: per root function, +1 (rose through 0), -1 (fell) or 0.
    virtual void rootDirections(std::vector<int>& directions) = 0;
    // Starts again from (t, x), after an event changed the right-hand side or the state.
    virtual void restart(double t, const double* x) = 0;
};

}  // namespace VTSIM
