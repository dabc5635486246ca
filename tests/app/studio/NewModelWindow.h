#pragma once

#include <QPoint>
#include <QPointF>
#include <memory>
#include <string>

#include "ModelFileController.h"
#include "OpenModels.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"
#include "dove2/Editor.h"
#include "quill/Transaction.h"
#include "rook2/Canvas.h"
#include "vtquill/VTQuill.h"

namespace StudioTest {

// The real studio window, shown, with a new model (File > New) open in its active editor,
// and helpers to fill the model's diagram and reach its canvas. Questions are answered by
// scripted prompts. The window goes (and its events are run) with the object.
class NewModelWindow {
public:
    using Point = PARR::GLPoint<double>;

    NewModelWindow() {
        qtApplication();
        window = std::make_unique<VantorStudio::StudioWindow>(&prompts);
        window->show();
        model = window->files().newModel();
        processEvents();
    }
    ~NewModelWindow() {
        window.reset();
        processEvents();
    }
    NewModelWindow(const NewModelWindow&) = delete;
    NewModelWindow& operator=(const NewModelWindow&) = delete;

    VTQUILL::Diagram diagram() const { return model->root.getDiagrams().front(); }
    // A 40 x 30 "Gain" block named `name` at `at` in the diagram (within an open transaction).
    VTQUILL::Block addBlock(const std::string& name, const Point& at) const {
        VTQUILL::Block block = diagram().addBlock("Gain", name);
        block.setPosition(at);
        block.setSize({40, 30});
        return block;
    }
    DOVE2::Editor& editor() const { return *window->activeEditor(); }
    ROOK2::Canvas* canvas() const { return editor().getCanvas(); }
    // The widget point of the canvas showing scene point `scene`.
    QPoint onCanvas(const Point& scene) const {
        return canvas()->mapFromScene(QPointF(scene.x, scene.y)).toPoint();
    }

    ScriptedPrompts prompts;
    std::unique_ptr<VantorStudio::StudioWindow> window;
    VantorStudio::OpenModel* model = nullptr;
};

}  // namespace StudioTest
