#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/ScalarForm.h"

namespace VTSIM {

class RuntimeBlock;

// Where a block's input or output lives in the signal buffer: `width` doubles from `offset`.
// An input of width 1 feeding a wider block is expanded (every element reads the one value).
struct Slice {
    int offset = 0;
    int width = 0;
};

// What blocks read and write while the model runs, at simulated time `t`: every block output
// in `signals`, the continuous states in `x`, their derivatives in `dx` (derivatives pass only).
struct EvalState {
    double t = 0;
    const double* x = nullptr;
    double* dx = nullptr;
    double* signals = nullptr;
    // Set by a block whose output cannot be computed (a division by zero): the run stops and
    // names it. Blocks never throw while the model runs (solver callbacks cannot unwind).
    const RuntimeBlock* fault = nullptr;
    const char* faultReason = nullptr;
};

// A width that does not fit a block (thrown while widths are inferred).
class WidthError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One block of the executable form of a model: its inputs and outputs in the signal buffer,
// its continuous states, zero-crossing functions and modes. The compiler builds it with its
// evaluated parameters, infers widths through `outputWidths`, then `configure`s it.
//
// Modes (which branch a discontinuous block follows) change only at events, so the solver
// sees a smooth right-hand side between events; the zero-crossing functions tell the solver
// where the next event lies.
class RuntimeBlock {
public:
    RuntimeBlock(std::string path, int inputCount, int outputCount);
    virtual ~RuntimeBlock() = default;

    const std::string& path() const { return path_; }
    int inputCount() const { return static_cast<int>(inputs.size()); }
    int outputCount() const { return static_cast<int>(outputs.size()); }

    // --- While compiling.
    // The widths of the outputs for these input widths (0: not known yet); empty when they
    // cannot be told yet. Throws WidthError when the inputs do not fit.
    virtual std::vector<int> outputWidths(const std::vector<int>& inputWidths) const = 0;
    // Output widths the block knows from its parameters alone (blocks with states), used to
    // break a feedback cycle whose widths depend on each other; empty when it has none.
    virtual std::vector<int> widthsFromParameters() const { return {}; }
    // Whether output values depend on input `input` at the same instant.
    virtual bool hasDirectFeedthrough(int input) const;
    // Called once the input and output slices are final: sizes states and zero crossings.
    virtual void configure() {}
    virtual int stateCount() const { return 0; }
    virtual int zeroCrossingCount() const { return 0; }
    // The times at which the block's outputs jump whatever its inputs do (a step's time).
    virtual void timeEvents(std::vector<double>& /*times*/) const {}
    // Whether the block needs `acceptStep` after every accepted step.
    virtual bool needsStepNotice() const { return false; }

    // --- While running. Every call reads and writes only the block's own slices.
    // Writes the initial states into `x` (its own range).
    virtual void initialStates(double* /*x*/) const {}
    virtual void output(EvalState& s) const = 0;
    virtual void derivatives(EvalState& /*s*/) const {}
    virtual void zeroCrossings(const EvalState& /*s*/, double* /*g*/) const {}
    // At the start and after each event: chooses the modes from the present values. `crossed`
    // holds, per own zero-crossing function, the direction it crossed in (+1 up, -1 down, 0
    // not), or is null at the start and at time events. A crossing decides its element's mode
    // for the whole event: the first pass (`again` false) applies it; the passes that follow
    // while other blocks' modes change (`again` true) leave crossed elements as they are and
    // let the others follow their values. May set its states in `x` (a limit reached). True
    // when a mode or a state changed.
    virtual bool updateModes(const EvalState& /*s*/, double* /*x*/, const int* /*crossed*/,
                             bool /*again*/) {
        return false;
    }
    // After each accepted step, with the outputs at that step.
    virtual void acceptStep(const EvalState& /*s*/) {}

    // --- Batched evaluation (see EvaluationPlan), once configured.
    // The block's one output as a scalar form, when `output` computes just that.
    virtual std::optional<ScalarForm> scalarForm() const { return std::nullopt; }
    // For a block with one state whose derivative is one signal, that signal's offset, when
    // `derivatives` computes just that.
    virtual std::optional<int> derivativeSignal() const { return std::nullopt; }

    // Reads element `i` of input `k` (an input of width 1 is expanded).
    double in(const EvalState& s, int k, int i) const {
        const Slice& slice = inputs[k];
        return s.signals[slice.offset + (slice.width == 1 ? 0 : i)];
    }
    double* out(const EvalState& s, int k = 0) const { return s.signals + outputs[k].offset; }

    std::vector<Slice> inputs;
    std::vector<Slice> outputs;
    int stateOffset = 0;
    int zeroCrossingOffset = 0;

protected:
    // The one width that all of `widths` expand to (each 1 or equal); 0 while one is unknown.
    // Throws WidthError naming `what` when two differ.
    static int commonWidth(const std::vector<int>& widths, const std::string& what);

private:
    std::string path_;
};

}  // namespace VTSIM
