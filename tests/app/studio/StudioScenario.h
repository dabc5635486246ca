#pragma once

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <memory>
#include <string>

#include "EditActions.h"
#include "ModelFileController.h"
#include "StudioWindow.h"
#include "app/studio/StudioTestSupport.h"
#include "dove2/Editor.h"
#include "rook2/Canvas.h"
#include "vtquill/file/ModelFileWriter.h"
#include "vtquill/file/ModelGenerator.h"

namespace StudioTest {

// What a user does to a big generated model in the real studio window, step by step, each
// step timed from its input to the canvas painted (processing the events it posted, the
// repaints they ask for included): open the file, Select All, Delete, Undo, a one-block drag step,
// a move of the whole selection and its undo, Save, quit. The benchmark of the studio window times
// the steps at 1,000 and 10,000 blocks; a test runs them at 100 and checks what they did.
class StudioScenario {
public:
    using Clock = std::chrono::steady_clock;

    // A generated model of `blocks` blocks (seed 1), saved to a temporary file.
    explicit StudioScenario(std::size_t blocks)
        : path_(dir_.filePath("generated.vtm").toStdString()) {
        qtApplication();
        VTQUILL::Model model = VTQUILL::File::ModelGenerator::generate("generated", blocks, 1);
        VTQUILL::File::ModelFileWriter().save(model, path_);
        model.close();
        QCoreApplication::instance()->installEventFilter(&paints_);
    }
    ~StudioScenario() {
        window_.reset();
        QCoreApplication::instance()->removeEventFilter(&paints_);
    }

    // From the window's construction to its first painted canvas showing the model.
    double launch() {
        return timed([&] {
            window_ = std::make_unique<VantorStudio::StudioWindow>(&prompts_);
            window_->show();
            window_->files().openFile(path_);
        });
    }
    double selectAll() {
        return timed([&] { window_->editActions().selectAll()->trigger(); });
    }
    double clearSelection() {
        return timed([&] { editor().clearSelection(); });
    }
    double deleteAll() {
        return timed([&] { window_->editActions().remove()->trigger(); });
    }
    double undo() {
        return timed([&] { window_->editActions().undo()->trigger(); });
    }
    // Shows the first block of the diagram at zoom 1, presses on it and times one step of its
    // drag (a mouse move by 8 pixels); the drag is then released and undone, untimed.
    double dragStep() {
        ROOK2::Canvas* view = canvas();
        view->setZoom(1.0);
        const QPointF centre = blockCentre();
        view->setOrigin(centre - QPointF(200, 200));
        settle();
        const QPoint at = view->mapFromScene(centre).toPoint();
        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseMove(view, at + QPoint(4, 0));
        settle();
        const double step = timed([&] { QTest::mouseMove(view, at + QPoint(12, 0)); });
        dragStepPainted_ = lastStepPainted();
        QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, at + QPoint(12, 0));
        settle();
        window_->editActions().undo()->trigger();
        settle();
        return step;
    }
    // Selects everything, drags the first block by 16 pixels (the selection follows) and times
    // the release: the move of every selected element, to the painted canvas.
    double moveSelection() {
        window_->editActions().selectAll()->trigger();
        settle();
        ROOK2::Canvas* view = canvas();
        const QPoint at = view->mapFromScene(blockCentre()).toPoint();
        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseMove(view, at + QPoint(8, 8));
        QTest::mouseMove(view, at + QPoint(16, 16));
        settle();
        return timed([&] {
            QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, at + QPoint(16, 16));
        });
    }
    double save() {
        return timed([&] { window_->files().save(*window_->activeModel()); });
    }
    // Closing the window (nothing unsaved to ask about) and destroying it.
    double quit() {
        return timed([&] {
            window_->close();
            window_.reset();
        });
    }

    VantorStudio::StudioWindow& window() const { return *window_; }
    DOVE2::Editor& editor() const { return *window_->activeEditor(); }
    ROOK2::Canvas* canvas() const { return window_->activeEditor()->getCanvas(); }
    const std::string& path() const { return path_; }

    // Whether the canvas painted during the last timed step, and during the last drag step.
    bool lastStepPainted() const { return paints_.canvasPaints > paintsBefore_; }
    bool paintedDragStep() const { return dragStepPainted_; }

private:
    // Counts the paint events of canvases (an application-wide filter).
    struct PaintCounter : QObject {
        int canvasPaints = 0;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint && qobject_cast<ROOK2::Canvas*>(watched))
                ++canvasPaints;
            return false;
        }
    };

    template <class Step>
    double timed(Step step) {
        paintsBefore_ = paints_.canvasPaints;
        const Clock::time_point start = Clock::now();
        step();
        settle();
        return std::chrono::duration<double>(Clock::now() - start).count();
    }
    // Runs what the step posted: the canvas's queued repaint of what changed, and the paint
    // of the regions it asked for, which Qt does while it processes the update request. (A
    // forced repaint of the whole window would time the docks and the unchanged canvas too,
    // which no user step costs.)
    void settle() {
        for (int round = 0; round < 3; ++round)
            processEvents();
    }
    // The centre of the first block of the shown diagram, in scene coordinates.
    QPointF blockCentre() const {
        const VTQUILL::ImmutableDiagram diagram(editor().getDiagram());
        const VTQUILL::ImmutableBlock block = diagram.getBlocks().front();
        const auto position = block.getPosition();
        const auto size = block.getSize();
        return {position.x + size.x / 2, position.y + size.y / 2};
    }

    QTemporaryDir dir_;
    std::string path_;
    ScriptedPrompts prompts_;
    std::unique_ptr<VantorStudio::StudioWindow> window_;
    PaintCounter paints_;
    int paintsBefore_ = 0;
    bool dragStepPainted_ = false;
};

}  // namespace StudioTest
