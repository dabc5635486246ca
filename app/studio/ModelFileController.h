#pragma once

#include <functional>
#include <string>

#include "OpenModels.h"
#include "StudioPrompts.h"

namespace DOVE2 {
class Editor;
class StudioApp;
}  // namespace DOVE2
namespace HARBOR {
class Studio;
}

namespace VantorStudio {

// What the File menu does with the models of one studio window: new, open, save, save as,
// close and the questions before quitting. Models are kept in the window's OpenModels, shown
// in the studio's model tree ("DOVE2 tree component", when the studio has one) and opened in
// editors through the studio's application (a DOVE2::StudioApp).
//
// Loading and saving go through the model file reader and writer: a file that cannot be
// loaded opens nothing (the error, naming the file, is shown through the prompts), and a save
// is atomic; a save marks the model's editors clean. A model that loads but whose editor
// cannot be opened stays open in the tree, and why the editor failed is told to the user
// (DOVE2::warnOfFailure: stderr and the status bar). Every question goes through the prompts.
// The studio, the models and the prompts must outlive the controller.
//
// Loading a big file takes seconds: it runs under a BusyGuard (clicks and key presses made
// meanwhile are dropped), in kLoadSteps steps told to the load progress callback.
class ModelFileController {
public:
    // How far the loading of one model file got: `done` of kLoadSteps steps are finished and
    // `next` says what the following one does ("reading the model file", ...; empty once all
    // are done).
    struct LoadProgress {
        std::string file;
        int done = 0;
        std::string next;
    };
    static constexpr int kLoadSteps = 3;

    ModelFileController(HARBOR::Studio& studio, OpenModels& models, StudioPrompts& prompts);

    // A new model ("untitled", "untitled1"...) with one empty diagram, shown in the tree and
    // opened in an editor.
    OpenModel* newModel();
    // Asks for a file and opens it (see openFile); null when the user cancelled.
    OpenModel* open();
    // Opens unsaved work that the autosave kept: the model in `stateFile` (a model file), as
    // the model of `modelFile` (empty: a model never saved), with unsaved changes (dirty
    // until saved; a save writes `modelFile`). Shown in the tree, its first top-level diagram
    // opened. Null, with the error shown, when the state cannot be loaded.
    OpenModel* openRecovered(const std::string& stateFile, const std::string& modelFile);
    // Opens the model file at `path`: a file open already is only brought to the front; else
    // the model is loaded, shown in the tree and its first top-level diagram opened. Null, with
    // the error shown, when the file cannot be loaded.
    OpenModel* openFile(const std::string& path);
    // Saves the model to its file (asks for one when it has none). False when it was not saved
    // (cancelled, or the error shown).
    bool save(OpenModel& model);
    // Asks for a file and saves the model there (see saveTo).
    bool saveAs(OpenModel& model);
    // Saves the model to `path` without asking; the model belongs to that file afterwards.
    // Saved to a file other than its own, the model takes the file's name (ModelRenamer): the
    // file holds the new name, the window's title, the tabs and the model tree follow, and the
    // model's editors open again under their new system paths. The rename is part of the save,
    // not an undoable edit. A file name that cannot name the model (ModelRenamer::problemWith)
    // is refused with the reason shown: nothing is renamed or written. A failed write renames
    // nothing either.
    bool saveTo(OpenModel& model, const std::string& path);
    // Closes the model: asks Save / Discard / Cancel when it has unsaved changes (Save saves
    // first), then closes its editors, takes it out of the tree and closes it. False when the
    // user cancelled or the save failed; the model then stays open.
    bool close(OpenModel& model);
    // The questions before quitting: for each model with unsaved changes, in order, Save /
    // Discard / Cancel. False as soon as one is cancelled (or its save fails); nothing closes.
    bool confirmQuit();

    // The editors of the studio that show diagrams of `model`.
    std::vector<DOVE2::Editor*> editorsOf(const OpenModel& model) const;

    // Told after a model was added to or taken out of the list.
    void setModelsChangedCallback(std::function<void()> callback) {
        modelsChanged_ = std::move(callback);
    }
    // Told when the user closes a model (saved or not), right before it leaves the list.
    void setModelClosingCallback(std::function<void(const OpenModel&)> callback) {
        modelClosing_ = std::move(callback);
    }

    // Told before each step of loading a model file, and once more when all are done (not
    // after a step that failed: the load then returns null). The callback may run events
    // (QEventLoop::ExcludeUserInputEvents) to show the progress.
    void setLoadProgressCallback(std::function<void(const LoadProgress&)> callback) {
        loadProgress_ = std::move(callback);
    }

    // Told of the file after a model was opened from it or saved to it.
    void setFileUsedCallback(std::function<void(const std::string&)> callback) {
        fileUsed_ = std::move(callback);
    }

private:
    std::string nameAfterSaving(const OpenModel& model, const std::string& path) const;
    bool writeNamed(OpenModel& model, const std::string& path, const std::string& name);
    void reopenEditors(const OpenModel& model);
    void notifyFileUsed(const std::string& path);
    OpenModel* loadAndOpen(const std::string& file, const std::string& filePath,
                           const char* failureTitle);
    OpenModel* loadInSteps(const std::string& file, const std::string& filePath,
                           std::string& error);
    void tellLoadProgress(const std::string& file, int done, const char* next) const;
    OpenModel& adopt(const VTQUILL::Model& root, const std::string& filePath);
    void openFirstDiagram(const OpenModel& model);
    bool resolveUnsavedChanges(OpenModel& model);
    DOVE2::StudioApp* app() const;
    void notifyModelsChanged();

    HARBOR::Studio& studio_;
    OpenModels& models_;
    StudioPrompts& prompts_;
    std::function<void()> modelsChanged_;
    std::function<void(const OpenModel&)> modelClosing_;
    std::function<void(const std::string&)> fileUsed_;
    std::function<void(const LoadProgress&)> loadProgress_;
};

}  // namespace VantorStudio
