#include "vtdove/ObjectCloner.h"

#include "quill/Type.h"

namespace VTDove {

ObjectCloner::ObjectCloner(QUILL::Deviant& target) : target_(target) {}

QUILL::ObjectId ObjectCloner::clone(const QUILL::ImmutableClassObject& source,
                                    QUILL::ObjectId container, const Filter& filter) {
    const QUILL::ObjectState& state = source.state();
    const QUILL::ObjectId copy = target_.createObject(*state.type, container);
    copies_[source.getObjectId()] = copy;
    created_.push_back(copy);
    for (const QUILL::Attribute* attribute : state.type->getAllAttributes())
        target_.setValue(copy, *attribute, state.values[attribute->getIndex()]);
    for (const QUILL::ImmutableClassObject& child : source.getContained()) {
        if (!filter || filter(child))
            clone(child, copy, filter);
    }
    return copy;
}

QUILL::Value ObjectCloner::remapped(const QUILL::Value& value) const {
    if (const auto* ref = std::get_if<QUILL::ObjectRef>(&value))
        return QUILL::ObjectRef{copyOf(ref->id)};
    const auto& list = std::get<QUILL::RefList>(value);
    QUILL::RefList result;
    for (QUILL::ObjectId id : list) {
        if (const QUILL::ObjectId copy = copyOf(id); copy != QUILL::kNoObject)
            result.push_back(copy);
    }
    return result;
}

void ObjectCloner::remapReferences() {
    for (QUILL::ObjectId copy : created_) {
        const QUILL::ObjectState* state = target_.find(copy);
        if (!state)
            continue;
        for (const QUILL::Attribute* attribute : state->type->getAllAttributes()) {
            const QUILL::ValueKind kind = attribute->getKind();
            if (kind != QUILL::ValueKind::Reference && kind != QUILL::ValueKind::ReferenceList)
                continue;
            // Read before writing: setValue may replace the state.
            QUILL::Value value = remapped(target_.find(copy)->values[attribute->getIndex()]);
            target_.setValue(copy, *attribute, std::move(value));
        }
    }
}

QUILL::ObjectId ObjectCloner::copyOf(QUILL::ObjectId source) const {
    const auto it = copies_.find(source);
    return it == copies_.end() ? QUILL::kNoObject : it->second;
}

}  // namespace VTDove
