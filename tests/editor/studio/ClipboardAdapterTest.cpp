#include "studio/ClipboardAdapter.h"

#include <gtest/gtest.h>

#include <vector>

#include "chartix/ChartFactory.h"
#include "chartix/ChartStore.h"
#include "dove2/UndoHistoryTarget.h"
#include "harbor/StudioClipboard.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"

namespace {

using TestSupport::BlockDiagramBuilder;
using TestSupport::ModuleEditor;
using Vantor::ClipboardAdapter;

ClipboardAdapter& adapterOf(ModuleEditor& view) {
    return dynamic_cast<ClipboardAdapter&>(*view.editor().getClipboardAdapter());
}

std::vector<std::string> blockNames(const VTQUILL::Diagram& diagram) {
    std::vector<std::string> names;
    for (const VTQUILL::Block& block : diagram.getBlocks())
        names.push_back(block.getName());
    return names;
}

// The diagram's blocks and their positions, lines and annotations, for comparing states.
struct Contents {
    std::vector<std::pair<std::string, PARR::GLPoint<double>>> blocks;
    std::size_t lines = 0;
    std::size_t annotations = 0;
    bool operator==(const Contents&) const = default;

    static Contents of(const VTQUILL::Diagram& diagram) {
        Contents c;
        for (const VTQUILL::Block& block : diagram.getBlocks())
            c.blocks.emplace_back(block.getName(), block.getPosition());
        c.lines = diagram.getLines().size();
        c.annotations = diagram.getAnnotations().size();
        return c;
    }
};

// A model "clip" with two connected gains and a note, in an editor; the clipboard starts
// empty.
class ClipboardAdapterTest : public ::testing::Test {
protected:
    ClipboardAdapterTest() { HARBOR::StudioClipboard::clear(); }

    void selectAll(ModuleEditor& in) { in.editor().selectAll(); }
    std::string undoText(ModuleEditor& in) { return in.editor().undoText(); }

