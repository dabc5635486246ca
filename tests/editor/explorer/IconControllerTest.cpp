#include "explorer/IconController.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "quill/ClassObject.h"
#include "quill/TypeRegistry.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using TestSupport::BlockDiagramBuilder;

std::string fileOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

TEST(IconController, EveryBlockDiagramObjectShowsTheModulesOwnIconFile) {
    BlockDiagramBuilder model;
    const VTQUILL::Block gain = model.block("G", {0, 0, 40, 30});
    const VTQUILL::Port out = model.outPort(gain);
    const VTQUILL::Segment segment =
        model.connect(out, model.inPort(model.block("S", {100, 0, 40, 30})));
    Vantor::IconController icons;

    const std::vector<std::pair<QUILL::ImmutableClassObject, std::string>> expected = {
        {gain, "vantor_subsystem.png"},
        {out, "right_arrow.png"},
        {segment, "LineIcon.png"},
        {segment.getContainer(), "LineIcon.png"},
        {model.annotation("note", {0, 60, 40, 20}), "annotation.png"},
        {model.diagram(), "vantor_model.png"},
    };
    for (const auto& [object, file] : expected) {
        const std::string icon = icons.execute(object);
        EXPECT_EQ(fileOf(icon), file);
        EXPECT_TRUE(std::filesystem::exists(icon)) << icon;
    }
    EXPECT_EQ(icons.execute(model.model().getModelObject()), "") << "no icon of its own";
}

TEST(IconController, EachClassHasItsTagAndOtherClassesTheDefaultNode) {
    Vantor::IconController icons;
    QUILL::TypeRegistry& types = QUILL::TypeRegistry::instance();
    const QUILL::Type* known = types.find("IconControllerTest.Other");
    const QUILL::Type& other = known ? *known : types.define("IconControllerTest.Other");

    EXPECT_EQ(icons.getTagGivenType(VTQUILL::Block::MetaClass()), "VT:Block");
    EXPECT_EQ(icons.getTagGivenType(VTQUILL::Diagram::MetaClass()), "VT:Diagram");
    EXPECT_EQ(icons.getTagGivenType(other), "VT:Unknown");
    const std::string fallback = icons.getNameGivenType(other);
    EXPECT_EQ(fileOf(fallback), "VantorModelIcon.png");
    EXPECT_TRUE(std::filesystem::exists(fallback)) << fallback;
}

}  // namespace
