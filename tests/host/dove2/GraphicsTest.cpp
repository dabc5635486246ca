#include "dove2/Graphics.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>

#include "../rook2/QtTestApplication.h"
#include "../vtquill/DiagramBuilder.h"
#include "GlyphTestSupport.h"
#include "dove2/NullGlyph.h"
#include "dove2/PolylineGlyph.h"
#include "dove2/RectangleGlyph.h"
#include "quill/Transaction.h"
#include "rook2/OpenLinearPathNode.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"
#include "rook2/WeakRef.h"

using namespace Dove2Test;
using DOVE2::Glyph;
using DOVE2::Graphics;
using IdSet = std::set<QUILL::ObjectId>;

namespace {

class GraphicsTest : public ::testing::Test {
protected:
    GraphicsTest() {
        rook2test::qtApplication();
        gain = b.block("Gain", "G", {10, 20});
        sum = b.block("Sum", "S", {100, 20});
        constant = b.block("Constant", "C", {10, 100});
        gainOut = b.out(gain);
        sumIn = b.in(sum);
        segment = b.connect(gainOut, sumIn);
        line = VTQUILL::Line(segment.getContainer());
        b.commit();
    }

    Graphics& show(const DOVE2::Diagram& diagram, DOVE2::Editor* editor = nullptr) {
        graphics.emplace(scene, diagram, factory, editor);
        factory.log->clear();
        return *graphics;
    }
    IdSet allElements() const {
        return {gain.getObjectId(),    sum.getObjectId(),   constant.getObjectId(),
                gainOut.getObjectId(), sumIn.getObjectId(), segment.getObjectId(),
                line.getObjectId()};
    }
    PARR::Holder<ROOK2::Node> rootOf(const QUILL::ImmutableClassObject& element) const {
        const PARR::Holder<Glyph> glyph = graphics->getGlyph(element);
        return glyph ? glyph->getRoot() : PARR::Holder<ROOK2::Node>();
    }
    void destroy(const QUILL::ImmutableClassObject& element) {
        b.model.getDeviant().destroyObject(element.getObjectId());
    }

