#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <string>
#include <unordered_map>

#include "OpenModels.h"

namespace QUILL {
class Deviant;
}

namespace VantorStudio {

class RecoveryStore;

// Keeps the unsaved work of a studio window's models in a RecoveryStore, so that a studio
// that crashes or is killed loses at most one interval of work.
//
// Every interval (kDefaultInterval unless set) it writes a record of each model that changed
// since its last record and has unsaved changes. A model that has no unsaved changes any
// more (saved, or undone back to its file) loses its record at once, and so does a model
// that closes (modelClosed: closing without saving drops the work on purpose). A write that
// fails is told to the user once (warning kWriteFailed: stderr and the status bar) and tried
// again every interval until it succeeds.
//
// The window tells the saver of each change of a model's undo history (modelChanged) and of
// each model that closes. User-interface thread; the models and the store must outlive the
// saver.
class ModelAutosaver : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultInterval = std::chrono::seconds(60);
    // Identifier of the warning given when a record cannot be written.
    static constexpr const char* kWriteFailed = "VantorStudio:AutosaveFailed";

    ModelAutosaver(const OpenModels& models, RecoveryStore& store,
                   std::chrono::milliseconds interval = kDefaultInterval,
                   QObject* parent = nullptr);

    // Restarts the timer with `interval` (more than zero).
    void setInterval(std::chrono::milliseconds interval);
    std::chrono::milliseconds interval() const { return timer_.intervalAsDuration(); }

    // The undo history of `model` changed: its record is written at the next interval while
    // it has unsaved changes; without any, its record goes now.
    void modelChanged(const OpenModel& model);
    // `model` closes (saved or not): its record goes.
    void modelClosed(const OpenModel& model);
    // `model` was opened from the record `key` that an earlier studio left: the record is the
    // model's own from now on (rewritten, and removed as the model's own would be).
    void adoptRecord(const OpenModel& model, const std::string& key);
    // Every model's record goes (the window closes, its models with it).
    void discardAll();

    // Writes now what the next interval would write; returns the number of records written.
    int autosaveNow();
    // The key of the record that holds `model`'s unsaved work; empty when none does.
    std::string recordOf(const OpenModel& model) const;

private:
    struct Entry {
        std::string key;
        bool changed = false;
        bool failing = false;
    };

    bool writeRecord(const OpenModel& model, Entry& entry);
    void discard(const QUILL::Deviant* root);

    const OpenModels& models_;
    RecoveryStore& store_;
    QTimer timer_;
    std::unordered_map<const QUILL::Deviant*, Entry> entries_;
};

}  // namespace VantorStudio
