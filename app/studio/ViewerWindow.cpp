#include "ViewerWindow.h"

#include <QMenuBar>
#include <QStatusBar>

#include "DiagramSceneBuilder.h"
#include "tessel/WarningService.h"

namespace VantorStudio {

ViewerWindow::ViewerWindow(const VTQUILL::Model& model, const QString& fileName)
    : scene_(std::make_unique<ROOK2::Scene>()), canvas_(new ROOK2::Canvas(this)) {
    if (!model.getDiagrams().empty()) {
        DiagramSceneBuilder(*scene_).build(model.getDiagrams().front());
    }
    canvas_->setScene(scene_.get());
    setCentralWidget(canvas_);
    setWindowTitle(QString::fromStdString(model.getName()) + " - Vantor Studio");
    buildMenus();
    statusBar()->showMessage(fileName);
    resize(1100, 750);
}

void ViewerWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("&Quit", QKeySequence::Quit, this, &QWidget::close);
    QMenu* view = menuBar()->addMenu("&View");
    view->addAction("Zoom &In", QKeySequence::ZoomIn, canvas_, &ROOK2::Canvas::zoomIn);
    view->addAction("Zoom &Out", QKeySequence::ZoomOut, canvas_, &ROOK2::Canvas::zoomOut);
    view->addAction("&Fit to View", QKeySequence(Qt::Key_Space), canvas_,
                    &ROOK2::Canvas::fitToView);
}

}  // namespace VantorStudio
