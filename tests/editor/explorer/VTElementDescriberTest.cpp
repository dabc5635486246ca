#include "explorer/VTElementDescriber.h"

#include <gtest/gtest.h>

#include "quill/ClassObject.h"
#include "quill/Exception.h"
#include "quill/Transaction.h"
#include "quill/TypeRegistry.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using TestSupport::BlockDiagramBuilder;

// A class of the repository made for these tests (defined once per process).
const QUILL::Type& testClass(const std::string& name, bool withName) {
    QUILL::TypeRegistry& types = QUILL::TypeRegistry::instance();
    if (const QUILL::Type* known = types.find(name))
        return *known;
    QUILL::Type& made = types.define(name);
    if (withName)
        made.addAttribute("name", QUILL::ValueKind::String);
    return made;
}

// A new object of `type` inside the builder's diagram.
QUILL::ClassObject objectOf(BlockDiagramBuilder& model, const QUILL::Type& type) {
    return model.edit(
        [&] { return QUILL::ClassObject::create(model.model(), type, model.diagram()); });
}

TEST(VTElementDescriber, ObjectsAreDescribedByTheirNamesAndDiagramsByTheirOwn) {
    BlockDiagramBuilder model("described");
    const VTQUILL::Block gain = model.block("Gain1", {0, 0, 40, 30});
    Vantor::ElementDescriber describer;

    EXPECT_EQ(describer.describe(gain, 0), "Gain1");
    EXPECT_EQ(describer.describe(model.diagram(), 0), "described");
    EXPECT_EQ(describer.describe(model.inPort(gain), 0), " (Port)");
    EXPECT_EQ(describer.describe(model.annotation("note", {0, 60, 40, 20}), 0), " (Annotation)");
}

TEST(VTElementDescriber, AnEmptyNameShowsItsKindAndAMissingNameItsClass) {
    BlockDiagramBuilder model;
    const QUILL::ClassObject unnamed =
        objectOf(model, testClass("VTElementDescriberTest.Named", true));
    const QUILL::ClassObject nameless =
        objectOf(model, testClass("VTElementDescriberTest.Foo", false));

    EXPECT_EQ(Vantor::defaultGetVTName(unnamed), ":string");
    EXPECT_EQ(Vantor::defaultGetVTName(nameless), " (Foo)");
}

TEST(VTElementDescriber, AnObjectWithoutMetaclassIsTheRepositorysAssertion) {
    try {
        Vantor::defaultGetVTName(QUILL::ImmutableClassObject());
        FAIL() << "no exception";
    } catch (const QUILL::Exception& e) {
        EXPECT_NE(
            std::string(e.what()).find(
                "Assertion failed: object has no metaclass at application/VTElementDescriber"),
            std::string::npos)
            << e.what();
    }
}

}  // namespace
