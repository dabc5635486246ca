#include <gtest/gtest.h>

#include "LibraryModel.h"
#include "vtdove/EngineHandles.h"
#include "vtdove/GraphListener.h"
#include "vtdove/ScrapGraph.h"

using namespace VTQUILL;
using VTDove::copyToScrapGraph;
using VTDove::pasteToGraph;
using VTDove::ScrapGraph;
using VTDoveTest::LibraryModel;

namespace {

std::vector<std::string> blockNames(const Diagram& d) {
    std::vector<std::string> names;
    for (const Block& b : d.getBlocks())
        names.push_back(b.getName());
    return names;
}

Block blockNamed(const Diagram& d, const std::string& name) {
    for (const Block& b : d.getBlocks()) {
        if (b.getName() == name)
            return b;
    }
    return Block();
}

// Constant "C" -> Gain "G" -> Scope "S", wired.
struct Chain {
    LibraryModel m;
    Block c = m.add("Constant", "C", {0, 0});
    Block g = m.add("Gain", "G", {100, 0});
    Block s = m.add("Scope", "S", {200, 0});
    Segment cg = m.connect(c, g);
    Segment gs = m.connect(g, s);
};

}  // namespace

TEST(ScrapGraphTest, CopyHoldsTheBlocksWithTheirPortsAndParameters) {
    Chain chain;
    chain.m.edit([&] { chain.g.setParameter("Gain", "7"); });
    copyToScrapGraph({getVtBlock(chain.g)}, {}, {});
    const Diagram scrap = ScrapGraph::instance().getDiagram();
    ASSERT_EQ(scrap.getBlocks().size(), 1u);
    const Block copy = scrap.getBlocks().front();
    EXPECT_NE(copy, chain.g);
    EXPECT_EQ(copy.getName(), "G");
    EXPECT_EQ(copy.getParameter("Gain"), "7");
    EXPECT_EQ(copy.getPosition(), chain.g.getPosition());
    EXPECT_EQ(copy.getContained().size(), 2u);
    EXPECT_FALSE(copy.getContained()[0].hasEdge());
}

TEST(ScrapGraphTest, ASegmentIsCopiedOnlyWhenBothItsEndsAreCopied) {
    Chain chain;
    copyToScrapGraph({getVtBlock(chain.c), getVtBlock(chain.g)},
                     {getVtSegment(chain.cg), getVtSegment(chain.gs)}, {});
    const Diagram scrap = ScrapGraph::instance().getDiagram();
    ASSERT_EQ(scrap.getLines().size(), 1u);
    const Segment copied = scrap.getLines().front().getSegments().front();
    const Block c = blockNamed(scrap, "C");
    const Block g = blockNamed(scrap, "G");
    EXPECT_EQ(copied.getSrcElement(), c.getContained().front());
    EXPECT_EQ(copied.getDstElement(), LibraryModel::portOf(g, kInPort));
    EXPECT_EQ(LibraryModel::portOf(g, kInPort).getEdge(), copied);
    EXPECT_FALSE(LibraryModel::portOf(g, kOutPort).hasEdge());
}

TEST(ScrapGraphTest, ABranchedLineIsCopiedWithItsJointAndVertices) {
    LibraryModel m;
    const Block c = m.add("Constant", "C");
    const Block g1 = m.add("Gain", "G1", {100, -50});
    const Block g2 = m.add("Gain", "G2", {100, 50});
    std::vector<Segment> segs;
    m.edit([&] {
        Line line = m.diagram.addLine(kSignalLine);
        SolderJoint j = line.addSolderJoint({60, 15});
        for (int i = 0; i < 3; ++i)
            segs.push_back(line.addSegment());
        segs[0].setSrcElement(c.getContained().front());
        segs[0].setDstElement(j);
        segs[1].setSrcElement(j);
        segs[1].setDstElement(g1.getContained().front());
        segs[1].setPath({{60, -35}});
        segs[2].setSrcElement(j);
        segs[2].setDstElement(g2.getContained().front());
    });
    copyToScrapGraph({getVtBlock(c), getVtBlock(g1)},
                     {getVtSegment(segs[0]), getVtSegment(segs[1]), getVtSegment(segs[2])}, {});
    const Diagram scrap = ScrapGraph::instance().getDiagram();
    ASSERT_EQ(scrap.getLines().size(), 1u);
    const Line line = scrap.getLines().front();
    EXPECT_EQ(line.getSegments().size(), 2u);
    ASSERT_EQ(line.getSolderJoints().size(), 1u);
    const SolderJoint joint = line.getSolderJoints().front();
    EXPECT_EQ(joint.getPosition(), PARR::GLPoint<double>(60, 15));
    EXPECT_EQ(joint.getEdges().size(), 2u);
    EXPECT_EQ(line.getSegments()[1].getPath(), PARR::Path({{60, -35}}));
}

