#include <gtest/gtest.h>

#include "DiagramBuilder.h"

using namespace VTQUILL;
using VTQuillTest::DiagramBuilder;

namespace {

std::vector<QUILL::ImmutableClassObject> edgesOf(const QUILL::ImmutableClassObject& node) {
    return DOVE2::ImmutableGraphNode(node).getEdges().toVector();
}

}  // namespace

TEST(TopologyTest, SettingASegmentEndUpdatesThePortEdge) {
    DiagramBuilder b;
    Block g = b.block("Gain", "G");
    Port out = b.out(g);
    Port other = b.port(g, kOutPort, {30, 25}, 0);
    Segment s = b.diagram.addLine(kSignalLine).addSegment();
    s.setSrcElement(out);
    EXPECT_EQ(out.getEdge(), s);
    s.setSrcElement(other);
    EXPECT_FALSE(out.hasEdge());
    EXPECT_EQ(other.getEdge(), s);
    other.removeEdge();
    EXPECT_FALSE(s.getSrcElement().isValid());
}

TEST(TopologyTest, APortHoldsAtMostOneSegment) {
    DiagramBuilder b;
    Port in = b.in(b.block("Scope", "S"));
    Segment first = b.connect({}, in);
    Segment second = b.diagram.addLine(kSignalLine).addSegment();
    EXPECT_THROW(second.setDstElement(in), QUILL::Exception);
    EXPECT_EQ(in.getEdge(), first);
    EXPECT_FALSE(second.getDstElement().isValid());
}

TEST(TopologyTest, AJointListsItsEdgesInAttachmentOrder) {
    DiagramBuilder b;
    Line line = b.diagram.addLine(kSignalLine);
    SolderJoint j = line.addSolderJoint({50, 50});
    Segment a = line.addSegment(), c = line.addSegment(), d = line.addSegment();
    a.setDstElement(j);
    c.setSrcElement(j);
    d.setSrcElement(j);
    EXPECT_EQ(edgesOf(j), (std::vector<QUILL::ImmutableClassObject>{a, c, d}));
    EXPECT_EQ(j.getInEdges().toVector(), std::vector<Segment>{a});
    EXPECT_EQ(j.getOutEdges().toVector(), (std::vector<Segment>{c, d}));

    c.setSrcElement(j);  // the end it already has: nothing changes
    EXPECT_EQ(edgesOf(j), (std::vector<QUILL::ImmutableClassObject>{a, c, d}));
    c.setSrcElement({});
    c.setSrcElement(j);  // re-attaching appends
    EXPECT_EQ(edgesOf(j), (std::vector<QUILL::ImmutableClassObject>{a, d, c}));
}

TEST(TopologyTest, ATerminatorFollowsTheSegmentItIsAttachedTo) {
    DiagramBuilder b;
    Line line = b.diagram.addLine(kSignalLine);
    Segment s = line.addSegment(), t = line.addSegment();
    Terminator end = s.addDstTerminator({10, 10});
    EXPECT_EQ(end.getContainer(), s);
    EXPECT_EQ(end.getEdge(), s);
    EXPECT_EQ(end.getType(), "");
    t.setSrcElement(end);
    EXPECT_EQ(end.getContainer(), t);
    EXPECT_EQ(end.getEdge(), t);
    EXPECT_FALSE(s.getDstElement().isValid());
}

TEST(TopologyTest, DestroyingASegmentLeavesItsTerminatorsUntilTheCommitRemovesOrphans) {
    DiagramBuilder b;
    Line line = b.diagram.addLine(kSignalLine);
    Segment s = line.addSegment(), keeper = line.addSegment();
    Terminator kept = s.addSrcTerminator({0, 0});
    Terminator orphan = s.addDstTerminator({9, 0});
    b.commit();

    s.destroy();
    EXPECT_TRUE(kept.isValid());
    EXPECT_EQ(kept.getContainer(), line);
    EXPECT_FALSE(kept.getEdge().isValid());
    keeper.setDstElement(kept);  // the clean-up hands a free end to another segment
    b.commit();
    EXPECT_TRUE(kept.isValid());
    EXPECT_FALSE(orphan.isValid());
}

