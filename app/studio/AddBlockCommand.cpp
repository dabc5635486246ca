#include "AddBlockCommand.h"

#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

#include "vtdove/BlockLibrary.h"
#include "vtdove/BlockNameAllocator.h"

namespace VantorStudio {

namespace {

constexpr const char* kSource = "app/studio/AddBlockCommand";

// The names of the diagram's blocks that a name made from `typeName` could meet: those that
// begin as it does. Keeping only these spares copying and hashing every name of a large
// diagram.
std::vector<std::string> namesLike(const VTQUILL::Diagram& diagram, const std::string& typeName) {
    const std::string_view stem(typeName.data(), typeName.find_last_not_of("0123456789") + 1);
    std::vector<std::string> names;
    for (const VTQUILL::Block& block : diagram.getBlocks()) {
        const std::string& name = block.getName();
        if (std::string_view(name).substr(0, stem.size()) == stem)
            names.push_back(name);
    }
    return names;
}

}  // namespace

AddBlockCommand::AddBlockCommand(const QUILL::Model& model,
                                 const QUILL::ImmutableClassObject& diagram, std::string typeName,
                                 const PARR::GLPoint<double>& centre)
    : DOVE2::Command(model), diagram_(diagram), typeName_(std::move(typeName)), centre_(centre) {}

AddBlockCommand::~AddBlockCommand() = default;

std::string AddBlockCommand::shortDescription() const {
    return "Add Block";
}

PARR::GLPoint<double> AddBlockCommand::placement(const PARR::GLPoint<double>& centre,
                                                 const PARR::GLPoint<double>& size) {
    // std::round takes halves away from zero.
    return {std::round(centre.x - size.x / 2), std::round(centre.y - size.y / 2)};
}

void AddBlockCommand::execute(PARR::ErrorHolder& errors) {
    const VTDove::BlockLibrary& library = VTDove::BlockLibrary::instance();
    const VTDove::BlockType* type = library.find(typeName_);
    if (!type) {
        errors.setError(kUnknownType, kUnknownTypeCode, {typeName_}, {kSource, __LINE__});
        return;
    }
    const VTQUILL::Diagram diagram(diagram_.asDeviant(getModel()));
    if (!diagram.isValid()) {
        errors.setError(kNoDiagram, kNoDiagramCode, {typeName_}, {kSource, __LINE__});
        return;
    }
    const std::string name =
        VTDove::BlockNameAllocator(namesLike(diagram, typeName_)).take(typeName_);
    created_ = library.instantiate(diagram, typeName_, name, placement(centre_, type->defaultSize))
                   .getObjectId();
}

VTQUILL::Block AddBlockCommand::createdBlock() const {
    if (created_ == QUILL::kNoObject)
        return VTQUILL::Block();
    return VTQUILL::Block(getModel().getDeviantPtr(), created_);
}

}  // namespace VantorStudio
