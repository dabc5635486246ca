#pragma once

namespace VTSIM {

// What a solver integrates: dx/dt = f(t, x) with root functions g(t, x). A call that returns
// a negative value has failed; the solver stops and reports it.
class OdeSystem {
public:
    virtual ~OdeSystem() = default;
    virtual int stateCount() const = 0;
    virtual int rootCount() const = 0;
    virtual int derivatives(double t, const double* x, double* dx) = 0;
    virtual int roots(double t, const double* x, double* g) = 0;
    // Where a solver may write a state it is about to ask derivatives at (stateCount()
    // doubles), so that the system reads it in place instead of copying it in; none when the
    // system has no such place. The buffer is the system's: the solver asks again before
    // each write, and keeps nothing there it needs afterwards.
    virtual double* stageBuffer() { return nullptr; }
};

}  // namespace VTSIM
