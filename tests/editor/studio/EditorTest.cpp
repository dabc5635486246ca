#include "studio/Editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dove2/explorer/ExplorerBarComponent.h"
#include "dove2/tools/PaletteButtonToTool.h"
#include "harbor/AbstractDomainInterface.h"
#include "harbor/Studio.h"
#include "renderer/BlockModifyListener.h"
#include "rook2/GLBridge.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"
#include "support/RecordingDialogs.h"
#include "tools/DummyTool.h"
#include "vtdove/DialogService.h"

namespace {

using TestSupport::BlockDiagramBuilder;
using TestSupport::ModuleEditor;

TEST(VantorEditor, TitleIsTheLeafOfItsSystemPathWithDoubledSlashesKept) {
    HARBOR::Studio studio;
    EXPECT_EQ(Vantor::Editor(&studio, "m/a//b").getDisplayTitle(), "a//b");
    EXPECT_EQ(Vantor::Editor(&studio, "m/a/b").getDisplayTitle(), "b");
    EXPECT_EQ(Vantor::Editor(&studio, "m").getDisplayTitle(), "m");
    EXPECT_EQ(Vantor::Editor(&studio, "m").getTypeName(), "Vantor:Editor");
}

TEST(VantorEditor, PaletteAddsFourButtonsThatSelectTheDoNothingTool) {
    BlockDiagramBuilder model;
    ModuleEditor fixture(model.diagram());
    const std::vector<PARR::GLWidget2*> first = fixture.editor().getPaletteObjects();
    const std::vector<PARR::GLWidget2*> second = fixture.editor().getPaletteObjects();
    std::vector<std::unique_ptr<PARR::GLWidget2>> owned;
    for (PARR::GLWidget2* button : first)
        owned.emplace_back(button);
    for (PARR::GLWidget2* button : second)
        owned.emplace_back(button);

    ASSERT_EQ(first.size(), 4u);
    EXPECT_NE(first.front(), second.front());
    std::vector<std::string> labels;
    for (PARR::GLWidget2* button : first) {
        labels.push_back(button->getLabel());
        EXPECT_TRUE(std::filesystem::exists(button->getIconPath())) << button->getIconPath();
    }
    EXPECT_EQ(labels,
              (std::vector<std::string>{"zoom out", "fit to view", "align edges", "sample time"}));

    first.back()->activate();
    EXPECT_NE(dynamic_cast<Vantor::DummyTool*>(
                  fixture.editor().getToolByRole(Vantor::DummyTool::staticGetDefaultRole())),
              nullptr);
}

TEST(VantorEditor, ExplorerBarIsMadeOnceAndAReopenedDiagramReplacesTheOldBar) {
    BlockDiagramBuilder model;
    ModuleEditor fixture(model.diagram());
    PARR::ErrorHolder errors;
    HARBOR::StudioComponentBase* bar = fixture.editor().getExplorerBar(errors);
    ASSERT_TRUE(bar) << errors.message();
    EXPECT_EQ(fixture.editor().getExplorerBar(errors), bar);
    EXPECT_EQ(bar->getName(), "model:Explorer Bar");
    EXPECT_EQ(bar->getDomain()->getFullyQualifiedYarrowTypeName(), "VTQUILL.VTDomain");

    // A second editor of the same name (the diagram opened again) finds the old bar there.
    Vantor::Editor again(&fixture.studio(), "model");
    HARBOR::StudioComponentBase* replaced = again.getExplorerBar(errors);
    ASSERT_TRUE(replaced) << errors.message();
    EXPECT_EQ(fixture.studio().getComponent("model:Explorer Bar"), replaced);
}

TEST(VantorEditor, TheEngineGraphListenerFollowsTheDiagramOnlyWhenRenderingOnAThread) {
    BlockDiagramBuilder model;
    {
        ModuleEditor fixture(model.diagram());
        ASSERT_TRUE(ROOK2::GLBridge::isMultiThreaded());
        VantorRenderer::BlockModifyListener* listener = fixture.editor().getModifyListener();
        ASSERT_NE(listener, nullptr);
        EXPECT_EQ(listener->getDiagram().getObjectId(), model.diagram().getObjectId());
        EXPECT_EQ(listener->getDiagram().getRootModel().getDeviantId(), 0u);
    }
    ROOK2::GLBridge::setRenderMode(ROOK2::GLBridge::UserInterfaceThread);
    {
        ModuleEditor fixture(model.diagram());
        EXPECT_EQ(fixture.editor().getModifyListener(), nullptr);
    }
    ROOK2::GLBridge::setRenderMode(ROOK2::GLBridge::RenderThread);
}

TEST(VantorEditor, TerminateClosesTheParameterDialogsItOpened) {
    TestSupport::RecordingDialogs dialogs;
    BlockDiagramBuilder model;
    HARBOR::Studio studio;
    PARR::Holder<Vantor::Editor> editor(new Vantor::Editor(&studio, "model"));
    editor->setDiagram(model.diagram());
    PARR::ErrorHolder errors;
    editor->initialize(errors);
    editor->openDefaultBlockDialog("model/Gain");
    editor->terminate(errors);
    EXPECT_EQ(dialogs.closed, std::vector<std::string>{"model/Gain"});
    EXPECT_FALSE(errors.hasError());
}

}  // namespace
