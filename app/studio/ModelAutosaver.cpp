#include "ModelAutosaver.h"

#include "RecoveryStore.h"
#include "tessel/WarningService.h"

namespace VantorStudio {

ModelAutosaver::ModelAutosaver(const OpenModels& models, RecoveryStore& store,
                               std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent), models_(models), store_(store) {
    connect(&timer_, &QTimer::timeout, this, [this] { autosaveNow(); });
    setInterval(interval);
}

void ModelAutosaver::setInterval(std::chrono::milliseconds interval) {
    timer_.start(interval);
}

void ModelAutosaver::modelChanged(const OpenModel& model) {
    if (!model.isDirty()) {
        discard(model.root.getDeviantPtr());
        return;
    }
    entries_[model.root.getDeviantPtr()].changed = true;
}

void ModelAutosaver::modelClosed(const OpenModel& model) {
    discard(model.root.getDeviantPtr());
}

void ModelAutosaver::adoptRecord(const OpenModel& model, const std::string& key) {
    Entry& entry = entries_[model.root.getDeviantPtr()];
    entry.key = key;
    entry.changed = true;
}

void ModelAutosaver::discardAll() {
    for (const auto& [root, entry] : entries_) {
        if (!entry.key.empty())
            store_.remove(entry.key);
    }
    entries_.clear();
}

int ModelAutosaver::autosaveNow() {
    int written = 0;
    for (const OpenModel* model : models_.all()) {
        auto it = entries_.find(model->root.getDeviantPtr());
        if (it == entries_.end() || !it->second.changed)
            continue;
        if (!model->isDirty())
            discard(model->root.getDeviantPtr());
        else if (writeRecord(*model, it->second))
            ++written;
    }
    return written;
}

std::string ModelAutosaver::recordOf(const OpenModel& model) const {
    auto it = entries_.find(model.root.getDeviantPtr());
    return it == entries_.end() ? std::string() : it->second.key;
}

// The key follows the model's file (a "Save As" changes it); the record under an older key
// goes once the new one is written.
bool ModelAutosaver::writeRecord(const OpenModel& model, Entry& entry) {
    const std::string key = store_.keyFor(model.filePath, model.name());
    const std::string error = store_.write(key, model.root, model.filePath);
    if (!error.empty()) {
        if (!entry.failing)
            TESSEL::warning(kWriteFailed, "Cannot keep the unsaved work of \"" + model.name() +
                                              "\" for recovery: " + error);
        entry.failing = true;
        return false;
    }
    if (!entry.key.empty() && entry.key != key)
        store_.remove(entry.key);
    entry = Entry{key, false, false};
    return true;
}

void ModelAutosaver::discard(const QUILL::Deviant* root) {
    auto it = entries_.find(root);
    if (it == entries_.end())
        return;
    if (!it->second.key.empty())
        store_.remove(it->second.key);
    entries_.erase(it);
}

}  // namespace VantorStudio
