#pragma once

#include <QMainWindow>
#include <memory>

#include "rook2/Canvas.h"
#include "rook2/Scene.h"
#include "vtquill/VTQuill.h"

namespace VantorStudio {

// The studio's main window while the editor module is being built: shows the top-level
// diagram of one model, read-only, with zoom and pan (View menu, Control+wheel, middle
// button). Owns the scene; the model is owned by the caller.
class ViewerWindow : public QMainWindow {
public:
    explicit ViewerWindow(const VTQUILL::Model& model, const QString& fileName);

    ROOK2::Canvas& canvas() { return *canvas_; }

private:
    void buildMenus();

    std::unique_ptr<ROOK2::Scene> scene_;
    ROOK2::Canvas* canvas_;
};

}  // namespace VantorStudio
