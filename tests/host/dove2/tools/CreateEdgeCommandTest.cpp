#include "dove2/tools/CreateEdgeCommand.h"

#include <gtest/gtest.h>

#include "dove2/GraphEdge.h"
#include "dove2/GraphNode.h"
#include "quill/Transaction.h"
#include "support/BlockDiagramBuilder.h"

using TestSupport::BlockDiagramBuilder;

namespace {

class CreateEdgeCommandTest : public ::testing::Test {
protected:
    CreateEdgeCommandTest() : a(b.block("A", {0, 0, 40, 30})), c(b.block("C", {100, 0, 40, 30})) {}

    // Runs `command` in a transaction on the root; returns whether it reported no error.
    bool run(DOVE2::Command& command) {
        PARR::ErrorHolder errors;
        QUILL::Transaction transaction(b.model());
        command.execute(errors);
        if (errors.hasError())
            return false;
        transaction.commit();
        return true;
    }
    DOVE2::GraphEdge onlyEdge() const {
        DOVE2::GraphEdge found;
        for (const QUILL::ImmutableClassObject& child : b.diagram().getContained()) {
            if (const DOVE2::GraphEdge edge(child); edge.isValid()) {
                EXPECT_FALSE(found.isValid()) << "more than one edge";
                found = edge;
            }
        }
        return found;
    }

    BlockDiagramBuilder b;
    VTQUILL::Block a, c;
};

}  // namespace

TEST_F(CreateEdgeCommandTest, TheEdgeJoinsBothNodesAndIsListedByEach) {
    DOVE2::CreateEdgeCommand command(b.model(), b.diagram(), DOVE2::GraphElement(a),
                                     DOVE2::GraphElement(c));
    ASSERT_TRUE(run(command));
    const DOVE2::GraphEdge edge = onlyEdge();
    ASSERT_TRUE(edge.isValid());
    EXPECT_EQ(edge.getSrcElement(), a);
    EXPECT_EQ(edge.getDstElement(), c);
    EXPECT_EQ(DOVE2::GraphNode(a).getEdges().size(), 1u);
    EXPECT_EQ(DOVE2::GraphNode(c).getEdges().size(), 1u);
    EXPECT_EQ(command.shortDescription(), "Create Edge");
}

TEST_F(CreateEdgeCommandTest, WithoutADestinationTheEdgeEndsFreeOnItsPath) {
    DOVE2::CreateEdgeCommand command(b.model(), b.diagram(), DOVE2::GraphElement(a),
                                     DOVE2::GraphElement(), PARR::Path{{70, 50}});
    ASSERT_TRUE(run(command));
    const DOVE2::GraphEdge edge = onlyEdge();
    EXPECT_FALSE(edge.getDstElement().isValid());
    EXPECT_EQ(edge.getPath(), (PARR::Path{{70, 50}}));
}

TEST_F(CreateEdgeCommandTest, WithoutASourceNodeTheCommandReportsAnError) {
    DOVE2::CreateEdgeCommand command(b.model(), b.diagram(), DOVE2::GraphElement(),
                                     DOVE2::GraphElement(c));
    EXPECT_FALSE(run(command));
    EXPECT_FALSE(onlyEdge().isValid());
}
