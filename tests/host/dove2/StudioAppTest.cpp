#include "dove2/StudioApp.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "EditorTestModel.h"
#include "dove2/Application.h"
#include "dove2/Dove2Domain.h"
#include "dove2/Dove2DomainInterface.h"
#include "dove2/Editor.h"
#include "dove2/Graphics.h"
#include "dove2/InitializeDove2.h"
#include "dove2/StudioFactory.h"
#include "dove2/StudioFrameworkService.h"
#include "harbor/Studio.h"
#include "harbor/StudioComponentFactoryManager.h"
#include "rook2/MouseEvent.h"
#include "rook2/Scene.h"
#include "rook2/SelectionTool.h"
#include "support/WarningRecorder.h"

namespace {

using Dove2Test::EditorTestModel;

// A studio application that records the framework's notifications.
class RecordingStudioApp : public DOVE2::StudioApp {
public:
    void onDiagramOpened(const DOVE2::Diagram& diagram) override {
        log.push_back("opened " + diagram.getFullName());
    }
    void onDiagramRemoved(const DOVE2::Diagram& diagram) override {
        log.push_back("removed " + std::to_string(diagram.getObjectId()));
    }
    bool canThisDiagramBeOpened(const DOVE2::Diagram& diagram) const override {
        return !refuseDiagrams && StudioApp::canThisDiagramBeOpened(diagram);
    }
    PARR::Holder<StudioApp> spawnApplication() const override {
        return PARR::makeHeld<RecordingStudioApp>();
    }
    std::vector<std::string> log;
    bool refuseDiagrams = false;
};

// An editor whose initialize fails; counts the editors of its kind terminated.
class FailingEditor : public DOVE2::Editor {
public:
    static constexpr const char* kTypeName = "Test:FailingEditor";
    using Editor::Editor;
    void initialize(PARR::ErrorHolder& errors) override {
        errors.setError("Test_InitializeFailed", 1);
    }
    void terminate(PARR::ErrorHolder& errors) override {
        ++terminated;
        Editor::terminate(errors);
    }
    static inline int terminated = 0;
};

class StudioAppTest : public ::testing::Test {
protected:
    StudioAppTest() : app(new RecordingStudioApp) {
        initialize_dove2();
        studio.setApp(PARR::Holder<HARBOR::Application>(app));
        PARR::ErrorHolder errors;
        studio.start(errors);
    }
    ~StudioAppTest() override {
        PARR::ErrorHolder errors;
        app->closeAllEditors(errors);
        studio.shutDown(errors);
    }

    DOVE2::Editor* open(const QUILL::ImmutableClassObject& diagram) {
        PARR::ErrorHolder errors;
        DOVE2::Editor* editor = app->openEditor(DOVE2::Diagram(diagram), errors);
        EXPECT_FALSE(errors.hasError()) << errors.message();
        return editor;
    }
    // Presses, releases and double-clicks the left button at `at` (diagram coordinates).
    void doubleClick(DOVE2::Editor& editor, const PARR::GLPoint<double>& at) {
        const PARR::GLPoint<int> pixel{int(at.x), int(at.y)};
        using Event = ROOK2::MouseEvent;
        Event press(Event::Press, at, pixel, Event::LeftButton, Event::LeftButton, 0);
        Event release(Event::Release, at, pixel, Event::LeftButton, 0, 0);
        Event twice(Event::DoubleClick, at, pixel, Event::LeftButton, Event::LeftButton, 0);
        editor.getScene()->deliverMouseEvent(press);
        editor.getScene()->deliverMouseEvent(release);
        editor.getScene()->deliverMouseEvent(twice);
    }

    EditorTestModel m;
    HARBOR::Studio studio;
    RecordingStudioApp* app;
};

TEST_F(StudioAppTest, OpensAnEditorNamedAfterTheDiagramPathWithTheGenericDomain) {
    DOVE2::Editor* editor = open(m.inner);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->getName(), "m/Sub");
    EXPECT_EQ(editor->getDisplayTitle(), "Sub");
    EXPECT_EQ(studio.getComponent("m/Sub"), editor);
    EXPECT_EQ(app->getActiveEditor(), editor);
    EXPECT_EQ(studio.getActiveComponent(), editor);
    ASSERT_NE(editor->getDove2DomainInterface(), nullptr);
    EXPECT_EQ(editor->getDove2DomainInterface()->getDove2Domain(), DOVE2::Dove2Domain::get());
    EXPECT_EQ(app->log, std::vector<std::string>{"opened m/Sub"});
    ASSERT_NE(editor->getApplication(), nullptr);
    EXPECT_EQ(editor->getApplication()->getModel().getDeviantPtr(), m.model.getDeviantPtr());
    EXPECT_EQ(editor->getStaticDomain(), DOVE2::Dove2Domain::get());
    EXPECT_NE(editor->getToolByRole(ROOK2::SelectionTool::staticGetDefaultRole()), nullptr)
        << "the generic domain installs its tools";
}

