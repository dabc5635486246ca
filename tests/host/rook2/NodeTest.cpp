#include "rook2/Node.h"

#include <gtest/gtest.h>

#include "rook2/ContainerNode.h"
#include "rook2/EllipseNode.h"
#include "rook2/OpenLinearPathNode.h"
#include "rook2/RectNode.h"
#include "rook2/RoundedRectNode.h"
#include "rook2/Scene.h"

using namespace ROOK2;
using PARR::GLPoint;
using PARR::GLRect;
using PARR::Holder;

namespace {

void expectNear(const GLPoint<double>& actual, const GLPoint<double>& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

}  // namespace

TEST(NodeTree, ScenePositionSumsThePositionsUpTheParentChain) {
    Scene scene;
    auto outer = scene.createNode<ContainerNode>();
    Holder<ContainerNode> inner(new ContainerNode());
    Holder<RectNode> leaf(new RectNode({0, 0, 5, 5}));
    inner->setParent(outer);
    leaf->setParent(inner);
    outer->setPosition({100, 50});
    inner->setPosition({10, 20});
    leaf->setPosition({1, 2});
    expectNear(leaf->getScenePosition(), {111, 72});
}

TEST(NodeTree, AChildJoinsItsParentsSceneAndLeavesWithIt) {
    Scene scene;
    auto root = scene.createNode<ContainerNode>();
    Holder<RectNode> child(new RectNode({0, 0, 5, 5}));
    EXPECT_EQ(child->getScene(), nullptr);
    child->setParent(root);
    EXPECT_EQ(child->getScene(), &scene);
    EXPECT_EQ(scene.nodeCount(), 2u);
    root->remove();
    EXPECT_EQ(child->getScene(), nullptr);
    EXPECT_EQ(scene.nodeCount(), 0u);
}

TEST(NodeTree, SettingADescendantAsParentIsIgnored) {
    Scene scene;
    auto a = scene.createNode<ContainerNode>();
    Holder<ContainerNode> b(new ContainerNode());
    b->setParent(a);
    a->setParent(b);
    EXPECT_EQ(a->getParent(), nullptr);
    EXPECT_EQ(b->getParent(), a.get());
}

TEST(NodeTree, ToBottomMovesANodeBeneathItsSiblings) {
    Scene scene;
    auto root = scene.createNode<ContainerNode>();
    Holder<RectNode> first(new RectNode({0, 0, 10, 10}));
    Holder<RectNode> second(new RectNode({0, 0, 10, 10}));
    first->setParent(root);
    second->setParent(root);
    EXPECT_EQ(scene.nodesIn({0, 0, 10, 10}).back(), second.get());
    second->toBottom();
    EXPECT_EQ(root->getChildren().front().get(), second.get());
    EXPECT_EQ(scene.nodesIn({0, 0, 10, 10}).back(), first.get());
}

TEST(NodeTree, ChildrenAreDrawnAboveTheirParentAndLaterTreesAboveEarlierOnes) {
    Scene scene;
    auto back = scene.createNode<RectNode>(GLRect<double>(0, 0, 10, 10));
    Holder<RectNode> onBack(new RectNode({0, 0, 10, 10}));
    onBack->setParent(back);
    auto front = scene.createNode<RectNode>(GLRect<double>(0, 0, 10, 10));
    const std::vector<Node*> order = scene.nodesIn({0, 0, 10, 10});
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0], back.get());
    EXPECT_EQ(order[1], onBack.get());
    EXPECT_EQ(order[2], front.get());
}

// Nodes come and go between queries, as glyphs do during a drag preview: the drawing order
// stays the tree's pre-order whether a node lands at the end or in the middle.
TEST(NodeTree, DrawingOrderFollowsTheTreeAsNodesComeAndGoBetweenQueries) {
    Scene scene;
    const GLRect<double> all(0, 0, 10, 10);
    auto a = scene.createNode<RectNode>(all);
    Holder<RectNode> a1(new RectNode(all));
    a1->setParent(a);
    auto b = scene.createNode<RectNode>(all);
    scene.nodesIn(all);
    auto c = scene.createNode<RectNode>(all);  // after every other node
    Holder<RectNode> c1(new RectNode(all));
    c1->setParent(c);
    EXPECT_EQ(scene.nodesIn(all),
              (std::vector<Node*>{a.get(), a1.get(), b.get(), c.get(), c1.get()}));
    b->remove();
    Holder<RectNode> a2(new RectNode(all));
    a2->setParent(a);  // in the middle
    auto d = scene.createNode<RectNode>(all);
    EXPECT_EQ(scene.nodesIn(all),
              (std::vector<Node*>{a.get(), a1.get(), a2.get(), c.get(), c1.get(), d.get()}));
    a->toTop();
    auto e = scene.createNode<RectNode>(all);
    EXPECT_EQ(scene.nodesIn(all), (std::vector<Node*>{c.get(), c1.get(), d.get(), a.get(), a1.get(),
                                                      a2.get(), e.get()}));
}

