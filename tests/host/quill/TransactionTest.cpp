#include <gtest/gtest.h>

#include "TestModel.h"

using namespace QUILL;
using namespace QuillTest;

namespace {

class TransactionTest : public ::testing::Test {
protected:
    const TestTypes& t = TestTypes::get();
    Model model = Model::create(t.model);
    RecordingListener listener;

    void SetUp() override { model.registerModifierOnCommit(&listener); }
    void TearDown() override { model.close(); }
};

}  // namespace

TEST_F(TransactionTest, ChangesOutsideATransactionAreRefused) {
    ClassObject a = addNode(model, "a");
    EXPECT_THROW(a.set(t.name, std::string("b")), Exception);
    EXPECT_EQ(a.get<std::string>(t.name), "a");
}

TEST_F(TransactionTest, ReportListsExactlyTheCreatedModifiedAndDeletedObjects) {
    ClassObject a = addNode(model, "a");
    ClassObject b = addNode(model, "b");
    ClassObject c = addNode(model, "c");
    listener.reports.clear();

    Transaction tx(model);
    ClassObject d = ClassObject::create(model, t.node, model.getModelObject());
    a.set(t.weight, 2.5);
    c.destroy();
    b.set(t.name, std::string("b"));  // same value: no change
    tx.commit();

    ASSERT_EQ(listener.reports.size(), 1u);
    const auto& heard = listener.reports[0];
    EXPECT_EQ(heard.created, std::vector<ImmutableClassObject>{d});
    // The model object's contained list changed; a's weight changed. b only gained a new
    // neighbour link when c left, which is not a modification.
    EXPECT_EQ(heard.modified, (std::vector<ImmutableClassObject>{model.getModelObject(), a}));
    EXPECT_EQ(heard.deleted, std::vector<ImmutableClassObject>{c});
    EXPECT_FALSE(heard.deleted[0].isValid());
}

TEST_F(TransactionTest, OldStatesOfDeletedObjectsStayReadable) {
    ClassObject a = addNode(model, "a");
    ClassObject child = addNode(model, "child", a);

    struct OldStateReader : ListenerBase {
        std::string name, childName;
        bool createdHasOldState = true;
        void onCommit(const ReportOfChanges<>& report) override {
            for (const auto& gone : report.getDeleted()) {
                const auto old = report.getOldState(gone);
                const auto& n = old.get<std::string>(TestTypes::get().name);
                if (old.getContainedCount() == 1) {
                    name = n;
                    childName = old.getContained().front().get<std::string>(TestTypes::get().name);
                }
            }
            for (const auto& made : report.getCreated()) {
                createdHasOldState = report.getOldState(made).isValid();
            }
        }
    } reader;
    model.registerModifierOnCommit(&reader);

    Transaction tx(model);
    a.destroy();
    addNode(model, "new");  // nested transaction: joins this one
    tx.commit();

    EXPECT_FALSE(a.isValid());
    EXPECT_FALSE(child.isValid());
    EXPECT_EQ(reader.name, "a");
    EXPECT_EQ(reader.childName, "child");
    EXPECT_FALSE(reader.createdHasOldState);
}

TEST_F(TransactionTest, ThrowingWorkLeavesTheModelExactlyAsBeforeAndReportsNothing) {
    ClassObject a = addNode(model, "a");
    ClassObject b = addNode(model, "b", a);
    addNode(model, "c");
    const auto before = dump(model);
    listener.reports.clear();

    try {
        Transaction tx(model);
        a.set(t.position, PARR::GLPoint<double>(5, 6));
        b.setContainer(model.getModelObject());
        ClassObject::create(model, t.special, b);
        a.destroy();
        throw std::runtime_error("command failed");
    } catch (const std::runtime_error&) {
    }

    EXPECT_EQ(dump(model), before);
    EXPECT_TRUE(listener.reports.empty());
    EXPECT_FALSE(model.inTransaction());
    EXPECT_EQ(childNames(a), std::vector<std::string>{"b"});
}