TEST_F(StudioAppTest, OpeningAnOpenDiagramBringsItsEditorBack) {
    DOVE2::Editor* top = open(m.top);
    DOVE2::Editor* inner = open(m.inner);
    EXPECT_EQ(app->getActiveEditor(), inner);
    EXPECT_EQ(open(m.top), top);
    EXPECT_EQ(app->getActiveEditor(), top);
    EXPECT_EQ(app->getAllEditors().size(), 2u);
    EXPECT_EQ(app->log.size(), 2u) << "no second opening is told";
}

TEST_F(StudioAppTest, AnEmptyDiagramIsRefused) {
    PARR::ErrorHolder errors;
    EXPECT_EQ(app->openEditor(DOVE2::Diagram(), errors), nullptr);
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), DOVE2::StudioApp::kCannotOpenDiagram);
    EXPECT_TRUE(app->getAllEditors().empty());
}

TEST_F(StudioAppTest, AnEditorWhoseInitializeFailsIsNotShownAndItsErrorReachesTheCaller) {
    auto& factories = HARBOR::StudioComponentFactoryManager::instance();
    PARR::ErrorHolder registering;
    factories.registerObject(PARR::Holder<HARBOR::StudioComponentFactory>(
                                 new DOVE2::StudioFactory<FailingEditor>(FailingEditor::kTypeName)),
                             registering);
    FailingEditor::terminated = 0;
    PARR::ErrorHolder errors;

    DOVE2::Editor* made = app->createEditorOfType(&studio, DOVE2::Diagram(m.top),
                                                  FailingEditor::kTypeName, "m", errors);

    EXPECT_EQ(made, nullptr);
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), "Test_InitializeFailed");
    EXPECT_EQ(FailingEditor::terminated, 1);
    EXPECT_EQ(studio.getComponent("m"), nullptr);
    EXPECT_TRUE(app->getAllEditors().empty());
    EXPECT_EQ(open(m.top)->getName(), "m") << "the name is free again";
    factories.unregisterObject(FailingEditor::kTypeName);
}

TEST_F(StudioAppTest, ClosingAnEditorRemovesItsComponentAndActivatesAnother) {
    DOVE2::Editor* top = open(m.top);
    open(m.inner);
    PARR::ErrorHolder errors;
    EXPECT_TRUE(app->closeEditor(DOVE2::Diagram(m.inner), errors));
    EXPECT_EQ(studio.getComponent("m/Sub"), nullptr);
    EXPECT_EQ(app->getAllEditors(), PARR::GList<DOVE2::Editor*>{top});
    EXPECT_EQ(app->getActiveEditor(), top);
    EXPECT_FALSE(app->closeEditor(DOVE2::Diagram(m.inner), errors));
    EXPECT_EQ(errors.getError()->identifier(), std::string(DOVE2::StudioApp::kNoEditor));
}

TEST_F(StudioAppTest, RootCommitsAreRelayedToTheTransactionCompletedService) {
    open(m.top);
    WREN::Listener listener;
    std::vector<std::size_t> modified;
    app->getTransactionCompletedEventService().subscribe(
        listener, [&](const DOVE2::TransactionCompletedEvent& event) {
            modified.push_back(event.getReport()->getModified().size());
        });
    app->getActiveEditor()->processCommand(m.moveCommand(m.a, {1, 1}));
    EXPECT_EQ(modified, std::vector<std::size_t>{1});
}

TEST_F(StudioAppTest, DeletingAnOpenDiagramClosesItsEditorAndTellsTheApplication) {
    open(m.top);
    DOVE2::Editor* inner = open(m.inner);
    const QUILL::ObjectId innerId = m.inner.getObjectId();
    PARR::Holder<DOVE2::QUILLCommand> remove(new DOVE2::QUILLCommand(m.model, "Delete"));
    const VTQUILL::Block sub = m.sub;
    remove->addAction([sub](const QUILL::Model& model, PARR::ErrorHolder&) {
        QUILL::ClassObject(sub.asDeviant(model)).destroy();
    });
    ASSERT_TRUE(app->getAllEditors().front()->processCommand(remove));
    EXPECT_EQ(app->findEditor(m.inner), nullptr);
    EXPECT_NE(app->getActiveEditor(), inner);
    EXPECT_EQ(app->log.back(), "removed " + std::to_string(innerId));
}

TEST_F(StudioAppTest, ClosingAModelClosesEveryEditorOfIt) {
    EditorTestModel other("n");
    open(m.top);
    open(m.inner);
    DOVE2::Editor* kept = open(other.top);
    PARR::ErrorHolder errors;
    app->closeModel(m.model, errors);
    EXPECT_EQ(app->getAllEditors(), PARR::GList<DOVE2::Editor*>{kept});
    EXPECT_EQ(app->log.size(), 5u) << "three openings and two removals";
}