    VTQuillTest::DiagramBuilder b;
    ROOK2::Scene scene;
    RecordingGlyphFactory factory;
    std::optional<Graphics> graphics;
    VTQUILL::Block gain, sum, constant;
    VTQUILL::Port gainOut, sumIn;
    VTQUILL::Segment segment;
    VTQUILL::Line line;
};

// --- building the glyphs of a diagram ------------------------------------------------------

TEST_F(GraphicsTest, MakesOneGlyphPerElementOfTheDiagram) {
    show(b.diagram);

    EXPECT_EQ(graphics->glyphCount(), allElements().size());
    for (QUILL::ObjectId id : allElements())
        EXPECT_TRUE(graphics->getGlyph(QUILL::ImmutableClassObject(b.model.getDeviantPtr(), id)))
            << id;
}

TEST_F(GraphicsTest, CreatesAndUpdatesEachGlyphOnceWhenShowingTheDiagram) {
    graphics.emplace(scene, b.diagram, factory);

    const IdSet drawn = allElements();
    const IdSet withoutLine = [&] {
        IdSet s = drawn;
        s.erase(line.getObjectId());
        return s;
    }();
    EXPECT_EQ(GlyphLog::ids(factory.log->created), withoutLine);
    for (const auto& [id, n] : factory.log->created)
        EXPECT_EQ(n, 1);
    for (const auto& [id, n] : factory.log->updated)
        EXPECT_EQ(n, 1);
}

TEST_F(GraphicsTest, LeavesOutElementsOfNestedDiagrams) {
    VTQUILL::Diagram inner = gain.addSubsystemDiagram();
    VTQUILL::Block nested = inner.addBlock("Gain", "Inner");
    b.commit();

    show(b.diagram);

    EXPECT_FALSE(graphics->getGlyph(nested));
    EXPECT_EQ(graphics->glyphCount(), allElements().size());
}

TEST_F(GraphicsTest, PutsAContainedElementsRootUnderItsContainersGlyph) {
    show(b.diagram);

    EXPECT_EQ(rootOf(gainOut)->getParent(), rootOf(gain).get());
    EXPECT_EQ(rootOf(gain)->getParent(), nullptr);
    EXPECT_EQ(rootOf(gain)->getScene(), &scene);
}

TEST_F(GraphicsTest, MakesEachRootsEventHandlerItsGlyph) {
    show(b.diagram);

    EXPECT_EQ(rootOf(sum)->getEventHandler(), graphics->getGlyph(sum).get());
}

TEST_F(GraphicsTest, GivesEveryGlyphTheEditorBeforeCreatingIt) {
    int editorStandIn = 0;
    auto* editor = reinterpret_cast<DOVE2::Editor*>(&editorStandIn);
    graphics.emplace(scene, b.diagram, factory, editor);

    EXPECT_EQ(factory.log->editorsSet, static_cast<int>(allElements().size()) - 1);
    EXPECT_EQ(graphics->getGlyph(gain)->getEditor(), editor);
    EXPECT_EQ(graphics->getGlyph(gain)->getScene(), &scene);
}

TEST_F(GraphicsTest, KeepsTheLayoutRectangleInAbsoluteDiagramCoordinates) {
    show(b.diagram);

    const EditLayout::LayoutRect r = graphics->getGlyph(gainOut)->rect();
    EXPECT_DOUBLE_EQ(r.x(), 10 + 30);
    EXPECT_DOUBLE_EQ(r.y(), 20 + 15);
}

// --- following commits ---------------------------------------------------------------------

TEST_F(GraphicsTest, ACommitThatCreatesElementsCreatesExactlyTheirGlyphs) {
    show(b.diagram);
    const PARR::Holder<Glyph> before = graphics->getGlyph(gain);

    VTQUILL::Block scope = b.block("Scope", "Sc", {200, 20});
    VTQUILL::Port scopeIn = b.in(scope);
    b.commit();

    EXPECT_EQ(GlyphLog::ids(factory.log->created),
              (IdSet{scope.getObjectId(), scopeIn.getObjectId()}));
    EXPECT_TRUE(factory.log->destroyed.empty());
    EXPECT_EQ(graphics->getGlyph(gain), before);
    EXPECT_EQ(rootOf(scopeIn)->getParent(), rootOf(scope).get());
}

TEST_F(GraphicsTest, ACommitThatModifiesAnElementUpdatesExactlyItsGlyph) {
    show(b.diagram);

    constant.setPosition({5, 5});
    b.commit();

    EXPECT_EQ(GlyphLog::ids(factory.log->updated), IdSet{constant.getObjectId()});
}

TEST_F(GraphicsTest, MovingANodeAlsoRedrawsTheEdgesAttachedToItOrToANodeInsideIt) {
    show(b.diagram);

    gain.setPosition({50, 60});
    b.commit();

    EXPECT_EQ(GlyphLog::ids(factory.log->updated),
              (IdSet{gain.getObjectId(), segment.getObjectId()}))
        << "the segment starts at the gain's port";
    EXPECT_TRUE(factory.log->created.empty());
    EXPECT_EQ(rootOf(gain)->getPosition(), (PARR::GLPoint<double>{50, 60}));
    EXPECT_DOUBLE_EQ(graphics->getGlyph(gainOut)->rect().x(), 50 + 30);
}

// Commits inside an update batch (a preview put back, then the move recorded) update each
// modified glyph once, when the batch ends, from the state then; a deletion still acts at once.
TEST_F(GraphicsTest, AnUpdateBatchUpdatesEachModifiedGlyphOnceWhenItEnds) {
    show(b.diagram);
    {
        const Graphics::UpdateBatch batch(&*graphics);
        gain.setPosition({50, 60});
        b.commit();
        gain.setPosition({70, 80});
        constant.setPosition({5, 5});
        b.commit();
        destroy(sum);
        b.commit();
        EXPECT_TRUE(factory.log->updated.empty());
        EXPECT_EQ(GlyphLog::ids(factory.log->destroyed),
                  (IdSet{sum.getObjectId(), sumIn.getObjectId()}));
        EXPECT_EQ(rootOf(gain)->getPosition(), (PARR::GLPoint<double>{10, 20}));
    }
    for (const auto& [id, updates] : factory.log->updated)
        EXPECT_EQ(updates, 1) << id;  // once each, though the gain moved twice
    EXPECT_EQ(GlyphLog::ids(factory.log->updated),
              (IdSet{gain.getObjectId(), constant.getObjectId(), segment.getObjectId()}));
    EXPECT_EQ(rootOf(gain)->getPosition(), (PARR::GLPoint<double>{70, 80}));
}

TEST_F(GraphicsTest, ACommitThatDeletesAnElementDestroysExactlyItsGlyph) {
    show(b.diagram);
    ROOK2::WeakRef<ROOK2::Node> root(rootOf(constant));

    destroy(constant);
    b.commit();

    EXPECT_EQ(GlyphLog::ids(factory.log->destroyed), IdSet{constant.getObjectId()});
    EXPECT_FALSE(graphics->getGlyph(constant));
    EXPECT_FALSE(root.isAlive());
    EXPECT_EQ(graphics->glyphCount(), allElements().size() - 1);
}

TEST_F(GraphicsTest, DestroyingTheGraphicsEmptiesTheScene) {
    show(b.diagram);
    ASSERT_GT(scene.nodeCount(), 0u);

    graphics.reset();

    EXPECT_EQ(scene.nodeCount(), 0u);
    EXPECT_EQ(GlyphLog::ids(factory.log->destroyed).size(), allElements().size() - 1);
}

TEST_F(GraphicsTest, SelectingARootTellsItsGlyph) {
    show(b.diagram);

    rootOf(sum)->setSelected(true);

    EXPECT_EQ(GlyphLog::ids(factory.log->selectionChanges), IdSet{sum.getObjectId()});
    EXPECT_TRUE(graphics->getGlyph(sum)->isSelected());
}

// --- previews in a working copy ------------------------------------------------------------

class GraphicsPreviewTest : public GraphicsTest {
protected:
    GraphicsPreviewTest()
        : copy(b.model.createWorkingCopy()),
          copyDiagram(copy.getDeviantPtr(), b.diagram.getObjectId()) {}

