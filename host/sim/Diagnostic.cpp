#include "sim/Diagnostic.h"

namespace VTSIM {

Diagnostic Diagnostic::error(std::string message, std::vector<std::string> blocks) {
    return {Severity::Error, std::move(message), std::move(blocks), NAN};
}

Diagnostic Diagnostic::warning(std::string message, std::vector<std::string> blocks) {
    return {Severity::Warning, std::move(message), std::move(blocks), NAN};
}

std::string Diagnostic::text() const {
    return (isError() ? "error: " : "warning: ") + message;
}

SimulationError::SimulationError(std::vector<Diagnostic> diagnostics)
    : diagnostics_(std::move(diagnostics)) {
    for (const Diagnostic& d : diagnostics_) {
        if (!text_.empty())
            text_ += '\n';
        text_ += d.text();
    }
}

SimulationError::SimulationError(Diagnostic diagnostic)
    : SimulationError(std::vector<Diagnostic>{std::move(diagnostic)}) {}

}  // namespace VTSIM
