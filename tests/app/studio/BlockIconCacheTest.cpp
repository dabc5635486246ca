#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "BlockIconCache.h"
#include "StudioTestSupport.h"
#include "vtdove/BlockLibrary.h"

namespace {

using VantorStudio::BlockIconCache;

// Pixels an icon covers with a dark, mostly opaque colour: the engine's black strokes.
int inkOf(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 128 && c.lightness() < 128)
                ++ink;
        }
    }
    return ink;
}

TEST(BlockIconCacheTest, EveryLibraryTypeHasAnIconWithInk) {
    StudioTest::qtApplication();
    const BlockIconCache icons;
    for (const std::string& type : VTDove::BlockLibrary::instance().typeNames()) {
        const QImage image = icons.imageOf(type);
        ASSERT_FALSE(image.isNull()) << type;
        EXPECT_GT(inkOf(image), 20) << type;
        EXPECT_FALSE(icons.iconOf(type).isNull()) << type;
    }
    EXPECT_TRUE(icons.imageOf("No Such Block").isNull());
}

TEST(BlockIconCacheTest, EachTypeIsDrawnByItsOwnDrawingCode) {
    StudioTest::qtApplication();
    const BlockIconCache icons;
    EXPECT_NE(icons.imageOf("Gain"), icons.imageOf("Sum"));
    EXPECT_NE(icons.imageOf("Step"), icons.imageOf("Constant"));
}

}  // namespace
