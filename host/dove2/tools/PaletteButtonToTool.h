#pragma once

#include <string>

#include "parr/GLWidget2.h"

namespace DOVE2 {

class Editor;
class PaletteButtonToolFactory;

// A palette button of an editor: shows a label and an icon; pressing it (activate) makes the
// tool of its factory the editor's current tool.
//
// The factory and the editor are not owned; both must outlive the button. The palette that
// asked the editor for its buttons (Editor::getPaletteObjects) owns the button.
class PaletteButtonToTool : public PARR::GLWidget2 {
public:
    // A button that activates `factory`'s tool in `editor`; `iconPath` is the file path of its
    // icon (empty for none), `label` its text.
    PaletteButtonToTool(PaletteButtonToolFactory* factory, Editor* editor, std::string iconPath,
                        std::string label);
    ~PaletteButtonToTool() override;

    std::string getLabel() const override { return label_; }
    std::string getIconPath() const override { return iconPath_; }
    // Asks the factory for its tool, which goes on top of the editor's tool stack. Nothing
    // happens without a factory.
    void activate() override;

    PaletteButtonToolFactory* getFactory() const { return factory_; }
    Editor* getEditor() const { return editor_; }

private:
    PaletteButtonToolFactory* factory_;
    Editor* editor_;
    std::string iconPath_;
    std::string label_;
};

}  // namespace DOVE2
