#include "CanvasContextMenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <algorithm>

#include "EditActions.h"
#include "NewModelWindow.h"

namespace {

using Point = PARR::GLPoint<double>;

// The studio window with a new model holding a block P wired to a block Q, and a subsystem
// Sub; right-clicks on the real canvas show their menu to a presenter that records it and
// picks the scripted choice, as QMenu::exec would return the user's pick.
class CanvasContextMenuTest : public ::testing::Test, protected StudioTest::NewModelWindow {
protected:
    CanvasContextMenuTest() {
        QUILL::Transaction transaction(model->root);
        p = addBlock("P", {40, 40});
        q = addBlock("Q", {240, 140});
        sub = addBlock("Sub", {40, 240});
        sub.addSubsystemDiagram();
        VTQUILL::Port out = p.addPort(VTQUILL::kOutPort, {40, 12}, 0);
        VTQUILL::Port in = q.addPort(VTQUILL::kInPort, {0, 12}, 180);
        out.setSize({6, 6});
        in.setSize({6, 6});
        wire = diagram().addLine(VTQUILL::kSignalLine).addSegment();
        wire.setSrcElement(out);
        wire.setDstElement(in);
        wire.setPath({{140, 52}, {140, 152}});
        transaction.commit();
        StudioTest::processEvents();
        window->canvasMenu().setPresenter(
            [this](QMenu& menu, const QPoint&) { readAndPick(menu); });
    }

    void readAndPick(QMenu& menu) {
        texts.clear();
        enabled.clear();
        QAction* picked = nullptr;
        for (QAction* action : menu.actions()) {
            if (action->isSeparator())
                continue;
            texts.push_back(action->text().remove('&').toStdString());
            enabled.push_back(action->isEnabled());
            if (texts.back() == choice && action->isEnabled())
                picked = action;
        }
        if (picked)
            picked->trigger();
    }
    // A right-click as the user gives it: press and release of the right button, then the
    // context-menu request the window system sends for it.
    void rightClick(const Point& scene) {
        const QPoint at = onCanvas(scene);
        QTest::mouseClick(canvas(), Qt::RightButton, Qt::NoModifier, at);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, canvas()->mapToGlobal(at));
        QCoreApplication::sendEvent(canvas(), &request);
        StudioTest::processEvents();
    }
    // Right-clicks at `scene` and picks `text` from the menu.
    void choose(const Point& scene, const std::string& text) {
        choice = text;
        rightClick(scene);
        choice.clear();
    }
    std::vector<std::string> selectedNames() const {
        std::vector<std::string> names;
        for (const DOVE2::DiagramElement& element : editor().getSelection()) {
            const VTQUILL::ImmutableBlock b(element);
            names.push_back(b.isValid() ? b.getName() : "line");
        }
        return names;
    }
    QString undoText() const { return window->editActions().undo()->text(); }

    VTQUILL::Block p;
    VTQUILL::Block q;
    VTQUILL::Block sub;
    VTQUILL::Segment wire;
    // What the last menu showed, and the item to pick from the next.
    std::vector<std::string> texts;
    std::vector<bool> enabled;
    std::string choice;
};

}  // namespace

TEST_F(CanvasContextMenuTest, RightClickingABlockSelectsItAndItsMenuActsOnIt) {
    ASSERT_TRUE(editor().select(q));

    rightClick({60, 55});

    EXPECT_EQ(selectedNames(), std::vector<std::string>{"P"});
    EXPECT_EQ(texts, (std::vector<std::string>{"Block Parameters...", "Cut", "Copy", "Delete"}));
    EXPECT_EQ(enabled, (std::vector<bool>{true, true, true, true}));

    choose({60, 55}, "Delete");

    EXPECT_FALSE(p.isValid());
    EXPECT_TRUE(q.isValid());
    EXPECT_EQ(undoText(), "Undo Delete");
}

TEST_F(CanvasContextMenuTest, RightClickingWithinASelectionKeepsIt) {
    editor().selectAll();
    StudioTest::processEvents();
    const std::size_t selected = editor().getSelection().size();
    ASSERT_GT(selected, 1u);

    rightClick({260, 155});

    EXPECT_EQ(editor().getSelection().size(), selected);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "Block Parameters...");
    EXPECT_FALSE(enabled.front());  // parameters are those of one block
}

TEST_F(CanvasContextMenuTest, OpenOnASubsystemOpensItsDiagramAsADoubleClickDoes) {
    rightClick({60, 55});
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Open"), 0);

    choose({60, 255}, "Open");

    EXPECT_EQ(editor().getDiagram().getObjectId(), sub.getSubsystemDiagram().getObjectId());
}

TEST_F(CanvasContextMenuTest, RightClickingALineOffersItsDeletionsAndDeleteLineRemovesOnlyTheLine) {
    const VTQUILL::Line line = wire.getContainer();

    rightClick({140, 100});

    EXPECT_EQ(selectedNames(), std::vector<std::string>{"line"});
    EXPECT_EQ(texts, (std::vector<std::string>{"Delete", "Delete Line"}));

    ASSERT_TRUE(editor().select(p, true));
    choose({140, 100}, "Delete Line");

    EXPECT_FALSE(line.isValid());
    EXPECT_TRUE(p.isValid());
    EXPECT_EQ(undoText(), "Undo Delete");
}

TEST_F(CanvasContextMenuTest, RightClickingEmptyCanvasOffersPasteSelectAllAndFit) {
    rightClick({400, 400});

    EXPECT_TRUE(editor().getSelection().empty());
    EXPECT_EQ(texts, (std::vector<std::string>{"Paste", "Select All", "Fit to View"}));

    choose({400, 400}, "Select All");

    EXPECT_EQ(selectedNames(), (std::vector<std::string>{"P", "Q", "Sub", "line"}))
        << "the wire's segment too";
}