TEST(ScrapGraphTest, ASegmentWithAFreeEndTakesItsTerminatorAlong) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    Segment s;
    m.edit([&] {
        s = m.diagram.addLine(kSignalLine).addSegment();
        s.setSrcElement(LibraryModel::portOf(g, kOutPort));
        s.addDstTerminator({80, 15});
    });
    copyToScrapGraph({getVtBlock(g)}, {getVtSegment(s)}, {});
    const Diagram scrap = ScrapGraph::instance().getDiagram();
    ASSERT_EQ(scrap.getLines().size(), 1u);
    const Terminator end(scrap.getLines().front().getSegments().front().getDstElement());
    ASSERT_TRUE(end.isValid());
    EXPECT_EQ(end.getPosition(), PARR::GLPoint<double>(80, 15));
}

TEST(ScrapGraphTest, ANewCopyReplacesTheScrapContent) {
    Chain chain;
    copyToScrapGraph({getVtBlock(chain.c), getVtBlock(chain.g)}, {getVtSegment(chain.cg)}, {});
    copyToScrapGraph({getVtBlock(chain.s)}, {}, {});
    const Diagram scrap = ScrapGraph::instance().getDiagram();
    EXPECT_EQ(blockNames(scrap), (std::vector<std::string>{"S"}));
    EXPECT_TRUE(scrap.getLines().empty());
}

TEST(ScrapGraphTest, PastedBlocksLandOffsetWithUniqueNames) {
    Chain chain;
    copyToScrapGraph({getVtBlock(chain.g)}, {}, {});
    pasteToGraph(getVtGraph(chain.m.diagram));
    const Block first = blockNamed(chain.m.diagram, "G1");
    ASSERT_TRUE(first.isValid());
    EXPECT_EQ(first.getPosition(), chain.g.getPosition() + PARR::GLPoint<double>(20, 20));
    pasteToGraph(getVtGraph(chain.m.diagram));
    const Block second = blockNamed(chain.m.diagram, "G2");
    ASSERT_TRUE(second.isValid());
    EXPECT_EQ(second.getPosition(), chain.g.getPosition() + PARR::GLPoint<double>(40, 40));
}

TEST(ScrapGraphTest, NamesAreMadeUniqueFromTheirStem) {
    EXPECT_EQ(VTDove::uniqueBlockName("Gain", {}), "Gain");
    EXPECT_EQ(VTDove::uniqueBlockName("Gain", {"Gain"}), "Gain1");
    EXPECT_EQ(VTDove::uniqueBlockName("Gain", {"Gain", "Gain1"}), "Gain2");
    EXPECT_EQ(VTDove::uniqueBlockName("Gain1", {"Gain", "Gain1"}), "Gain2");
    EXPECT_EQ(VTDove::uniqueBlockName("42", {"42"}), "1");
}

TEST(ScrapGraphTest, NamesHandedOutInTurnFillTheGapsOfTheirStemAndNeverRepeat) {
    VTDove::BlockNameAllocator names({"Gain", "Gain1", "Gain3"});
    EXPECT_EQ(names.take("Gain"), "Gain2");
    EXPECT_EQ(names.take("Gain2"), "Gain4");
    EXPECT_EQ(names.take("Sum"), "Sum");
    EXPECT_EQ(names.take("Sum"), "Sum1");
    EXPECT_EQ(names.take("Gain7"), "Gain7");
    EXPECT_EQ(names.take("Gain"), "Gain5");
    EXPECT_EQ(names.take("Gain"), "Gain6");
    EXPECT_EQ(names.take("Gain"), "Gain8");
}

