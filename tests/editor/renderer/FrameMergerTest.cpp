#include "renderer/FrameMerger.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using VantorRenderer::FrameMerger;
using Rects = std::vector<QRectF>;

TEST(FrameMergerTest, ANestedPairIsDrawnWithItsWidthAndLeavesNothingPending) {
    FrameMerger merger;
    EXPECT_TRUE(merger.add(QRectF(10, 10, 40, 30)).rects.empty());
    const FrameMerger::Strokes strokes = merger.add(QRectF(11, 11, 38, 28));
    EXPECT_EQ(strokes.penWidth, 2);
    EXPECT_EQ(strokes.rects, (Rects{QRectF(10, 10, 40, 30), QRectF(10.5, 10.5, 39, 29)}));
    EXPECT_FALSE(merger.hasPending());
}

TEST(FrameMergerTest, ARectangleJustOutsideThePendingOnePairsToo) {
    FrameMerger merger;
    merger.add(QRectF(11, 11, 38, 28));
    const FrameMerger::Strokes strokes = merger.add(QRectF(10.5, 10, 39, 30));
    EXPECT_EQ(strokes.penWidth, 1.5);
    EXPECT_EQ(strokes.rects.size(), 2u);
}

TEST(FrameMergerTest, AnUnrelatedRectangleDrawsThePendingOneThinAndWaitsItself) {
    FrameMerger merger;
    merger.add(QRectF(10, 10, 40, 30));
    const FrameMerger::Strokes strokes = merger.add(QRectF(20, 20, 10, 10));
    EXPECT_EQ(strokes.penWidth, 1);
    EXPECT_EQ(strokes.rects, (Rects{QRectF(10, 10, 40, 30)}));
    EXPECT_EQ(merger.takePending(), QRectF(20, 20, 10, 10));
    EXPECT_FALSE(merger.hasPending());
}

TEST(FrameMergerTest, AnEmptyOrUndefinedRectangleIsNeverPending) {
    FrameMerger merger;
    merger.add(QRectF(10, 10, 0, 30));
    EXPECT_FALSE(merger.hasPending());
    merger.add(QRectF(std::numeric_limits<double>::quiet_NaN(), 10, 40, 30));
    EXPECT_FALSE(merger.hasPending());
}

}  // namespace
