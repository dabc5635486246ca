#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <memory>
#include <sstream>
#include <string>

#include "ModelFileController.h"
#include "OpenModels.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"
#include "dove2/Editor.h"
#include "rook2/Canvas.h"
#include "vtquill/VTQuill.h"

namespace {

using StudioTest::ExampleCopy;
using StudioTest::ScriptedPrompts;
using VantorStudio::OpenModel;
using VantorStudio::StudioWindow;

// How a screen left by partial repaints differs from a whole repaint of the same state:
// empty when they agree, else the number of differing pixels, their bounding box and the
// first few of them, each with the scene point it shows.
std::string differences(const QImage& shown, const QImage& repainted, const ROOK2::Canvas& canvas) {
    if (shown.size() != repainted.size())
        return "the screen grabs differ in size";
    int count = 0;
    QRect box;
    std::ostringstream first;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb left = shown.pixel(x, y);
            const QRgb right = repainted.pixel(x, y);
            if (left == right)
                continue;
            box |= QRect(x, y, 1, 1);
            if (++count > 5)
                continue;
            const QPointF scene = canvas.mapToScene(QPointF(x + 0.5, y + 0.5));
            first << "\n  pixel (" << x << ", " << y << ") at scene (" << scene.x() << ", "
                  << scene.y() << "): left " << std::hex << left << ", whole repaint " << right
                  << std::dec;
        }
    }
    if (count == 0)
        return {};
    std::ostringstream out;
    out << count << " pixels left behind within (" << box.x() << ", " << box.y() << ") "
        << box.width() << " x " << box.height() << ", first:" << first.str();
    return out.str();
}

// Whether `image` shows a piece of a smart guide (dashed magenta).
bool showsGuide(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() > 120 && c.blue() < 190)
                return true;
        }
    }
    return false;
}

// Counts the paint events of a widget that repaint only part of it.
class PartialPaintCounter : public QObject {
public:
    explicit PartialPaintCounter(QWidget& widget) : widget_(widget) {
        widget.installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &widget_ && event->type() == QEvent::Paint &&
            static_cast<QPaintEvent*>(event)->rect() != widget_.rect())
            ++count;
        return false;
    }

private:
    QWidget& widget_;
};

// The studio window with pid_loop open in its editor at the zoom of the test's parameter,
// driven on its canvas with real mouse and key events. After each step the screen (the
// window's backing store, which keeps what earlier paints left where the partial repaint did
// not reach) is compared with a whole repaint of the canvas.
class PartialRepaintWindowTest : public ::testing::TestWithParam<double> {
protected:
    PartialRepaintWindowTest() : example("pid_loop.vtm") {
        StudioTest::qtApplication();
        flashTime = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0);  // the in-place editor's caret stays put
        window = std::make_unique<StudioWindow>(&prompts);
        window->resize(1400, 900);
        window->show();
        model = window->files().openFile(example.path());
        StudioTest::processEvents();
        canvas()->setZoom(GetParam());
        canvas()->setOrigin(QPointF(20, 20));
        canvas()->repaint();
        partialPaints = std::make_unique<PartialPaintCounter>(*canvas());
    }
    ~PartialRepaintWindowTest() override {
        window.reset();
        StudioTest::processEvents();
        QApplication::setCursorFlashTime(flashTime);
    }

    ROOK2::Canvas* canvas() const { return window->activeEditor()->getCanvas(); }
    QPoint onCanvas(double x, double y) const {
        return canvas()->mapFromScene(QPointF(x, y)).toPoint();
    }
    VTQUILL::Block block(const std::string& name) const {
        return StudioTest::topLevelBlock(model->root, name);
    }
    QPoint centreOf(const std::string& name) const {
        const VTQUILL::Block b = block(name);
        return onCanvas(b.getPosition().x + b.getSize().x / 2,
                        b.getPosition().y + b.getSize().y / 2);
    }

    // The canvas as the window's backing store holds it.
    QImage shownOnScreen() const {
        const QPoint at = canvas()->mapTo(window.get(), QPoint(0, 0));
        return window->screen()
            ->grabWindow(window->winId(), at.x(), at.y(), canvas()->width(), canvas()->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    // Runs the events the last input posted (the canvas's queued repaint of the changes and
    // the window's update request), then compares the screen with a whole repaint.
    void expectNothingLeftBehind(const std::string& step) {
        StudioTest::processEvents();
        StudioTest::processEvents();
        shown = shownOnScreen();
        canvas()->repaint();
        const QImage repainted = shownOnScreen();
        ASSERT_FALSE(shown.isNull()) << "the screen of the window cannot be grabbed";
        EXPECT_EQ(differences(shown, repainted, *canvas()), "")
            << "after " << step << " at zoom " << GetParam();
    }
    void press(const QPoint& at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mousePress(canvas(), Qt::LeftButton, modifiers, at);
        expectNothingLeftBehind("a press");
    }
    // Moves the pressed mouse from `from` by `by` in `steps` steps, checking each, and
    // releases it there.
    void dragBy(const QPoint& from, const QPoint& by, int steps, const std::string& what) {
        press(from);
        for (int i = 1; i <= steps; ++i) {
            QTest::mouseMove(canvas(), from + by * i / steps);
            expectNothingLeftBehind(what + ", move " + std::to_string(i));
        }
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, from + by);
        expectNothingLeftBehind(what + ", release");
    }
    void click(const QPoint& at, const std::string& what) {
        QTest::mouseClick(canvas(), Qt::LeftButton, Qt::NoModifier, at);
        expectNothingLeftBehind(what);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers, const std::string& what) {
        QTest::keyClick(canvas(), key, modifiers);
        expectNothingLeftBehind(what);
    }

    ExampleCopy example;
    int flashTime = 0;
    ScriptedPrompts prompts;
    std::unique_ptr<StudioWindow> window;
    OpenModel* model = nullptr;
    std::unique_ptr<PartialPaintCounter> partialPaints;
    // The canvas on screen after the last step, before its whole repaint.
    QImage shown;
};

