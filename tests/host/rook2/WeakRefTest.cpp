#include "rook2/WeakRef.h"

#include <gtest/gtest.h>

#include "rook2/ContainerNode.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"

using namespace ROOK2;
using PARR::Holder;

TEST(WeakRef, IsAliveWhileTheNodeIsInTheScene) {
    Scene scene;
    auto node = scene.createNode<RectNode>();
    WeakRef<RectNode> ref(node);
    EXPECT_TRUE(ref.isAlive());
    EXPECT_EQ(ref.get(), node.get());
}

TEST(WeakRef, ReportsTheNodeGoneAfterRemovalEvenWhileSomeoneStillHoldsIt) {
    Scene scene;
    auto node = scene.createNode<RectNode>();
    WeakRef<RectNode> ref(node);
    node->remove();
    EXPECT_FALSE(ref.isAlive());
    EXPECT_EQ(ref.lock(), nullptr);
}

TEST(WeakRef, ReportsTheNodeGoneWhenItIsDestroyed) {
    Scene scene;
    WeakRef<RectNode> ref;
    {
        Holder<RectNode> node(new RectNode());
        ref = WeakRef<RectNode>(node);
        EXPECT_TRUE(ref.isAlive());
    }
    EXPECT_FALSE(ref.isAlive());
}

TEST(WeakRef, ChildrenOfARemovedNodeAreGoneToo) {
    Scene scene;
    auto root = scene.createNode<ContainerNode>();
    Holder<RectNode> child(new RectNode());
    child->setParent(root);
    WeakRef<RectNode> ref(child);
    root->remove();
    EXPECT_FALSE(ref.isAlive());
}

TEST(WeakRef, AnEmptyReferenceIsNeverAlive) {
    EXPECT_FALSE(WeakRef<Node>().isAlive());
}

TEST(WeakRef, ANodeReAddedAfterRemovalIsAliveAgainForNewReferences) {
    Scene scene;
    auto node = scene.createNode<RectNode>();
    WeakRef<RectNode> old(node);
    node->remove();
    scene.addNode(node);
    EXPECT_FALSE(old.isAlive());
    EXPECT_TRUE(WeakRef<RectNode>(node).isAlive());
}
