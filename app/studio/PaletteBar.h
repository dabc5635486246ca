#pragma once

#include <memory>
#include <vector>

#include <QToolBar>

#include "parr/GLWidget2.h"

namespace DOVE2 {
class Editor;
}

namespace VantorStudio {

// The palette of the active editor, as a tool bar: one button per object of the editor's
// getPaletteObjects(), with the object's label (text and tool tip) and icon; pressing a
// button activates its object. The bar owns the objects of the editor it shows and lets go
// of them when it shows another editor (or none), so it must be told before an editor goes.
// Hidden while it has no buttons.
class PaletteBar : public QToolBar {
    Q_OBJECT
public:
    // The warning told (once per file) when a palette icon cannot be read: the button then
    // shows its text only.
    static constexpr const char* kMissingIcon = "VantorStudio:MissingIcon";

    explicit PaletteBar(QWidget* parent = nullptr);
    ~PaletteBar() override;

    // Shows the palette of `editor` (null: an empty palette).
    void showPaletteOf(const DOVE2::Editor* editor);
    const DOVE2::Editor* shownEditor() const { return editor_; }
    // The palette objects shown, in button order.
    std::vector<PARR::GLWidget2*> objects() const;

private:
    void clearPalette();

    const DOVE2::Editor* editor_ = nullptr;
    std::vector<std::unique_ptr<PARR::GLWidget2>> objects_;
};

}  // namespace VantorStudio