TEST(TopologyTest, DestroyingABlockDetachesTheSegmentsAtItsPorts) {
    DiagramBuilder b;
    Block src = b.block("Constant", "C"), dst = b.block("Scope", "S", {100, 0});
    Port out = b.out(src), in = b.in(dst);
    Segment s = b.connect(out, in);
    b.commit();
    src.destroy();
    EXPECT_FALSE(out.isValid());
    EXPECT_FALSE(s.getSrcElement().isValid());
    EXPECT_EQ(s.getDstElement(), in);
    EXPECT_EQ(in.getEdge(), s);
}

TEST(TopologyTest, DestroyingAJointClearsTheEndsOfItsSegments) {
    DiagramBuilder b;
    Line line = b.diagram.addLine(kSignalLine);
    SolderJoint j = line.addSolderJoint({5, 5});
    Segment a = line.addSegment(), c = line.addSegment();
    a.setDstElement(j);
    c.setSrcElement(j);
    j.destroy();
    EXPECT_FALSE(a.getDstElement().isValid());
    EXPECT_FALSE(c.getSrcElement().isValid());
}

TEST(TopologyTest, ASegmentEndsOnlyAtPortsJointsAndTerminators) {
    DiagramBuilder b;
    Block g = b.block("Gain", "G");
    Segment s = b.diagram.addLine(kSignalLine).addSegment();
    EXPECT_THROW(s.setSrcElement(g), QUILL::Exception);
    EXPECT_FALSE(s.getSrcElement().isValid());
}

TEST(TopologyTest, ListsKeepCreationOrder) {
    DiagramBuilder b;
    Line line = b.diagram.addLine(kSignalLine);
    Segment s1 = line.addSegment();
    SolderJoint j1 = line.addSolderJoint({});
    Segment s2 = line.addSegment();
    SolderJoint j2 = line.addSolderJoint({});
    EXPECT_EQ(line.getSegments().toVector(), (std::vector<Segment>{s1, s2}));
    EXPECT_EQ(line.getSolderJoints().toVector(), (std::vector<SolderJoint>{j1, j2}));
    EXPECT_EQ(s1.getContainer(), line);
    EXPECT_EQ(line.getDiagram(), b.diagram);
}

TEST(NamesTest, FullPathsDoubleSlashesInNames) {
    DiagramBuilder b("plant/v2");
    Block sub = b.block("Subsystem", "ctrl/a");
    Diagram inner = sub.addSubsystemDiagram();
    Block gain = inner.addBlock("Gain", "K");
    EXPECT_EQ(b.diagram.getFullName(), "plant//v2");
    EXPECT_EQ(sub.getFullPathName(), "plant//v2/ctrl//a");
    EXPECT_EQ(inner.getFullName(), "plant//v2/ctrl//a");
    EXPECT_EQ(gain.getFullPathName(), "plant//v2/ctrl//a/K");
    EXPECT_TRUE(sub.isSubsystem());
    EXPECT_TRUE(b.diagram.containsViewableSubsystems());
}

TEST(NamesTest, AnEmptyNameIsRefusedAndNothingChanges) {
    DiagramBuilder b;
    Block g = b.block("Gain", "G");
    EXPECT_THROW(g.setName(""), QUILL::Exception);
    EXPECT_EQ(g.getName(), "G");
    EXPECT_THROW(b.diagram.addBlock("Gain", ""), QUILL::Exception);
}

TEST(NamesTest, TypedHandlesOfTheWrongClassAreEmpty) {
    DiagramBuilder b;
    Block g = b.block("Gain", "G");
    EXPECT_FALSE(ImmutablePort(g).isValid());
    EXPECT_TRUE(ImmutableBlock(QUILL::ImmutableClassObject(g)).isValid());
    EXPECT_TRUE(DOVE2::ImmutableGraphNode(g).isValid());
    EXPECT_TRUE(g.isKindOf(DOVE2::GraphNode::MetaClass()));
}
