#pragma once

#include <optional>
#include <string>
#include <vector>

#include "quill/Value.h"

namespace VTSIM {

// The solvers a run can use. Auto runs Dopri5 (and says so).
enum class Solver { Auto, Dopri5, Bdf, Adams, Rk4, Euler };

// How a model runs: the model file's "simulation" member, with its defaults.
struct SimulationSettings {
    double stopTime = 10;
    Solver solver = Solver::Auto;
    double relTol = 1e-3;
    double absTol = 1e-6;
    double maxStep = 0;     // variable-step solvers' largest step; 0: a fiftieth of the stop time
    double fixedStep = 0;   // rk4's and euler's step; 0: a thousandth of the stop time
    double outputStep = 0;  // requested output times k * outputStep; 0: every solver step

    // The solver's name as settings and the command line write it ("auto", "dopri5", ...).
    static std::string solverName(Solver solver);
    // The solver of that name; nothing for an unknown name.
    static std::optional<Solver> solverNamed(const std::string& name);
    static const std::vector<std::string>& solverNames();

    // The solver that runs: Auto resolves to Dopri5.
    Solver effectiveSolver() const { return solver == Solver::Auto ? Solver::Dopri5 : solver; }
    bool isFixedStep() const;
    double effectiveMaxStep() const { return maxStep > 0 ? maxStep : stopTime / 50; }
    double effectiveFixedStep() const { return fixedStep > 0 ? fixedStep : stopTime / 1000; }

    // The settings a model's stored texts give ("stopTime", "solver", "relTol", "absTol",
    // "maxStep", "fixedStep", "outputStep"; missing keys keep their defaults). Throws
    // std::invalid_argument naming the key for a text that is not a valid value.
    static SimulationSettings fromTexts(const QUILL::StringMap& texts);
    // Checks the values (positive times and tolerances); the first fault, or empty.
    std::string validate() const;
};

}  // namespace VTSIM
