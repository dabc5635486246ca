#pragma once

#include <memory>

#include "sim/CompiledModel.h"
#include "sim/SystemFlattener.h"
#include "vtquill/VTQuill.h"

namespace VTSIM {

// Compiles a model into its executable form:
//   1. flatten the subsystems (masks give their parameters to the blocks inside),
//   2. resolve every input to the output driving it,
//   3. evaluate the parameters into executable blocks,
//   4. infer the signal widths,
//   5. sort the blocks by direct feedthrough,
//   6. lay out signals, states, zero crossings and the logged columns.
// Each step needs the one before; all the errors of a step are gathered before the compile
// gives up, so that one compile names every fault it can.
class ModelCompiler {
public:
    explicit ModelCompiler(ParameterOverrides overrides = {});
    // Throws SimulationError with every error (and the warnings met so far) when the model
    // cannot run; the warnings of a model that can run are in the result.
    std::unique_ptr<CompiledModel> compile(const VTQUILL::Model& model) const;

private:
    // Steps 1 to 6. The plan of evaluation is made after, once the compile's many small
    // intermediate objects are gone: the allocator's tidying after them then falls within
    // the compile, not within the run's first allocation.
    std::unique_ptr<CompiledModel> compileBlocks(const VTQUILL::Model& model) const;

    ParameterOverrides overrides_;
};

}  // namespace VTSIM
