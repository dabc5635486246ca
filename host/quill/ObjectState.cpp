#include "quill/ObjectState.h"

namespace QUILL {

ObjectState ObjectState::ofType(const Type& t) {
    t.seal();
    ObjectState s;
    s.type = &t;
    const auto attributes = t.getAllAttributes();
    s.values.reserve(attributes.size());
    for (const Attribute* a : attributes)
        s.values.push_back(a->getDefault());
    return s;
}

bool ObjectState::sameContent(const ObjectState& o) const {
    return type == o.type && container == o.container && firstChild == o.firstChild &&
           lastChild == o.lastChild && childCount == o.childCount && values == o.values;
}

bool ObjectState::operator==(const ObjectState& o) const {
    return sameContent(o) && prevSibling == o.prevSibling && nextSibling == o.nextSibling;
}

std::size_t ObjectState::memoryBytes() const {
    std::size_t bytes = sizeof(ObjectState) + values.capacity() * sizeof(Value);
    for (const Value& v : values)
        bytes += heapBytesOf(v);
    return bytes;
}

}  // namespace QUILL
