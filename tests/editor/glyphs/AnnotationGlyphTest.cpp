#include "glyphs/AnnotationGlyph.h"

#include <gtest/gtest.h>

#include "dove2/QUILLCommand.h"
#include "quill/ListenerBase.h"
#include "quill/ReportOfChanges.h"
#include "rook2/GenericSyntaxHighlighter.h"
#include "rook2/TesselSyntaxHighlighter.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"

namespace {

using Vantor::AnnotationGlyph;

// Counts the commits of the instance it listens to.
struct CommitCounter : QUILL::ListenerBase {
    void onCommit(const QUILL::ReportOfChanges<>&) override { ++commits; }
    int commits = 0;
};

// An annotation "first" at (20, 30) in an editor of the module.
class AnnotationGlyphTest : public ::testing::Test {
protected:
    AnnotationGlyph& glyph() const { return dynamic_cast<AnnotationGlyph&>(*view.glyphOf(note)); }
    ROOK2::TextNode& text() const { return static_cast<ROOK2::TextNode&>(*glyph().getRoot()); }
    VTQUILL::Annotation stored() const { return VTQUILL::Annotation(note.getRootDeviant()); }

    // The user edits the text in place and finishes with `typed`.
    void typeOver(const std::string& typed) {
        ASSERT_TRUE(text().beginEdit());
        text().completeEdit(typed);
    }
    // The annotation moved by (dx, 0) through an undoable command.
    bool moveRight(double dx) {
        PARR::Holder<DOVE2::QUILLCommand> move(
            new DOVE2::QUILLCommand(b.model().getRootDeviant(), "Move"));
        move->addAction([this, dx](const QUILL::Model& model, PARR::ErrorHolder&) {
            const VTQUILL::Annotation a(note.asDeviant(model));
            a.setPosition(a.getPosition() + PARR::GLPoint<double>(dx, 0));
        });
        return view.editor().processCommand(move);
    }

    TestSupport::BlockDiagramBuilder b{"notes"};
    VTQUILL::Annotation note = b.annotation("first", {20, 30, 0, 0});
    TestSupport::ModuleEditor view{b.diagram()};
};

// --- Editing in place ------------------------------------------------------------------------

TEST_F(AnnotationGlyphTest, FinishingAnEditWritesTextAndPositionInOneTransaction) {
    CommitCounter counter;
    b.model().registerModifierOnCommit(&counter);
    text().setPosition({50, 60});

    typeOver("second");

    EXPECT_EQ(counter.commits, 1);
    EXPECT_EQ(stored().getText(), "second");
    EXPECT_EQ(stored().getPosition(), PARR::GLPoint<double>(50, 60));
}

TEST_F(AnnotationGlyphTest, UndoingAnEarlierMoveKeepsTheEditedTextAndTheModelStaysUnsaved) {
    view.editor().setClean();
    ASSERT_TRUE(moveRight(10));
    typeOver("edited");

    view.editor().undo();
    EXPECT_EQ(stored().getPosition(), PARR::GLPoint<double>(20, 30));
    EXPECT_EQ(stored().getText(), "edited");
    EXPECT_EQ(text().getText(), "edited");

    view.editor().redo();
    EXPECT_EQ(stored().getPosition(), PARR::GLPoint<double>(30, 30));
    EXPECT_EQ(stored().getText(), "edited");

    view.editor().undo();
    EXPECT_TRUE(view.editor().isDirty()) << "closing would throw the edited text away";
}

TEST_F(AnnotationGlyphTest, AnEditAloneMakesTheModelUnsavedUntilItIsSaved) {
    view.editor().setClean();
    typeOver("edited");
    EXPECT_TRUE(view.editor().isDirty());

    view.editor().setClean();
    EXPECT_FALSE(view.editor().isDirty());
}

TEST_F(AnnotationGlyphTest, AChangeOfTheModelWhileTheUserTypesLeavesTheTextBeingEdited) {
    ASSERT_TRUE(text().beginEdit());
    b.edit([&] {
        note.setText("from elsewhere");
        note.setPosition({25, 35});
        return true;
    });

    EXPECT_EQ(text().getText(), "first");
    EXPECT_EQ(text().getPosition(), PARR::GLPoint<double>(25, 35));
    text().completeEdit("mine");
    EXPECT_EQ(stored().getText(), "mine");
}

// --- Highlighting --------------------------------------------------------------------------

TEST_F(AnnotationGlyphTest, TheClickFunctionFlagChoosesTheHighlighterOnlyWhenItChanges) {
    auto highlighter = [&] { return text().getSyntaxHighlighter().get(); };
    EXPECT_NE(dynamic_cast<const ROOK2::GenericSyntaxHighlighter*>(highlighter()), nullptr);

    b.edit([&] {
        note.setUseTextAsClickFcn(true);
        return true;
    });
    const ROOK2::SyntaxHighlighter* scripting = highlighter();
    EXPECT_NE(dynamic_cast<const ROOK2::TesselSyntaxHighlighter*>(scripting), nullptr);
    EXPECT_TRUE(glyph().usesClickFunctionHighlighter());

    b.edit([&] {
        note.setText("disp(1)");
        return true;
    });
    EXPECT_EQ(highlighter(), scripting);

    b.edit([&] {
        note.setUseTextAsClickFcn(false);
        return true;
    });
    EXPECT_NE(dynamic_cast<const ROOK2::GenericSyntaxHighlighter*>(highlighter()), nullptr);
}

}  // namespace
