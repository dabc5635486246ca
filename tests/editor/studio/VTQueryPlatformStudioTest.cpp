#include "studio/VTQueryPlatformStudio.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dove2/Editor.h"
#include "dove2/QUILLCommand.h"
#include "dove2/StudioApp.h"
#include "harbor/Studio.h"
#include "main/initialize.h"
#include "studio/StudioApp.h"
#include "support/BlockDiagramBuilder.h"
#include "support/RecordingDialogs.h"
#include "support/RunningStudio.h"
#include "vtdove/DialogService.h"
#include "vtdove/EngineHandles.h"

namespace {

using TestSupport::BlockDiagramBuilder;

// A studio of the block-diagram editor with a model "m" holding subsystems "a" and "b" and a
// masked subsystem "masked", and a second model "n".
class QueryStudioTest : public ::testing::Test {
protected:
    QueryStudioTest() {
        initialize_vt_editor();
        a = m.subsystem("a", {10, 10, 40, 30});
        b = m.subsystem("b", {100, 10, 40, 30});
        masked = m.subsystem("masked", {200, 10, 40, 30});
        m.edit([&] {
            masked.setMasked(true);
            return 0;
        });
    }
    DOVE2::Editor* open(const DOVE2::Diagram& diagram) {
        PARR::ErrorHolder errors;
        DOVE2::Editor* editor = app->openEditor(diagram, errors);
        EXPECT_TRUE(editor) << errors.message();
        return editor;
    }
    DOVE2::Editor* open(const VTQUILL::Block& subsystem) {
        return open(DOVE2::Diagram(subsystem.getSubsystemDiagram()));
    }
    std::vector<std::string> openNames() const {
        std::vector<std::string> names;
        for (DOVE2::Editor* editor : app->getAllEditors())
            names.push_back(editor->getName());
        return names;
    }
    void makeDirty(DOVE2::Editor& editor, const VTQUILL::Block& block) {
        auto* rename = new DOVE2::QUILLCommand(m.model().getRootDeviant(), "Rename Block");
        rename->addAction([block](const QUILL::Model& model, PARR::ErrorHolder&) {
            VTQUILL::Block(block.asDeviant(model)).setName("x");
        });
        ASSERT_TRUE(editor.processCommand(PARR::Holder<DOVE2::Command>(rename)));
    }

    BlockDiagramBuilder m{"m"};
    BlockDiagramBuilder n{"n"};
    VTQUILL::Block a, b, masked;
    TestSupport::RunningStudio<Vantor::StudioApp> running;
    Vantor::StudioApp* app = &running.app();
    VTDove::VTQueryPlatformStudio query;
};

TEST_F(QueryStudioTest, SearchFindsTheEditorByExactNameAndRemembersItForAnEmptyName) {
    open(m.diagram());
    DOVE2::Editor* sub = open(a);
    query.findEditors("m/a");
    EXPECT_EQ(query.getFoundEditor(), sub);
    EXPECT_TRUE(query.hasEditor(""));
    EXPECT_FALSE(query.hasEditorOfSameModel(""));
}

TEST_F(QueryStudioTest, ALineFeedInTheSearchedNameMatchesASpaceInTheEditorsName) {
    const VTQUILL::Block spaced = m.subsystem("two words", {300, 10, 40, 30});
    DOVE2::Editor* editor = open(spaced);
    EXPECT_TRUE(query.hasEditor("m/two\nwords"));
    EXPECT_EQ(query.getFoundEditor(), editor);
}

TEST_F(QueryStudioTest, AnotherSystemOfTheSameModelIsFoundAsTheSameModelEditor) {
    DOVE2::Editor* other = open(b);
    EXPECT_FALSE(query.hasEditor("m/a"));
    EXPECT_EQ(query.getSameModelEditor(), other);
    EXPECT_TRUE(query.hasEditorOfSameModel(""));
    EXPECT_FALSE(query.hasEditorOfSameModel("n"));
}

TEST_F(QueryStudioTest, ARememberedEditorClosedSinceTheSearchCountsAsNone) {
    open(a);
    ASSERT_TRUE(query.hasEditor("m/a"));
    PARR::ErrorHolder errors;
    ASSERT_TRUE(app->closeEditor(DOVE2::Diagram(a.getSubsystemDiagram()), errors));
    EXPECT_FALSE(query.hasEditor(""));
    query.showFoundEditor();
    EXPECT_TRUE(openNames().empty());
}

TEST_F(QueryStudioTest, ClosingAModelClosesItsEditorsParentAndChildButNoOthers) {
    open(m.diagram());
    open(a);
    open(n.diagram());
    EXPECT_TRUE(query.closeModelEditors("m"));
    EXPECT_EQ(openNames(), std::vector<std::string>{"n"});
}

TEST_F(QueryStudioTest, ADirtyEditorKeepsEveryEditorOfItsModelOpen) {
    open(m.diagram());
    DOVE2::Editor* sub = open(a);
    makeDirty(*sub, b);
    EXPECT_FALSE(query.closeModelEditors("m"));
    EXPECT_FALSE(query.closeEditorByName("m/a"));
    EXPECT_EQ(openNames(), (std::vector<std::string>{"m", "m/a"}));
}

TEST_F(QueryStudioTest, ClosingOneEditorByNameLeavesTheOthers) {
    open(m.diagram());
    open(a);
    EXPECT_TRUE(query.closeEditorByName("m/a"));
    EXPECT_EQ(openNames(), std::vector<std::string>{"m"});
    EXPECT_FALSE(query.closeEditorByName("m/a"));
}

TEST_F(QueryStudioTest, OpeningEngineBlocksOpensSubsystemsAsDiagramsAndMaskedOnesAsDialogs) {
    TestSupport::RecordingDialogs dialogs;
    open(m.diagram());
    ASSERT_TRUE(query.hasEditor("m"));

    query.openEngineBlock(VTQUILL::getHandle(a));
    EXPECT_EQ(openNames(), (std::vector<std::string>{"m", "m/a"}));
    EXPECT_TRUE(dialogs.opened.empty());

    query.openEngineBlock(VTQUILL::getHandle(masked));
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{"m/masked"});
    EXPECT_EQ(openNames().size(), 2u);

    query.openEngineBlock(-1);  // no such block: nothing happens
    EXPECT_EQ(dialogs.opened.size(), 1u);
    EXPECT_TRUE(query.closeModelEditors("m"));
    EXPECT_EQ(dialogs.closed, std::vector<std::string>{"m/masked"});
}

}  // namespace
