#pragma once

#include <string>

namespace VantorStudio {

// The questions the studio window asks its user: which file to open or save to, what to do
// with unsaved changes, and the errors it shows. The window asks through this interface only,
// so a test can answer without modal dialogs; DialogPrompts is the one with Qt dialogs.
class StudioPrompts {
public:
    enum class UnsavedChangesAnswer { Save, Discard, Cancel };
    // Recover: open the work; Discard: drop it for good; Keep: ask again at the next start.
    enum class RecoveryAnswer { Recover, Discard, Keep };

    virtual ~StudioPrompts() = default;

    // What to do with the unsaved changes of the model named `modelName` before it closes.
    virtual UnsavedChangesAnswer askUnsavedChanges(const std::string& modelName) = 0;
    // The model file to open; empty when the user cancelled.
    virtual std::string chooseFileToOpen() = 0;
    // The file to save the model named `modelName` to, proposing `suggestedPath`; empty when
    // the user cancelled.
    virtual std::string chooseFileToSave(const std::string& modelName,
                                         const std::string& suggestedPath) = 0;
    // What to do with the unsaved work on the model named `modelName` (of the file `modelFile`;
    // empty for a model never saved) that a studio left when it ended without closing it.
    virtual RecoveryAnswer askRecoverUnsavedWork(const std::string& modelName,
                                                 const std::string& modelFile) = 0;
    // Shows an error (a file that cannot be loaded or saved): `title` says what failed,
    // `message` names the file and the cause.
    virtual void showError(const std::string& title, const std::string& message) = 0;

    // Where to export a picture of the diagram named `diagramName`: a .png, .pdf or .svg file
    // and, for a PNG, its pixels per diagram unit. `file` is empty when the user cancelled
    // (and is what prompts that ask nobody answer).
    struct PictureChoice {
        std::string file;
        double scale = 2.0;
    };
    virtual PictureChoice choosePictureFile(const std::string& diagramName) {
        (void)diagramName;
        return {};
    }
};

}  // namespace VantorStudio
