#include "studio/StudioApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dove2/DomainRegistry.h"
#include "dove2/Dove2Domain.h"
#include "dove2/ModelSchema.h"
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

    explicit FakeChartSide(Answer answer) {
        TESSEL::FunctionRegistry::instance().registerFunction(
            "", "cxprivate", [this, answer](const std::vector<Value>& args) {
                std::vector<std::string> call;
                for (const Value& arg : args)
                    call.push_back(arg.isString() ? arg.asString() : arg.interfaceName());
                calls.push_back(call);
                return answer(args);
            });
    }
    ~FakeChartSide() { TESSEL::FunctionRegistry::instance().unregisterFunction("", "cxprivate"); }
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
    EXPECT_FALSE(app->block2Diagram(chart, true).isValid()) << "no chart side at all";

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
    ForeignModel other("StudioAppTest.OtherModel");
    ForeignModel chart("StudioAppTest.ChartModel");
    ForeignModel unserved("StudioAppTest.UnservedModel");

    EXPECT_TRUE(app->canThisDiagramBeOpened(model.diagram()));
    EXPECT_TRUE(app->canThisDiagramBeOpened(chart.diagram()));
    EXPECT_FALSE(app->canThisDiagramBeOpened(other.diagram()));
    EXPECT_FALSE(app->canThisDiagramBeOpened(unserved.diagram()));
}

}  // namespace
