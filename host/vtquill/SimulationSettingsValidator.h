#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "quill/Value.h"

namespace VTQUILL {

// The run settings a model stores (its "simulation" attribute): key -> value texts. Knows
// the keys, their canonical order and the values each takes, so that the repository and the
// model file refuse the same settings:
//  - "solver" takes one of solverNames();
//  - every other key takes a number, finite and greater than 0, written as std::from_chars
//    reads it (the whole text, no spaces, no leading '+').
// A key may be absent: the engine then uses its default.
class SimulationSettingsValidator {
public:
    // "stopTime", "solver", "relTol", "absTol", "maxStep", "fixedStep", "outputStep": the
    // canonical order, in which the model keeps its settings and the file writes them.
    static std::span<const char* const> keys();
    // "auto", "dopri5", "bdf", "adams", "rk4", "euler".
    static std::span<const char* const> solverNames();

    // The key's place in keys(); keys().size() for an unknown key.
    static std::size_t rank(std::string_view key);
    static bool isNumberKey(std::string_view key) { return key != "solver"; }

    // Why `value` cannot be a number setting ("must be a number greater than 0; found -1"),
    // or empty when it can.
    static std::string numberProblem(double value);
    // Why `name` is not a solver ("unknown solver \"x\"; expected \"auto\", ... or
    // \"euler\""), or empty when it is one.
    static std::string solverProblem(const std::string& name);
    // Why `text` cannot be the value of the setting `key` (which must be known), or empty.
    static std::string valueProblem(std::string_view key, const std::string& text);
    // The finite number `text` spells as a whole (read with std::from_chars); nothing for any
    // other text. Does not check the sign.
    static std::optional<double> readNumber(const std::string& text);

    // The same settings in canonical order. Throws QUILL::Exception naming the setting for an
    // unknown key ("Unknown simulation setting \"x\"."), a key given twice or a value that
    // valueProblem refuses ("Cannot set the simulation setting \"relTol\": must be ...").
    static QUILL::StringMap canonical(const QUILL::StringMap& settings);
};

}  // namespace VTQUILL