TEST_F(TransactionTest, NestedRollbackKeepsTheOuterWork) {
    ClassObject a = addNode(model, "a");
    Transaction outer(model);
    a.set(t.weight, 3.0);
    {
        Transaction inner(model);
        a.set(t.weight, 4.0);
        a.set(t.name, std::string("renamed"));
        ClassObject::create(model, t.node, a);
        inner.rollback();
    }
    EXPECT_EQ(a.get<double>(t.weight), 3.0);
    EXPECT_EQ(a.get<std::string>(t.name), "a");
    EXPECT_EQ(a.getContainedCount(), 0u);
    {
        Transaction inner(model);
        a.set(t.weight, 5.0);
        EXPECT_EQ(inner.commit(), nullptr);
    }
    auto changes = outer.commit();
    ASSERT_EQ(changes->size(), 1u);
    EXPECT_EQ(changes->changes()[0].before->values[t.weight.getIndex()], Value(1.0));
    EXPECT_EQ(a.get<double>(t.weight), 5.0);
}

TEST_F(TransactionTest, AnObjectCreatedAndDestroyedInOneTransactionLeavesNoTrace) {
    Transaction tx(model);
    ClassObject temp = ClassObject::create(model, t.node, model.getModelObject());
    temp.destroy();
    auto changes = tx.commit();
    EXPECT_TRUE(changes->empty());
    EXPECT_TRUE(listener.reports.empty());
}

TEST_F(TransactionTest, UndoAndRedoOfAChangeSetRestoreEachSideExactly) {
    ClassObject a = addNode(model, "a");
    addNode(model, "b");
    const auto before = dump(model);

    Transaction tx(model);
    a.set(t.route, PARR::Path{{0, 0}, {10, 0}, {10, 5}});
    ClassObject::create(model, t.node, a).set(t.name, std::string("inner"));
    auto changes = tx.commit();
    const auto after = dump(model);

    Transaction undo(model);
    model.applyChanges(*changes, Deviant::Direction::Backward);
    undo.commit();
    EXPECT_EQ(dump(model), before);

    Transaction redo(model);
    model.applyChanges(*changes, Deviant::Direction::Forward);
    redo.commit();
    EXPECT_EQ(dump(model), after);
    // A state put back by undo is shared with the change set; changing it again must copy.
    Transaction edit(model);
    a.set(t.weight, 9.0);
    edit.commit();
    EXPECT_EQ(changes->find(a.getObjectId())->after->values[t.weight.getIndex()], Value(1.0));
}

TEST_F(TransactionTest, ValuesOfTheWrongKindOrClassAreRefused) {
    ClassObject a = addNode(model, "a");
    Transaction tx(model);
    EXPECT_THROW(a.set(t.weight, std::string("heavy")), Exception);
    EXPECT_THROW(a.set(t.extra, std::int64_t{1}), Exception);  // extra belongs to Special
    EXPECT_THROW(a.get<std::string>(t.weight), Exception);
    tx.commit();
}

TEST_F(TransactionTest, ContainmentKeepsOrderAndRefusesCycles) {
    ClassObject a = addNode(model, "a");
    ClassObject b = addNode(model, "b");
    ClassObject c = addNode(model, "c");
    Transaction tx(model);
    b.setContainer(a);
    EXPECT_EQ(childNames(model.getModelObject()), (std::vector<std::string>{"a", "c"}));
    EXPECT_THROW(a.setContainer(b), Exception);
    EXPECT_THROW(a.setContainer(a), Exception);
    c.setContainer(a);
    b.setContainer(model.getModelObject());
    EXPECT_EQ(childNames(a), std::vector<std::string>{"c"});
    EXPECT_EQ(childNames(model.getModelObject()), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(c.getContainer(), a);
    EXPECT_FALSE(model.getModelObject().getContainer().isValid());
    EXPECT_THROW(model.getModelObject().destroy(), Exception);
    tx.commit();
}
