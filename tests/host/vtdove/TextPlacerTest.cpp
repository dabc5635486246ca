#include "vtdove/TextPlacer.h"

#include <gtest/gtest.h>

#include <Qt>

namespace {

using VantorRenderer::TextPlacer;

TEST(TextPlacerTest, TheEnginesAlignmentsMapToQtFlags) {
    EXPECT_EQ(TextPlacer::alignmentFlags(0, 0), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(TextPlacer::alignmentFlags(1, 2), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(TextPlacer::alignmentFlags(2, 4), Qt::AlignRight | Qt::AlignBottom);
    EXPECT_EQ(TextPlacer::alignmentFlags(7, 9), 0);
}

TEST(TextPlacerTest, TheAnchorOfTurnedTextIsThePointTurnedTheOtherWay) {
    const QPointF quarter = TextPlacer::rotatedAnchor(QPointF(3, 4), 90);
    EXPECT_NEAR(quarter.x(), -4, 1e-12);
    EXPECT_NEAR(quarter.y(), 3, 1e-12);
    // At 30 degrees (-y, x) would be wrong; the turned point is on the same circle.
    const QPointF slanted = TextPlacer::rotatedAnchor(QPointF(10, 0), 30);
    EXPECT_NEAR(slanted.x(), 10 * std::cos(M_PI / 6), 1e-12);
    EXPECT_NEAR(slanted.y(), 10 * std::sin(M_PI / 6), 1e-12);
    EXPECT_EQ(TextPlacer::rotatedAnchor(QPointF(3, 4), 0), QPointF(3, 4));
}

}  // namespace
