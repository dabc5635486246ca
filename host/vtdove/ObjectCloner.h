#pragma once

#include <functional>
#include <unordered_map>
#include <vector>

#include "quill/Deviant.h"
#include "quill/ImmutableClassObject.h"

namespace VTDove {

// Copies object subtrees, possibly from another model, into one target instance: each copy
// gets the source's class and attribute values and, in order, copies of the contained
// objects that the filter accepts. References between copied objects are rewired to the
// copies by remapReferences(); references to objects that were not copied are dropped (a
// segment end becomes empty, an edge list loses the entry), so the graph rules of the model
// hold among the copies as long as every copied segment's ends are copied too.
//
// The target needs an open transaction for the cloner's whole use. Not copyable.
class ObjectCloner {
public:
    // Decides, for a contained object of a copied object, whether it is copied too.
    using Filter = std::function<bool(const QUILL::ImmutableClassObject&)>;

    explicit ObjectCloner(QUILL::Deviant& target);
    ObjectCloner(const ObjectCloner&) = delete;
    ObjectCloner& operator=(const ObjectCloner&) = delete;

    // Copies `source` to the end of `container`'s contained objects in the target (kNoObject:
    // a free object); a null filter copies everything below. Returns the copy's id.
    QUILL::ObjectId clone(const QUILL::ImmutableClassObject& source, QUILL::ObjectId container,
                          const Filter& filter = nullptr);
    // Points every reference held by a copy at the copy of its target, or drops it.
    void remapReferences();
    // The copy of a source object; kNoObject when it was not copied.
    QUILL::ObjectId copyOf(QUILL::ObjectId source) const;

private:
    QUILL::Value remapped(const QUILL::Value& value) const;

    QUILL::Deviant& target_;
    std::unordered_map<QUILL::ObjectId, QUILL::ObjectId> copies_;
    std::vector<QUILL::ObjectId> created_;
};

}  // namespace VTDove
