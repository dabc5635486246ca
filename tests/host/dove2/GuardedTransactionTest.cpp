#include "dove2/GuardedTransaction.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "HistoryTestModel.h"

using namespace Dove2Test;
using DOVE2::GuardedTransaction;
using PARR::ErrorHolder;

namespace {

class GuardedTransactionTest : public ::testing::Test {
protected:
    GuardedTransactionTest() { builder.item("a", 1); }

    void setA(const QUILL::Model& m, int value) const {
        builder.find("a").asDeviant(m).set(HistoryTypes::get().value, value);
    }

    ModelBuilder builder;
};

TEST_F(GuardedTransactionTest, CommitsASuccessfulStepAndReturnsItsChanges) {
    ReportCounter counter(builder.model());
    ErrorHolder errors;

    const auto changes = GuardedTransaction::run(
        builder.model(), [&](ErrorHolder&) { setA(builder.model(), 5); }, errors);

    ASSERT_NE(changes, nullptr);
    EXPECT_EQ(changes->size(), 1u);
    EXPECT_EQ(counter.reports, 1);
    EXPECT_FALSE(builder.model().inTransaction());
}

TEST_F(GuardedTransactionTest, ReturnsAnEmptySetForAStepThatChangesNothing) {
    ErrorHolder errors;

    const auto changes = GuardedTransaction::run(
        builder.model(), [](ErrorHolder&) {}, errors);

    ASSERT_NE(changes, nullptr);
    EXPECT_TRUE(changes->empty());
}

TEST_F(GuardedTransactionTest, RollsBackAStepThatLeftATransactionOfItsOwnOpen) {
    const ModelState before = stateOf(builder.model());
    ErrorHolder errors;

    const auto changes = GuardedTransaction::run(
        builder.model(),
        [&](ErrorHolder&) {
            builder.model().beginTransaction();
            setA(builder.model(), 5);
        },
        errors);

    EXPECT_EQ(changes, nullptr);
    EXPECT_EQ(errors.getError()->identifier(), "DOVE2_UnbalancedTransaction");
    EXPECT_EQ(stateOf(builder.model()), before);
    EXPECT_FALSE(builder.model().inTransaction());
}

TEST_F(GuardedTransactionTest, RollsBackAStepThatThrewInsideANestedTransaction) {
    const ModelState before = stateOf(builder.model());
    ReportCounter counter(builder.model());
    ErrorHolder errors;

    GuardedTransaction::run(
        builder.model(),
        [&](ErrorHolder&) {
            setA(builder.model(), 4);
            QUILL::Model(builder.model()).beginTransaction();
            setA(builder.model(), 5);
            throw std::logic_error("inner");
        },
        errors);

    EXPECT_EQ(errors.getError()->arguments(), std::vector<std::string>{"inner"});
    EXPECT_EQ(stateOf(builder.model()), before);
    EXPECT_EQ(counter.reports, 0);
    EXPECT_FALSE(builder.model().inTransaction());
}

TEST_F(GuardedTransactionTest, ReportsAThrowOfAnythingButAnException) {
    ErrorHolder errors;

    const auto changes = GuardedTransaction::run(
        builder.model(), [](ErrorHolder&) { throw 42; }, errors);

    EXPECT_EQ(changes, nullptr);
    EXPECT_EQ(errors.getError()->identifier(), "DOVE2_CommandThrew");
}

TEST_F(GuardedTransactionTest, RefusesAClosedModel) {
    QUILL::Model closed = QUILL::Model::create(HistoryTypes::get().model);
    closed.close();
    bool ran = false;
    ErrorHolder errors;

    GuardedTransaction::run(
        closed, [&](ErrorHolder&) { ran = true; }, errors);

    EXPECT_FALSE(ran);
    EXPECT_EQ(errors.getError()->identifier(), "DOVE2_ModelClosed");
}

}  // namespace