TEST_P(PartialRepaintWindowTest, DraggingASelectedBlockLeavesNoOutlineBehind) {
    click(centreOf("Plant"), "selecting Plant");
    dragBy(centreOf("Plant"), QPoint(45, 35), 5, "dragging Plant");

    EXPECT_NE(block("Plant").getPosition(), (PARR::GLPoint<double>{330, 80}));
    EXPECT_GT(partialPaints->count, 0) << "every step repainted the whole canvas";
}

// Error's top is level with Setpoint's: a guide shows while it slides right.
TEST_P(PartialRepaintWindowTest, SlidingABlockAlongAnotherLeavesNoGuideBehind) {
    const QPoint from = centreOf("Error");
    press(from);
    bool guided = false;
    for (int i = 1; i <= 4; ++i) {
        QTest::mouseMove(canvas(), from + QPoint(5 * i, 0));
        expectNothingLeftBehind("sliding Error, move " + std::to_string(i));
        guided = guided || showsGuide(shown);
    }
    QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, from + QPoint(20, 0));
    expectNothingLeftBehind("sliding Error, release");

    EXPECT_TRUE(guided) << "no guide showed during the slide";
}

TEST_P(PartialRepaintWindowTest, ResizingABlockAndHoveringOverItsPortLeaveNothingBehind) {
    click(centreOf("Plant"), "selecting Plant");
    dragBy(onCanvas(390, 120), QPoint(30, 20), 4, "dragging Plant's corner handle");
    ASSERT_GT(block("Plant").getSize().x, 60);

    QTest::mouseMove(canvas(), onCanvas(332, 100));
    expectNothingLeftBehind("hovering over Plant's input");
    QTest::mouseMove(canvas(), onCanvas(300, 200));
    expectNothingLeftBehind("leaving Plant's input");
}

TEST_P(PartialRepaintWindowTest, DraggingARubberBandSelectionLeavesNothingBehind) {
    dragBy(onCanvas(190, 65), onCanvas(400, 140) - onCanvas(190, 65), 4, "a rubber band");
    ASSERT_TRUE(window->activeEditor()->getCanvas()->scene()->getSelection().size() >= 2);

    dragBy(centreOf("Controller"), QPoint(-30, 50), 4, "dragging the selection");

    EXPECT_NE(block("Plant").getPosition(), (PARR::GLPoint<double>{330, 80}));
}

TEST_P(PartialRepaintWindowTest, DraggingALegOfALineLeavesNoGlowBehind) {
    dragBy(onCanvas(265, 220), QPoint(0, 30), 4, "dragging the feedback line's lowest leg");
}

TEST_P(PartialRepaintWindowTest, DeletingUndoingAndRedoingLeaveNothingBehind) {
    click(onCanvas(265, 220), "selecting the feedback line");
    key(Qt::Key_Delete, Qt::NoModifier, "deleting the line");
    click(centreOf("Plant"), "selecting Plant");
    key(Qt::Key_Delete, Qt::NoModifier, "deleting Plant");
    key(Qt::Key_Z, Qt::ControlModifier, "undoing the block's deletion");
    key(Qt::Key_Z, Qt::ControlModifier, "undoing the line's deletion");
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "redoing the line's deletion");

    EXPECT_TRUE(block("Plant").isValid());
}

TEST_P(PartialRepaintWindowTest, RenamingABlockInPlaceLeavesNothingBehind) {
    click(centreOf("Error"), "selecting Error");
    const VTQUILL::Block error = block("Error");
    const QPoint label = onCanvas(error.getPosition().x + error.getSize().x / 2,
                                  error.getPosition().y + error.getSize().y + 7);
    QTest::mouseDClick(canvas(), Qt::LeftButton, Qt::NoModifier, label);
    expectNothingLeftBehind("opening the name's editor");
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "Difference");
    expectNothingLeftBehind("typing a name");
    QTest::keyClick(editor, Qt::Key_Return);
    expectNothingLeftBehind("committing the name");

    EXPECT_TRUE(block("Difference").isValid());
}

INSTANTIATE_TEST_SUITE_P(Zooms, PartialRepaintWindowTest, ::testing::Values(1.5, 0.8, 0.35),
                         [](const ::testing::TestParamInfo<double>& info) {
                             if (info.param > 1.0)
                                 return std::string("ZoomedIn");
                             return std::string(info.param > 0.5 ? "ZoomedOut" : "FarOut");
                         });

}  // namespace