TEST_F(StudioAppTest, ASecondModelOfTheSameNameIsNotOpenedOverTheFirst) {
    EditorTestModel namesake("m");
    DOVE2::Editor* first = open(m.top);
    PARR::ErrorHolder errors;
    EXPECT_EQ(app->openEditor(DOVE2::Diagram(namesake.top), errors), nullptr);
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), HARBOR::Studio::kDuplicateComponent);
    EXPECT_EQ(app->getAllEditors(), PARR::GList<DOVE2::Editor*>{first});
    EXPECT_EQ(first->getDiagram(), m.top);
}

TEST_F(StudioAppTest, TheFrameworkServiceAnswersTheComponentOfEachTab) {
    DOVE2::Editor* top = open(m.top);
    DOVE2::Editor* inner = open(m.inner);
    DOVE2::StudioFrameworkService* service = app->getStudioFrameworkService();
    ASSERT_NE(service, nullptr);
    PARR::ErrorHolder errors;
    EXPECT_EQ(service->tabCount(), 2);
    auto tab1 = service->getComponentsOfTab(1, errors);
    ASSERT_EQ(tab1.size(), 1u);
    EXPECT_TRUE(tab1.contains(inner));
    EXPECT_TRUE(service->getComponentsOfTab(0, errors).contains(top));
    EXPECT_TRUE(service->getComponentsOfTab(2, errors).empty());
    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), DOVE2::StudioFrameworkService::kNoSuchTab);
}

TEST_F(StudioAppTest, DoubleClickingAGenericSubsystemOpensItsDiagram) {
    DOVE2::Editor* top = open(m.top);
    doubleClick(*top, m.sub.getPosition() + m.sub.getSize() * 0.5);
    ASSERT_NE(app->getActiveEditor(), top);
    EXPECT_EQ(app->getActiveEditor()->getDiagram(), m.inner);
}

TEST_F(StudioAppTest, ADoubleClickedSubsystemThatCannotOpenTellsTheUserWhy) {
    DOVE2::Editor* top = open(m.top);
    app->refuseDiagrams = true;
    TestSupport::WarningRecorder warnings;

    doubleClick(*top, m.sub.getPosition() + m.sub.getSize() * 0.5);

    EXPECT_EQ(app->getActiveEditor(), top);
    EXPECT_EQ(warnings.identifiers, std::vector<std::string>{DOVE2::StudioApp::kCannotOpenDiagram});
}

TEST_F(StudioAppTest, EditorOpenTypeIsRestoredToTheDefault) {
    app->setEditorOpenType(2);
    EXPECT_EQ(app->getEditorOpenType(), 2);
    app->restoreEditorOpenType();
    EXPECT_EQ(app->getEditorOpenType(), 0);
}

TEST_F(StudioAppTest, TheDefaultDomainIsTheGenericOne) {
    PARR::Holder<HARBOR::AbstractDomainInterface> domain(app->getDefaultDomain(&studio));
    ASSERT_TRUE(domain);
    EXPECT_EQ(domain->getDomain(), DOVE2::Dove2Domain::get());
    EXPECT_EQ(domain->getName(), PARR::StringID("Dove2Domain"));
}

TEST(StudioAppPrototype, NewStudiosGetTheRegisteredApplicationClass) {
    EXPECT_EQ(typeid(*DOVE2::StudioApp::spawnForNewStudio()), typeid(DOVE2::StudioApp));
    DOVE2::StudioApp::setPrototype(PARR::Holder<DOVE2::StudioApp>(new RecordingStudioApp));
    PARR::Holder<DOVE2::StudioApp> first = DOVE2::StudioApp::spawnForNewStudio();
    PARR::Holder<DOVE2::StudioApp> second = DOVE2::StudioApp::spawnForNewStudio();
    DOVE2::StudioApp::setPrototype({});
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(typeid(*first), typeid(RecordingStudioApp));
    EXPECT_EQ(typeid(*DOVE2::StudioApp::spawnForNewStudio()), typeid(DOVE2::StudioApp));
}

// Says on stderr when it is destroyed.
class AnnouncingStudioApp : public DOVE2::StudioApp {
public:
    ~AnnouncingStudioApp() override { std::fputs("prototype destroyed\n", stderr); }
};

TEST(StudioAppPrototypeDeathTest, ThePrototypeLivesUntilTheProcessEnds) {
    EXPECT_EXIT(
        {
            DOVE2::StudioApp::setPrototype(PARR::Holder<DOVE2::StudioApp>(new AnnouncingStudioApp));
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), ::testing::Not(::testing::HasSubstr("prototype destroyed")));
}

}  // namespace
