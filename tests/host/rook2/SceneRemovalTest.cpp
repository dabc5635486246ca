#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "rook2/RectNode.h"
#include "rook2/Scene.h"

using namespace ROOK2;
using PARR::Holder;

namespace {

// A scene of rectangles built from a plan: node i goes under node parents[i] when that is an
// earlier node, else to the top level; the nodes listed in `selected` are selected in that
// order.
struct PlannedScene {
    PlannedScene(const std::vector<std::size_t>& parents,
                 const std::vector<std::size_t>& selected) {
        for (std::size_t i = 0; i < parents.size(); ++i) {
            Holder<RectNode> node(new RectNode({10.0 * i, 0, 5, 5}));
            node->setSelectable(true);
            if (parents[i] < i)
                node->setParent(nodes[parents[i]]);
            else
                scene.addNode(node);
            nodes.push_back(node);
        }
        for (std::size_t i : selected)
            nodes[i % nodes.size()]->setSelected(true);
    }

    // Index of `node` in `nodes`; the count of nodes when it is not one of them.
    std::size_t indexOf(const Node* node) const {
        std::size_t i = 0;
        while (i < nodes.size() && nodes[i].get() != node)
            ++i;
        return i;
    }
    std::vector<std::size_t> indicesOf(const std::vector<Holder<Node>>& list) const {
        std::vector<std::size_t> indices;
        for (const Holder<Node>& node : list)
            indices.push_back(indexOf(node.get()));
        return indices;
    }
    // Everything removal changes, by node index: the top level, each node's children, whether
    // it is removed and in the scene, the selection in order, the node count.
    std::vector<std::vector<std::size_t>> shape() const {
        std::vector<std::vector<std::size_t>> shape{indicesOf(scene.getTopLevelNodes())};
        for (const Holder<RectNode>& node : nodes) {
            shape.push_back(indicesOf(node->getChildren()));
            shape.push_back({node->isRemoved(), node->getScene() == &scene});
        }
        std::vector<std::size_t> selection;
        for (const Node* node : scene.getSelection())
            selection.push_back(indexOf(node));
        shape.push_back(selection);
        shape.push_back({scene.nodeCount()});
        return shape;
    }

    Scene scene;
    std::vector<Holder<RectNode>> nodes;
};

}  // namespace

RC_GTEST_PROP(SceneRemoval, RemovingManyNodesAtOnceLeavesWhatRemovingThemOneByOneLeaves,
              (const std::vector<std::size_t>& parentPlan, const std::vector<std::size_t>& selected,
               const std::vector<std::size_t>& removedPlan)) {
    RC_PRE(!parentPlan.empty());
    std::vector<std::size_t> parents;
    for (std::size_t i = 0; i < parentPlan.size(); ++i)
        parents.push_back(parentPlan[i] % (i + 1));  // i itself: top level
    PlannedScene together(parents, selected);
    PlannedScene oneByOne(parents, selected);
    // Some of the nodes, nested ones and repeats among them; one by one, those nearer the top
    // go first.
    std::vector<Holder<Node>> removed;
    std::vector<std::pair<std::size_t, std::size_t>> byDepth;
    for (std::size_t i : removedPlan) {
        const std::size_t n = i % parents.size();
        removed.emplace_back(together.nodes[n]);
        std::size_t depth = 0;
        for (std::size_t up = n; parents[up] < up; up = parents[up])
            ++depth;
        byDepth.emplace_back(depth, n);
    }
    std::stable_sort(byDepth.begin(), byDepth.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [depth, n] : byDepth) {
        if (!oneByOne.nodes[n]->isRemoved())
            oneByOne.nodes[n]->remove();
    }

    together.scene.removeNodes(removed);

    RC_ASSERT(together.shape() == oneByOne.shape());
}

TEST(SceneRemoval, NodesOfAnotherSceneAndNodesRemovedBeforeAreTakenAsNodeRemoveTakesThem) {
    Scene scene;
    Scene other;
    auto kept = scene.createNode<RectNode>(PARR::GLRect<double>(0, 0, 5, 5));
    auto gone = scene.createNode<RectNode>(PARR::GLRect<double>(10, 0, 5, 5));
    auto elsewhere = other.createNode<RectNode>(PARR::GLRect<double>(0, 0, 5, 5));
    auto removedBefore = scene.createNode<RectNode>(PARR::GLRect<double>(20, 0, 5, 5));
    removedBefore->remove();

    scene.removeNodes({gone, elsewhere, removedBefore, Holder<Node>()});

    EXPECT_TRUE(gone->isRemoved());
    EXPECT_TRUE(elsewhere->isRemoved());
    EXPECT_EQ(other.nodeCount(), 0u);
    EXPECT_FALSE(kept->isRemoved());
    ASSERT_EQ(scene.getTopLevelNodes().size(), 1u);
    EXPECT_EQ(scene.getTopLevelNodes().front().get(), kept.get());
    EXPECT_EQ(scene.nodeCount(), 1u);
}

namespace {

// Dropping the index before most of a scene leaves: the nodes that stay are found again, the
// ones that left are found nowhere, a node moved meanwhile is found where it went, and the
// whole scene is to repaint.
TEST(SceneRemoval, AfterTheIndexIsDroppedTheNodesThatStayAreFoundAgain) {
    Scene scene;
    std::vector<Holder<RectNode>> nodes;
    for (int i = 0; i < 40; ++i) {
        Holder<RectNode> node(new RectNode({10.0 * i, 0, 5, 5}));
        scene.addNode(node);
        Holder<RectNode> child(new RectNode({10.0 * i + 1, 1, 2, 2}));  // parent's frame
        child->setParent(node);
        nodes.push_back(node);
    }
    scene.takeDirtyRegion();
    scene.dropIndex();
    for (int i = 0; i < 40; ++i) {
        if (i % 4 != 0)
            nodes[i]->remove();
    }
    nodes[8]->setPosition({500, 500});  // its box at (580, 500) now
    EXPECT_TRUE(scene.takeDirtyRegion().whole);
    for (int i = 0; i < 40; ++i) {
        const std::vector<Node*> found = scene.nodesIn({10.0 * i, 0, 5, 5});
        const bool stays = i % 4 == 0 && i != 8;
        EXPECT_EQ(found.size(), stays ? 2u : 0u) << i;  // the node and its child
    }
    EXPECT_EQ(scene.nodesIn({580, 500, 5, 5}).size(), 2u);
    EXPECT_NEAR(scene.itemsBoundingRect().bottom(), 505, 1.0);  // the stroke included
}

}  // namespace
