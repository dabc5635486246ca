#include "DocumentTabs.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>

#include "StudioTestSupport.h"
#include "harbor/IntRequest.h"
#include "harbor/Studio.h"
#include "harbor/StudioComponentBase.h"
#include "parr/UndoRedoCommandTarget.h"

namespace {

using VantorStudio::DocumentTabs;

// An undo target that is only dirty or clean.
class DirtyFlag : public PARR::UndoRedoCommandTarget {
public:
    bool dirty = false;
    bool isDirty() const override { return dirty; }
    bool canUndo() const override { return false; }
    bool canRedo() const override { return false; }
    void undo() override {}
    void redo() override {}
    std::string undoText() const override { return {}; }
    std::string redoText() const override { return {}; }
};

// A component with a label as its widget, a document or a tool window.
class LabelComponent : public HARBOR::StudioComponentBase {
public:
    LabelComponent(HARBOR::Studio* studio, const std::string& name, bool document)
        : HARBOR::StudioComponentBase(studio, name),
          document_(document),
          label_(new QLabel(QString::fromStdString(name))) {}
    ~LabelComponent() override { delete label_.data(); }
    std::string getTypeName() const override { return "Test:Label"; }
    QWidget* getWidget() const override { return label_.data(); }
    bool isDocument() const override { return document_; }
    std::string getTabTitle() const override { return "title of " + getName(); }
    PARR::UndoRedoCommandTarget* getUndoRedoTarget() override { return &flag; }

    DirtyFlag flag;

private:
    bool document_;
    QPointer<QLabel> label_;
};

class DocumentTabsTest : public ::testing::Test {
protected:
    DocumentTabsTest() {
        studio.getTabFocusEvents()->subscribe(listener, [this](const HARBOR::Util::IntRequest& r) {
            focusEvents.push_back(r.getValue());
        });
        tabs.setFocusedCallback([this](int index) { focused.push_back(index); });
    }

    LabelComponent* add(const std::string& name, bool document = true) {
        auto* component = new LabelComponent(&studio, name, document);
        PARR::ErrorHolder errors;
        studio.addComponent(PARR::Holder<HARBOR::StudioComponentBase>(component), errors);
        tabs.componentAdded(*component);
        return component;
    }

    QApplication& app = StudioTest::qtApplication();
    HARBOR::Studio studio;
    DocumentTabs tabs{studio};
    WREN::Listener listener;
    std::vector<int> focusEvents;
    std::vector<int> focused;
};

TEST_F(DocumentTabsTest, ShowsEachDocumentInATabInTheOrderAddedAndNoToolWindows) {
    LabelComponent* a = add("a");
    add("tree", false);
    LabelComponent* b = add("b");
    ASSERT_EQ(tabs.count(), 2);
    EXPECT_EQ(tabs.componentAt(0), a);
    EXPECT_EQ(tabs.componentAt(1), b);
    EXPECT_EQ(tabs.widget(1), b->getWidget());
    EXPECT_EQ(tabs.tabText(0), "title of a");
    EXPECT_EQ(tabs.indexOf("tree"), -1);
    EXPECT_EQ(tabs.componentAt(2), nullptr);
}

TEST_F(DocumentTabsTest, ARemovedDocumentLosesItsTabAndGetsItsWidgetBack) {
    add("a");
    LabelComponent* b = add("b");
    add("c");
    tabs.componentRemoved("b");
    ASSERT_EQ(tabs.count(), 2);
    EXPECT_EQ(tabs.indexOf("c"), 1);
    EXPECT_EQ(b->getWidget()->parent(), nullptr);
}

TEST_F(DocumentTabsTest, AHiddenDocumentKeepsItsIndexButNotItsVisibleTab) {
    add("a");
    add("b");
    tabs.componentHidden("a");
    EXPECT_FALSE(tabs.isTabVisible(0));
    EXPECT_EQ(tabs.indexOf("b"), 1);
    tabs.componentShown("a");
    EXPECT_TRUE(tabs.isTabVisible(0));
}

TEST_F(DocumentTabsTest, AUserChoiceOfTabSendsItsIndexAsAFocusEvent) {
    add("a");
    add("b");
    focusEvents.clear();
    focused.clear();
    tabs.setCurrentIndex(1);
    EXPECT_EQ(focusEvents, std::vector<int>{1});
    EXPECT_EQ(focused, std::vector<int>{1});
}

TEST_F(DocumentTabsTest, FollowingTheStudiosActiveComponentSendsNoFocusEvent) {
    add("a");
    add("b");
    focusEvents.clear();
    tabs.activeComponentChanged("b");
    EXPECT_EQ(tabs.currentIndex(), 1);
    EXPECT_TRUE(focusEvents.empty());
    EXPECT_TRUE(focused.empty());
}

TEST_F(DocumentTabsTest, TheCloseButtonAsksToCloseTheTabsComponent) {
    add("a");
    LabelComponent* b = add("b");
    std::vector<HARBOR::StudioComponentBase*> asked;
    tabs.setCloseCallback([&asked](HARBOR::StudioComponentBase& c) { asked.push_back(&c); });
    Q_EMIT tabs.tabCloseRequested(1);
    EXPECT_EQ(asked, std::vector<HARBOR::StudioComponentBase*>{b});
    EXPECT_EQ(tabs.count(), 2) << "the studio closes it, not the tabs";
}

TEST_F(DocumentTabsTest, ADocumentWithUnsavedChangesIsMarkedInItsTab) {
    LabelComponent* a = add("a");
    a->flag.dirty = true;
    tabs.refreshTitles();
    EXPECT_EQ(tabs.tabText(0), "title of a *");
    a->flag.dirty = false;
    tabs.refreshTitles();
    EXPECT_EQ(tabs.tabText(0), "title of a");
}

}  // namespace
