#include "tools/CreateSegmentCommand.h"

#include <gtest/gtest.h>

#include "LineChecks.h"
#include "quill/Transaction.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using Point = PARR::GLPoint<double>;
using TestSupport::BlockDiagramBuilder;
using Vantor::CreateSegmentCommand;
using Vantor::SegmentAnchor;

SegmentAnchor anchorAt(const QUILL::ImmutableClassObject& element) {
    SegmentAnchor anchor;
    SegmentAnchor::classify(element, anchor);
    return anchor;
}

// Two blocks whose ports each hold a dangling segment ending in a free end between them.
class CreateSegmentCommandTest : public ::testing::Test {
protected:
    // Runs a command from `src` to `dst` on the root; returns whether it reported an error.
    bool run(const QUILL::ImmutableClassObject& src, const QUILL::ImmutableClassObject& dst,
             const Point& end) {
        CreateSegmentCommand command(b.diagram(), anchorAt(src), anchorAt(dst), {0, 0}, end, {});
        PARR::ErrorHolder errors;
        QUILL::Transaction transaction(b.model());
        command.execute(errors);
        transaction.commit();
        return errors.hasError();
    }
    VTQUILL::Terminator danglingFrom(const VTQUILL::Port& port, const Point& end, bool outward) {
        return b.edit([&] {
            VTQUILL::Segment s = b.diagram().addLine(VTQUILL::kSignalLine).addSegment();
            if (outward) {
                s.setSrcElement(port);
                return s.addDstTerminator(end);
            }
            s.setDstElement(port);
            return s.addSrcTerminator(end);
        });
    }

    BlockDiagramBuilder b;
    VTQUILL::Port out = b.outPort(b.block("Source", {0, 0, 40, 30}));
    VTQUILL::Port in = b.inPort(b.block("Sink", {200, 0, 40, 30}));
    VTQUILL::Terminator outEnd = danglingFrom(out, {80, 15}, true);
};

TEST_F(CreateSegmentCommandTest, ExtendingAFreeEndToAPortReplacesTheDanglingSegment) {
    const VTQUILL::Line line = outEnd.getEdge().getContainer();

    EXPECT_FALSE(run(outEnd, in, {203, 15}));

    EXPECT_FALSE(outEnd.isValid());
    const VTQUILL::Segment made = out.getEdge();
    ASSERT_TRUE(made.isValid());
    EXPECT_EQ(made.getDstElement(), in);
    EXPECT_EQ(made.getContainer(), line);
    EXPECT_EQ(line.getSegments().size(), 1u);
    EXPECT_TRUE(ToolTest::isWellFormed(line));
}

TEST_F(CreateSegmentCommandTest, JoiningTwoFreeEndsMergesTheSecondLineIntoTheFirst) {
    const VTQUILL::Terminator inEnd = danglingFrom(in, {150, 15}, false);
    const VTQUILL::Line first = outEnd.getEdge().getContainer();
    const VTQUILL::Line second = inEnd.getEdge().getContainer();

    EXPECT_FALSE(run(outEnd, inEnd, {150, 15}));

    EXPECT_FALSE(second.isValid());
    const VTQUILL::Segment made = out.getEdge();
    ASSERT_TRUE(made.isValid());
    EXPECT_EQ(in.getEdge(), made);
    EXPECT_EQ(made.getContainer(), first);
    EXPECT_EQ(b.diagram().getLines().size(), 1u);
    EXPECT_TRUE(ToolTest::isWellFormed(first));
}

TEST_F(CreateSegmentCommandTest, ASegmentFromAConnectionPortStartsAConnectionLine) {
    const VTQUILL::Block plant = b.block("Plant", {0, 100, 40, 30});
    const VTQUILL::Port a = b.port(plant, VTQUILL::kConnectionPort, {34, 12}, 0);
    const VTQUILL::Port c =
        b.port(b.block("Load", {200, 100, 40, 30}), VTQUILL::kConnectionPort, {0, 12}, 180);

    EXPECT_FALSE(run(a, c, {203, 115}));

    ASSERT_TRUE(a.getEdge().isValid());
    EXPECT_EQ(a.getEdge().getContainer().getType(), VTQUILL::kConnectionLine);
    EXPECT_EQ(CreateSegmentCommand(b.diagram(), {}, {}, {}, {}, {}).shortDescription(),
              "Create Segment");
}

}  // namespace
