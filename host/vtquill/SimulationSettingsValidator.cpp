#include "vtquill/SimulationSettingsValidator.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "quill/Exception.h"

namespace VTQUILL {

namespace {

constexpr const char* kKeys[] = {"stopTime", "solver",    "relTol",    "absTol",
                                 "maxStep",  "fixedStep", "outputStep"};
constexpr const char* kSolverNames[] = {"auto", "dopri5", "bdf", "adams", "rk4", "euler"};

std::string shortest(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

[[noreturn]] void refuse(const std::string& key, const std::string& problem) {
    throw QUILL::Exception("Cannot set the simulation setting \"" + key + "\": " + problem + ".");
}

}  // namespace

std::span<const char* const> SimulationSettingsValidator::keys() {
    return kKeys;
}

std::span<const char* const> SimulationSettingsValidator::solverNames() {
    return kSolverNames;
}

std::size_t SimulationSettingsValidator::rank(std::string_view key) {
    const auto it = std::find(std::begin(kKeys), std::end(kKeys), key);
    return static_cast<std::size_t>(it - std::begin(kKeys));
}

std::string SimulationSettingsValidator::numberProblem(double value) {
    // Written so that NaN fails too: it compares false with everything.
    if (value > 0 && std::isfinite(value))
        return {};
    std::string found;
    if (std::isnan(value))
        found = "NaN";
    else if (std::isinf(value))
        found = value > 0 ? "infinity" : "-infinity";
    else
        found = shortest(value);
    return "must be a number greater than 0; found " + found;
}

std::string SimulationSettingsValidator::solverProblem(const std::string& name) {
    if (std::find(std::begin(kSolverNames), std::end(kSolverNames), name) !=
        std::end(kSolverNames)) {
        return {};
    }
    std::string list;
    const std::size_t n = std::size(kSolverNames);
    for (std::size_t i = 0; i < n; ++i) {
        list += (i == 0 ? "" : i + 1 == n ? " or " : ", ");
        list += '"' + std::string(kSolverNames[i]) + '"';
    }
    return "unknown solver \"" + name + "\"; expected " + list;
}

std::optional<double> SimulationSettingsValidator::readNumber(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string SimulationSettingsValidator::valueProblem(std::string_view key,
                                                      const std::string& text) {
    if (!isNumberKey(key))
        return solverProblem(text);
    const std::optional<double> value = readNumber(text);
    if (!value)
        return "must be a number greater than 0; found \"" + text + "\"";
    return numberProblem(*value);
}

QUILL::StringMap SimulationSettingsValidator::canonical(const QUILL::StringMap& settings) {
    const std::size_t n = std::size(kKeys);
    std::vector<const std::pair<std::string, std::string>*> byRank(n, nullptr);
    for (const auto& entry : settings) {
        const std::size_t r = rank(entry.first);
        if (r == n)
            throw QUILL::Exception("Unknown simulation setting \"" + entry.first + "\".");
        if (byRank[r])
            refuse(entry.first, "it is given twice");
        const std::string problem = valueProblem(entry.first, entry.second);
        if (!problem.empty())
            refuse(entry.first, problem);
        byRank[r] = &entry;
    }
    QUILL::StringMap ordered;
    ordered.reserve(settings.size());
    for (const auto* entry : byRank) {
        if (entry)
            ordered.push_back(*entry);
    }
    return ordered;
}

}  // namespace VTQUILL
