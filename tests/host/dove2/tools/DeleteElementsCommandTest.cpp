#include "dove2/tools/DeleteElementsCommand.h"

#include <gtest/gtest.h>

#include "dove2/GraphNode.h"
#include "quill/Transaction.h"
#include "support/BlockDiagramBuilder.h"

using TestSupport::BlockDiagramBuilder;

namespace {

class DeleteElementsCommandTest : public ::testing::Test {
protected:
    DeleteElementsCommandTest()
        : a(b.block("A", {0, 0, 40, 30})),
          c(b.block("C", {100, 0, 40, 30})),
          aOut(b.outPort(a)),
          cIn(b.inPort(c)),
          segment(b.connect(aOut, cIn)) {}

    void run(PARR::GSet<DOVE2::DiagramElement> elements) {
        DOVE2::DeleteElementsCommand command(b.model(), std::move(elements));
        PARR::ErrorHolder errors;
        QUILL::Transaction transaction(b.model());
        command.execute(errors);
        transaction.commit();
        EXPECT_FALSE(errors.hasError());
    }

    BlockDiagramBuilder b;
    VTQUILL::Block a, c;
    VTQUILL::Port aOut, cIn;
    VTQUILL::Segment segment;
};

}  // namespace

TEST_F(DeleteElementsCommandTest, DeletingAnEdgeTakesItOutOfBothEndsEdgeLists) {
    run({DOVE2::DiagramElement(segment)});
    EXPECT_FALSE(segment.isValid());
    EXPECT_TRUE(DOVE2::GraphNode(aOut).getEdges().empty());
    EXPECT_TRUE(DOVE2::GraphNode(cIn).getEdges().empty());
    EXPECT_TRUE(a.isValid());
}

TEST_F(DeleteElementsCommandTest, DeletingAPortDeletesItsEdgeButNotItsBlock) {
    run({DOVE2::DiagramElement(cIn)});
    EXPECT_FALSE(cIn.isValid());
    EXPECT_FALSE(segment.isValid());
    EXPECT_TRUE(c.isValid());
    EXPECT_TRUE(DOVE2::GraphNode(aOut).getEdges().empty());
}

TEST_F(DeleteElementsCommandTest, ElementsAlreadyGoneAndNestedOnesAreSkipped) {
    run({DOVE2::DiagramElement(a), DOVE2::DiagramElement(aOut), DOVE2::DiagramElement(segment)});
    EXPECT_FALSE(a.isValid());
    EXPECT_FALSE(segment.isValid());
    run({DOVE2::DiagramElement(a)});
    EXPECT_TRUE(c.isValid());
}

TEST_F(DeleteElementsCommandTest, TheUndoTextIsTheDescriptionGiven) {
    EXPECT_EQ(DOVE2::DeleteElementsCommand(b.model(), {}).shortDescription(), "Delete");
    EXPECT_EQ(DOVE2::DeleteElementsCommand(b.model(), {}, "Cut").shortDescription(), "Cut");
}
