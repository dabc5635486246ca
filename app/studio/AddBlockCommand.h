#pragma once

#include <string>

#include "dove2/Command.h"
#include "parr/GLPoint.h"
#include "vtquill/VTQuill.h"

namespace VantorStudio {

// "Add Block": puts a new block of a library type into a diagram, as the engine's block
// library makes it (VTDove::BlockLibrary::instantiate: the type's size, default parameters,
// ports, and the inner diagram of a subsystem), named after its type and unique within that
// diagram ("Gain", "Gain1", "Gain2", ...: VTDove::BlockNameAllocator over the names the
// diagram holds when the command runs, so a name freed by an undo is given again).
//
// Placement: the block is centred on `centre` (diagram units, relative to the diagram), its
// top-left corner rounded to whole units, halves away from zero, as every position chosen
// with the mouse is stored.
//
// Holds the diagram by identity (re-bound to the command's model in execute) and the type's
// name. Undo removes the block, redo makes it again with the same identity.
class AddBlockCommand : public DOVE2::Command {
public:
    // Message identifiers of the errors execute reports (argument: the type's name).
    static constexpr const char* kUnknownType = "VantorStudio_UnknownBlockType";
    static constexpr std::uint32_t kUnknownTypeCode = 0x6E0101;
    static constexpr const char* kNoDiagram = "VantorStudio_NoDiagramForBlock";
    static constexpr std::uint32_t kNoDiagramCode = 0x6E0102;

    // `model` the root the command runs on; `diagram` a handle in any instance of it.
    AddBlockCommand(const QUILL::Model& model, const QUILL::ImmutableClassObject& diagram,
                    std::string typeName, const PARR::GLPoint<double>& centre);
    ~AddBlockCommand() override;

    // "Add Block".
    std::string shortDescription() const override;
    // Makes the block; reports kUnknownType for a type the library lacks and kNoDiagram when
    // the diagram is not in the model, changing nothing.
    void execute(PARR::ErrorHolder& errors) override;

    // The block made, bound to the command's model; an empty handle before execute or after a
    // failed one.
    VTQUILL::Block createdBlock() const;
    // Where a block of `size` centred on `centre` goes: its rounded top-left corner.
    static PARR::GLPoint<double> placement(const PARR::GLPoint<double>& centre,
                                           const PARR::GLPoint<double>& size);

private:
    QUILL::ImmutableClassObject diagram_;
    std::string typeName_;
    PARR::GLPoint<double> centre_;
    QUILL::ObjectId created_ = QUILL::kNoObject;
};

}  // namespace VantorStudio
