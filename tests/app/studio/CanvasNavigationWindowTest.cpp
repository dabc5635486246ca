#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include "EditActions.h"
#include "NewModelWindow.h"
#include "rook2/CanvasScrollBars.h"

namespace {

using Point = PARR::GLPoint<double>;

// The active studio window with a new model holding one block P, keys and mouse going where a
// user's would: to the focused widget, through the window's shortcuts.
class CanvasNavigationWindowTest : public ::testing::Test, protected StudioTest::NewModelWindow {
protected:
    CanvasNavigationWindowTest() {
        QUILL::Transaction transaction(model->root);
        p = addBlock("P", {40, 40});
        transaction.commit();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        StudioTest::processEvents();
    }

    // Where P is shown: the block in the editor's view instance, which previews gestures.
    Point shownPosition() const {
        return VTQUILL::ImmutableBlock(p.asDeviant(editor().getViewInstance())).getPosition();
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
        StudioTest::processEvents();
    }
    void dragP(const QPoint& by) {
        const QPoint start = onCanvas({60, 55});
        QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(canvas(), start + by / 2);
        QTest::mouseMove(canvas(), start + by);
    }

    VTQUILL::Block p;
};

}  // namespace

// Whatever the platform binds to Redo, both usual keys redo.
TEST_F(CanvasNavigationWindowTest, ControlYAndControlShiftZBothRedoWhatControlZUndid) {
    dragP(QPoint(0, 40));
    QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier,
                        onCanvas({60, 55}) + QPoint(0, 40));
    StudioTest::processEvents();
    const Point moved = p.getPosition();
    ASSERT_NE(moved, (Point{40, 40}));

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(p.getPosition(), (Point{40, 40}));
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(p.getPosition(), moved);

    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(p.getPosition(), moved);
}

TEST_F(CanvasNavigationWindowTest, EscapeDuringABlockDragPutsTheBlockBackAndRecordsNothing) {
    dragP(QPoint(30, 40));
    ASSERT_NE(shownPosition(), (Point{40, 40}));

    press(Qt::Key_Escape);

    EXPECT_EQ(shownPosition(), (Point{40, 40}));
    QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, onCanvas({90, 95}));
    StudioTest::processEvents();
    EXPECT_EQ(p.getPosition(), (Point{40, 40}));
    EXPECT_FALSE(window->editActions().undo()->isEnabled());
}

// Zoomed in until the block is larger than the view, the bars let one reach all of it.
TEST_F(CanvasNavigationWindowTest, TheEditorsScrollBarsFollowZoomAndScrollTheView) {
    QScrollBar& horizontal = *canvas()->scrollBars().horizontal();
    ASSERT_TRUE(horizontal.isVisible());
    const auto span = [&horizontal] {
        return horizontal.maximum() + horizontal.pageStep() - horizontal.minimum();
    };
    const int spanBefore = span();

    for (int i = 0; i < 12; ++i)
        window->viewActions().zoomIn->trigger();

    EXPECT_GT(span(), spanBefore);
    EXPECT_GT(horizontal.maximum(), horizontal.minimum());
    const QPointF before = canvas()->origin();
    horizontal.triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_LT(canvas()->origin().x(), before.x());
    EXPECT_EQ(canvas()->origin().y(), before.y());
    EXPECT_NEAR(canvas()->mapFromScene(QPointF(40, 40)).x(),
                canvas()->zoom() * (40 - horizontal.value() / canvas()->zoom()), 1e-6);
}
