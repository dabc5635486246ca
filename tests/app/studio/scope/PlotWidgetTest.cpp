#include "scope/PlotWidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QWheelEvent>

#include "ScopeTestResults.h"
#include "support/QtTestApplication.h"

namespace {

using VantorStudio::PlotMapping;
using VantorStudio::PlotRange;
using VantorStudio::PlotWidget;

// A plot of one trace rising straight from -1 to 1 over the first 8 seconds (exact in binary),
// driven with synthetic events and never shown.
class PlotWidgetTest : public ::testing::Test {
protected:
    PlotWidgetTest() {
        plot.resize(600, 300);
        plot.setTraces({{results, 0, "y", Qt::blue}});
        start = plot.mapping();
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, at, at, button, held, modifiers);
        QApplication::sendEvent(&plot, &event);
    }
    void drag(QPoint from, QPoint to, Qt::MouseButton button,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        mouse(QEvent::MouseButtonPress, from, button, modifiers);
        mouse(QEvent::MouseMove, (from + to) / 2, button, modifiers);
        mouse(QEvent::MouseMove, to, button, modifiers);
        mouse(QEvent::MouseButtonRelease, to, button, modifiers);
    }
    void wheel(QPoint at, int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWheelEvent event(at, at, QPoint(), QPoint(0, 120 * notches), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&plot, &event);
    }
    QPoint inArea(int dx, int dy) const { return start.area().topLeft() + QPoint(dx, dy); }

    std::shared_ptr<VTSIM::SimulationResults> results =
        ScopeTest::ResultsBuilder({"y"})
            .samples(1025, 0, 1.0 / 128, [](std::size_t i) { return i / 512.0 - 1; })
            .build();
    // Before the plot: a widget needs the application (ctest runs each test on its own).
    bool applicationMade_ = (TestSupport::qtApplication(), true);
    PlotWidget plot;
    PlotMapping start;
};

TEST_F(PlotWidgetTest, AutoscaledAxesFollowTheRunItsStopTimeAndNewSamples) {
    EXPECT_EQ(plot.timeRange(), (PlotRange{0, 8}));
    EXPECT_EQ(plot.valueRange(), (PlotRange{-1.1, 1.1}));
    plot.setStopTime(20);
    EXPECT_EQ(plot.timeRange(), (PlotRange{0, 20}));

    const double late = 3;
    results->append(30, &late, false);
    EXPECT_EQ(plot.timeRange(), (PlotRange{0, 20}));
    plot.refresh();
    EXPECT_EQ(plot.timeRange(), (PlotRange{0, 30}));
    EXPECT_EQ(plot.valueRange(), (PlotRange{-1.2, 3.2}));
}

TEST_F(PlotWidgetTest, TheWheelZoomsTimeAboutThePointerAndWithShiftTheValues) {
    QSignalSpy moved(&plot, &PlotWidget::timeRangeChanged);
    const QPoint at = inArea(150, 40);
    const double t = start.timeAt(at.x());
    wheel(at, 1);
    const PlotRange zoomed{t - t * 0.8, t + (8 - t) * 0.8};
    EXPECT_DOUBLE_EQ(plot.timeRange().low, zoomed.low);
    EXPECT_DOUBLE_EQ(plot.timeRange().high, zoomed.high);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_DOUBLE_EQ(moved.front()[0].toDouble(), zoomed.low);
    EXPECT_TRUE(plot.valueAutoscaled());

    const double v = plot.mapping().valueAt(at.y());
    const PlotRange values = plot.valueRange();
    wheel(at, -2, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(plot.valueRange().low, v - (v - values.low) / 0.64);
    EXPECT_DOUBLE_EQ(plot.valueRange().high, v + (values.high - v) / 0.64);
    EXPECT_DOUBLE_EQ(plot.timeRange().high, zoomed.high);
    EXPECT_EQ(moved.count(), 1);
}

TEST_F(PlotWidgetTest, DraggingTheLeftButtonZoomsToTheRectangleDrawn) {
    drag(inArea(300, 120), inArea(100, 20), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(plot.timeRange().low, start.timeAt(inArea(100, 0).x()));
    EXPECT_DOUBLE_EQ(plot.timeRange().high, start.timeAt(inArea(301, 0).x()));
    EXPECT_DOUBLE_EQ(plot.valueRange().low, start.valueAt(inArea(0, 121).y()));
    EXPECT_DOUBLE_EQ(plot.valueRange().high, start.valueAt(inArea(0, 20).y()));

    PlotWidget fresh;
    fresh.resize(600, 300);
    QMouseEvent click(QEvent::MouseButtonPress, inArea(50, 50), inArea(50, 50), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fresh, &click);
    QMouseEvent release(QEvent::MouseButtonRelease, inArea(51, 50), inArea(51, 50), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&fresh, &release);
    EXPECT_TRUE(fresh.timeAutoscaled() && fresh.valueAutoscaled());
}

TEST_F(PlotWidgetTest, DraggingTheMiddleButtonOrCtrlLeftPansBothAxesWithThePointer) {
    for (const auto& [button, modifiers] : {std::pair{Qt::MiddleButton, Qt::NoModifier},
                                            std::pair{Qt::LeftButton, Qt::ControlModifier}}) {
        plot.autoscale();
        drag(inArea(200, 100), inArea(240, 80), button, modifiers);
        const double dt = 40 * start.time().span() / start.area().width();
        const double dv = 20 * start.value().span() / start.area().height();
        EXPECT_DOUBLE_EQ(plot.timeRange().low, start.time().low - dt);
        EXPECT_DOUBLE_EQ(plot.timeRange().high, start.time().high - dt);
        EXPECT_DOUBLE_EQ(plot.valueRange().low, start.value().low - dv);
        EXPECT_DOUBLE_EQ(plot.valueRange().high, start.value().high - dv);
    }
}

TEST_F(PlotWidgetTest, ADoubleClickRestoresAutoscaleAndAsksTheOthersToFollow) {
    QSignalSpy asked(&plot, &PlotWidget::autoscaleRequested);
    plot.setTimeRange({2, 3});
    plot.setValueRange({0, 0.5});
    mouse(QEvent::MouseButtonDblClick, inArea(10, 10), Qt::LeftButton);
    EXPECT_TRUE(plot.timeAutoscaled() && plot.valueAutoscaled());
    EXPECT_EQ(plot.timeRange(), (PlotRange{0, 8}));
    EXPECT_EQ(asked.count(), 1);
}

TEST_F(PlotWidgetTest, TheCursorFollowsThePointerOverTheAreaOnly) {
    mouse(QEvent::MouseMove, inArea(250, 30), Qt::NoButton);
    ASSERT_TRUE(plot.cursorTime());
    EXPECT_DOUBLE_EQ(*plot.cursorTime(), start.timeAt(inArea(250, 0).x()));
    mouse(QEvent::MouseMove, QPoint(2, 2), Qt::NoButton);
    EXPECT_FALSE(plot.cursorTime());
    mouse(QEvent::MouseMove, inArea(250, 30), Qt::NoButton);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&plot, &leave);
    EXPECT_FALSE(plot.cursorTime());
}

}  // namespace
