#include "vtquill/BackendLookup.h"

namespace VTQUILL {

namespace {

// `path` names the system `prefix` or something below it.
bool isWithin(const std::string& path, const std::string& prefix) {
    if (path.size() < prefix.size() || path.compare(0, prefix.size(), prefix) != 0)
        return false;
    return path.size() == prefix.size() || path[prefix.size()] == '/';
}

bool isBlockDiagramModel(QUILL::Deviant* root) {
    const QUILL::ImmutableClassObject object(root, root->getModelObject());
    return object.isKindOf(Schema::get().model);
}

}  // namespace

bool BackendLookup::getDiagram(const std::string& fullPath, Model& model, Diagram& diagram) {
    for (QUILL::Deviant* root : QUILL::Deviant::openModels()) {
        if (!isBlockDiagramModel(root))
            continue;
        const Model candidate{QUILL::ImmutableModel(root)};
        for (const Diagram& top : candidate.getDiagrams()) {
            const Diagram found = findBelow(top, fullPath);
            if (found.isValid()) {
                model = candidate;
                diagram = found;
                return true;
            }
        }
    }
    return false;
}

// Depth-first: only subsystems whose path is a prefix of the wanted one are entered, and a
// prefix that ends inside a name (before a doubled "/") simply finds nothing below it.
Diagram BackendLookup::findBelow(const Diagram& diagram, const std::string& fullPath) {
    const std::string name = diagram.getFullName();
    if (name == fullPath)
        return diagram;
    if (!isWithin(fullPath, name))
        return Diagram();
    for (const Block& block : diagram.getBlocks()) {
        const Diagram inner = block.getSubsystemDiagram();
        if (!inner.isValid())
            continue;
        const Diagram found = findBelow(inner, fullPath);
        if (found.isValid())
            return found;
    }
    return Diagram();
}

}  // namespace VTQUILL
