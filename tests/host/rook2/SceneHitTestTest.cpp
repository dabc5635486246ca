#include <gtest/gtest.h>

#include "rook2/ContainerNode.h"
#include "rook2/EllipseNode.h"
#include "rook2/Fill.h"
#include "rook2/OpenLinearPathNode.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"

using namespace ROOK2;
using PARR::GLPoint;
using PARR::GLRect;
using PARR::Holder;

namespace {

Holder<OpenLinearPathNode> addPolyline(Scene& scene, std::vector<GLPoint<double>> points) {
    auto line = scene.createNode<OpenLinearPathNode>(std::move(points));
    line->setStroke(Stroke(PARR::Color(0, 0, 0, 1), 0.0, Stroke::Solid, 0, 0));
    line->setSelectable(true);
    return line;
}

}  // namespace

TEST(SceneHitTest, AThinPolylineIsHitWithinTheToleranceOfAnyLeg) {
    Scene scene;
    auto line = addPolyline(scene, {{0, 0}, {100, 0}, {100, 80}});
    EXPECT_EQ(scene.selectableNodeAt({50, 2.5}, 3.0), line.get());
    EXPECT_EQ(scene.selectableNodeAt({102, 40}, 3.0), line.get());
    EXPECT_EQ(scene.selectableNodeAt({50, 4}, 3.0), nullptr);
    // Inside the polyline's box but far from every leg.
    EXPECT_EQ(scene.selectableNodeAt({50, 40}, 3.0), nullptr);
}

TEST(SceneHitTest, ADiagonalLegIsMeasuredPerpendicularly) {
    Scene scene;
    auto line = addPolyline(scene, {{0, 0}, {100, 100}});
    EXPECT_EQ(scene.selectableNodeAt({52, 48}, 3.0), line.get());  // 2.83 away
    EXPECT_EQ(scene.selectableNodeAt({53, 47}, 3.0), nullptr);     // 4.24 away
}

TEST(SceneHitTest, TheTopmostNodeWins) {
    Scene scene;
    auto below = scene.createNode<RectNode>(GLRect<double>(0, 0, 20, 20));
    auto above = scene.createNode<RectNode>(GLRect<double>(10, 10, 20, 20));
    below->setSelectable(true);
    above->setSelectable(true);
    EXPECT_EQ(scene.selectableNodeAt({15, 15}, 0), above.get());
    above->toBottom();
    EXPECT_EQ(scene.selectableNodeAt({15, 15}, 0), below.get());
    EXPECT_EQ(scene.selectableNodeAt({25, 25}, 0), above.get());
}

TEST(SceneHitTest, AHitOnAPartYieldsItsNearestSelectableAncestor) {
    Scene scene;
    auto block = scene.createNode<ContainerNode>();
    block->setSelectable(true);
    Holder<RectNode> body(new RectNode({0, 0, 40, 30}));
    body->setParent(block);
    block->setPosition({100, 100});
    EXPECT_EQ(scene.selectableNodeAt({120, 110}, 0), block.get());
    EXPECT_EQ(scene.nodeAt({120, 110}, 0), body.get());
}

TEST(SceneHitTest, ANodeWithoutSelectableAncestorsLetsTheNodeBelowBeFound) {
    Scene scene;
    auto line = addPolyline(scene, {{0, 0}, {100, 0}});
    auto dot = scene.createNode<EllipseNode>(Ellipse({48, -2, 4, 4}));
    EXPECT_EQ(scene.nodeAt({50, 0}, 1), dot.get());
    EXPECT_EQ(scene.selectableNodeAt({50, 0}, 1), line.get());
}

TEST(SceneHitTest, HiddenNodesAndNodesUnderHiddenParentsAreNotHit) {
    Scene scene;
    auto root = scene.createNode<ContainerNode>();
    Holder<RectNode> child(new RectNode({0, 0, 10, 10}));
    child->setParent(root);
    child->setSelectable(true);
    root->setVisible(false);
    EXPECT_EQ(scene.selectableNodeAt({5, 5}, 0), nullptr);
    root->setVisible(true);
    EXPECT_EQ(scene.selectableNodeAt({5, 5}, 0), child.get());
}

TEST(SceneHitTest, AMovedNodeIsFoundAtItsNewPlaceOnly) {
    Scene scene;
    auto root = scene.createNode<ContainerNode>();
    Holder<RectNode> child(new RectNode({0, 0, 10, 10}));
    child->setParent(root);
    child->setSelectable(true);
    EXPECT_EQ(scene.selectableNodeAt({5, 5}, 0), child.get());
    root->setPosition({1000, 1000});  // moving the parent moves the indexed child
    EXPECT_EQ(scene.selectableNodeAt({5, 5}, 0), nullptr);
    EXPECT_EQ(scene.selectableNodeAt({1005, 1005}, 0), child.get());
}

TEST(SceneHitTest, ARotatedNodeIsHitInItsTurnedShape) {
    Scene scene;
    auto bar = scene.createNode<RectNode>(GLRect<double>(0, -1, 50, 2));
    bar->setSelectable(true);
    bar->rotateDegrees(90, {0, 0});
    EXPECT_EQ(scene.selectableNodeAt({0, 40}, 0), bar.get());
    EXPECT_EQ(scene.selectableNodeAt({40, 0}, 0), nullptr);
}

// Zoomed far out the tolerance is wider than a block: a press inside the block takes it even
// though the line into its port, drawn above it, is within reach; outside, the line wins.
TEST(SceneHitTest, WhatThePointLiesOnWinsOverWhatIsOnlyWithinTheTolerance) {
    Scene scene;
    auto block = scene.createNode<RectNode>(GLRect<double>(0, 0, 30, 30));
    block->setFill(Fill(PARR::Color(1, 1, 1, 1)));
    block->setSelectable(true);
    auto line = addPolyline(scene, {{-50, 12}, {0, 12}});
    EXPECT_EQ(scene.selectableNodeAt({15, 15}, 23.0), block.get());
    EXPECT_EQ(scene.selectableNodeAt({-10, 20}, 23.0), line.get());
}
