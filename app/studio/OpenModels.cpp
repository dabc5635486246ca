#include "OpenModels.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "quill/Deviant.h"
#include "vtquill/Schema.h"

namespace VantorStudio {

namespace {

const QUILL::Deviant* rootOf(const QUILL::ImmutableModel& model) {
    return model.isValid() ? &model.getDeviant().getRootDeviant() : nullptr;
}

bool isBlockDiagramModel(QUILL::Deviant* root) {
    return QUILL::ImmutableClassObject(root, root->getModelObject())
        .isKindOf(VTQUILL::Schema::get().model);
}

}  // namespace

OpenModels::~OpenModels() {
    WREN::Listener::disconnect();
    while (!models_.empty()) {
        std::unique_ptr<OpenModel> entry = std::move(models_.back());
        models_.pop_back();
        entry->root.unregisterModifierOnCommit(this);
        if (entry->root.isValid())
            entry->root.close();
    }
}

OpenModel& OpenModels::add(const VTQUILL::Model& root, const std::string& filePath) {
    auto entry = std::make_unique<OpenModel>();
    entry->root = root.getRootDeviant();
    entry->filePath = filePath;
    entry->history = DOVE2::UndoHistory::forModel(entry->root);
    const QUILL::Deviant* key = &entry->root.getDeviant();
    if (entry->history) {
        entry->historyConnection = entry->history->changed().connect(
            static_cast<WREN::Listener&>(*this), [this, key](const DOVE2::UndoHistoryChanged&) {
                auto it = locate(key);
                if (it != models_.end() && historyChanged_)
                    historyChanged_(**it);
            });
    }
    // Registered for onDeviantDestroyed only: a model closed elsewhere leaves the list.
    entry->root.registerModifierOnCommit(this);
    models_.push_back(std::move(entry));
    return *models_.back();
}

bool OpenModels::remove(const QUILL::ImmutableModel& model) {
    auto it = locate(rootOf(model));
    if (it == models_.end())
        return false;
    std::unique_ptr<OpenModel> entry = std::move(*it);
    models_.erase(it);
    entry->historyConnection.disconnect();
    entry->root.unregisterModifierOnCommit(this);
    entry->root.close();
    return true;
}

OpenModel* OpenModels::find(const QUILL::ImmutableModel& model) const {
    const QUILL::Deviant* root = rootOf(model);
    for (const auto& entry : models_) {
        if (root && entry->root.getDeviantPtr() == root)
            return entry.get();
    }
    return nullptr;
}

OpenModel* OpenModels::findByFile(const std::string& filePath) const {
    if (filePath.empty())
        return nullptr;
    const std::string wanted = normalised(filePath);
    for (const auto& entry : models_) {
        if (!entry->filePath.empty() && normalised(entry->filePath) == wanted)
            return entry.get();
    }
    return nullptr;
}

std::vector<OpenModel*> OpenModels::all() const {
    std::vector<OpenModel*> entries;
    for (const auto& entry : models_)
        entries.push_back(entry.get());
    return entries;
}

std::string OpenModels::nextUntitledName() {
    std::set<std::string> taken;
    for (QUILL::Deviant* root : QUILL::Deviant::openModels()) {
        if (isBlockDiagramModel(root))
            taken.insert(VTQUILL::Model(QUILL::ImmutableModel(root)).getName());
    }
    std::string name = "untitled";
    for (int n = 1; taken.count(name); ++n)
        name = "untitled" + std::to_string(n);
    return name;
}

void OpenModels::onDeviantDestroyed(QUILL::Deviant& instance) {
    auto it = locate(&instance);
    if (it == models_.end())
        return;
    std::unique_ptr<OpenModel> entry = std::move(*it);
    models_.erase(it);
    entry->historyConnection.disconnect();
    if (closedElsewhere_)
        closedElsewhere_(*entry);
}

std::vector<std::unique_ptr<OpenModel>>::iterator OpenModels::locate(const QUILL::Deviant* root) {
    return std::find_if(models_.begin(), models_.end(), [root](const auto& entry) {
        return root && entry->root.getDeviantPtr() == root;
    });
}

std::string OpenModels::normalised(const std::string& filePath) {
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(filePath, ignored);
    return std::filesystem::weakly_canonical(absolute, ignored).lexically_normal().string();
}

}  // namespace VantorStudio
