#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "quill/ObjectId.h"
#include "quill/Value.h"
#include "sim/Diagnostic.h"
#include "sim/LineNets.h"
#include "sim/ParameterScope.h"
#include "vtquill/VTQuill.h"

namespace VTSIM {

// A block that computes while the model runs, as flattening found it: every subsystem level
// above it is gone, its parameters are those of the model (with the run's overrides) and it
// reads names in the scope of the masks around it.
struct FlatBlock {
    enum class Role { Compute, TopInput, TopOutput };

    VTQUILL::ImmutableBlock block;
    std::string path;  // the block's full path
    std::string type;  // the block's type ("Gain", ...)
    Role role = Role::Compute;
    QUILL::StringMap parameters;
    std::shared_ptr<const ParameterScope> scope;
    std::vector<VTQUILL::ImmutablePort> inPorts;   // in port order
    std::vector<VTQUILL::ImmutablePort> outPorts;  // in port order
};

// A model with its subsystems flattened: the computing blocks, the nets of every diagram that
// runs, and how the ports of virtual blocks (subsystems, their Input and Output blocks) pass
// signals through.
struct FlatModel {
    std::vector<FlatBlock> blocks;
    LineNets nets;
    // Out port of a computing block -> (block index, output index).
    std::unordered_map<QUILL::ObjectId, std::pair<int, int>> computedOutputs;
    // Out port that carries whatever drives this in port (a subsystem's output carries what
    // drives its inner Output block; an inner Input block's output carries what drives the
    // subsystem's input).
    std::unordered_map<QUILL::ObjectId, VTQUILL::ImmutablePort> outCarriesInput;
    // Out port that is this other out port (a configurable subsystem's output is its chosen
    // block's output).
    std::unordered_map<QUILL::ObjectId, VTQUILL::ImmutablePort> outIsOutput;
    // In port that is driven as this other in port (the chosen block of a configurable
    // subsystem reads the configurable subsystem's inputs).
    std::unordered_map<QUILL::ObjectId, VTQUILL::ImmutablePort> inIsInput;
    std::vector<Diagnostic> diagnostics;
};

}  // namespace VTSIM