    BlockDiagramBuilder b{"clip"};
    VTQUILL::Block g = b.block("G", {10, 10, 40, 30});
    VTQUILL::Block h = b.block("H", {100, 10, 40, 30});
    VTQUILL::Segment wire = b.connect(b.outPort(g), b.inPort(h));
    VTQUILL::Annotation note = b.annotation("note", {10, 80, 0, 0});
    ModuleEditor view{b.diagram()};
};

// --- What is offered --------------------------------------------------------------------------

TEST_F(ClipboardAdapterTest, PasteIsOfferedOnceACopyPutTheVantorMarkerOnTheClipboard) {
    EXPECT_FALSE(adapterOf(view).canPaste());
    EXPECT_TRUE(adapterOf(view).canCopy());

    view.editor().select(g);
    adapterOf(view).copy();

    ASSERT_TRUE(adapterOf(view).canPaste());
    const PARR::Holder<const PARR::MimeData2> data = HARBOR::StudioClipboard::mimeData();
    ASSERT_EQ(data->keys().size(), 1u);
    EXPECT_EQ(*data->data(PARR::StringID("vantor")), PARR::MimeValue(0));
}

TEST_F(ClipboardAdapterTest, CopyingOrCuttingOnlyPortsTouchesNeitherClipboardNorModel) {
    view.editor().select(*g.getContained().begin());
    const std::size_t commands = view.editor().getUndoHistoryTarget()->getHistory()->count();

    adapterOf(view).copy();
    adapterOf(view).cut();

    EXPECT_FALSE(adapterOf(view).canPaste());
    EXPECT_EQ(view.editor().getUndoHistoryTarget()->getHistory()->count(), commands);
    EXPECT_EQ(blockNames(b.diagram()), (std::vector<std::string>{"G", "H"}));
}

// --- Within a diagram -----------------------------------------------------------------------

TEST_F(ClipboardAdapterTest, PastingADiagramsContentAddsOffsetRenamedCopiesSelectedAndUndoable) {
    const Contents before = Contents::of(b.diagram());
    selectAll(view);
    view.editor().select(wire, true);
    adapterOf(view).copy();

    adapterOf(view).paste(nullptr);

    EXPECT_EQ(undoText(view), "Paste");
    const Contents after = Contents::of(b.diagram());
    EXPECT_EQ(blockNames(b.diagram()), (std::vector<std::string>{"G", "H", "G1", "H1"}));
    EXPECT_EQ(after.blocks[2].second, PARR::GLPoint<double>(30, 30));
    EXPECT_EQ(after.lines, 2u);
    EXPECT_EQ(after.annotations, 2u);
    // The pasted blocks, segment and note are the selection.
    EXPECT_EQ(view.editor().getSelection().size(), 4u);
    for (const DOVE2::DiagramElement& selected : view.editor().getSelection())
        EXPECT_GT(selected.getObjectId(), note.getObjectId());

    view.editor().undo();
    EXPECT_EQ(Contents::of(b.diagram()), before);
    view.editor().redo();
    EXPECT_EQ(Contents::of(b.diagram()), after);
}

TEST_F(ClipboardAdapterTest, CuttingDeletesTheSelectionInOneUndoableCutThatPastingBringsBack) {
    view.editor().select(g);
    view.editor().select(note, true);

    adapterOf(view).cut();

    EXPECT_EQ(undoText(view), "Cut");
    EXPECT_EQ(blockNames(b.diagram()), (std::vector<std::string>{"H"}));
    EXPECT_TRUE(b.diagram().getAnnotations().empty());
    adapterOf(view).paste(nullptr);
    EXPECT_EQ(blockNames(b.diagram()), (std::vector<std::string>{"H", "G"}));
    view.editor().undo();
    view.editor().undo();
    EXPECT_EQ(blockNames(b.diagram()), (std::vector<std::string>{"G", "H"}));
    EXPECT_EQ(b.diagram().getAnnotations().size(), 1u);
}

// --- Across diagrams and models ---------------------------------------------------------------

TEST_F(ClipboardAdapterTest, ContentCopiedInOneDiagramPastesIntoAnotherOfTheSameModel) {
    const VTQUILL::Block sub = b.subsystem("Sub", {200, 10, 40, 30});
    ModuleEditor inner{sub.getSubsystemDiagram()};
    view.editor().select(g);
    view.editor().select(h, true);
    view.editor().select(wire, true);
    adapterOf(view).copy();

    adapterOf(inner).paste(nullptr);

    const VTQUILL::Diagram target = sub.getSubsystemDiagram();
    EXPECT_EQ(blockNames(target), (std::vector<std::string>{"G", "H"}));
    ASSERT_EQ(target.getLines().size(), 1u);
    const VTQUILL::Segment pasted = *target.getLines().begin()->getSegments().begin();
    EXPECT_EQ(VTQUILL::Port(pasted.getDstElement()).getContainer().getName(), "H");
    inner.editor().undo();
    EXPECT_TRUE(blockNames(target).empty());
}

TEST_F(ClipboardAdapterTest, ContentCopiedInOneModelPastesIntoAnotherWithItsOwnUndo) {
    BlockDiagramBuilder other{"other"};
    ModuleEditor otherView{other.diagram()};
    view.editor().select(g);
    adapterOf(view).copy();

    adapterOf(otherView).paste(nullptr);

    EXPECT_EQ(blockNames(other.diagram()), (std::vector<std::string>{"G"}));
    EXPECT_EQ(undoText(otherView), "Paste");
    EXPECT_NE(undoText(view), "Paste");
    otherView.editor().undo();
    EXPECT_TRUE(blockNames(other.diagram()).empty());
    EXPECT_EQ(blockNames(b.diagram()), (std::vector<std::string>{"G", "H"}));
}

// --- Charts ----------------------------------------------------------------------------------

TEST_F(ClipboardAdapterTest, AChartBlockPastesWithACopyOfItsOwnChart) {
    using CHARTIX::ChartFactory;
    CHARTIX::ChartStore& store = CHARTIX::ChartStore::instance();
    const VTQUILL::Block logic = b.block("Logic", {200, 10, 60, 60}, "Chart");
    store.attach(logic, ChartFactory::create({"Logic", {{"Idle", {5, 5}, {80, 40}}}}));
    view.editor().select(logic);
    adapterOf(view).copy();

    adapterOf(view).paste(nullptr);

    VTQUILL::Block pasted;
    for (const VTQUILL::Block& block : b.diagram().getBlocks())
        pasted = block.getName() == "Logic1" ? block : pasted;
    const QUILL::Model copy = store.findChart(pasted.getObjectId());
    ASSERT_TRUE(copy.isValid());
    EXPECT_NE(copy, store.findChart(logic.getObjectId()));
    EXPECT_EQ(ChartFactory::read(copy),
              (CHARTIX::ChartContent{"Logic1", {{"Idle", {5, 5}, {80, 40}}}}));
}

}  // namespace