TEST(NodeTransforms, RotationAboutAPointKeepsThatPointFixed) {
    Scene scene;
    auto port =
        scene.createNode<OpenLinearPathNode>(std::vector<GLPoint<double>>{{5, -5}, {0, 0}, {5, 5}});
    port->setPosition({100, 50});
    port->setTransform(PARR::Transform());
    port->rotateDegrees(270, {100, 50});
    expectNear(port->getScenePosition(), {100, 50});
    // 270 degrees clockwise on screen turns +x into -y.
    expectNear(port->mapToScene({5, 0}), {100, 45});
}

TEST(NodeTransforms, MapFromSceneUndoesMapToScene) {
    Scene scene;
    auto node = scene.createNode<RectNode>(GLRect<double>(0, 0, 10, 10));
    node->setPosition({3, 4});
    node->rotateDegrees(30, {7, 7});
    const GLPoint<double> p{12.5, -3.25};
    expectNear(node->mapFromScene(node->mapToScene(p)), p);
}

TEST(NodeBounds, EachKindReportsItsOwnGeometryBox) {
    EXPECT_EQ(RectNode({1, 2, 3, 4}).getBounds().boundingRect(), GLRect<double>(1, 2, 3, 4));
    EXPECT_EQ(RoundedRectNode({0, 0, 30, 20}, 5).getBounds().boundingRect(),
              GLRect<double>(0, 0, 30, 20));
    EXPECT_EQ(EllipseNode(Ellipse({2, 2, 4, 6})).getBounds().boundingRect(),
              GLRect<double>(2, 2, 4, 6));
    EXPECT_EQ(OpenLinearPathNode({{5, -5}, {0, 0}, {5, 5}}).getBounds().boundingRect(),
              GLRect<double>(0, -5, 5, 10));
    EXPECT_TRUE(ContainerNode().getBounds().isEmpty());
}

TEST(NodeBounds, AContainerHoldsItsChildrenAsPlacedInItsFrame) {
    Holder<ContainerNode> box(new ContainerNode());
    Holder<RectNode> a(new RectNode({0, 0, 10, 10}));
    Holder<OpenLinearPathNode> line(new OpenLinearPathNode({{0, 0}, {30, 0}}));
    a->setParent(box);
    line->setParent(box);
    a->setPosition({5, 5});
    line->setPosition({0, 40});
    EXPECT_EQ(box->getBounds().boundingRect(), GLRect<double>(0, 5, 30, 35));
    EXPECT_DOUBLE_EQ(box->getWidth(), 30);
    EXPECT_DOUBLE_EQ(box->getHeight(), 35);
}

TEST(NodeBounds, ShapeSettersChangeTheBox) {
    EllipseNode dot(Ellipse({0, 0, 0, 0}));
    dot.setWidth(4.0);
    dot.setHeight(4.0);
    EXPECT_EQ(dot.getBounds().boundingRect(), GLRect<double>(0, 0, 4, 4));
    RectNode rect;
    rect.setRect({-3, -3, 6, 6});
    EXPECT_EQ(rect.getBounds().boundingRect(), GLRect<double>(-3, -3, 6, 6));
}

TEST(NodeSelection, OnlySelectableNodesCanBeSelected) {
    Scene scene;
    auto node = scene.createNode<RectNode>(GLRect<double>(0, 0, 10, 10));
    node->setSelected(true);
    EXPECT_FALSE(node->isSelected());
    node->setSelectable(true);
    node->setSelected(true);
    EXPECT_TRUE(node->isSelected());
    EXPECT_EQ(scene.getSelection(), std::vector<Node*>{node.get()});
    node->setSelectable(false);
    EXPECT_FALSE(node->isSelected());
    EXPECT_TRUE(scene.getSelection().empty());
}

TEST(NodeSelection, RemovingASelectedNodeTakesItOutOfTheSelection) {
    Scene scene;
    auto node = scene.createNode<RectNode>(GLRect<double>(0, 0, 10, 10));
    node->setSelectable(true);
    node->setSelected(true);
    node->remove();
    EXPECT_TRUE(scene.getSelection().empty());
}