TEST(ScrapGraphTest, APasteIsOneChangeSetAndUndoingItRestoresTheModel) {
    Chain chain;
    Annotation note;
    chain.m.edit([&] {
        note = chain.m.diagram.addAnnotation("note");
        note.setPosition({10, 80});
    });
    copyToScrapGraph({getVtBlock(chain.c), getVtBlock(chain.g)}, {getVtSegment(chain.cg)},
                     {getVtAnnotation(note)});
    const auto before = chain.m.snapshot();
    const auto changes = pasteToGraph(getVtGraph(chain.m.diagram));
    ASSERT_TRUE(changes);
    EXPECT_EQ(chain.m.diagram.getBlocks().size(), 5u);
    EXPECT_EQ(chain.m.diagram.getLines().size(), 3u);
    ASSERT_EQ(chain.m.diagram.getAnnotations().size(), 2u);
    EXPECT_EQ(chain.m.diagram.getAnnotations()[1].getPosition(), PARR::GLPoint<double>(30, 100));
    chain.m.edit(
        [&] { chain.m.model.applyChanges(*changes, QUILL::Deviant::Direction::Backward); });
    EXPECT_EQ(chain.m.snapshot(), before);
}

TEST(ScrapGraphTest, PastedSegmentsConnectThePastedBlocksAndMoveWithThem) {
    Chain chain;
    chain.m.edit([&] { chain.cg.setPath({{50, 15}, {50, 15}}); });
    copyToScrapGraph({getVtBlock(chain.c), getVtBlock(chain.g)}, {getVtSegment(chain.cg)}, {});
    pasteToGraph(getVtGraph(chain.m.diagram));
    const Block c1 = blockNamed(chain.m.diagram, "C1");
    const Block g1 = blockNamed(chain.m.diagram, "G1");
    ASSERT_TRUE(c1.isValid() && g1.isValid());
    const Segment pasted = c1.getContained().front().getEdge();
    ASSERT_TRUE(pasted.isValid());
    EXPECT_EQ(pasted.getDstElement(), LibraryModel::portOf(g1, kInPort));
    EXPECT_EQ(pasted.getPath(), PARR::Path({{70, 35}, {70, 35}}));
    EXPECT_EQ(chain.cg.getPath(), PARR::Path({{50, 15}, {50, 15}}));
}

TEST(ScrapGraphTest, APastedSubsystemKeepsItsInnerDiagram) {
    LibraryModel m;
    const Block sub = m.add("Subsystem", "Sub");
    copyToScrapGraph({getVtBlock(sub)}, {}, {});
    pasteToGraph(getVtGraph(m.diagram));
    const Block copy = blockNamed(m.diagram, "Sub1");
    ASSERT_TRUE(copy.isValid() && copy.isSubsystem());
    EXPECT_EQ(blockNames(copy.getSubsystemDiagram()), (std::vector<std::string>{"In1", "Out1"}));
    EXPECT_EQ(copy.getSubsystemDiagram().getLines().size(), 1u);
    EXPECT_EQ(copy.getSubsystemDiagram().getFullName(), "model/Sub1");
    EXPECT_EQ(sub.getSubsystemDiagram().getBlocks().size(), 2u);
}

TEST(ScrapGraphTest, APasteIntoAnotherModelWorksAndTellsItsListeners) {
    Chain chain;
    copyToScrapGraph({getVtBlock(chain.g)}, {}, {});
    LibraryModel other("other");
    struct Counter : VTDove::GraphListener {
        using GraphListener::GraphListener;
        void blockHasBeenAdded(vtBlock*) override { ++added; }
        int added = 0;
    } counter(getVtGraph(other.diagram));
    pasteToGraph(getVtGraph(other.diagram));
    EXPECT_EQ(blockNames(other.diagram), (std::vector<std::string>{"G"}));
    EXPECT_EQ(counter.added, 1);
}

TEST(ScrapGraphTest, APasteInsideTheCallersTransactionBelongsToIt) {
    Chain chain;
    copyToScrapGraph({getVtBlock(chain.g)}, {}, {});
    QUILL::Transaction tx(chain.m.model);
    EXPECT_EQ(pasteToGraph(getVtGraph(chain.m.diagram)), nullptr);
    const auto changes = tx.commit();
    EXPECT_FALSE(changes->empty());
    EXPECT_TRUE(blockNamed(chain.m.diagram, "G1").isValid());
}
