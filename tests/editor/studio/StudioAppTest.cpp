#include "studio/StudioApp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chartix/ChartScriptingFunctions.h"
#include "dove2/DomainRegistry.h"
#include "dove2/Dove2Domain.h"
#include "dove2/ModelSchema.h"
#include "dove2/UndoHistory.h"
#include "dove2/explorer/TreeComponent.h"
#include "editor/explorer/StudioWithExplorer.h"
#include "explorer/TreeControlDelegate.h"
#include "harbor/Studio.h"
#include "main/initialize.h"
#include "parr/ErrorHolder.h"
#include "parr/Holder.h"
#include "quill/Transaction.h"
#include "quill/TypeRegistry.h"
#include "studio/Editor.h"
#include "support/BlockDiagramBuilder.h"
#include "support/RunningStudio.h"
#include "tessel/FunctionRegistry.h"
#include "tessel/Value.h"
#include "tessel/WarningService.h"
#include "tools/DeleteCommand.h"
#include "vtquill/YarrowTypeName.h"

namespace {

using TESSEL::Value;
using TestSupport::BlockDiagramBuilder;

// --- Test models and domains ----------------------------------------------------------------

// A block of `type` named `name` in the builder's top diagram, made a subsystem with an
// (empty) inner diagram.
VTQUILL::Block subsystem(BlockDiagramBuilder& model, const std::string& name,
                         const std::string& type = "SubSystem", bool masked = false) {
    const VTQUILL::Block block = model.block(name, {10, 10, 40, 30}, type);
    model.edit([&] {
        block.setMasked(masked);
        return block.addSubsystemDiagram();
    });
    return block;
}

// A domain of the given name serving the models of `modelClass`, registered once with the
// process-wide registry; it keeps the generic domain's services.
class NamedDomain : public DOVE2::Dove2Domain {
public:
    static void registerOnce(const std::string& name, const std::string& modelClass) {
        PARR::ErrorHolder unknown;
        if (DOVE2::DomainRegistry::instance().getStaticDomain(PARR::StringID(name), unknown))
            return;
        PARR::ErrorHolder errors;
        DOVE2::DomainRegistry::instance().registerDomain(
            PARR::Holder<DOVE2::AbstractDove2Domain>(new NamedDomain(name, modelClass)), errors);
        ASSERT_FALSE(errors.hasError()) << errors.message();
    }
    PARR::StringID getName() const override { return name_; }
    PARR::StringID getModelClassFullName() const override { return modelClass_; }

private:
    NamedDomain(const std::string& name, const std::string& modelClass)
        : name_(name), modelClass_(modelClass) {}
    PARR::StringID name_;
    PARR::StringID modelClass_;
};

// A model whose model object is of the class `modelClass`, holding one framework diagram
// named `diagramName`. Closed when it goes.
class ForeignModel {
public:
    explicit ForeignModel(const std::string& modelClass, const std::string& diagramName = "chart") {
        QUILL::TypeRegistry& types = QUILL::TypeRegistry::instance();
        const QUILL::Type* type = types.find(modelClass);
        model_ = QUILL::Model::create(type ? *type : types.define(modelClass));
        QUILL::Transaction transaction(model_);
        const QUILL::ClassObject diagram = QUILL::ClassObject::create(
            model_, DOVE2::ModelSchema::get().diagram, model_.getModelObject());
        diagram.set(DOVE2::ModelSchema::get().diagramName, diagramName);
        transaction.commit();
        diagram_ = DOVE2::Diagram(diagram);
    }
    ~ForeignModel() { model_.close(); }
    ForeignModel(const ForeignModel&) = delete;
    ForeignModel& operator=(const ForeignModel&) = delete;

    const DOVE2::Diagram& diagram() const { return diagram_; }

private:
    QUILL::Model model_;
    DOVE2::Diagram diagram_;
};

// --- The state-chart side ---------------------------------------------------------------------

// Stands in for the state-chart side's "cxprivate" while it lives: answers each call with
// `answer` and records the arguments (texts as they are, objects as their interface names).
class FakeChartSide {
public:
    using Answer = std::function<std::vector<Value>(const std::vector<Value>& args)>;

