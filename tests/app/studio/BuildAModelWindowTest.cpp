#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "CanvasDropTarget.h"
#include "DiagramRenderer.h"
#include "LibraryDock.h"
#include "LibraryTree.h"
#include "ModelFileController.h"
#include "QtDialogService.h"
#include "RecentFilesMenu.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"
#include "dove2/Editor.h"
#include "rook2/Canvas.h"

namespace {

using Point = PARR::GLPoint<double>;
using VantorStudio::StudioWindow;

// A modeller's first session: File > New, three blocks from the library, two lines drawn with
// the mouse, a gain set in the block's dialog, saved, closed and opened again from File >
// Recent Files. Everything goes through the real window and its widgets.
class BuildAModelWindowTest : public ::testing::Test {
protected:
    BuildAModelWindowTest() {
        StudioTest::qtApplication();
        window = std::make_unique<StudioWindow>(&prompts);
        window->show();
        StudioTest::processEvents();
    }
    ~BuildAModelWindowTest() override {
        window.reset();
        StudioTest::processEvents();
    }

    ROOK2::Canvas* canvas() const { return window->activeEditor()->getCanvas(); }
    QPoint onCanvas(const Point& scene) const {
        return canvas()->mapFromScene(QPointF(scene.x, scene.y)).toPoint();
    }
    VTQUILL::Diagram diagram() const { return window->activeModel()->root.getDiagrams().front(); }

    // Double-clicks the library's entry of `type`: the block lands at the view's centre.
    void doubleClickInLibrary(const std::string& type) {
        VantorStudio::LibraryTree& tree = window->libraryDock().tree();
        QTreeWidgetItem* entry = tree.entryOf(type);
        ASSERT_NE(entry, nullptr) << type;
        tree.scrollToItem(entry);
        const QPoint at = tree.visualItemRect(entry).center();
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        StudioTest::processEvents();
    }
    // Drags the library's entry of `type` to `at` (canvas pixels): the drag carries what the
    // library tree gives for the entry, and its drop is delivered to the canvas's drop target
    // as the window system's drag loop delivers it (a test cannot run that loop).
    void dropFromLibrary(const std::string& type, const QPoint& at) {
        VantorStudio::LibraryTree& tree = window->libraryDock().tree();
        tree.setCurrentItem(tree.entryOf(type));
        const std::unique_ptr<QMimeData> dragged(
            tree.model()->mimeData(tree.selectionModel()->selectedIndexes()));
        ASSERT_NE(dragged, nullptr) << type;
        QObject* target = canvas()->findChild<VantorStudio::CanvasDropTarget*>();
        ASSERT_NE(target, nullptr);
        QDropEvent drop(QPointF(at), Qt::CopyAction, dragged.get(), Qt::LeftButton, Qt::NoModifier);
        ASSERT_TRUE(target->eventFilter(canvas(), &drop)) << type;
        StudioTest::processEvents();
    }
    // The centre of the first port of `block` (scene units; the block is top-level).
    static Point portCentre(const VTQUILL::Block& block, const std::string& kind) {
        for (const VTQUILL::Port& port : block.getContained()) {
            if (port.getType() == kind)
                return block.getPosition() + port.getPosition() + port.getSize() * 0.5;
        }
        ADD_FAILURE() << block.getName() << " has no " << kind;
        return {};
    }
    // Presses on `from`, drags in steps to `to` (scene units) and releases.
    void drawLine(const Point& from, const Point& to) {
        const QPoint start = onCanvas(from), end = onCanvas(to);
        QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, start);
        for (int i = 1; i <= 5; ++i)
            QTest::mouseMove(canvas(), start + (end - start) * i / 5);
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, end);
        StudioTest::processEvents();
    }
    VTQUILL::Block blockOfType(const std::string& type) const {
        for (const VTQUILL::Block& block : diagram().getBlocks()) {
            if (block.getType() == type)
                return block;
        }
        return VTQUILL::Block();
    }

    StudioTest::ScriptedPrompts prompts;
    std::unique_ptr<StudioWindow> window;
    QTemporaryDir folder;
};

TEST_F(BuildAModelWindowTest, ANewModelBuiltFromTheLibraryWithTheMouseSurvivesSaveCloseAndReopen) {
    window->fileActions().newModel->trigger();
    StudioTest::processEvents();
    ASSERT_NE(window->activeEditor(), nullptr);

    // Three blocks from the library: Gain at the view's centre, Step and Scope beside it.
    doubleClickInLibrary("Gain");
    const QPoint centre = onCanvas(blockOfType("Gain").getPosition());
    dropFromLibrary("Step", centre - QPoint(180, 0));
    dropFromLibrary("Scope", centre + QPoint(180, 0));
    const VTQUILL::Block step = blockOfType("Step"), gain = blockOfType("Gain"),
                         scope = blockOfType("Scope");
    ASSERT_TRUE(step.isValid() && gain.isValid() && scope.isValid());
    EXPECT_EQ(gain.getName(), "Gain");

    // Lines from output to input, drawn with the mouse.
    drawLine(portCentre(step, VTQUILL::kOutPort), portCentre(gain, VTQUILL::kInPort));
    drawLine(portCentre(gain, VTQUILL::kOutPort), portCentre(scope, VTQUILL::kInPort));
    ASSERT_EQ(diagram().getLines().size(), 2u);

    // The gain, set in the block's dialog opened by a double click on the block.
    const Point gainCentre = gain.getPosition() + gain.getSize() * 0.5;
    QTest::mouseDClick(canvas(), Qt::LeftButton, Qt::NoModifier, onCanvas(gainCentre));
    StudioTest::processEvents();
    VantorStudio::BlockParameterDialog* dialog = window->dialogs().dialogOf(gain.getFullPathName());
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->setFieldText("Gain", "2.5"));
    QDialogButtonBox* buttons = dialog->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    StudioTest::processEvents();

    // Save (the first save asks for a file), close, and open again from Recent Files.
    const std::string file = folder.filePath("first_loop.vtm").toStdString();
    prompts.files.push_back(file);
    window->fileActions().save->trigger();
    window->fileActions().close->trigger();
    StudioTest::processEvents();
    ASSERT_TRUE(window->models().empty());
    window->recentFilesMenu().rebuild();
    window->recentFilesMenu().choose(file);
    StudioTest::processEvents();

    ASSERT_NE(window->activeModel(), nullptr);
    const VTQUILL::Diagram reopened = diagram();
    EXPECT_EQ(reopened.getBlocks().size(), 3u);
    EXPECT_EQ(reopened.getLines().size(), 2u);
    const VTQUILL::Block savedGain = blockOfType("Gain");
    ASSERT_TRUE(savedGain.isValid());
    EXPECT_EQ(savedGain.getParameter("Gain"), "2.5");
    for (const VTQUILL::Port& port : savedGain.getContained())
        EXPECT_TRUE(port.getEdge().isValid()) << "a port of the gain lost its line";

    // Its picture, as --render paints it, has ink inside every block.
    VantorStudio::DiagramRenderer::Framing framing;
    const QImage image = VantorStudio::DiagramRenderer::render(reopened, &framing);
    for (const VTQUILL::Block& block : reopened.getBlocks()) {
        const Point at = block.getPosition(), size = block.getSize();
        const PARR::GLRect<double> inside(at.x + 4, at.y + 4, size.x - 8, size.y - 8);
        EXPECT_GT(StudioTest::inkInside(image, framing.toImage(inside)), 0) << block.getName();
    }
}

}  // namespace
