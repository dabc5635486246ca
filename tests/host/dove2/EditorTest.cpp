#include "dove2/Editor.h"

#include <gtest/gtest.h>

#include <vector>

#include "EditorTestModel.h"
#include "dove2/Graphics.h"
#include "harbor/Studio.h"
#include "quill/Transaction.h"
#include "rook2/BaseToolConstructor.h"
#include "rook2/Node.h"
#include "rook2/ResizeControls.h"
#include "rook2/Scene.h"
#include "rook2/Tool.h"

namespace {

using Dove2Test::EditorTestModel;
using PARR::GLPoint;

class FailingCommand : public DOVE2::Command {
public:
    FailingCommand(const QUILL::Model& model, QUILL::ImmutableClassObject element, bool throws)
        : Command(model), element_(element), throws_(throws) {}
    void execute(PARR::ErrorHolder& errors) override {
        DOVE2::DiagramElement(element_.asDeviant(getModel())).setPosition({500, 500});
        if (throws_)
            throw std::runtime_error("broken");
        errors.setError("Test_Refused", 1, {});
    }
    std::string shortDescription() const override { return "Fail"; }

private:
    QUILL::ImmutableClassObject element_;
    bool throws_;
};

class EditorTest : public ::testing::Test {
protected:
    EditorTest() : editor(new DOVE2::Editor(&studio, "m")) {
        editor->setDiagram(m.top);
        editor->getCommandErrorEmitter().connect(
            listener, [this](const std::string& text) { shownErrors.push_back(text); });
    }
    ~EditorTest() override {
        PARR::ErrorHolder errors;
        editor->terminate(errors);
        editor = PARR::Holder<DOVE2::Editor>();
    }

    GLPoint<double> rootPosition(const QUILL::ImmutableClassObject& element) const {
        return DOVE2::ImmutableDiagramElement(element.getRootDeviant()).getPosition();
    }
    GLPoint<double> glyphPosition(const QUILL::ImmutableClassObject& element) const {
        return editor->getGraphics()->getGlyph(element)->getRoot()->getPosition();
    }