    QUILL::Model copy;
    VTQUILL::Diagram copyDiagram;
};

TEST_F(GraphicsPreviewTest, APreviewMovesTheGlyphOfAGraphicsOnTheWorkingCopyOnly) {
    show(copyDiagram);
    ROOK2::Scene rootScene;
    DOVE2::GlyphFactory plain;
    Graphics rootGraphics(rootScene, b.diagram, plain);

    {
        QUILL::Transaction tx(copy);
        VTQUILL::Block(copy.getDeviantPtr(), gain.getObjectId()).setPosition({200, 300});
        tx.commit();
    }

    EXPECT_EQ(rootOf(gain)->getPosition(), (PARR::GLPoint<double>{200, 300}));
    EXPECT_EQ(rootGraphics.getGlyph(gain)->getRoot()->getPosition(),
              (PARR::GLPoint<double>{10, 20}));
}

TEST_F(GraphicsPreviewTest, SyncFromRootPutsThePreviewedGlyphsBack) {
    show(copyDiagram);
    VTQUILL::Block added;
    {
        QUILL::Transaction tx(copy);
        VTQUILL::Block(copy.getDeviantPtr(), gain.getObjectId()).setPosition({200, 300});
        added = VTQUILL::Diagram(copyDiagram).addBlock("Scope", "Preview");
        tx.commit();
    }
    ASSERT_TRUE(graphics->getGlyph(added));

    copy.syncFromRoot();

    EXPECT_EQ(rootOf(gain)->getPosition(), (PARR::GLPoint<double>{10, 20}));
    EXPECT_FALSE(graphics->getGlyph(added));
    EXPECT_EQ(graphics->glyphCount(), allElements().size());
}

TEST_F(GraphicsPreviewTest, SyncFromRootBringsBackTheGlyphOfAnElementThePreviewDeleted) {
    show(copyDiagram);
    {
        QUILL::Transaction tx(copy);
        copy.getDeviant().destroyObject(constant.getObjectId());
        tx.commit();
    }
    ASSERT_FALSE(graphics->getGlyph(constant));

    copy.syncFromRoot();

    ASSERT_TRUE(graphics->getGlyph(constant));
    EXPECT_EQ(rootOf(constant)->getPosition(), (PARR::GLPoint<double>{10, 100}));
    EXPECT_EQ(graphics->glyphCount(), allElements().size());
}

TEST_F(GraphicsPreviewTest, ARootCommitReachesAGraphicsOnTheWorkingCopy) {
    show(copyDiagram);

    VTQUILL::Block scope = b.block("Scope", "Sc", {200, 20});
    b.commit();

    EXPECT_TRUE(graphics->getGlyph(scope));
}

// --- looking glyphs up ---------------------------------------------------------------------

TEST_F(GraphicsTest, FindsAGlyphByAHandleOfTheElementInAnyInstance) {
    show(b.diagram);
    QUILL::Model copy = b.model.createWorkingCopy();

    const QUILL::ImmutableClassObject inCopy(copy.getDeviantPtr(), sum.getObjectId());

    EXPECT_EQ(graphics->getGlyph(inCopy), graphics->getGlyph(sum));
    EXPECT_EQ(graphics->getGlyph(sum)->diagramElement().getObjectId(), sum.getObjectId());
}

TEST_F(GraphicsTest, FindsNoGlyphForTheDiagramItself) {
    show(b.diagram);

    EXPECT_FALSE(graphics->getGlyph(b.diagram));
}

TEST_F(GraphicsTest, FindsAGlyphByItsRootOrANodeBelowIt) {
    show(b.diagram);
    const PARR::Holder<ROOK2::Node> below(new ROOK2::RectNode());
    below->setParent(rootOf(constant));

    EXPECT_EQ(graphics->getGlyph(rootOf(gainOut).get()), graphics->getGlyph(gainOut));
    EXPECT_EQ(graphics->getGlyph(below.get()), graphics->getGlyph(constant));
}

TEST_F(GraphicsTest, FindsNoGlyphForAForeignNodeOrNull) {
    show(b.diagram);
    const auto foreign = scene.createNode<ROOK2::RectNode>();

    EXPECT_FALSE(graphics->getGlyph(foreign.get()));
    EXPECT_FALSE(graphics->getGlyph(static_cast<const ROOK2::Node*>(nullptr)));
}

// --- invalidation --------------------------------------------------------------------------

TEST_F(GraphicsTest, InvalidatingAGlyphReplacesItWithANewOne) {
    show(b.diagram);
    const PARR::Holder<Glyph> old = graphics->getGlyph(gain);
    const std::size_t nodes = scene.nodeCount();

    graphics->invalidateGlyph(gain);

    const PARR::Holder<Glyph> fresh = graphics->getGlyph(gain);
    EXPECT_NE(fresh, old);
    EXPECT_EQ(factory.log->created[gain.getObjectId()], 1);
    EXPECT_EQ(fresh->getRoot()->getPosition(), (PARR::GLPoint<double>{10, 20}));
    EXPECT_TRUE(old->getRoot()->isRemoved());
    EXPECT_EQ(scene.nodeCount(), nodes);
}

TEST_F(GraphicsTest, InvalidatingAGlyphMovesTheContainedGlyphsUnderTheNewOne) {
    show(b.diagram);
    const PARR::Holder<Glyph> port = graphics->getGlyph(gainOut);

    graphics->invalidateGlyph(gain);

    EXPECT_EQ(graphics->getGlyph(gainOut), port);
    EXPECT_EQ(port->getRoot()->getParent(), rootOf(gain).get());
    EXPECT_FALSE(port->getRoot()->isRemoved());
}

TEST_F(GraphicsTest, InvalidatingAnElementNotShownDoesNothing) {
    show(b.diagram);

    graphics->invalidateGlyph(b.diagram);

    EXPECT_TRUE(factory.log->created.empty());
    EXPECT_TRUE(factory.log->destroyed.empty());
}

// --- glyphs that draw nothing --------------------------------------------------------------

TEST_F(GraphicsTest, ANullGlyphAddsNoNodeAndItsContentsGoToTheTopLevel) {
    show(b.diagram);
    const PARR::Holder<Glyph> lineGlyph = graphics->getGlyph(line);

    ASSERT_TRUE(dynamic_cast<DOVE2::NullGlyph*>(lineGlyph.get()));
    EXPECT_FALSE(lineGlyph->getRoot());
    EXPECT_EQ(rootOf(segment)->getParent(), nullptr);
    EXPECT_EQ(rootOf(segment)->getScene(), &scene);
}

// --- the generic glyphs --------------------------------------------------------------------

TEST_F(GraphicsTest, APlainFactoryDrawsBlocksAsRectanglesAndSegmentsAsPolylines) {
    DOVE2::GlyphFactory plain;
    Graphics generic(scene, b.diagram, plain);

    EXPECT_TRUE(dynamic_cast<DOVE2::RectangleGlyph*>(generic.getGlyph(gain).get()));
    EXPECT_TRUE(dynamic_cast<DOVE2::PolylineGlyph*>(generic.getGlyph(segment).get()));
}

TEST_F(GraphicsTest, AGenericEdgeFollowsTheBlockItIsAttachedTo) {
    DOVE2::GlyphFactory plain;
    Graphics generic(scene, b.diagram, plain);
    auto* edge =
        dynamic_cast<ROOK2::OpenLinearPathNode*>(generic.getGlyph(segment)->getRoot().get());
    ASSERT_NE(edge, nullptr);
    const PARR::GLPoint<double> before = edge->getPoints().front();

    gain.setPosition({gain.getPosition().x + 7, gain.getPosition().y - 3});
    b.commit();

    EXPECT_EQ(edge->getPoints().front(), (PARR::GLPoint<double>{before.x + 7, before.y - 3}));
}

}  // namespace