    explicit FakeChartSide(Answer answer)
        : replaced_(TESSEL::FunctionRegistry::instance().isRegistered("", "cxprivate")) {
        TESSEL::FunctionRegistry::instance().registerFunction(
            "", "cxprivate", [this, answer](const std::vector<Value>& args) {
                std::vector<std::string> call;
                for (const Value& arg : args)
                    call.push_back(arg.isString() ? arg.asString() : arg.interfaceName());
                calls.push_back(call);
                return answer(args);
            });
    }
    // Puts the host's state-chart side back when it was there.
    ~FakeChartSide() {
        TESSEL::FunctionRegistry::instance().unregisterFunction("", "cxprivate");
        if (replaced_)
            CHARTIX::ChartScriptingFunctions::registerFunctions();
    }
    FakeChartSide(const FakeChartSide&) = delete;
    FakeChartSide& operator=(const FakeChartSide&) = delete;

    // The struct the chart side answers for a diagram.
    static Value diagramAnswer(const DOVE2::Diagram& diagram) {
        return Value::structure(
            {{"diagram", Value::wrap(std::make_shared<DOVE2::Diagram>(diagram), "DOVE2.Diagram")},
             {"model", Value::wrap(std::make_shared<QUILL::Model>(diagram.getModelQUILL()),
                                   "QUILL.Model")}});
    }
    // Answers "is_cx_chart_block" with `isChart` and `diagram`.
    static Answer chartBlock(bool isChart, const DOVE2::Diagram& diagram) {
        return [isChart, diagram](const std::vector<Value>&) {
            return std::vector<Value>{Value::logical(isChart), diagramAnswer(diagram)};
        };
    }

    std::vector<std::vector<std::string>> calls;

private:
    bool replaced_;
};

// --- Fixture ----------------------------------------------------------------------------------

// The module started and a studio running the block-diagram studio application, with a model
// "sam" (kept out of other tests' way: the back end finds diagrams of every open model).
class StudioAppTest : public ::testing::Test {
protected:
    StudioAppTest() { initialize_vt_editor(); }

    DOVE2::Diagram activeDiagram() const {
        return app->getActiveEditor() ? app->getActiveEditor()->getDiagram() : DOVE2::Diagram();
    }

