#include "glyphs/SegmentLabelGlyph.h"

#include <gtest/gtest.h>

#include "GlyphTestScene.h"
#include "application/Application.h"
#include "rook2/TextNode.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using GlyphTest::GlyphTestScene;
using TestSupport::BlockDiagramBuilder;
using Point = PARR::GLPoint<double>;

// A line "speed" from A's output to B's input with two stored vertices, so that its segment
// has three legs: 0 runs right along y = 12, 1 runs down along x = 70, 2 runs right along
// y = 52. Labels are added per test.
class SegmentLabelGlyphTest : public ::testing::Test {
protected:
    SegmentLabelGlyphTest() {
        b.edit([&] {
            segment.setPath(PARR::Path{{70, 12}, {70, 52}});
            segment.getContainer().setLabel("speed");
            return 0;
        });
    }
    // The label's text box in the scene.
    PARR::GLRect<double> boxOf(const VTQUILL::Segment& on, std::int64_t location,
                               bool flipped = false) {
        const VTQUILL::SegmentLabel label = b.edit([&] {
            VTQUILL::SegmentLabel l = on.addLabel(location);
            l.setFlipped(flipped);
            return l;
        });
        const ROOK2::Node* node = view.nodeOf(label);
        EXPECT_NE(node, nullptr);
        return node ? GlyphTestScene::sceneContentBox(*node) : PARR::GLRect<double>();
    }

    BlockDiagramBuilder b;
    VTQUILL::Block source = b.block("A", {0, 0, 40, 30});
    VTQUILL::Block target = b.block("B", {100, 40, 40, 30});
    VTQUILL::Port out = b.outPort(source);
    VTQUILL::Port in = b.inPort(target);
    VTQUILL::Segment segment = b.connect(out, in);
    GlyphTestScene view{b.diagram()};
};

TEST_F(SegmentLabelGlyphTest, LocationsWalkTheLegsFromAQuarterOfTheFirstToThreeQuartersOfTheLast) {
    ASSERT_EQ(Vantor::Application::getAbsolutePosition(out), Point(34, 12));
    ASSERT_EQ(Vantor::Application::getAbsolutePosition(in), Point(100, 52));

    const PARR::GLRect<double> first = boxOf(segment, 0);
    EXPECT_EQ(dynamic_cast<ROOK2::TextNode&>(*view.nodeOf(segment.getLabels().back())).getText(),
              "speed");
    EXPECT_DOUBLE_EQ(first.hCenter(), 34 + 0.25 * 36);
    EXPECT_DOUBLE_EQ(first.top(), 12 + 4);

    const PARR::GLRect<double> middle = boxOf(segment, 2);
    EXPECT_DOUBLE_EQ(middle.vCenter(), 32);
    EXPECT_DOUBLE_EQ(middle.right(), 70 - 4);

    const PARR::GLRect<double> last = boxOf(segment, 4);
    EXPECT_DOUBLE_EQ(last.hCenter(), 70 + 0.75 * 30);
    EXPECT_DOUBLE_EQ(last.top(), 52 + 4);

    const PARR::GLRect<double> beyond = boxOf(segment, 9);
    EXPECT_DOUBLE_EQ(beyond.hCenter(), 70 + 0.5 * 30);
    EXPECT_DOUBLE_EQ(beyond.top(), 52 + 4);
}

TEST_F(SegmentLabelGlyphTest, AFlippedLabelSitsOnTheOtherSideOfItsLeg) {
    const PARR::GLRect<double> flipped = boxOf(segment, 1, true);
    EXPECT_DOUBLE_EQ(flipped.bottom(), 12 - 4);
    EXPECT_DOUBLE_EQ(flipped.hCenter(), 34 + 0.5 * 36);
}

TEST_F(SegmentLabelGlyphTest, ASegmentWithoutVerticesHasOneLegForEveryLocation) {
    const VTQUILL::Port from = b.outPort(target);
    const VTQUILL::Segment straight = b.edit([&] {
        VTQUILL::Segment s = segment.getContainer().addSegment();
        s.setSrcElement(from);
        s.addDstTerminator({240, 52});
        return s;
    });
    const double start = Vantor::Application::getAbsolutePosition(from).x;
    const double length = 240 - start;

    EXPECT_DOUBLE_EQ(boxOf(straight, 0).hCenter(), start + 0.25 * length);
    EXPECT_DOUBLE_EQ(boxOf(straight, 2).hCenter(), start + 0.75 * length);
    EXPECT_DOUBLE_EQ(boxOf(straight, -3).hCenter(), start + 0.5 * length);
    EXPECT_DOUBLE_EQ(boxOf(straight, 5).top(), 52 + 4);
}

TEST_F(SegmentLabelGlyphTest, ALabelOnASegmentReducedToOnePointIsCentredOnIt) {
    const VTQUILL::Port from = b.outPort(target);
    const VTQUILL::Segment stub = b.edit([&] {
        VTQUILL::Segment s = segment.getContainer().addSegment();
        s.setSrcElement(from);
        return s;
    });
    const Point end = Vantor::Application::getAbsolutePosition(from);

    const PARR::GLRect<double> box = boxOf(stub, 3);

    EXPECT_DOUBLE_EQ(box.hCenter(), end.x);
    EXPECT_DOUBLE_EQ(box.vCenter(), end.y);
}

}  // namespace
