#include "rook2/SpatialIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "rook2/RectNode.h"

using namespace ROOK2;
using PARR::GLRect;
using PARR::Holder;

namespace {

bool meets(const GLRect<double>& a, const GLRect<double>& b) {
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() &&
           b.top() <= a.bottom();
}

}  // namespace

TEST(SpatialIndex, QueriesFindExactlyTheNodesABruteForceScanFinds) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> pos(-3000, 3000), size(0, 400);
    std::vector<Holder<RectNode>> nodes;
    std::vector<GLRect<double>> boxes;
    SpatialIndex index;
    for (int i = 0; i < 500; ++i) {
        nodes.emplace_back(new RectNode());
        const GLRect<double> box(pos(random), pos(random), size(random), size(random));
        boxes.push_back(box);
        index.insert(*nodes.back(), box);
    }
    // Move some, erase some: the index must follow.
    for (int i = 0; i < 100; ++i) {
        boxes[i] = boxes[i].translated(500, -700);
        index.insert(*nodes[i], boxes[i]);
    }
    for (int i = 100; i < 150; ++i)
        index.erase(*nodes[i]);
    for (int q = 0; q < 50; ++q) {
        const GLRect<double> rect(pos(random), pos(random), size(random) * 3, size(random) * 3);
        std::vector<Node*> found = index.query(rect);
        std::vector<Node*> expected;
        for (int i = 0; i < 500; ++i) {
            if ((i < 100 || i >= 150) && meets(boxes[i], rect))
                expected.push_back(nodes[i].get());
        }
        std::sort(found.begin(), found.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(found, expected);
    }
    EXPECT_EQ(index.size(), 450u);
}

TEST(SpatialIndex, AVeryLargeNodeIsFoundFromAnywhereInsideIt) {
    SpatialIndex index;
    Holder<RectNode> big(new RectNode());
    index.insert(*big, {-1e6, -1e6, 2e6, 2e6});
    EXPECT_EQ(index.query({5e5, 5e5, 1, 1}), std::vector<Node*>{big.get()});
    index.erase(*big);
    EXPECT_TRUE(index.query({5e5, 5e5, 1, 1}).empty());
}
