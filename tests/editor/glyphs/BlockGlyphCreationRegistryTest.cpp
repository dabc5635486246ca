#include "glyphs/BlockGlyphCreationRegistry.h"

#include <gtest/gtest.h>

#include <boost/function/function_base.hpp>
#include <string>
#include <vector>

#include "dove2/NullGlyph.h"
#include "glyphs/GlyphFactory.h"
#include "glyphs/LegacyBlockGlyph.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using Registry = Vantor::BlockGlyphCreationRegistry;

// The registry lives as long as the process: each test registers block types of its own, so
// that no test sees another's creators. Glyphs are asked of the module's factory.
class BlockGlyphCreationRegistryTest : public ::testing::Test {
protected:
    // A creator that notes `name` and gives `glyph` a glyph that draws nothing, or nothing.
    Registry::Creator recording(const std::string& name, bool glyph = true) {
        return [this, name, glyph](const VTQUILL::Block& block) {
            calls.push_back(name);
            return glyph ? PARR::Holder<DOVE2::Glyph>(
                               new DOVE2::NullGlyph(DOVE2::DiagramElement(block)))
                         : PARR::Holder<DOVE2::Glyph>();
        };
    }
    VTQUILL::Block blockOfType(const std::string& type) {
        return b.block("B", {0, 0, 40, 30}, type);
    }
    bool drawnAsLegacyBlock(const VTQUILL::Block& block) {
        return dynamic_cast<Vantor::LegacyBlockGlyph*>(factory.makeGlyph(block).get());
    }

    Registry& registry = *Registry::getInstance();
    TestSupport::BlockDiagramBuilder b;
    Vantor::GlyphFactory factory;
    std::vector<std::string> calls;
};

TEST_F(BlockGlyphCreationRegistryTest, ATypeRegisteredTwiceIsDrawnByTheSecondCreator) {
    const VTQUILL::Block block = blockOfType("RegistryTest.Twice");
    registry.registerCreateGlyph("RegistryTest.Twice", recording("first"));
    registry.registerCreateGlyph("RegistryTest.Twice", recording("second"));
    EXPECT_TRUE(registry.hasRegisteredBlockGlyph(block));
    EXPECT_TRUE(calls.empty()) << "asking does not create";

    EXPECT_TRUE(dynamic_cast<DOVE2::NullGlyph*>(factory.makeGlyph(block).get()));
    EXPECT_EQ(calls, std::vector<std::string>{"second"});
}

TEST_F(BlockGlyphCreationRegistryTest, TypesMatchOnlyInTheSameLetterCase) {
    const VTQUILL::Block block = blockOfType("RegistryTest.Case");
    registry.registerCreateGlyph("registrytest.case", recording("lower"));

    EXPECT_FALSE(registry.hasRegisteredBlockGlyph(block));
    EXPECT_TRUE(drawnAsLegacyBlock(block));
    EXPECT_TRUE(calls.empty());
}

TEST_F(BlockGlyphCreationRegistryTest, ACreatorThatGivesNothingLeavesTheBlockToTheBuiltInGlyph) {
    const VTQUILL::Block block = blockOfType("RegistryTest.Declines");
    registry.registerCreateGlyph("RegistryTest.Declines", recording("declined", false));

    EXPECT_TRUE(drawnAsLegacyBlock(block));
    EXPECT_EQ(calls, std::vector<std::string>{"declined"});
}

TEST_F(BlockGlyphCreationRegistryTest, AnEmptyCreatorFailsLoudlyWhenItsTypeIsDrawn) {
    const VTQUILL::Block block = blockOfType("RegistryTest.Empty");
    registry.registerCreateGlyph("RegistryTest.Empty", Registry::Creator());

    EXPECT_THROW(factory.makeGlyph(block), boost::bad_function_call);
}

}  // namespace
