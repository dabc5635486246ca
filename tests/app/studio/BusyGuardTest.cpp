#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

#include "BusyGuard.h"
#include "EditActions.h"
#include "NewModelWindow.h"
#include "StudioTestSupport.h"
#include "rook2/Scene.h"
#include "wren/Listener.h"

namespace {

using VantorStudio::BusyGuard;

// A widget that runs `action` on every mouse or key press it receives, as a canvas or button
// of the studio would start a command.
class PressTarget : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> action;

protected:
    void mousePressEvent(QMouseEvent*) override { action(); }
    void keyPressEvent(QKeyEvent*) override { action(); }
};

void postClick(QWidget& target, const QPointF& at) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QCoreApplication::postEvent(
            &target, new QMouseEvent(type, at, target.mapToGlobal(at), Qt::LeftButton,
                                     Qt::LeftButton, Qt::NoModifier));
    }
}

void postCtrlA(QWidget& target) {
    QCoreApplication::postEvent(
        &target, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, "a"));
}

class BusyGuardTest : public ::testing::Test {
protected:
    BusyGuardTest() {
        window.setCentralWidget(target);
        window.show();
        StudioTest::processEvents();
        // The long command: while it runs, the user clicks and presses Ctrl+A again.
        target->action = [this] {
            ++runs;
            BusyGuard busy(&window);
            postClick(*target, {5, 5});
            postCtrlA(*target);
        };
    }

    QApplication& app = StudioTest::qtApplication();
    QMainWindow window;
    PressTarget* target = new PressTarget(&window);
    int runs = 0;
};

// --- Dropping input ---------------------------------------------------------------------------

TEST_F(BusyGuardTest, InputMadeDuringALongCommandStartsNoSecondCommand) {
    target->action();
    StudioTest::processEvents();

    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(BusyGuard::active());
    EXPECT_EQ(window.statusBar()->currentMessage(), BusyGuard::busyMessage(2));
}

TEST_F(BusyGuardTest, InputMadeAfterTheCommandEndedIsDeliveredAsUsual) {
    target->action();
    StudioTest::processEvents();

    postClick(*target, {5, 5});
    StudioTest::processEvents();
    postCtrlA(*target);
    StudioTest::processEvents();

    // Each later press runs the command once; what it meets while running is dropped again.
    EXPECT_EQ(runs, 3);
}

TEST_F(BusyGuardTest, NestedGuardsDropUntilTheOutermostEndsAndReportOnce) {
    {
        BusyGuard outer(&window);
        {
            BusyGuard inner(&window);
            postCtrlA(*target);
        }
        EXPECT_TRUE(BusyGuard::active());
        EXPECT_EQ(window.statusBar()->currentMessage(), QString());
        postClick(*target, {5, 5});
    }
    StudioTest::processEvents();

    EXPECT_EQ(runs, 0);
    EXPECT_EQ(window.statusBar()->currentMessage(), BusyGuard::busyMessage(2));
}

TEST_F(BusyGuardTest, AQuestionAskedWhileBusyCanStillBeAnswered) {
    QDialog question(&window);
    int result = -1;
    {
        BusyGuard busy(&window);
        QTimer::singleShot(0, &question, [&question] {
            QCoreApplication::postEvent(&question,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
        });
        // Only should the Escape press be dropped: ends the test instead of hanging it.
        QTimer::singleShot(10000, &question, [&question] { question.done(2); });
        result = question.exec();
    }

    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(BusyGuardTest, TheMessageCountsTheDroppedPresses) {
    EXPECT_EQ(BusyGuard::busyMessage(1).toStdString(),
              "The studio was busy: 1 click or key press made meanwhile was ignored.");
    EXPECT_EQ(BusyGuard::busyMessage(3).toStdString(),
              "The studio was busy: 3 clicks or key presses made meanwhile were ignored.");
}

// --- In the studio window ---------------------------------------------------------------------

// A click on empty canvas clears the selection: made while Select All runs, it must not undo
// what Select All did once Select All is over.
TEST(BusyGuardWindowTest, AClickMadeWhileSelectAllRunsLeavesEverythingSelected) {
    StudioTest::NewModelWindow studio;
    {
        QUILL::Transaction transaction(studio.model->root);
        for (int i = 0; i < 20; ++i)
            studio.addBlock("G" + std::to_string(i), {60.0 * (i % 5), 60.0 * (i / 5)});
        transaction.commit();
    }
    StudioTest::processEvents();
    WREN::Listener listener;
    bool clicked = false;
    const QPoint empty = studio.onCanvas({1000, 1000});
    studio.editor().getScene()->getSelectionChangedEmitter().connect(
        listener, [&](ROOK2::Node* const&) {
            if (!std::exchange(clicked, true))
                postClick(*studio.canvas(), empty);
        });

    studio.window->editActions().selectAll()->trigger();
    StudioTest::processEvents();
    listener.disconnect();

    ASSERT_TRUE(clicked);
    EXPECT_EQ(studio.editor().getSelection().size(), 20u);
    EXPECT_EQ(studio.window->statusBar()->currentMessage(), BusyGuard::busyMessage(1));
}

}  // namespace
