#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dove2/UndoHistory.h"
#include "quill/ListenerBase.h"
#include "vtquill/VTQuill.h"
#include "wren/Connection.h"
#include "wren/Listener.h"

namespace VantorStudio {

// One model open in the studio window: its root instance, the file it came from or was last
// saved to (empty for a new model never saved) and its undo history (shared with its editors).
struct OpenModel {
    VTQUILL::Model root;
    std::string filePath;
    std::shared_ptr<DOVE2::UndoHistory> history;
    WREN::Connection historyConnection;

    const std::string& name() const { return root.getName(); }
    // Unsaved changes: the history is away from its clean index.
    bool isDirty() const { return history && history->isDirty(); }
};

// The models open in one studio window, in the order they were opened. The window owns them:
// removing a model (or destroying the list) closes its root instance. A model closed by
// someone else leaves the list by itself and the window is told. User-interface thread only.
class OpenModels : private QUILL::ListenerBase, private WREN::Listener {
public:
    using ModelCallback = std::function<void(const OpenModel&)>;

    OpenModels() = default;
    OpenModels(const OpenModels&) = delete;
    OpenModels& operator=(const OpenModels&) = delete;
    // Closes every model still in the list (without telling anyone).
    ~OpenModels() override;

    // Takes `root` (a root instance, valid) into the list with the file it belongs to (empty
    // for none). Returns its entry, valid until the model is removed.
    OpenModel& add(const VTQUILL::Model& root, const std::string& filePath);
    // Takes the model out of the list and closes its root instance. False when the model is
    // not in the list.
    bool remove(const QUILL::ImmutableModel& model);

    // The entry of the model that `model` (any instance of it) belongs to; null when none.
    OpenModel* find(const QUILL::ImmutableModel& model) const;
    // The entry whose file is `filePath` (compared as absolute, normalised paths); null when
    // none is.
    OpenModel* findByFile(const std::string& filePath) const;
    // The entries, in the order the models were opened.
    std::vector<OpenModel*> all() const;
    bool empty() const { return models_.empty(); }
    std::size_t size() const { return models_.size(); }

    // The name for a new model: "untitled", else "untitled1", "untitled2"... the first that no
    // open model of the process carries.
    static std::string nextUntitledName();

    // Told whenever a model's undo history changes (a command, an undo, a save marked).
    void setHistoryChangedCallback(ModelCallback callback) {
        historyChanged_ = std::move(callback);
    }
    // Told when a model of the list was closed by someone else, right before its entry goes.
    void setClosedElsewhereCallback(ModelCallback callback) {
        closedElsewhere_ = std::move(callback);
    }

private:
    void onDeviantDestroyed(QUILL::Deviant& instance) override;
    std::vector<std::unique_ptr<OpenModel>>::iterator locate(const QUILL::Deviant* root);
    static std::string normalised(const std::string& filePath);

    std::vector<std::unique_ptr<OpenModel>> models_;
    ModelCallback historyChanged_;
    ModelCallback closedElsewhere_;
};

}  // namespace VantorStudio
