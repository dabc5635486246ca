#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/FlatModel.h"
#include "sim/ParameterFault.h"

namespace VTSIM {

// A parameter that cannot be used: the text, the block and the parameter are in the message.
class ParameterProblem : public std::runtime_error {
public:
    ParameterProblem(Diagnostic diagnostic)
        : std::runtime_error(diagnostic.message), diagnostic_(std::move(diagnostic)) {}
    const Diagnostic& diagnostic() const { return diagnostic_; }

private:
    Diagnostic diagnostic_;
};

// Reads one flattened block's parameters as values: the block's own text (or its type's
// default when the block has none), evaluated in the block's scope. Every failure is a
// ParameterProblem naming the block's full path, the parameter and the fault's position.
class BlockParameters {
public:
    explicit BlockParameters(const FlatBlock& block);

    // The parameter's text; its type's default when the block has none.
    std::string text(const std::string& name) const;
    // A value of one or more elements.
    std::vector<double> vector(const std::string& name) const;
    // A value of one or more elements, or nothing when the text is blank.
    std::optional<std::vector<double>> optionalVector(const std::string& name) const;
    double scalar(const std::string& name) const;
    // A whole number >= 1.
    int count(const std::string& name) const;
    // Polynomial coefficients in descending powers of s. A coefficient vector is taken as it
    // stands (a zero leading coefficient stays, for the caller to judge).
    std::vector<double> polynomial(const std::string& name) const;

    // A problem with parameter `name` that is not an evaluation fault.
    [[noreturn]] void fail(const std::string& name, const std::string& reason) const;

private:
    // The problem an evaluation fault of parameter `name` makes, naming this block.
    ParameterProblem problemWith(const std::string& name, const ParameterError& error) const;

    const FlatBlock& block_;
};

}  // namespace VTSIM
