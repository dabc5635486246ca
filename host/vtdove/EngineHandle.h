#pragma once

#include "quill/Deviant.h"
#include "quill/ObjectId.h"

namespace VTDove {

// The engine's own object for one model object (a block, a diagram, a segment, an annotation).
// Made by the engine registry on the first request for the object and kept, at the same
// address, until the object's model closes: deleting the object and undoing that gives back
// the same engine handle. Refers to the object by identity in the model's root instance.
// Not copyable; owned by the registry.
class EngineHandle {
public:
    EngineHandle(QUILL::Deviant& root, QUILL::ObjectId object) : root_(&root), id_(object) {}
    EngineHandle(const EngineHandle&) = delete;
    EngineHandle& operator=(const EngineHandle&) = delete;
    virtual ~EngineHandle() = default;

    QUILL::ObjectId getObjectId() const { return id_; }
    // The root instance of the object's model.
    QUILL::Deviant& getRootDeviant() const { return *root_; }

private:
    QUILL::Deviant* root_;
    QUILL::ObjectId id_;
};

}  // namespace VTDove
