#include "sim/SimulationSettings.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace VTSIM {

namespace {

const std::pair<Solver, const char*> kSolvers[] = {
    {Solver::Auto, "auto"},   {Solver::Dopri5, "dopri5"}, {Solver::Bdf, "bdf"},
    {Solver::Adams, "adams"}, {Solver::Rk4, "rk4"},       {Solver::Euler, "euler"},
};

double numberFor(const std::string& key, const std::string& text) {
    double value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(value))
        throw std::invalid_argument("simulation setting \"" + key + "\" is not a number: \"" +
                                    text + "\"");
    return value;
}

}  // namespace

std::string SimulationSettings::solverName(Solver solver) {
    for (const auto& [s, name] : kSolvers) {
        if (s == solver)
            return name;
    }
    return "auto";
}

std::optional<Solver> SimulationSettings::solverNamed(const std::string& name) {
    for (const auto& [s, n] : kSolvers) {
        if (name == n)
            return s;
    }
    return std::nullopt;
}

const std::vector<std::string>& SimulationSettings::solverNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const auto& entry : kSolvers)
            all.push_back(entry.second);
        return all;
    }();
    return names;
}

bool SimulationSettings::isFixedStep() const {
    const Solver s = effectiveSolver();
    return s == Solver::Rk4 || s == Solver::Euler;
}

SimulationSettings SimulationSettings::fromTexts(const QUILL::StringMap& texts) {
    SimulationSettings s;
    for (const auto& [key, text] : texts) {
        if (key == "solver") {
            const auto solver = solverNamed(text);
            if (!solver)
                throw std::invalid_argument("simulation setting \"solver\" names no solver: \"" +
                                            text + "\"");
            s.solver = *solver;
        } else if (key == "stopTime") {
            s.stopTime = numberFor(key, text);
        } else if (key == "relTol") {
            s.relTol = numberFor(key, text);
        } else if (key == "absTol") {
            s.absTol = numberFor(key, text);
        } else if (key == "maxStep") {
            s.maxStep = numberFor(key, text);
        } else if (key == "fixedStep") {
            s.fixedStep = numberFor(key, text);
        } else if (key == "outputStep") {
            s.outputStep = numberFor(key, text);
        } else {
            throw std::invalid_argument("unknown simulation setting \"" + key + "\"");
        }
    }
    return s;
}

std::string SimulationSettings::validate() const {
    if (!(stopTime > 0) || !std::isfinite(stopTime))
        return "the stop time must be a positive number";
    if (!(relTol > 0) || !(absTol > 0))
        return "the tolerances must be positive";
    if (maxStep < 0 || fixedStep < 0 || outputStep < 0)
        return "step sizes must be positive";
    return {};
}

}  // namespace VTSIM
