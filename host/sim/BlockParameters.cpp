#include "sim/BlockParameters.h"

#include <cmath>
#include <regex>

#include "sim/ExpressionEvaluator.h"
#include "sim/ParameterFault.h"
#include "vtdove/BlockLibrary.h"

namespace VTSIM {

namespace {

// Whether `text` names s (a polynomial in s) where no mask around defines s.
bool namesS(const std::string& text, const ParameterScope& scope) {
    static const std::regex s("(^|[^A-Za-z0-9_.])s($|[^A-Za-z0-9_])");
    return std::regex_search(text, s) && !scope.lookup("s");
}

}  // namespace

BlockParameters::BlockParameters(const FlatBlock& block) : block_(block) {}

std::string BlockParameters::text(const std::string& name) const {
    for (const auto& [n, value] : block_.parameters) {
        if (n == name)
            return value;
    }
    if (const VTDove::BlockType* type = VTDove::BlockLibrary::instance().find(block_.type)) {
        for (const auto& [n, value] : type->defaultParameters) {
            if (n == name)
                return value;
        }
    }
    fail(name, "the block has no such parameter");
}

std::vector<double> BlockParameters::vector(const std::string& name) const {
    const std::string value = text(name);
    std::vector<double> result;
    try {
        result = ExpressionEvaluator::evaluate(value, *block_.scope);
    } catch (const ParameterError& e) {
        throw problemWith(name, e);
    }
    if (result.empty())
        fail(name, "the value is empty");
    return result;
}

std::optional<std::vector<double>> BlockParameters::optionalVector(const std::string& name) const {
    std::string value;
    try {
        value = text(name);
    } catch (const ParameterProblem&) {
        return std::nullopt;  // a limit the block does not have is no limit
    }
    if (value.find_first_not_of(" \t") == std::string::npos)
        return std::nullopt;
    return vector(name);
}

double BlockParameters::scalar(const std::string& name) const {
    const std::vector<double> v = vector(name);
    if (v.size() != 1)
        fail(name, "a single number is needed, not " + std::to_string(v.size()) + " elements");
    return v.front();
}

int BlockParameters::count(const std::string& name) const {
    const double v = scalar(name);
    if (!(v >= 1) || v != std::floor(v) || v > 1e6)
        fail(name, "a whole number of at least 1 is needed");
    return static_cast<int>(v);
}

std::vector<double> BlockParameters::polynomial(const std::string& name) const {
    const std::string value = text(name);
    if (!namesS(value, *block_.scope))
        return vector(name);
    try {
        return ExpressionEvaluator::polynomial(value, *block_.scope);
    } catch (const ParameterError& e) {
        throw problemWith(name, e);
    }
}

ParameterProblem BlockParameters::problemWith(const std::string& name,
                                              const ParameterError& error) const {
    ParameterFault fault = error.fault();
    if (fault.blockPath.empty())
        fault.blockPath = block_.path;
    if (fault.parameter.empty())
        fault.parameter = name;
    std::vector<std::string> blocks{fault.blockPath};
    if (fault.blockPath != block_.path)
        blocks.push_back(block_.path);
    return ParameterProblem(Diagnostic::error(fault.message(), blocks));
}

void BlockParameters::fail(const std::string& name, const std::string& reason) const {
    std::string value;
    for (const auto& [n, v] : block_.parameters) {
        if (n == name)
            value = v;
    }
    throw ParameterProblem(Diagnostic::error(
        block_.path + ": parameter " + name + " = \"" + value + "\": " + reason, {block_.path}));
}

}  // namespace VTSIM
