#pragma once

#include <QtGlobal>
#include <optional>
#include <string>
#include <vector>

#include "vtquill/VTQuill.h"

namespace VantorStudio {

// One piece of unsaved work the store keeps: the state of a model as the studio process `pid`
// last wrote it.
struct RecoveryRecord {
    // Names the record's files in the store's folder.
    std::string key;
    // The model file the work belongs to; empty for a model never saved.
    std::string modelFile;
    std::string modelName;
    // The model's state: a model file.
    std::string stateFile;
    qint64 pid = 0;
};

// The recovery records of the studio's autosave, in one folder of the user's data (by default
// "vantor-studio/recovery" below the user's data folder: $XDG_DATA_HOME, else
// ~/.local/share), never beside the model files, whose folders may not be writable.
//
// A record is two files named after its key, a hash of the model file's absolute path (of the
// writing process and the model's name for a model never saved), so models whose files have
// the same name in different folders never share a record:
//   <key>.vtm   the model's state, a model file;
//   <key>.json  the model file it belongs to, the model's name and the writing process.
// Both are written atomically, the description first: a state without its description is
// never offered, and a state on disk is always a complete one.
//
// Not thread-safe; the folder is made on the first write.
class RecoveryStore {
public:
    // A store in `folder` whose records are written as by the process `pid`.
    explicit RecoveryStore(std::string folder, qint64 pid = currentProcess());

    // "vantor-studio/recovery" below the user's data folder (QStandardPaths).
    static std::string defaultFolder();
    static qint64 currentProcess();

    const std::string& folder() const { return folder_; }

    // The key of the record of a model belonging to `modelFile` (empty: never saved) and named
    // `modelName`, written by this store's process.
    std::string keyFor(const std::string& modelFile, const std::string& modelName) const;
    // Writes the state of `model` (read from the instance given) as the record `key`, for the
    // model file `modelFile`. Empty on success, else a message naming the file and the cause;
    // the state written before is then untouched.
    std::string write(const std::string& key, const VTQUILL::Model& model,
                      const std::string& modelFile) const;
    // Removes the record `key`; nothing when there is none.
    void remove(const std::string& key) const;
    // The records to offer when a studio starts, ordered by key: those whose writing process
    // no longer runs and whose state is newer than their model file (or whose model file is
    // gone, or was never saved). A record older than its model file is stale (the model was
    // saved after it) and is removed.
    std::vector<RecoveryRecord> pending() const;

private:
    std::string pathOf(const std::string& key, const char* extension) const;
    std::optional<RecoveryRecord> readRecord(const std::string& key) const;
    static bool isNewerThanItsModel(const RecoveryRecord& record);
    static bool isRunning(qint64 pid);

    std::string folder_;
    qint64 pid_;
};

}  // namespace VantorStudio
