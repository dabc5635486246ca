#pragma once

#include <map>
#include <string>

#include "sim/FlatModel.h"

namespace VTSIM {

// Parameter values a run sets instead of the model's: block full path -> name -> text.
using ParameterOverrides = std::map<std::string, std::map<std::string, std::string>>;

// Flattens a model for a run: walks its top-level diagrams and every subsystem that runs
// (plain and masked subsystems by their inner diagram, a configurable subsystem by the choice
// its "Choice" parameter names), keeping the blocks that compute and recording how virtual
// ports pass signals through. Blocks that cannot run (charts, physical components, unknown
// types) are errors naming them; nothing is skipped silently.
class SystemFlattener {
public:
    explicit SystemFlattener(const ParameterOverrides& overrides);
    FlatModel flatten(const VTQUILL::Model& model);

private:
    void flattenDiagram(const VTQUILL::ImmutableDiagram& diagram,
                        const std::shared_ptr<const ParameterScope>& scope, bool topLevel);
    void flattenBlock(const VTQUILL::ImmutableBlock& block,
                      const std::shared_ptr<const ParameterScope>& scope, bool topLevel);
    // A subsystem whose inner diagram runs as it stands.
    void flattenSubsystem(const VTQUILL::ImmutableBlock& block,
                          const std::shared_ptr<const ParameterScope>& scope);
    void flattenConfigurable(const VTQUILL::ImmutableBlock& block,
                             const std::shared_ptr<const ParameterScope>& scope);
    void addComputing(const VTQUILL::ImmutableBlock& block,
                      const std::shared_ptr<const ParameterScope>& scope, FlatBlock::Role role);
    // The block's parameters with the run's overrides applied (each override used is ticked).
    QUILL::StringMap parametersOf(const VTQUILL::ImmutableBlock& block, const std::string& path);
    void reportUnusedOverrides();

    const ParameterOverrides& overrides_;
    std::map<std::string, std::map<std::string, bool>> overrideUsed_;
    FlatModel flat_;
};

// The block's ports of one kind ("In Port" or "Out Port"), in port order.
std::vector<VTQUILL::ImmutablePort> portsOfKind(const VTQUILL::ImmutableBlock& block,
                                                const char* kind);

}  // namespace VTSIM
