#include "vtdove/EngineRegistry.h"

namespace VTDove {

EngineRegistry& EngineRegistry::instance() {
    static EngineRegistry registry;
    return registry;
}

EngineModel* EngineRegistry::modelOf(const QUILL::ImmutableClassObject& object) {
    if (!object.isValid())
        return nullptr;
    return modelOfRoot(object.getDeviant()->getRootDeviant());
}

EngineModel* EngineRegistry::modelOfRoot(QUILL::Deviant& root) {
    if (!root.isOpen())
        return nullptr;
    const auto it = models_.find(&root);
    if (it != models_.end())
        return it->second.get();
    prune();
    return models_.emplace(&root, std::make_unique<EngineModel>(root)).first->second.get();
}

void EngineRegistry::registerBlockHandle(vtBlock* block) {
    byHandle_[block->getHandle()] = block;
}

vtBlock* EngineRegistry::blockByHandle(double handle) const {
    const auto it = byHandle_.find(handle);
    if (it == byHandle_.end() || !it->second->getRootDeviant().isOpen())
        return nullptr;
    return it->second;
}

void EngineRegistry::prune() {
    for (auto it = models_.begin(); it != models_.end();) {
        if (it->first->isOpen()) {
            ++it;
            continue;
        }
        it->second->forEachBlock([this](vtBlock& b) { byHandle_.erase(b.getHandle()); });
        it = models_.erase(it);
    }
}

}  // namespace VTDove
