#include <gtest/gtest.h>

#include "../../host/rook2/QtTestApplication.h"
#include "../../host/vtquill/DiagramBuilder.h"
#include "DiagramSceneBuilder.h"
#include "rook2/OpenLinearPathNode.h"
#include "rook2/RectNode.h"
#include "rook2/TextNode.h"

using VTQuillTest::DiagramBuilder;

namespace {

template <class T>
std::vector<T*> nodesOf(ROOK2::Scene& scene) {
    std::vector<T*> found;
    for (ROOK2::Node* n : scene.nodesIn({-1e6, -1e6, 2e6, 2e6})) {
        if (auto* t = dynamic_cast<T*>(n))
            found.push_back(t);
    }
    return found;
}

}  // namespace

TEST(DiagramSceneBuilderTest, BlocksAndRoutesLandAtTheirAbsolutePositions) {
    rook2test::qtApplication();
    DiagramBuilder b;
    VTQUILL::Block gain = b.block("Gain", "K", {100, 50}, {40, 30});
    VTQUILL::Block scope = b.block("Scope", "S", {300, 80});
    VTQUILL::Segment s = b.connect(b.out(gain), b.in(scope));
    s.setPath(PARR::Path{{200, 65}, {200, 95}});
    b.commit();

    ROOK2::Scene scene;
    VantorStudio::DiagramSceneBuilder(scene).build(b.diagram);

    const auto boxes = nodesOf<ROOK2::RectNode>(scene);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0]->getScenePosition(), PARR::GLPoint<double>(100, 50));
    EXPECT_EQ(boxes[0]->getRect(), PARR::GLRect<double>(0, 0, 40, 30));
    const auto routes = nodesOf<ROOK2::OpenLinearPathNode>(scene);
    ASSERT_EQ(routes.size(), 1u);
    // Out port at block + (30, 15), in port at block + (0, 15), vertices between.
    EXPECT_EQ(routes[0]->getPoints(),
              (std::vector<PARR::GLPoint<double>>{{130, 65}, {200, 65}, {200, 95}, {300, 95}}));
    std::vector<std::string> texts;
    for (auto* t : nodesOf<ROOK2::TextNode>(scene))
        texts.push_back(t->getText());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "K"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Gain"), texts.end());
}
