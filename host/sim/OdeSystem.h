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
};

}  // namespace VTSIM
