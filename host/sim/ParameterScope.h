#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "quill/Value.h"
#include "sim/ParameterFault.h"
#include "sim/Vector.h"

namespace VTSIM {

// The names a block's parameters may use: the parameters of the enclosing masked subsystems,
// innermost level first, an inner name hiding an outer one.
//
// A mask parameter's text is evaluated in the scope around its mask (so K = "K+1" reads the
// outer K, and the parameters of one mask do not see each other), lazily: the first lookup of
// the name evaluates it, later lookups return the kept value (or rethrow the kept fault), and a
// parameter nobody uses is never parsed. Scopes are immutable apart from that cache, shared by
// shared_ptr (a level owns its outer levels), and safe to use from several threads at once.
class ParameterScope {
public:
    // The top-level scope: no names but the constants (which are the evaluator's).
    static std::shared_ptr<const ParameterScope> top();
    // A mask level: `parameters` (name -> expression text; the first of equal names counts)
    // of the masked block at `maskPath`, inside `outer` (null: the top-level scope).
    static std::shared_ptr<const ParameterScope> mask(std::shared_ptr<const ParameterScope> outer,
                                                      std::string maskPath,
                                                      QUILL::StringMap parameters);

    // The value of `name`: from the innermost level that defines it, else nothing (the
    // constants pi and e are the evaluator's, not the scope's). Throws ParameterError naming
    // the mask's path and the parameter when its own text does not evaluate.
    std::optional<Vector> lookup(const std::string& name) const;

private:
    // Nothing yet, the value, or the fault.
    using Evaluated = std::variant<std::monostate, Vector, ParameterFault>;

    ParameterScope(std::shared_ptr<const ParameterScope> outer, std::string maskPath,
                   QUILL::StringMap parameters);
    Vector evaluateOnce(std::size_t index) const;

    std::shared_ptr<const ParameterScope> outer_;  // null only for the top-level scope
    std::string maskPath_;
    QUILL::StringMap parameters_;
    // Held while a parameter evaluates: its text only reads outer levels, whose locks come
    // after this one, so the locks are always taken inside out.
    mutable std::mutex mutex_;
    mutable std::vector<Evaluated> evaluated_;  // by index into parameters_
};

}  // namespace VTSIM
