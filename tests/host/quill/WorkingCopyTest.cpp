#include <gtest/gtest.h>

#include <unordered_set>

#include "TestModel.h"

using namespace QUILL;
using namespace QuillTest;

namespace {

class WorkingCopyTest : public ::testing::Test {
protected:
    const TestTypes& t = TestTypes::get();
    Model root = Model::create(t.model);
    Model copy = root.createWorkingCopy();
    ClassObject a = addNode(root, "a");
    ClassObject b = addNode(root, "b");

    void TearDown() override { root.close(); }

    static void rename(const ClassObject& o, const Model& in, const std::string& name) {
        Transaction tx(in);
        o.asDeviant(in).set(TestTypes::get().name, name);
        tx.commit();
    }
};

}  // namespace

TEST_F(WorkingCopyTest, InstancesAreIdentifiedAsRootOrCopy) {
    EXPECT_EQ(root.getDeviantId(), 0u);
    EXPECT_NE(copy.getDeviantId(), 0u);
    EXPECT_NE(root.createWorkingCopy().getDeviantId(), copy.getDeviantId());
    EXPECT_EQ(copy.getRootDeviant(), root);
    EXPECT_EQ(a.asDeviant(copy).getModel().getDeviantPtr(), copy.getDeviantPtr());
}

TEST_F(WorkingCopyTest, HandlesOfOneObjectAreEqualAcrossInstances) {
    const ImmutableClassObject inCopy = a.asDeviant(copy);
    EXPECT_EQ(inCopy, a);
    EXPECT_EQ(gHash(inCopy), gHash(a));
    std::unordered_set<ImmutableClassObject> set{a};
    EXPECT_TRUE(set.count(inCopy));
    EXPECT_EQ(inCopy.getRootDeviant().getDeviant(), root.getDeviantPtr());
}

TEST_F(WorkingCopyTest, ChangesInACopyDoNotReachTheRoot) {
    Transaction tx(copy);
    ClassObject aCopy = a.asDeviant(copy);
    aCopy.set(t.name, std::string("preview"));
    ClassObject made = ClassObject::create(copy, t.node, copy.getModelObject());
    b.asDeviant(copy).destroy();
    tx.commit();

    EXPECT_EQ(a.get<std::string>(t.name), "a");
    EXPECT_FALSE(made.asDeviant(root).isValid());
    EXPECT_TRUE(b.isValid());
    EXPECT_EQ(childNames(root.getModelObject()), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(aCopy.get<std::string>(t.name), "preview");
    EXPECT_FALSE(b.asDeviant(copy).isValid());
    EXPECT_EQ(copy.getModelObject().getContainedCount(), 2u);  // a and made
}

TEST_F(WorkingCopyTest, RootCommitsShowThroughForObjectsTheCopyDoesNotOverlay) {
    rename(a, copy, "copy's a");
    rename(a, root, "root's a");
    rename(b, root, "root's b");
    EXPECT_EQ(a.asDeviant(copy).get<std::string>(t.name), "copy's a");
    EXPECT_EQ(b.asDeviant(copy).get<std::string>(t.name), "root's b");
}

TEST_F(WorkingCopyTest, CopyListenersHearRootCommitsOnlyForObjectsNotOverlaid) {
    RecordingListener heard;
    copy.registerModifierOnCommit(&heard);
    rename(a, copy, "preview");
    heard.reports.clear();

    Transaction tx(root);
    a.set(t.weight, 2.0);
    b.set(t.weight, 2.0);
    tx.commit();

    ASSERT_EQ(heard.reports.size(), 1u);
    EXPECT_EQ(heard.reports[0].modified, std::vector<ImmutableClassObject>{b});
    EXPECT_EQ(heard.reports[0].model, copy);
    EXPECT_EQ(heard.reports[0].modified[0].getDeviant(), copy.getDeviantPtr());
}

TEST_F(WorkingCopyTest, SyncFromRootDropsTheOverlayAndReportsWhatItPutBack) {
    Transaction tx(copy);
    a.asDeviant(copy).set(t.name, std::string("preview"));
    ClassObject made = ClassObject::create(copy, t.node, copy.getModelObject());
    b.asDeviant(copy).destroy();
    tx.commit();

    RecordingListener heard;
    copy.registerModifierOnCommit(&heard);
    copy.syncFromRoot();

    EXPECT_EQ(copy.getDeviant().ownEntryCount(), 0u);
    EXPECT_EQ(a.asDeviant(copy).get<std::string>(t.name), "a");
    EXPECT_TRUE(b.asDeviant(copy).isValid());
    EXPECT_FALSE(made.asDeviant(copy).isValid());
    ASSERT_EQ(heard.reports.size(), 1u);
    const auto& r = heard.reports[0];
    EXPECT_EQ(r.deleted, std::vector<ImmutableClassObject>{made});
    EXPECT_EQ(r.created, std::vector<ImmutableClassObject>{b});  // it reappears in the copy
    EXPECT_EQ(r.modified.size(), 2u);                            // a and the model object
}

TEST_F(WorkingCopyTest, RollingBackInACopyRestoresReadThrough) {
    {
        Transaction tx(copy);
        a.asDeviant(copy).set(t.name, std::string("preview"));
        b.asDeviant(copy).destroy();
    }
    EXPECT_EQ(copy.getDeviant().ownEntryCount(), 0u);
    rename(a, root, "later");
    EXPECT_EQ(a.asDeviant(copy).get<std::string>(t.name), "later");
}

TEST_F(WorkingCopyTest, ClosingTheModelInvalidatesEveryHandleAndTellsListeners) {
    RecordingListener onRoot, onCopy;
    root.registerModifierOnCommit(&onRoot);
    copy.registerModifierOnCommit(&onCopy);
    root.close();
    EXPECT_FALSE(root.isValid());
    EXPECT_FALSE(copy.isValid());
    EXPECT_FALSE(a.isValid());
    EXPECT_FALSE(a.asDeviant(copy).isValid());
    EXPECT_EQ(onRoot.destroyed, std::vector<Deviant*>{root.getDeviantPtr()});
    EXPECT_EQ(onCopy.destroyed, std::vector<Deviant*>{copy.getDeviantPtr()});
    EXPECT_TRUE(onRoot.registeredWith().empty());
    EXPECT_THROW(a.get<std::string>(t.name), Exception);
}
