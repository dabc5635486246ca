#include "dove2/explorer/ElementDescriberBase.h"

#include <gtest/gtest.h>

#include "ExplorerTestSupport.h"
#include "host/vtquill/DiagramBuilder.h"

using DOVE2::ElementDescriberBase;
using ExplorerTest::GenericModel;
using ExplorerTest::GenericTypes;
using VTQuillTest::DiagramBuilder;

namespace {

// Describes blocks as "block " and their name; everything else by the table's default, which
// counts its calls.
class BlockDescriber : public ElementDescriberBase {
public:
    void initializeDispatch() override {
        ++initializations;
        static const Table table = [] {
            Table t;
            t.add<VTQUILL::Block>([](Table::VisitorType&, const QUILL::ImmutableClassObject& o) {
                return "block " + VTQUILL::ImmutableBlock(o).getName();
            });
            t.setDefault([](Table::VisitorType& v, const QUILL::ImmutableClassObject&) {
                ++static_cast<BlockDescriber&>(v).defaultCalls;
                return std::string("other");
            });
            return t;
        }();
        setDispatchTable(&table);
    }
    int initializations = 0;
    int defaultCalls = 0;
};

// Installs no table of its own.
class LazyDescriber : public ElementDescriberBase {
public:
    void initializeDispatch() override {}
};

// Its only handler raises the repository's exception.
class FailingDescriber : public ElementDescriberBase {
public:
    void initializeDispatch() override {
        static const Table table = [] {
            Table t;
            t.setDefault(
                [](Table::VisitorType&, const QUILL::ImmutableClassObject&) -> std::string {
                    QUILL::throwNullRef();
                });
            return t;
        }();
        setDispatchTable(&table);
    }
};

// --- The generic description ---

TEST(ElementDescriberBaseGeneric, DescribesAnObjectByItsName) {
    DiagramBuilder b("m");
    const VTQUILL::Block gain = b.block("Gain", "Gain1");
    ElementDescriberBase describer;
    EXPECT_EQ(describer.describe(gain, 0), "Gain1");
    EXPECT_EQ(describer.describe(b.diagram, 0), "m");
}

TEST(ElementDescriberBaseGeneric, DescribesAnObjectWithAnEmptyNameByItsClass) {
    GenericModel m;
    ElementDescriberBase describer;
    EXPECT_EQ(describer.describe(m.node(""), 0), "Node");
}

TEST(ElementDescriberBaseGeneric, DescribesAnObjectWithoutANameByItsClass) {
    GenericModel m;
    DiagramBuilder b;
    ElementDescriberBase describer;
    EXPECT_EQ(describer.describe(m.foo(), 0), "Foo");
    EXPECT_EQ(describer.describe(b.connect({}, {}).getContainer(), 0), "Line");
}

TEST(ElementDescriberBaseGeneric, IgnoresANameThatIsNotAText) {
    GenericModel m;
    QUILL::ClassObject numbered =
        QUILL::ClassObject::create(m.model, GenericTypes::get().numbered, m.model.getModelObject());
    numbered.set(GenericTypes::get().number, std::int64_t{7});
    EXPECT_EQ(ElementDescriberBase().describe(numbered, 0), "Numbered");
}

TEST(ElementDescriberBaseGeneric, GivesAnEmptyTextForAnInvalidObject) {
    GenericModel m;
    QUILL::ClassObject gone = m.node("gone");
    gone.destroy();
    ElementDescriberBase describer;
    EXPECT_EQ(describer.describe(QUILL::ImmutableClassObject(), 0), "");
    EXPECT_EQ(describer.describe(gone, 0), "");
}

// --- Dispatch ---

TEST(ElementDescriberBaseDispatch, RunsTheTableInstalledOnTheFirstDescription) {
    DiagramBuilder b("m");
    const VTQUILL::Block gain = b.block("Gain", "G");
    BlockDescriber describer;
    EXPECT_EQ(describer.getDispatchTable(), nullptr);
    EXPECT_EQ(describer.describe(gain, 0), "block G");
    EXPECT_EQ(describer.describe(b.diagram, 0), "other");
    EXPECT_EQ(describer.describe(gain, 5), "block G");
    EXPECT_EQ(describer.initializations, 1);
    EXPECT_EQ(describer.defaultCalls, 1);
}

TEST(ElementDescriberBaseDispatch, UsesTheGenericTableWhenTheDescriberInstallsNone) {
    DiagramBuilder b;
    LazyDescriber describer;
    EXPECT_EQ(describer.describe(b.block("Gain", "G"), 0), "G");
    EXPECT_EQ(describer.getDispatchTable(), &ElementDescriberBase::genericDispatchTable());
}

TEST(ElementDescriberBaseDispatch, GivesAnEmptyTextWhenTheHandlerRaisesTheRepositoryException) {
    DiagramBuilder b;
    FailingDescriber describer;
    EXPECT_EQ(describer.describe(b.block("Gain", "G"), 0), "");
}

}  // namespace
