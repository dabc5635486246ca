#pragma once

#include <cmath>
#include <string>
#include <vector>

namespace VTSIM {

// One message of a compile or a run: what is wrong, the blocks it concerns (full paths, so that
// a studio can show them), and for a run the simulated time it happened at.
struct Diagnostic {
    enum class Severity { Warning, Error };

    Severity severity = Severity::Error;
    std::string message;              // a sentence that names the blocks by their full paths
    std::vector<std::string> blocks;  // the full paths of the blocks concerned, in message order
    double time = NAN;                // simulated time of a run-time message; NaN at compile time

    static Diagnostic error(std::string message, std::vector<std::string> blocks = {});
    static Diagnostic warning(std::string message, std::vector<std::string> blocks = {});
    bool isError() const { return severity == Severity::Error; }
    // "error: <message>" or "warning: <message>".
    std::string text() const;
};

// A model that cannot run, or a run that failed: every diagnostic of the error.
class SimulationError : public std::exception {
public:
    explicit SimulationError(std::vector<Diagnostic> diagnostics);
    explicit SimulationError(Diagnostic diagnostic);
    const std::vector<Diagnostic>& diagnostics() const { return diagnostics_; }
    // The diagnostics' texts, one per line.
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::vector<Diagnostic> diagnostics_;
    std::string text_;
};

}  // namespace VTSIM
