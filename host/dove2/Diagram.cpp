#include "dove2/Diagram.h"

#include <vector>

#include "quill/ObjectState.h"
#include "quill/Type.h"

namespace DOVE2 {

namespace {

std::string escapedName(const QUILL::ImmutableClassObject& object, const QUILL::Attribute* name) {
    if (!name)
        return {};
    const std::string* value = std::get_if<std::string>(&object.getValue(*name));
    std::string escaped;
    for (char c : value ? *value : std::string())
        escaped += c == '/' ? std::string("//") : std::string(1, c);
    return escaped;
}

// The name that stands for `object` in a system path: a diagram's own name, or the "name"
// attribute of the element owning a nested diagram.
std::string pathName(const QUILL::ImmutableClassObject& object) {
    const QUILL::Type& type = *object.state().type;
    if (object.isKindOf(ModelSchema::get().diagram))
        return escapedName(object, &ModelSchema::get().diagramName);
    return escapedName(object, type.findAttribute("name"));
}

}  // namespace

std::string diagramFullName(const QUILL::ImmutableClassObject& diagram) {
    std::vector<std::string> names;
    QUILL::ImmutableClassObject at = diagram;
    while (at.isValid()) {
        const QUILL::ImmutableClassObject owner = at.getContainer();
        const bool ownedByElement = owner.isValid() &&
                                    !owner.isKindOf(ModelSchema::get().diagram) &&
                                    owner.isKindOf(ModelSchema::get().diagramElement);
        if (!ownedByElement) {
            names.push_back(pathName(at));
            break;
        }
        names.push_back(pathName(owner));
        at = owner.getContainer();
    }
    std::string full;
    for (auto it = names.rbegin(); it != names.rend(); ++it)
        full += (full.empty() && it == names.rbegin() ? "" : "/") + *it;
    return full;
}

Diagram ownedDiagramOf(const QUILL::ImmutableClassObject& element) {
    if (!element.isValid())
        return Diagram();
    for (const QUILL::ImmutableClassObject& child : element.getContained()) {
        const Diagram owned(child);
        if (owned.isValid())
            return owned;
    }
    return Diagram();
}

}  // namespace DOVE2
