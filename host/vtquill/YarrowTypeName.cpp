#include "vtquill/YarrowTypeName.h"

namespace VTQUILL {

std::string getFullyQualifiedYarrowTypeName(const QUILL::ImmutableClassObject& object) {
    if (!object.isValid())
        return "QUILL.ImmutableClassObject";
    return object.getMetaClass().getQualifiedName();
}

}  // namespace VTQUILL
