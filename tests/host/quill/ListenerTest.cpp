#include <gtest/gtest.h>

#include "TestModel.h"

using namespace QUILL;
using namespace QuillTest;

namespace {

struct Forwarded {
    int commits = 0;
    int closed = 0;
    void onCommit(const ReportOfChanges<>&) { ++commits; }
    void onDeviantDestroyed(Deviant&) { ++closed; }
};

}  // namespace

TEST(ListenerTest, HolderForwardsReportsWhileItLives) {
    Model model = Model::create(TestTypes::get().model);
    Forwarded target;
    {
        internal::ListenerHolder<ImmutableModel, Forwarded> holder(model, &target);
        addNode(model, "a");
        EXPECT_EQ(target.commits, 1);
    }
    addNode(model, "b");
    EXPECT_EQ(target.commits, 1);
    internal::ListenerHolder<ImmutableModel, Forwarded> holder(model, &target);
    model.close();
    EXPECT_EQ(target.closed, 1);
}

TEST(ListenerTest, AListenerMayUnregisterAnotherDuringDelivery) {
    Model model = Model::create(TestTypes::get().model);
    RecordingListener second;
    struct Remover : ListenerBase {
        Model model;
        ListenerBase* victim = nullptr;
        void onCommit(const ReportOfChanges<>&) override {
            model.unregisterModifierOnCommit(victim);
        }
    } first;
    first.model = model;
    first.victim = &second;
    model.registerModifierOnCommit(&first);
    model.registerModifierOnCommit(&second);
    addNode(model, "a");
    EXPECT_TRUE(second.reports.empty());
    model.close();
}

TEST(ListenerTest, AListenerDestroyedFirstIsForgottenByTheModel) {
    Model model = Model::create(TestTypes::get().model);
    {
        RecordingListener shortLived;
        model.registerModifierOnCommit(&shortLived);
    }
    addNode(model, "a");  // would reach freed memory if the model still knew the listener
    model.close();
}

TEST(ListenerTest, AFailingListenerDoesNotKeepOthersFromHearing) {
    Model model = Model::create(TestTypes::get().model);
    struct Thrower : ListenerBase {
        void onCommit(const ReportOfChanges<>&) override { throw std::runtime_error("boom"); }
    } thrower;
    RecordingListener after;
    model.registerModifierOnCommit(&thrower);
    model.registerModifierOnCommit(&after);
    testing::internal::CaptureStderr();
    addNode(model, "a");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("boom"), std::string::npos);
    EXPECT_EQ(after.reports.size(), 1u);
    model.close();
}

TEST(ListenerTest, TypedReportsKeepOnlyTheFilteredClass) {
    const auto& t = TestTypes::get();
    struct SpecialOnly : ListenerBase {
        std::vector<ImmutableClassObject> created;
        void onCommit(const ReportOfChanges<>& all) override {
            struct Special {
                static ImmutableType MetaClass() { return TestTypes::get().special; }
            };
            ReportOfChanges<ImmutableClassObject, KindOf<Special>> typed(all);
            created = typed.getCreated();
        }
    } listener;
    Model model = Model::create(t.model);
    model.registerModifierOnCommit(&listener);
    Transaction tx(model);
    ClassObject::create(model, t.node, model.getModelObject());
    ClassObject special = ClassObject::create(model, t.special, model.getModelObject());
    tx.commit();
    EXPECT_EQ(listener.created, std::vector<ImmutableClassObject>{special});
    model.close();
}
