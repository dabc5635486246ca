#include "quill/ImmutableType.h"

#include "quill/Exception.h"

namespace QUILL {

const Type& ImmutableType::get() const {
    if (!type_)
        throwNullRef();
    return *type_;
}

std::vector<ImmutableType> ImmutableType::getSuperclasses() const {
    std::vector<ImmutableType> result;
    for (const Type* t = get().getSuperclass(); t; t = t->getSuperclass())
        result.emplace_back(t);
    return result;
}

bool ImmutableType::operator<(const ImmutableType& o) const {
    if (type_ == o.type_)
        return false;
    if (!type_)
        return true;
    if (!o.type_)
        return false;
    return type_->getQualifiedName() < o.type_->getQualifiedName();
}

}  // namespace QUILL
