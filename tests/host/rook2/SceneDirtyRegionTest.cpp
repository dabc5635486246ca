#include <gtest/gtest.h>

#include <algorithm>

#include "rook2/ContainerNode.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"

using namespace ROOK2;
using PARR::GLRect;

namespace {

// Whether some box of `region` holds `box` (boxes carry a stroke margin of a unit or so).
bool covers(const Scene::DirtyRegion& region, const GLRect<double>& box) {
    return std::any_of(region.boxes.begin(), region.boxes.end(), [&](const GLRect<double>& b) {
        return b.x <= box.x && b.y <= box.y && b.x + b.width >= box.x + box.width &&
               b.y + b.height >= box.y + box.height;
    });
}

bool meets(const Scene::DirtyRegion& region, const GLRect<double>& box) {
    return std::any_of(region.boxes.begin(), region.boxes.end(),
                       [&](const GLRect<double>& b) { return b.intersects(box); });
}

}  // namespace

// A view repaints only what a change touched: a moved node's old and new place, a hidden
// group's children; anything it cannot list box by box repaints the whole view.
TEST(SceneDirtyRegion, NamesTheOldAndNewBoxesOfWhatChangedAndNothingElse) {
    Scene scene;
    auto moved = scene.createNode<RectNode>(GLRect<double>(0, 0, 10, 10));
    auto still = scene.createNode<RectNode>(GLRect<double>(500, 500, 10, 10));
    auto group = scene.createNode<ContainerNode>();
    PARR::Holder<RectNode> member(new RectNode({200, 0, 10, 10}));
    member->setParent(group);
    EXPECT_TRUE(scene.takeDirtyRegion().whole);  // never shown yet

    moved->setPosition({100, 0});
    Scene::DirtyRegion region = scene.takeDirtyRegion();
    EXPECT_FALSE(region.whole);
    EXPECT_TRUE(covers(region, {0, 0, 10, 10}));
    EXPECT_TRUE(covers(region, {100, 0, 10, 10}));
    EXPECT_FALSE(meets(region, {500, 500, 10, 10}));
    EXPECT_FALSE(meets(region, {200, 0, 10, 10}));
    EXPECT_TRUE(scene.takeDirtyRegion().boxes.empty());

    group->setVisible(false);
    region = scene.takeDirtyRegion();
    EXPECT_TRUE(covers(region, {200, 0, 10, 10}));
    EXPECT_FALSE(meets(region, {100, 0, 10, 10}));

    still->remove();
    EXPECT_TRUE(covers(scene.takeDirtyRegion(), {500, 500, 10, 10}));

    moved->setSelectable(true);
    moved->setSelected(true);
    EXPECT_TRUE(scene.takeDirtyRegion().whole);
}
