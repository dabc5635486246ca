#include "editlayout/LayoutRect.h"

#include <gtest/gtest.h>

using EditLayout::LayoutRect;

namespace {

TEST(LayoutRectGeometry, GivesEdgesAndCentreLinesOfTheRectangle) {
    const LayoutRect r(10, 20, 30, 50);
    EXPECT_EQ(r.left(), 10);
    EXPECT_EQ(r.right(), 40);
    EXPECT_EQ(r.top(), 20);
    EXPECT_EQ(r.bottom(), 70);
    EXPECT_EQ(r.hCenter(), 25);
    EXPECT_EQ(r.vCenter(), 45);
}

TEST(LayoutRectGeometry, TranslatedMovesThePositionAndKeepsTheSize) {
    const LayoutRect r = LayoutRect(10, 20, 30, 50).translated(-4, 6);
    EXPECT_EQ(r, LayoutRect(6, 26, 30, 50));
}

TEST(LayoutRectGeometry, RectangleWithoutAreaIsEmpty) {
    EXPECT_TRUE(LayoutRect(0, 0, 0, 5).isEmpty());
    EXPECT_TRUE(LayoutRect(0, 0, 5, -1).isEmpty());
    EXPECT_FALSE(LayoutRect(0, 0, 5, 1).isEmpty());
}

TEST(LayoutRectConversion, RoundTripsThroughGLRect) {
    const PARR::GLRect<double> gl(1.5, -2, 3, 4.25);
    const LayoutRect r = gl;
    EXPECT_EQ(r.x(), 1.5);
    EXPECT_EQ(r.y(), -2);
    EXPECT_EQ(r.width(), 3);
    EXPECT_EQ(r.height(), 4.25);
    EXPECT_EQ(r.toGLRect(), gl);
}

TEST(LayoutRectComparison, DiffersWhenAnyComponentDiffers) {
    const LayoutRect r(1, 2, 3, 4);
    EXPECT_NE(r, LayoutRect(0, 2, 3, 4));
    EXPECT_NE(r, LayoutRect(1, 0, 3, 4));
    EXPECT_NE(r, LayoutRect(1, 2, 0, 4));
    EXPECT_NE(r, LayoutRect(1, 2, 3, 0));
}

}  // namespace
