#include "rook2/ShadowImageCache.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPainterPath>
#include <cstdlib>

#include "QtTestApplication.h"
#include "SceneImage.h"
#include "rook2/EffectShadow.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"
#include "rook2/ScenePainter.h"

using namespace ROOK2;
using PARR::Color;
using PARR::GLRect;
using PARR::Holder;

namespace {

// A white 30 x 20 box with a black outline and the default drop shadow, at (x, y).
void addShadowedBox(Scene& scene, double x, double y) {
    auto box = scene.createNode<RectNode>(GLRect<double>(0, 0, 30, 20));
    box->setPosition({x, y});
    box->setFill(Fill(Color(1, 1, 1, 1)));
    box->setStroke(Stroke(Color(0, 0, 0, 1), 1.0, Stroke::Solid, 0, 0));
    box->getEffects().add(Holder<Effect>(new EffectShadow()));
}

// Just below the bottom edge of a box placed at (x, y), where only its shadow falls.
bool shadedBelow(const QImage& image, int x, int y) {
    return qGray(image.pixel(x + 15, y + 22)) < 245;
}

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

int largestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
                largest = std::max(largest, std::abs(d));
        }
    }
    return largest;
}

}  // namespace

TEST(ShadowImageCacheReuse, AShadowIsDrawnOnceAndBlittedAtEveryLaterRepaint) {
    rook2test::qtApplication();
    Scene scene;
    addShadowedBox(scene, 10, 10);
    ScenePainter painter(scene);
    rook2test::renderScene(painter, 80, 60);
    rook2test::renderScene(painter, 80, 60);
    const QImage third = rook2test::renderScene(painter, 80, 60);
    EXPECT_EQ(painter.shadowImageCache().shadowRenders(), 1u);
    EXPECT_TRUE(shadedBelow(third, 10, 10));
}

TEST(ShadowImageCacheReuse, BoxesOfTheSameShapeShareOneShadowImage) {
    rook2test::qtApplication();
    Scene scene;
    for (int i = 0; i < 40; ++i)
        addShadowedBox(scene, 10 + (i % 8) * 40, 10 + (i / 8) * 30);
    ScenePainter painter(scene);
    const QImage image = rook2test::renderScene(painter, 340, 170);
    EXPECT_EQ(painter.shadowImageCache().size(), 1u);
    EXPECT_EQ(painter.shadowImageCache().shadowRenders(), 1u);
    EXPECT_TRUE(shadedBelow(image, 10, 10));
    EXPECT_TRUE(shadedBelow(image, 10 + 7 * 40, 10 + 4 * 30));
}

TEST(ShadowImageCacheReuse, AZoomChangeDrawsTheShadowAgainAtTheNewScale) {
    rook2test::qtApplication();
    Scene scene;
    addShadowedBox(scene, 10, 10);
    ScenePainter painter(scene);
    rook2test::renderScene(painter, 100, 100, 1.0);
    const QImage zoomed = rook2test::renderScene(painter, 100, 100, 2.0);
    EXPECT_EQ(painter.shadowImageCache().shadowRenders(), 2u);
    EXPECT_LT(qGray(zoomed.pixel(50, 63)), 245);  // below the box, twice as far out
}

TEST(ShadowImageCacheLooks, ACachedShadowLooksLikeOneDrawnDirectly) {
    rook2test::qtApplication();
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, 40, 24), 4, 4);
    EffectShadow shadow;
    shadow.setBlurRadius(5);
    QImage cached = blank(90, 70), direct = blank(90, 70);
    ShadowImageCache cache;
    for (QImage* image : {&cached, &direct}) {
        QPainter p(image);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(12, 9);
        p.scale(1.5, 1.5);
        if (image == &cached)
            cache.draw(p, shape, shadow);
        else
            ShadowImageCache::paintShadow(p, shape, shadow);
    }
    EXPECT_LE(largestChannelDifference(cached, direct), 3);
    EXPECT_LT(qGray(cached.pixel(12 + 30, 9 + 39)), 245);
}
