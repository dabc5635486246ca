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

// A selected node's dashed outline spans its whole subtree (a block with its name below it):
// whatever changes under it, the region holds the outline where it was and where it is, or
// a drag and a delete leave pieces of it on screen.
TEST(SceneDirtyRegion, HoldsTheOldAndNewOutlineOfASelectedNodeWhateverChangesUnderIt) {
    Scene scene;
    auto block = scene.createNode<RectNode>(GLRect<double>(0, 0, 40, 30));
    PARR::Holder<RectNode> name(new RectNode({15, 40, 10, 5}));
    name->setParent(block);
    block->setSelectable(true);
    block->setSelected(true);
    scene.takeDirtyRegion();

    block->setPosition({100, 0});
    Scene::DirtyRegion region = scene.takeDirtyRegion();
    EXPECT_TRUE(covers(region, {0, 0, 40, 45}));
    EXPECT_TRUE(covers(region, {100, 0, 40, 45}));

    name->setRect({-20, 40, 80, 5});
    region = scene.takeDirtyRegion();
    EXPECT_TRUE(covers(region, {100, 0, 40, 45}));
    EXPECT_TRUE(covers(region, {80, 0, 80, 45}));

    name->remove();
    EXPECT_TRUE(covers(scene.takeDirtyRegion(), {80, 0, 80, 45}));

    name->setParent(block);
    scene.takeDirtyRegion();
    scene.removeNodes({block});
    EXPECT_TRUE(covers(scene.takeDirtyRegion(), {80, 0, 80, 45}));
}

TEST(SceneDirtyRegion, HoldsTheOutlineOfASelectedNodeThatMovesWithItsGroup) {
    Scene scene;
    auto group = scene.createNode<ContainerNode>();
    PARR::Holder<RectNode> member(new RectNode({0, 0, 10, 10}));
    PARR::Holder<RectNode> mark(new RectNode({0, 20, 4, 4}));
    member->setParent(group);
    mark->setParent(member);
    member->setSelectable(true);
    member->setSelected(true);
    scene.takeDirtyRegion();

    group->setPosition({50, 0});
    const Scene::DirtyRegion region = scene.takeDirtyRegion();
    EXPECT_TRUE(covers(region, {0, 0, 10, 24}));
    EXPECT_TRUE(covers(region, {50, 0, 10, 24}));

    EXPECT_FALSE(meets(scene.takeDirtyRegion(), {50, 0, 10, 24})) << "nothing changed since";
}
