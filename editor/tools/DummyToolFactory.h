#pragma once

#include "application/Export.h"
#include "dove2/tools/PaletteButtonToolFactory.h"

namespace DOVE2 {
class Editor;
}

namespace Vantor {

// The tool factory of the editor's extra palette buttons: pressing one of them makes the
// "DoNothing" tool (DummyTool) the editor's current tool.
//
// The editor is not owned; it must outlive the factory (the editor owns and deletes it).
class VANTOR_EXPORT DummyToolFactory : public DOVE2::PaletteButtonToolFactory {
public:
    explicit DummyToolFactory(DOVE2::Editor* editor);
    ~DummyToolFactory() override;

    // Puts a new "DoNothing" tool on top of the editor's tool stack and returns it (the tool
    // stack holds it). An editor that cannot make that tool (no constructor registered for
    // the role, or no editor) is an internal assertion failure (TESSEL::AssertionError).
    ROOK2::Tool* createTool() override;

    DOVE2::Editor* getEditor() const { return editor_; }

private:
    DOVE2::Editor* editor_;
};

}  // namespace Vantor
