#include "dove2/Util.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "EditorTestModel.h"
#include "rook2/CustomNode.h"
#include "rook2/RectNode.h"

namespace {

using Dove2Test::EditorTestModel;

int inkedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    return count;
}

QImage paintMiniature(ROOK2::CustomNode& node) {
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    node.getPainter()->paint(&painter);
    return image;
}

TEST(RenderDiagramIntoNode, AddsAMiniatureThatDrawsTheDiagramInsideTheNodeBox) {
    EditorTestModel m;
    PARR::Holder<ROOK2::RectNode> frame(new ROOK2::RectNode(PARR::GLRect<double>{0, 0, 120, 60}));
    auto added = DOVE2::Util::renderDiagramIntoNode(m.top, *frame);
    auto* miniature = dynamic_cast<ROOK2::CustomNode*>(added.get());
    ASSERT_NE(miniature, nullptr);
    EXPECT_EQ(miniature->getParent(), frame.get());
    EXPECT_FALSE(miniature->isSelectable());

    const QImage image = paintMiniature(*miniature);
    EXPECT_GT(inkedPixels(image), 0);
    // The margin stays blank: nothing is drawn on the box's outermost pixels.
    for (int x = 0; x < image.width(); ++x) {
        EXPECT_EQ(image.pixel(x, 0), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(x, image.height() - 1), qRgb(255, 255, 255));
    }
}

TEST(RenderDiagramIntoNode, FollowsTheModelAndDrawsNothingOnceTheDiagramIsGone) {
    EditorTestModel m;
    PARR::Holder<ROOK2::RectNode> frame(new ROOK2::RectNode(PARR::GLRect<double>{0, 0, 120, 60}));
    auto* miniature =
        dynamic_cast<ROOK2::CustomNode*>(DOVE2::Util::renderDiagramIntoNode(m.inner, *frame).get());
    ASSERT_NE(miniature, nullptr);
    EXPECT_GT(inkedPixels(paintMiniature(*miniature)), 0);
    {
        QUILL::Transaction tx(m.model);
        QUILL::ClassObject(m.sub).destroy();
        tx.commit();
    }
    EXPECT_EQ(inkedPixels(paintMiniature(*miniature)), 0);
}

TEST(RenderDiagramIntoNode, AddsNothingForAnInvalidDiagram) {
    PARR::Holder<ROOK2::RectNode> frame(new ROOK2::RectNode(PARR::GLRect<double>{0, 0, 10, 10}));
    EXPECT_FALSE(DOVE2::Util::renderDiagramIntoNode(DOVE2::ImmutableDiagram(), *frame));
    EXPECT_EQ(frame->getChildren().size(), 0u);
}

}  // namespace
