#include <gtest/gtest.h>

#include "TestModel.h"

using namespace QUILL;
using namespace QuillTest;

namespace {

struct NodeClass {
    static ImmutableType MetaClass() { return TestTypes::get().node; }
};
struct SpecialClass {
    static ImmutableType MetaClass() { return TestTypes::get().special; }
};

using Table = CooperativeVisitor::DispatchTable<std::string, ImmutableClassObject>;

class Describer : public CooperativeVisitor::Visitor<std::string, ImmutableClassObject> {
public:
    explicit Describer(const Table* table) : Visitor(table) {}
    std::string describeNode(const ImmutableClassObject& o) {
        return prefix + o.get<std::string>(TestTypes::get().name);
    }
    std::string prefix = "node ";
};

class CooperativeVisitorTest : public ::testing::Test {
protected:
    const TestTypes& t = TestTypes::get();
    Model model = Model::create(t.model);
    ClassObject node = addNode(model, "n");
    ClassObject special;
    Table table;

    void SetUp() override {
        Transaction tx(model);
        special = ClassObject::create(model, t.special, model.getModelObject());
        special.set(t.name, std::string("s"));
        tx.commit();
    }
    void TearDown() override { model.close(); }
};

}  // namespace

TEST_F(CooperativeVisitorTest, TheMostDerivedRegisteredClassHandlesAnObject) {
    table.addMember<NodeClass, Describer>(&Describer::describeNode);
    table.setDefault([](auto&, const ImmutableClassObject&) { return std::string("other"); });
    Describer visitor(&table);
    EXPECT_EQ(visitor.visit(node), "node n");
    EXPECT_EQ(visitor.visit(special), "node s");  // inherits the node entry
    EXPECT_EQ(visitor.visit(model.getModelObject()), "other");

    table.add<SpecialClass>([](auto&, const ImmutableClassObject&) { return std::string("sp"); });
    EXPECT_EQ(visitor.visit(special), "sp");
    EXPECT_EQ(visitor.visit(node), "node n");
}

TEST_F(CooperativeVisitorTest, RegisteringAClassAgainReplacesItsHandler) {
    table.add<NodeClass>([](auto&, const ImmutableClassObject&) { return std::string("first"); });
    Describer visitor(&table);
    EXPECT_EQ(visitor.visit(node), "first");
    table.add<NodeClass>([](auto&, const ImmutableClassObject&) { return std::string("second"); });
    EXPECT_EQ(visitor.visit(node), "second");
    EXPECT_EQ(table.size(), 1u);
}

TEST_F(CooperativeVisitorTest, UnhandledClassesAndInvalidObjectsAreErrors) {
    table.add<SpecialClass>([](auto&, const ImmutableClassObject&) { return std::string(); });
    Describer visitor(&table);
    EXPECT_THROW(visitor.visit(node), Exception);
    EXPECT_THROW(visitor.visit(ImmutableClassObject()), Exception);
}

TEST_F(CooperativeVisitorTest, VisitorsOfOneKindShareTheirTable) {
    table.addMember<NodeClass, Describer>(&Describer::describeNode);
    Describer plain(&table), loud(&table);
    loud.prefix = "NODE ";
    EXPECT_EQ(plain.visit(node), "node n");
    EXPECT_EQ(loud.visit(node), "NODE n");
}
