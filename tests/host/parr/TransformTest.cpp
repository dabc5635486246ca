#include "parr/Transform.h"

#include <cmath>

#include <gtest/gtest.h>

namespace PARR {
namespace {

using Point = GLPoint<double>;

void expectNear(const Point& actual, const Point& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

TEST(TransformIdentity, TheDefaultTransformLeavesPointsAlone) {
    const Transform t;
    EXPECT_TRUE(t.isIdentity());
    EXPECT_EQ(t.map({3.5, -2}), Point(3.5, -2));
    EXPECT_FALSE(Transform::fromTranslate(1, 0).isIdentity());
}

TEST(TransformBasics, MapsThroughTheSixCoefficients) {
    const Transform t(1, 2, 3, 4, 5, 6);
    EXPECT_EQ(t.map({1, 0}), Point(6, 8));   // (a, b) + (tx, ty)
    EXPECT_EQ(t.map({0, 1}), Point(8, 10));  // (c, d) + (tx, ty)
}

TEST(TransformBasics, TranslateAndScaleMoveAndStretch) {
    EXPECT_EQ(Transform().translate(10, -5).map({1, 1}), Point(11, -4));
    EXPECT_EQ(Transform().scale(2, 3).map({1, 1}), Point(2, 3));
}

TEST(TransformRotation, QuarterTurnsAreExactAndClockwiseOnTheCanvas) {
    EXPECT_EQ(Transform().rotate(90).map({1, 0}), Point(0, 1));
    EXPECT_EQ(Transform().rotate(90).map({0, 1}), Point(-1, 0));
    EXPECT_EQ(Transform().rotate(180).map({2, 3}), Point(-2, -3));
    EXPECT_EQ(Transform().rotate(270).map({1, 0}), Point(0, -1));
    EXPECT_EQ(Transform().rotate(-90).map({1, 0}), Point(0, -1));
    EXPECT_EQ(Transform().rotate(450).map({1, 0}), Point(0, 1));
    EXPECT_TRUE(Transform().rotate(360).isIdentity());
}

TEST(TransformRotation, OtherAnglesUseSineAndCosine) {
    expectNear(Transform().rotate(30).map({2, 0}),
               {2 * std::cos(M_PI / 6), 2 * std::sin(M_PI / 6)});
    expectNear(Transform().rotate(45).rotate(45).map({1, 0}), {0, 1});
}

TEST(TransformRotation, RotationAboutAPointKeepsThatPointFixed) {
    const Point center(10, 20);
    const Transform t = Transform().rotate(90, center);
    EXPECT_EQ(t.map(center), center);
    EXPECT_EQ(t.map({11, 20}), Point(10, 21));
    EXPECT_EQ(t.map({10, 25}), Point(5, 20));
}

TEST(TransformRotation, RotationAboutAPointAppliesAfterEarlierOperations) {
    // Scale first, then turn about (2, 0): (1, 0) -> (2, 0) stays; (1, 1) -> (2, 2) -> (0, 0).
    const Transform t = Transform().scale(2, 2).rotate(90, {2, 0});
    EXPECT_EQ(t.map({1, 0}), Point(2, 0));
    EXPECT_EQ(t.map({1, 1}), Point(0, 0));
}

TEST(TransformComposition, ProductAppliesTheLeftOperandFirst) {
    const Transform scale = Transform::fromScale(2, 2);
    const Transform shift = Transform::fromTranslate(10, 0);
    EXPECT_EQ((scale * shift).map({1, 1}), Point(12, 2));
    EXPECT_EQ((shift * scale).map({1, 1}), Point(22, 2));
    const Transform any(1, 2, 3, 4, 5, 6);
    const Transform other(0.5, -1, 2, 0.25, -3, 7);
    const Point p(1.5, -2.5);
    expectNear((any * other).map(p), other.map(any.map(p)));
}

TEST(TransformComposition, ChainedOperationsApplyInTheOrderWritten) {
    EXPECT_EQ(Transform().scale(2, 2).translate(10, 0).map({1, 1}), Point(12, 2));
    EXPECT_EQ(Transform().translate(10, 0).scale(2, 2).map({1, 1}), Point(22, 2));
    Transform t(1, 2, 3, 4, 5, 6);
    const Transform expected = t * Transform::fromRotate(30);
    EXPECT_EQ(t.rotate(30), expected);
}

TEST(TransformInverse, UndoesTheTransform) {
    const Transform t = Transform().scale(2, 0.5).rotate(33).translate(7, -3);
    const Transform inverse = t.inverted();
    expectNear(inverse.map(t.map({4, 9})), {4, 9});
    expectNear(t.map(inverse.map({-1, 2})), {-1, 2});
    const Transform product = t * inverse;
    EXPECT_NEAR(product.a(), 1, 1e-12);
    EXPECT_NEAR(product.b(), 0, 1e-12);
    EXPECT_NEAR(product.tx(), 0, 1e-12);
}

TEST(TransformInverse, InvertsTranslationsAndScalesExactly) {
    const Transform t = Transform().scale(4, 8).translate(3, 5);
    EXPECT_TRUE((t * t.inverted()).isIdentity());
}

TEST(TransformInverse, ASingularTransformGivesTheIdentityAndSaysSo) {
    bool invertible = true;
    const Transform flat = Transform::fromScale(0, 1);
    EXPECT_FALSE(flat.isInvertible());
    EXPECT_TRUE(flat.inverted(&invertible).isIdentity());
    EXPECT_FALSE(invertible);
    Transform::fromTranslate(1, 1).inverted(&invertible);
    EXPECT_TRUE(invertible);
}

TEST(TransformMapRect, GivesTheBoundsOfTheMappedCorners) {
    const GLRect<double> r(0, 0, 4, 2);
    EXPECT_EQ(Transform().rotate(90).mapRect(r), GLRect<double>(-2, 0, 2, 4));
    EXPECT_EQ(Transform().scale(-1, 1).translate(1, 1).mapRect(r), GLRect<double>(-3, 1, 4, 2));
    const GLRect<double> turned = Transform().rotate(45).mapRect({0, 0, 2, 2});
    EXPECT_NEAR(turned.x, -std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(turned.width, 2 * std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(turned.height, 2 * std::sqrt(2.0), 1e-9);
}

TEST(TransformEquality, ComparesAllCoefficients) {
    EXPECT_EQ(Transform(1, 2, 3, 4, 5, 6), Transform(1, 2, 3, 4, 5, 6));
    EXPECT_NE(Transform(1, 2, 3, 4, 5, 6), Transform(1, 2, 3, 4, 5, 7));
}

}  // namespace
}  // namespace PARR