    BlockDiagramBuilder model{"sam"};
    TestSupport::RunningStudio<Vantor::StudioApp> running;
    HARBOR::Studio& studio = running.studio();
    Vantor::StudioApp* app = &running.app();
};

// --- Lookups by path --------------------------------------------------------------------------

TEST_F(StudioAppTest, PathsMatchKnownDiagramsWithLineFeedsComparedAsSpaces) {
    const DOVE2::Diagram first = app->block2Diagram(subsystem(model, "two\nlines"), false);
    const DOVE2::Diagram second = app->block2Diagram(subsystem(model, "with spaces"), false);

    EXPECT_EQ(app->getDiagram("sam/two lines"), first);
    EXPECT_EQ(app->getDiagram("sam/two\nlines"), first);
    EXPECT_EQ(app->getDiagram("sam/with\nspaces"), second);
    EXPECT_FALSE(app->getDiagram("sam/two").isValid());
    EXPECT_FALSE(app->getDiagram("sam").isValid()) << "the top-level diagram was never known";
}

// --- Blocks to diagrams -----------------------------------------------------------------------

TEST_F(StudioAppTest, AMaskedSubsystemOpensUnderItsMaskOnlyWhenAsked) {
    const VTQUILL::Block masked = subsystem(model, "masked", "SubSystem", true);

    EXPECT_FALSE(app->block2Diagram(masked, false).isValid());
    EXPECT_FALSE(app->getDiagram(QUILL::ImmutableClassObject(masked)).isValid());
    const DOVE2::Diagram inner = app->block2Diagram(masked, true);
    EXPECT_EQ(inner, masked.getSubsystemDiagram());
    EXPECT_EQ(app->getNode(inner), masked);
    EXPECT_EQ(app->block2Diagram(masked, false), inner) << "once known, found in the maps";
}

TEST_F(StudioAppTest, BlocksThatAreNoViewableSubsystemsGetNoDiagram) {
    const VTQUILL::Block configurable = subsystem(model, "choice", "ConfigurableSubsystem");

    EXPECT_FALSE(app->block2Diagram(configurable, true).isValid());
    EXPECT_FALSE(app->block2Diagram(model.block("gain", {100, 10, 40, 30}), true).isValid());
    EXPECT_TRUE(Vantor::isBlockAViewableSubsystem(subsystem(model, "chart", "Chart", true)))
        << "a chart block opens as a diagram even when masked";
}

TEST_F(StudioAppTest, AChartBlockIsNeverLookedUpInTheBackEnd) {
    const VTQUILL::Block chart = subsystem(model, "chart", "Chart");
    FakeChartSide notAChart(FakeChartSide::chartBlock(false, model.diagram()));
    EXPECT_FALSE(app->block2Diagram(chart, true).isValid());
    EXPECT_EQ(notAChart.calls,
              (std::vector<std::vector<std::string>>{{"is_cx_chart_block", "sam/chart"}}));
}

TEST_F(StudioAppTest, ABlockShowingAKnownTopLevelDiagramTakesOverItsRegistration) {
    const DOVE2::Diagram top = app->createTopLevelDiagram("sam");
    ASSERT_EQ(top, model.diagram());
    EXPECT_EQ(app->getNode(top), QUILL::ImmutableClassObject(top));
    EXPECT_EQ(app->getDiagram("sam"), top);

    const VTQUILL::Block chart = model.block("chart", {100, 10, 40, 30}, "Chart");
    FakeChartSide chartSide(FakeChartSide::chartBlock(true, top));
    EXPECT_EQ(app->block2Diagram(chart, false), top);
    EXPECT_EQ(app->getNode(top), chart);
    EXPECT_FALSE(app->getDiagram(QUILL::ImmutableClassObject(top)).isValid());
    EXPECT_FALSE(app->createTopLevelDiagram("nowhere").isValid());
}

// --- State-chart objects to diagrams ----------------------------------------------------------

TEST_F(StudioAppTest, AChartObjectAsksTheChartSideOnlyUntilItsDiagramIsKnown) {
    const VTQUILL::Block chart = subsystem(model, "chart", "Chart");
    const VTQUILL::Diagram shown = chart.getSubsystemDiagram();
    const VTQUILL::Annotation state = model.annotation("state", {0, 0, 10, 10});
    FakeChartSide chartSide([&](const std::vector<Value>& args) {
        const auto asked = args[1].asObject<QUILL::ImmutableClassObject>(args[1].interfaceName());
        return std::vector<Value>{*asked == state ? FakeChartSide::diagramAnswer(shown)
                                                  : Value::empty()};
    });

    EXPECT_FALSE(app->cxObj2Diagram(model.diagram()).isValid()) << "an empty answer";
    EXPECT_EQ(app->cxObj2Diagram(state), shown);
    EXPECT_EQ(app->cxObj2Diagram(state), shown);
    ASSERT_EQ(chartSide.calls.size(), 2u);
    EXPECT_EQ(chartSide.calls.back(),
              (std::vector<std::string>{"get_diagram_for_cx_quill_obj",
                                        VTQUILL::getFullyQualifiedYarrowTypeName(state)}));
    EXPECT_EQ(app->getNode(shown), state);
}

// --- Opening ----------------------------------------------------------------------------------

TEST_F(StudioAppTest, OpeningABlockShowsItsDiagramInABlockDiagramEditor) {
    const VTQUILL::Block sub = subsystem(model, "a/b");
    app->openBlock(sub, false);

    ASSERT_NE(app->getActiveEditor(), nullptr);
    EXPECT_NE(dynamic_cast<Vantor::Editor*>(app->getActiveEditor()), nullptr);
    EXPECT_EQ(activeDiagram(), sub.getSubsystemDiagram());
    EXPECT_EQ(app->getActiveEditor()->getName(), "sam/a//b");
}

TEST_F(StudioAppTest, OpenTypeTwoLastsForOneOpeningOnly) {
    const VTQUILL::Block first = subsystem(model, "first");
    const VTQUILL::Block second = subsystem(model, "second");
    const VTQUILL::Block gain = model.block("gain", {100, 10, 40, 30});

    app->setEditorOpenType(2);
    app->openBlock(first, false);
    EXPECT_EQ(activeDiagram(), first.getSubsystemDiagram());
    EXPECT_EQ(app->getEditorOpenType(), 0);

    app->setEditorOpenType(1);
    app->openBlock(second, false);
    EXPECT_EQ(activeDiagram(), second.getSubsystemDiagram());
    EXPECT_EQ(app->getEditorOpenType(), 1) << "the caller restores type 1";

    app->setEditorOpenType(2);
    app->openBlock(gain, false);
    EXPECT_EQ(app->getEditorOpenType(), 2) << "nothing was opened";
}

TEST_F(StudioAppTest, AnOpeningTheStudioRefusesIsReportedToTheUser) {
    ForeignModel foreign("StudioAppTest.UnservedModel", "refused chart");
    FakeChartSide chartSide([&](const std::vector<Value>&) {
        return std::vector<Value>{FakeChartSide::diagramAnswer(foreign.diagram())};
    });
    const VTQUILL::Annotation state = model.annotation("state", {0, 0, 10, 10});

    app->openCXState(state);

    EXPECT_EQ(app->getActiveEditor(), nullptr);
    EXPECT_EQ(TESSEL::WarningService::instance().lastIdentifier(), "Vantor:OpenFailed");
    EXPECT_EQ(TESSEL::WarningService::instance().lastText(),
              "DOVE2_CannotOpenDiagram(refused chart)");
}

// --- Domains ----------------------------------------------------------------------------------

TEST_F(StudioAppTest, OnlyDiagramsOfTheBlockDiagramAndStateChartDomainsCanBeOpened) {
    NamedDomain::registerOnce("StudioAppTestDomain", "StudioAppTest.OtherModel");
    NamedDomain::registerOnce("CXDomain", "StudioAppTest.ChartModel");
    PARR::ErrorHolder errors;
    const DOVE2::AbstractDove2Domain* charts =
        DOVE2::DomainRegistry::instance().getStaticDomain(PARR::StringID("CXDomain"), errors);
    ASSERT_NE(charts, nullptr);
    ForeignModel other("StudioAppTest.OtherModel");
    ForeignModel chart(charts->getModelClassFullName().str());
    ForeignModel unserved("StudioAppTest.UnservedModel");

    EXPECT_TRUE(app->canThisDiagramBeOpened(model.diagram()));
    EXPECT_TRUE(app->canThisDiagramBeOpened(chart.diagram()));
    EXPECT_FALSE(app->canThisDiagramBeOpened(other.diagram()));
    EXPECT_FALSE(app->canThisDiagramBeOpened(unserved.diagram()));
}

// --- Editors following the model --------------------------------------------------------------

// The names of `editors`, in order.
std::vector<std::string> namesOf(const PARR::GList<DOVE2::Editor*>& editors) {
    std::vector<std::string> names;
    for (const DOVE2::Editor* editor : editors)
        names.push_back(editor->getName());
    return names;
}

// Deletes `block` as the user would, through the model's undo history.
void deleteThroughHistory(const VTQUILL::Model& model, const VTQUILL::Block& block) {
    PARR::Holder<Vantor::DeleteCommand> command(new Vantor::DeleteCommand(model, "Delete"));
    command->addElement(block);
    PARR::ErrorHolder errors;
    ASSERT_TRUE(DOVE2::UndoHistory::forModel(model)->process(command, errors)) << errors.message();
}

TEST_F(StudioAppTest, DeletingAnOpenSubsystemClosesItsEditorAndUndoBringsItsDiagramBack) {
    const VTQUILL::Block sub = subsystem(model, "inner");
    const DOVE2::Diagram inner = sub.getSubsystemDiagram();
    app->openBlock(sub, false);
    ASSERT_EQ(namesOf(app->getAllEditors()), std::vector<std::string>{"sam/inner"});

    deleteThroughHistory(model.model(), sub);

    EXPECT_TRUE(app->getAllEditors().empty());
    EXPECT_FALSE(app->getDiagram(QUILL::ImmutableClassObject(sub)).isValid());
    EXPECT_FALSE(app->getDiagram("sam/inner").isValid());
    EXPECT_FALSE(app->getNode(inner).isValid());

    PARR::ErrorHolder errors;
    ASSERT_TRUE(DOVE2::UndoHistory::forModel(model.model())->undo(errors)) << errors.message();
    EXPECT_EQ(app->getDiagram("sam/inner"), inner) << "the returned diagram is known by path";
    app->openBlock(sub, false);
    EXPECT_EQ(activeDiagram(), inner);
    EXPECT_EQ(app->getNode(inner), sub);
}

TEST_F(StudioAppTest, ARenamedSubsystemIsFoundUnderItsNewPathOnly) {
    const VTQUILL::Block sub = subsystem(model, "before");
    const DOVE2::Diagram inner = app->block2Diagram(sub, false);
    ASSERT_EQ(app->getDiagram("sam/before"), inner);

    model.edit([&] {
        sub.setName("after");
        return 0;
    });

    EXPECT_FALSE(app->getDiagram("sam/before").isValid());
    EXPECT_EQ(app->getDiagram("sam/after"), inner);
}

TEST_F(StudioAppTest, ADiagramTheFrameworkOpensIsKnownUnderItsOwnObjectUnlessKnownAlready) {
    const VTQUILL::Block sub = subsystem(model, "inner");
    PARR::ErrorHolder errors;
    app->openEditor(model.diagram(), errors);
    app->openEditor(sub.getSubsystemDiagram(), errors);

    EXPECT_EQ(app->getNode(model.diagram()), QUILL::ImmutableClassObject(model.diagram()));
    EXPECT_EQ(app->getDiagram("sam/inner"), sub.getSubsystemDiagram());
    EXPECT_EQ(app->block2Diagram(sub, false), sub.getSubsystemDiagram());
    EXPECT_EQ(app->getNode(sub.getSubsystemDiagram()), sub) << "the block took it over";
}

TEST_F(StudioAppTest, ClosingAnEditorClosesThoseBelowItByWholeNamesAndClosingAModelAllOfIt) {
    BlockDiagramBuilder m("m");
    BlockDiagramBuilder mx("mx");
    std::vector<DOVE2::Editor*> opened;
    PARR::ErrorHolder errors;
    opened.push_back(app->openEditor(m.diagram(), errors));
    opened.push_back(app->openEditor(mx.diagram(), errors));
    for (const char* name : {"a", "ab", "a/b"})
        opened.push_back(app->openEditor(subsystem(m, name).getSubsystemDiagram(), errors));
    ASSERT_EQ(namesOf(app->getAllEditors()),
              (std::vector<std::string>{"m", "mx", "m/a", "m/ab", "m/a//b"}));

    EXPECT_EQ(namesOf(app->getAllEditorsToClose({opened[0]})),
              (std::vector<std::string>{"m", "m/a", "m/ab", "m/a//b"}));
    EXPECT_EQ(namesOf(app->getAllEditorsToClose({opened[2]})), std::vector<std::string>{"m/a"});
    EXPECT_EQ(namesOf(app->getAllEditorsToClose({opened[4], opened[1]})),
              (std::vector<std::string>{"m/a//b", "mx"}));
    EXPECT_EQ(namesOf(app->getEditorsToClose({opened[2]})), std::vector<std::string>{"m/a"});
    app->closeAllEditors(errors);
}

// --- Navigation -------------------------------------------------------------------------------

TEST_F(StudioAppTest, GoingUpOpensTheKnownDiagramAboveAndNothingAboveATopLevelDiagram) {
    const VTQUILL::Block sub = subsystem(model, "inner");
    app->openBlock(sub, false);
    auto goUpFrom = [&](const DOVE2::Diagram& diagram) {
        app->getNavigateUpRequestService().send(DOVE2::NavigateUpRequest(diagram));
    };

    goUpFrom(sub.getSubsystemDiagram());
    EXPECT_EQ(activeDiagram(), sub.getSubsystemDiagram()) << "the model was never known";

    PARR::ErrorHolder errors;
    app->openEditor(model.diagram(), errors);
    app->openBlock(sub, false);
    goUpFrom(sub.getSubsystemDiagram());
    EXPECT_EQ(activeDiagram(), model.diagram());

    app->openBlock(sub, false);
    goUpFrom(model.diagram());
    EXPECT_EQ(activeDiagram(), sub.getSubsystemDiagram()) << "nothing above the model";
}

// Sends a tree selection of `object` as the model explorer would.
void selectInTree(Vantor::StudioApp& app, const QUILL::ImmutableClassObject& object,
                  const std::string& component = DOVE2::TreeComponent::kComponentName,
                  int kind = DOVE2::TreeComponent::kUserSelection) {
    app.getTreeSelectionChangedEventService().send(DOVE2::TreeSelectionChangedEvent(
        component, kind, {QUILL::ClassObject(object.getDeviant(), object.getObjectId())}));
}

TEST_F(StudioAppTest, AUserSelectionInTheModelExplorerOpensTheDiagramOfTheSelectedObject) {
    const VTQUILL::Block sub = subsystem(model, "inner");
    const VTQUILL::Block masked = subsystem(model, "masked", "SubSystem", true);

    selectInTree(*app, sub, "another tree");
    selectInTree(*app, sub, DOVE2::TreeComponent::kComponentName,
                 DOVE2::TreeComponent::kProgramSelection);
    selectInTree(*app, masked);
    EXPECT_TRUE(app->getAllEditors().empty());

    selectInTree(*app, sub);
    EXPECT_EQ(activeDiagram(), sub.getSubsystemDiagram());
    selectInTree(*app, model.diagram());
    EXPECT_EQ(activeDiagram(), model.diagram());
}

TEST_F(StudioAppTest, ReopeningFromTheTreeLeavesTheNextOpeningToBeRegistered) {
    const VTQUILL::Block sub = subsystem(model, "inner");
    selectInTree(*app, sub);
    selectInTree(*app, sub);  // already open: the framework announces nothing

    PARR::ErrorHolder errors;
    app->openEditor(model.diagram(), errors);

    EXPECT_EQ(app->getDiagram("sam"), model.diagram());
    EXPECT_EQ(app->getNode(model.diagram()), QUILL::ImmutableClassObject(model.diagram()));
}

// Records the active-editor-changed events of an application.
class ActiveEditorSpy : public WREN::Listener {
public:
    explicit ActiveEditorSpy(DOVE2::StudioApp& app) {
        app.getActiveEditorChangedEventService().subscribe(
            *this,
            [this](const DOVE2::ActiveEditorChangedEvent& e) { changes.push_back(e.changed()); });
    }
    ~ActiveEditorSpy() override { WREN::Listener::disconnect(); }
    std::vector<bool> changes;
};

TEST_F(StudioAppTest, AFocusedTabMakesItsEditorActiveOnceDiagramsAreKnown) {
    ActiveEditorSpy spy(*app);
    PARR::ErrorHolder errors;
    DOVE2::Editor* top = app->openEditor(model.diagram(), errors);
    ASSERT_NE(top, nullptr);
    const VTQUILL::Block sub = subsystem(model, "inner");
    app->openBlock(sub, false);
    ASSERT_NE(app->getActiveEditor(), top);

    studio.getTabFocusEvents()->send(HARBOR::Util::IntRequest(0));
    EXPECT_EQ(app->getActiveEditor(), top);
    studio.getTabFocusEvents()->send(HARBOR::Util::IntRequest(0));
    studio.getTabFocusEvents()->send(HARBOR::Util::IntRequest(7));
    EXPECT_EQ(spy.changes, std::vector<bool>{true}) << "told once, for the one change";
}

TEST_F(StudioAppTest, AFocusedTabChangesNothingWhileNoDiagramIsKnown) {
    ActiveEditorSpy spy(*app);
    PARR::ErrorHolder errors;
    ASSERT_NE(app->openEditor(model.diagram(), errors), nullptr);
    app->onDiagramRemoved(model.diagram());
    app->setActiveEditor(nullptr);

    studio.getTabFocusEvents()->send(HARBOR::Util::IntRequest(0));

    EXPECT_EQ(app->getActiveEditor(), nullptr);
    EXPECT_TRUE(spy.changes.empty());
}

// --- Set-up and shut-down ---------------------------------------------------------------------

TEST_F(StudioAppTest, StartingDressesTheStudioAndInstallsTheModelExplorersDelegate) {
    TestSupport::StudioWithExplorer started;

    EXPECT_FALSE(started.startErrors.hasError()) << started.startErrors.message();
    EXPECT_EQ(started.studio.getStudioTitle(), "Vantor Studio");
    EXPECT_TRUE(started.studio.isHidden("DOVE2 PropBrowser component"));
    auto* tree = dynamic_cast<DOVE2::TreeComponent*>(
        started.studio.getComponent(DOVE2::TreeComponent::kComponentName));
    ASSERT_NE(tree, nullptr);
    EXPECT_NE(dynamic_cast<Vantor::TreeControlDelegate*>(tree->getDelegate()), nullptr);
    const std::filesystem::path icon(started.studio.getStudioTitleBarIcon());
    EXPECT_EQ(icon.filename(), "vantor_model.png");
    EXPECT_TRUE(std::filesystem::exists(icon)) << icon;
    EXPECT_EQ(icon.string().find('\\'), std::string::npos);
}

TEST_F(StudioAppTest, AStudioWithoutModelExplorerStartsAndSaysWhatIsMissing) {
    HARBOR::Studio bare;
    PARR::Holder<Vantor::StudioApp> bareApp(new Vantor::StudioApp());
    bare.setApp(PARR::Holder<HARBOR::Application>(bareApp.get()));
    PARR::ErrorHolder errors;
    bare.start(errors);

    EXPECT_TRUE(errors.hasError());
    EXPECT_EQ(bare.getStudioTitle(), "Vantor Studio");
    EXPECT_EQ(bareApp->getNavigateUpRequestService().subscriberCount(), 1u)
        << "the signals are connected all the same";
    bare.shutDown(errors);
}

TEST_F(StudioAppTest, TerminatingCutsTheStudioSignalsAndForgetsEveryDiagram) {
    const VTQUILL::Block sub = subsystem(model, "inner");
    app->openBlock(sub, false);
    const std::size_t before = app->getTreeSelectionChangedEventService().subscriberCount();

    PARR::ErrorHolder errors;
    app->terminate(errors);

    EXPECT_TRUE(app->getAllEditors().empty());
    EXPECT_FALSE(app->getDiagram("sam/inner").isValid());
    EXPECT_EQ(app->getTreeSelectionChangedEventService().subscriberCount(), before - 1);
    EXPECT_EQ(app->getNavigateUpRequestService().subscriberCount(), 0u);
    EXPECT_EQ(studio.getTabFocusEvents()->subscriberCount(), 0u);
    selectInTree(*app, sub);
    EXPECT_TRUE(app->getAllEditors().empty());
}

}  // namespace
