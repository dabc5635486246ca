#pragma once

#include <vector>

#include "dove2/explorer/TreeProperty.h"
#include "quill/ImmutableClassObject.h"

namespace DOVE2::Util {

// Decides what the model explorer shows below an object. A tree populator (GetChildrenBase)
// asks it twice: which properties of the object lead to its children (the attribute filter),
// and which of the objects reached through one property to keep (the object-type filter); one
// filter may serve in both roles. Filters are shared through boost::shared_ptr and keep no
// state that a call changes, so one filter may serve several populators.
class TreeFilter {
public:
    virtual ~TreeFilter();

    // Of the candidate `properties` of `object` (in order), those to walk for its children,
    // in the order to walk them. A filter may also add properties of its own.
    virtual std::vector<TreeProperty> filterAttributes(
        const QUILL::ImmutableClassObject& object, std::vector<TreeProperty> properties) const = 0;

    // Of the `objects` reached from `owner` through `property` (in order), those to show, in
    // order.
    virtual std::vector<QUILL::ImmutableClassObject> filterObjects(
        const QUILL::ImmutableClassObject& owner, const TreeProperty& property,
        std::vector<QUILL::ImmutableClassObject> objects) const = 0;
};

}  // namespace DOVE2::Util
