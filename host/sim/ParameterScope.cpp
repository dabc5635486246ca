#include "sim/ParameterScope.h"

#include <utility>

#include "sim/ExpressionEvaluator.h"

namespace VTSIM {

std::shared_ptr<const ParameterScope> ParameterScope::top() {
    static const std::shared_ptr<const ParameterScope> kTop(
        new ParameterScope(nullptr, std::string(), QUILL::StringMap()));
    return kTop;
}

std::shared_ptr<const ParameterScope> ParameterScope::mask(
    std::shared_ptr<const ParameterScope> outer, std::string maskPath,
    QUILL::StringMap parameters) {
    if (!outer)
        outer = top();
    return std::shared_ptr<const ParameterScope>(
        new ParameterScope(std::move(outer), std::move(maskPath), std::move(parameters)));
}

ParameterScope::ParameterScope(std::shared_ptr<const ParameterScope> outer, std::string maskPath,
                               QUILL::StringMap parameters)
    : outer_(std::move(outer)),
      maskPath_(std::move(maskPath)),
      parameters_(std::move(parameters)),
      evaluated_(parameters_.size()) {}

std::optional<Vector> ParameterScope::lookup(const std::string& name) const {
    for (std::size_t i = 0; i < parameters_.size(); ++i)
        if (parameters_[i].first == name)
            return evaluateOnce(i);
    if (!outer_)
        return std::nullopt;
    return outer_->lookup(name);
}

Vector ParameterScope::evaluateOnce(std::size_t index) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    Evaluated& slot = evaluated_[index];
    if (std::holds_alternative<std::monostate>(slot)) {
        const auto& [name, text] = parameters_[index];
        try {
            slot = ExpressionEvaluator::evaluate(text, *outer_);
        } catch (const ParameterError& error) {
            ParameterFault fault = error.fault();
            // A fault in an outer mask's text already names that mask.
            if (fault.blockPath.empty() && fault.parameter.empty()) {
                fault.blockPath = maskPath_;
                fault.parameter = name;
            }
            slot = std::move(fault);
        }
    }
    if (const auto* fault = std::get_if<ParameterFault>(&slot))
        throw ParameterError(*fault);
    return std::get<Vector>(slot);
}

}  // namespace VTSIM
