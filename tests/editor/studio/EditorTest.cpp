#include "studio/Editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dove2/explorer/ExplorerBarComponent.h"
#include "dove2/tools/PaletteButtonToTool.h"
#include "editor/tools/LineChecks.h"
#include "harbor/AbstractDomainInterface.h"
#include "harbor/Studio.h"
#include "renderer/BlockModifyListener.h"
#include "rook2/GLBridge.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"
#include "support/RecordingDialogs.h"
#include "tools/DummyTool.h"
#include "vtdove/DialogService.h"
#include "vtquill/file/ModelFileWriter.h"

namespace {

using TestSupport::BlockDiagramBuilder;
using TestSupport::ModuleEditor;

// The editor's palette buttons, owned, pressed by label.
class Palette {
public:
    explicit Palette(const Vantor::Editor& editor) {
        for (PARR::GLWidget2* button : editor.getPaletteObjects())
            buttons_.emplace_back(button);
    }
    // Presses the button and tells whether the do-nothing tool is current afterwards.
    bool press(const std::string& label, ModuleEditor& fixture) {
        for (const auto& button : buttons_) {
            if (button->getLabel() == label)
                button->activate();
        }
        return dynamic_cast<Vantor::DummyTool*>(fixture.scene().currentTool()) != nullptr;
    }

private:
    std::vector<std::unique_ptr<PARR::GLWidget2>> buttons_;
};

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

TEST(VantorEditor, ZoomOutAndFitToViewButtonsChangeTheCanvasView) {
    BlockDiagramBuilder model;
    const VTQUILL::Block near = model.block("Near", {0, 0, 40, 30});
    const VTQUILL::Block far = model.block("Far", {1500, 900, 40, 30});
    ModuleEditor fixture(model.diagram());
    Palette palette(fixture.editor());
    ROOK2::Canvas* canvas = fixture.editor().getCanvas();
    ASSERT_NE(canvas, nullptr);
    canvas->resize(400, 300);
    const double before = canvas->zoom();
    const auto shows = [&](const VTQUILL::Block& block) {
        const PARR::GLRect<double> box = fixture.sceneBoxOf(block);
        const QPointF a = canvas->mapFromScene({box.left(), box.top()});
        const QPointF b = canvas->mapFromScene({box.right(), box.bottom()});
        const QSize view = canvas->viewportSize();
        return a.x() >= 0 && a.y() >= 0 && b.x() <= view.width() && b.y() <= view.height();
    };
    ASSERT_FALSE(shows(far));

    EXPECT_TRUE(palette.press("zoom out", fixture));
    EXPECT_DOUBLE_EQ(canvas->zoom(), before / ROOK2::Canvas::kZoomStep);

    EXPECT_TRUE(palette.press("fit to view", fixture));
    EXPECT_TRUE(shows(near));
    EXPECT_TRUE(shows(far));
}

TEST(VantorEditor, AlignEdgesButtonAlignsTheSelectedBlocksInOneUndoableStep) {
    BlockDiagramBuilder model;
    const VTQUILL::Block a = model.block("A", {100, 20, 40, 30});
    const VTQUILL::Block b = model.block("B", {220, 100, 40, 30});
    const VTQUILL::Block c = model.block("C", {60, 200, 40, 30});
    const VTQUILL::Block d = model.block("D", {300, 200, 40, 30});
    const VTQUILL::Segment ab = model.connect(model.outPort(a), model.inPort(b));
    ModuleEditor fixture(model.diagram());
    Palette palette(fixture.editor());
    Vantor::Editor& editor = fixture.editor();
    const std::string saved = VTQUILL::File::ModelFileWriter::toText(model.model());

    // One block selected: nothing to align, nothing recorded.
    editor.select(a);
    EXPECT_TRUE(palette.press("align edges", fixture));
    EXPECT_FALSE(editor.canUndo());

    editor.select(b, true);
    editor.select(c, true);
    EXPECT_TRUE(palette.press("align edges", fixture));

    for (const VTQUILL::Block& block : {a, b, c})
        EXPECT_EQ(block.getPosition().x, 60) << block.getName();
    EXPECT_EQ(a.getPosition().y, 20);
    EXPECT_EQ(b.getPosition().y, 100);
    EXPECT_EQ(d.getPosition(), (PARR::GLPoint<double>(300, 200)));
    EXPECT_EQ(VTQUILL::Port(ab.getSrcElement()).getContainer(), a);
    EXPECT_EQ(VTQUILL::Port(ab.getDstElement()).getContainer(), b);
    EXPECT_TRUE(ToolTest::isWellFormed(ab.getContainer()));
    EXPECT_EQ(editor.undoText(), "Align Left Edges");

    editor.undo();
    EXPECT_EQ(VTQUILL::File::ModelFileWriter::toText(model.model()), saved);
    EXPECT_FALSE(editor.canUndo());
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
