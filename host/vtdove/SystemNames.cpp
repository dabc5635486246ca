#include "vtdove/SystemNames.h"

#include <algorithm>

#include "vtquill/Handles.h"
#include "vtquill/VTQuill.h"

namespace VTDove {

namespace {

constexpr const char* kNewSystemBase = "untitled";

// `path` names the system `name` or something inside it.
bool isPathWithin(const std::string& path, const std::string& name) {
    const std::string escaped = VTQUILL::escapePathName(name);
    if (path == name || path == escaped)
        return true;
    if (path.size() <= escaped.size() + 1 || path.compare(0, escaped.size(), escaped) != 0)
        return false;
    // A single "/" separates; a doubled one would be part of the next name.
    return path[escaped.size()] == '/' && path[escaped.size() + 1] != '/';
}

}  // namespace

std::vector<SystemNames::Closing>& SystemNames::closing() {
    static std::vector<Closing> entries;
    return entries;
}

std::string SystemNames::modelNameOf(const QUILL::Deviant& root) {
    if (!root.isOpen())
        return {};
    const QUILL::ImmutableClassObject object(const_cast<QUILL::Deviant*>(&root),
                                             root.getModelObject());
    if (!object.isKindOf(VTQUILL::Schema::get().model))
        return {};
    return object.get<std::string>(VTQUILL::Schema::get().modelName);
}

std::vector<std::string> SystemNames::openModelNames() {
    std::vector<std::string> names;
    for (QUILL::Deviant* root : QUILL::Deviant::openModels()) {
        const VTQUILL::Model model{QUILL::ImmutableModel(root)};
        std::string name = modelNameOf(*root);
        if (name.empty())
            continue;
        for (const VTQUILL::Diagram& d : model.getDiagrams()) {
            if (d.getName() != name)
                names.push_back(d.getName());
        }
        names.push_back(std::move(name));
    }
    return names;
}

void SystemNames::markClosing(QUILL::Deviant& root) {
    auto& entries = closing();
    std::erase_if(entries, [](const Closing& c) { return !c.root->isOpen(); });
    const std::string name = modelNameOf(root);
    if (!name.empty())
        entries.push_back({&root, name});
}

bool SystemNames::isClosing(const std::string& name) {
    auto& entries = closing();
    std::erase_if(entries, [](const Closing& c) { return !c.root->isOpen(); });
    return std::any_of(entries.begin(), entries.end(),
                       [&](const Closing& c) { return isPathWithin(name, c.name); });
}

std::string getNewSystemName() {
    const std::vector<std::string> taken = SystemNames::openModelNames();
    auto isTaken = [&](const std::string& n) {
        return std::find(taken.begin(), taken.end(), n) != taken.end();
    };
    std::string candidate = kNewSystemBase;
    for (int i = 1; isTaken(candidate); ++i)
        candidate = kNewSystemBase + std::to_string(i);
    return candidate;
}

bool isBDBeingDestroyedOrClosed(const std::string& name) {
    return SystemNames::isClosing(name);
}

void closeSystem(const QUILL::Model& model) {
    if (!model.isValid())
        return;
    QUILL::Deviant& root = model.getDeviant().getRootDeviant();
    SystemNames::markClosing(root);
    root.close();
}

}  // namespace VTDove
