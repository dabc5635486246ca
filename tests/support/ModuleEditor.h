#pragma once

#include <string>

#include "dove2/Diagram.h"
#include "dove2/StudioApp.h"
#include "harbor/Studio.h"
#include "parr/ErrorHolder.h"
#include "parr/Holder.h"
#include "studio/Editor.h"
#include "support/HeadlessEditor.h"
#include "support/RunningStudio.h"

#include "main/initialize.h"

namespace TestSupport {

// The block-diagram editor module started (initialize_vt_editor) and one studio whose
// framework studio application opens `diagram` the way the studio window does: the domain
// of the block-diagram model makes a Vantor::Editor with the module's tools. No window; drive
// it with the EditorDriver helpers.
//
// The studio (and with it the editor) goes with the fixture; the model, held elsewhere (a
// BlockDiagramBuilder), must outlive it.
class ModuleStudio {
protected:
    explicit ModuleStudio(const DOVE2::Diagram& diagram) {
        initialize_vt_editor();
        PARR::ErrorHolder errors;
        editor_ = dynamic_cast<Vantor::Editor*>(running_.app().openEditor(diagram, errors));
        openError_ = errors.message();
    }

    RunningStudio<> running_;
    Vantor::Editor* editor_ = nullptr;
    std::string openError_;
};

class ModuleEditor : private ModuleStudio, public EditorDriver {
public:
    explicit ModuleEditor(const DOVE2::Diagram& diagram)
        : ModuleStudio(diagram), EditorDriver(checked(editor_, openError_)) {}

    Vantor::Editor& editor() const { return *editor_; }
    HARBOR::Studio& studio() { return running_.studio(); }
    DOVE2::StudioApp& app() const { return running_.app(); }

private:
    static Vantor::Editor& checked(Vantor::Editor* editor, const std::string& error) {
        if (!editor)
            throw std::runtime_error("no block-diagram editor was opened: " + error);
        return *editor;
    }
};

}  // namespace TestSupport