    EditorTestModel m;
    HARBOR::Studio studio;
    PARR::Holder<DOVE2::Editor> editor;
    WREN::Listener listener;
    std::vector<std::string> shownErrors;
};

TEST_F(EditorTest, ShowsItsDiagramThroughAWorkingCopyOfTheModel) {
    const DOVE2::Diagram& diagram = editor->getDiagram();
    EXPECT_EQ(diagram, m.top);
    EXPECT_FALSE(diagram.getRootModel().isRoot());
    EXPECT_EQ(editor->getRootDeviant().getDeviantPtr(), m.model.getDeviantPtr());
    EXPECT_EQ(editor->getDisplayTitle(), "m");
    EXPECT_TRUE(editor->getGraphics()->getGlyph(m.a));
    EXPECT_FALSE(editor->getGraphics()->getGlyph(m.c)) << "C lies in another diagram";
}

TEST_F(EditorTest, ProcessedCommandChangesTheRootAndIsUndoneAndRedoneExactly) {
    ASSERT_TRUE(editor->processCommand(m.moveCommand(m.a, {40, 50})));
    EXPECT_EQ(rootPosition(m.a), (GLPoint<double>{40, 50}));
    EXPECT_EQ(glyphPosition(m.a), (GLPoint<double>{40, 50}));
    EXPECT_EQ(editor->undoText(), "Move");

    editor->undo();
    EXPECT_EQ(rootPosition(m.a), (GLPoint<double>{10, 10}));
    EXPECT_EQ(glyphPosition(m.a), (GLPoint<double>{10, 10}));
    EXPECT_EQ(editor->redoText(), "Move");

    editor->redo();
    EXPECT_EQ(rootPosition(m.a), (GLPoint<double>{40, 50}));
    EXPECT_EQ(glyphPosition(m.a), (GLPoint<double>{40, 50}));
}

TEST_F(EditorTest, PreviewsAreDroppedBeforeACommandRuns) {
    QUILL::Model view = editor->getViewInstance();
    {
        QUILL::Transaction tx(view);
        DOVE2::DiagramElement(m.b.asDeviant(view)).setPosition({999, 999});
        tx.commit();
    }
    ASSERT_EQ(glyphPosition(m.b), (GLPoint<double>{999, 999}));

    ASSERT_TRUE(editor->processCommand(m.moveCommand(m.a, {40, 50})));

    EXPECT_EQ(view.getDeviant().ownEntryCount(), 0u);
    EXPECT_EQ(glyphPosition(m.b), (GLPoint<double>{100, 10}));
    EXPECT_EQ(rootPosition(m.b), (GLPoint<double>{100, 10}));
}

TEST_F(EditorTest, CommandThatReportsAnErrorIsRolledBackNotRecordedAndShown) {
    for (bool throws : {false, true}) {
        shownErrors.clear();
        PARR::ErrorHolder errors;
        EXPECT_FALSE(editor->processCommand(
            PARR::Holder<DOVE2::Command>(new FailingCommand(m.model, m.a, throws)), errors));
        ASSERT_TRUE(errors.hasError());
        EXPECT_EQ(errors.getError()->identifier(), throws ? "DOVE2_CommandThrew" : "Test_Refused");
        EXPECT_EQ(rootPosition(m.a), (GLPoint<double>{10, 10}));
        EXPECT_EQ(glyphPosition(m.a), (GLPoint<double>{10, 10}));
        EXPECT_FALSE(editor->canUndo());
        EXPECT_FALSE(editor->isDirty());
        ASSERT_EQ(shownErrors.size(), 1u);
        EXPECT_NE(shownErrors.front().find("Fail"), std::string::npos);
    }
}

TEST_F(EditorTest, DirtyFlagFollowsTheSavedPoint) {
    EXPECT_FALSE(editor->isDirty());
    editor->processCommand(m.moveCommand(m.a, {40, 50}));
    EXPECT_TRUE(editor->isDirty());
    editor->setClean();
    EXPECT_FALSE(editor->isDirty());
    editor->undo();
    EXPECT_TRUE(editor->isDirty());
    editor->redo();
    EXPECT_FALSE(editor->isDirty());
}

TEST_F(EditorTest, EditorsOfOneModelShareItsUndoHistory) {
    PARR::Holder<DOVE2::Editor> second(new DOVE2::Editor(&studio, "m/Sub"));
    second->setDiagram(m.inner);
    second->processCommand(m.moveCommand(m.c, {1, 2}));
    ASSERT_TRUE(editor->canUndo());
    EXPECT_EQ(editor->undoText(), "Move");
    editor->undo();
    EXPECT_EQ(rootPosition(m.c), (GLPoint<double>{20, 20}));
    EXPECT_EQ(second->getGraphics()->getGlyph(m.c)->getRoot()->getPosition(),
              (GLPoint<double>{20, 20}));
    EXPECT_TRUE(second->canRedo());
}

TEST_F(EditorTest, SelectionIsReadAsDiagramElementsInSelectionOrder) {
    EXPECT_TRUE(editor->select(m.b));
    EXPECT_TRUE(editor->select(m.a, true));
    auto selection = editor->getSelection();
    ASSERT_EQ(selection.size(), 2u);
    EXPECT_EQ(selection[0], m.b);
    EXPECT_EQ(selection[1], m.a);
    EXPECT_EQ(selection[0].getDeviant(), editor->getViewInstance().getDeviantPtr());

    EXPECT_TRUE(editor->select(m.a));
    EXPECT_EQ(editor->getSelection().size(), 1u);
    EXPECT_FALSE(editor->select(m.c)) << "an element of another diagram has no glyph here";

    editor->selectAll();
    EXPECT_EQ(editor->getSelection().size(), 3u);
    editor->clearSelection();
    EXPECT_TRUE(editor->getSelection().empty());
}

TEST_F(EditorTest, SelectAllReachesElementsHeldByOthersButNotANestedDiagram) {
    QUILL::Transaction transaction(m.model);
    const VTQUILL::Line line = m.top.addLine(VTQUILL::kSignalLine);
    const VTQUILL::Segment segment = line.addSegment();
    transaction.commit();

    editor->selectAll();

    std::vector<QUILL::ObjectId> selected;
    for (const DOVE2::DiagramElement& element : editor->getSelection())
        selected.push_back(element.getObjectId());
    EXPECT_EQ(selected, (std::vector<QUILL::ObjectId>{m.a.getObjectId(), m.b.getObjectId(),
                                                      m.sub.getObjectId(), line.getObjectId(),
                                                      segment.getObjectId()}))
        << "containers first; C lies in the subsystem's own diagram";
}

TEST_F(EditorTest, AGenericBlockShowsResizeHandlesWhileSelected) {
    const auto handles = [this](const QUILL::ImmutableClassObject& element) {
        return ROOK2::ResizeControls::countResizeControls(
            *editor->getGraphics()->getGlyph(element)->getRoot());
    };
    EXPECT_EQ(handles(m.a), 0);
    editor->select(m.a);
    EXPECT_EQ(handles(m.a), 4);
    editor->select(m.b);
    EXPECT_EQ(handles(m.a), 0);
    EXPECT_EQ(handles(m.b), 4);
}

class NamedTool : public ROOK2::Tool {};

class NamedToolConstructor : public ROOK2::BaseToolConstructor {
public:
    explicit NamedToolConstructor(std::string role) : role_(std::move(role)) {}
    PARR::Holder<ROOK2::Tool> create() override { return PARR::Holder<ROOK2::Tool>(new NamedTool); }
    PARR::StringID role() const override { return role_; }

private:
    PARR::StringID role_;
};

TEST_F(EditorTest, ToolsAreMadeByRoleAndRolesCanBeMadeUnique) {
    EXPECT_EQ(editor->addToolByRole(PARR::StringID("Pick")), nullptr);
    editor->addToolConstructor(
        PARR::Holder<ROOK2::BaseToolConstructor>(new NamedToolConstructor("Pick")));
    ROOK2::Tool* tool = editor->addToolByRole(PARR::StringID("Pick"));
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(editor->getToolByRole(PARR::StringID("Pick")), tool);
    EXPECT_EQ(editor->getRoleByTool(tool), PARR::StringID("Pick"));
    EXPECT_EQ(editor->getUniqueToolRoleBasedOn(PARR::StringID("Pick")), PARR::StringID("Pick1"));
    EXPECT_EQ(editor->getUniqueToolRoleBasedOn(PARR::StringID("Free")), PARR::StringID("Free"));
    EXPECT_TRUE(editor->removeToolByRole(PARR::StringID("Pick")));
    EXPECT_FALSE(editor->hasTool(tool));
}

TEST(EditorLifetime, ClosingTheEditorClosesItsViewInstanceAndLeavesTheModel) {
    EditorTestModel m;
    HARBOR::Studio studio;
    QUILL::Deviant* view = nullptr;
    {
        PARR::Holder<DOVE2::Editor> editor(new DOVE2::Editor(&studio, "m"));
        editor->setDiagram(m.top);
        view = editor->getViewInstance().getDeviantPtr();
        ASSERT_TRUE(view->isOpen());
    }
    EXPECT_FALSE(view->isOpen());
    EXPECT_TRUE(m.model.getDeviant().isOpen());
    EXPECT_TRUE(m.a.isValid());
}

TEST(DiagramFullName, NamesTheOwnerChainWithEscapedSlashes) {
    EditorTestModel m;
    EXPECT_EQ(DOVE2::Diagram(m.top).getFullName(), "m");
    EXPECT_EQ(DOVE2::Diagram(m.inner).getFullName(), "m/Sub");
    {
        QUILL::Transaction tx(m.model);
        m.sub.setName("a/b");
        tx.commit();
    }
    EXPECT_EQ(DOVE2::Diagram(m.inner).getFullName(), "m/a//b");
    EXPECT_EQ(DOVE2::Diagram(m.inner).getFullName(), m.inner.getFullName());
}

}  // namespace
