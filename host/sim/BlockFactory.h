#pragma once

#include <memory>

#include "sim/FlatModel.h"
#include "sim/RuntimeBlock.h"

namespace VTSIM {

// Makes the executable block of a flattened block from its evaluated parameters. Throws
// ParameterProblem (naming the block, the parameter and what is wrong) when a parameter does
// not evaluate or does not fit the block (signs that do not match its input ports, an improper
// transfer function, an unknown switch criterion).
class BlockFactory {
public:
    static std::unique_ptr<RuntimeBlock> make(const FlatBlock& block);
};

}  // namespace VTSIM
