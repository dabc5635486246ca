#pragma once

#include "StudioPrompts.h"

class QWidget;

namespace VantorStudio {

// The studio's questions as Qt dialogs (message boxes and file dialogs) over `parent`, which
// must outlive the prompts.
class DialogPrompts : public StudioPrompts {
public:
    explicit DialogPrompts(QWidget* parent) : parent_(parent) {}

    UnsavedChangesAnswer askUnsavedChanges(const std::string& modelName) override;
    RecoveryAnswer askRecoverUnsavedWork(const std::string& modelName,
                                         const std::string& modelFile) override;
    std::string chooseFileToOpen() override;
    std::string chooseFileToSave(const std::string& modelName,
                                 const std::string& suggestedPath) override;
    void showError(const std::string& title, const std::string& message) override;
    // A save dialog with PNG, PDF and SVG filters (the chosen filter's suffix added when the
    // name has none), then, for a PNG, the pixels per diagram unit.
    PictureChoice choosePictureFile(const std::string& diagramName) override;

private:
    QWidget* parent_;
};

}  // namespace VantorStudio
