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

// The bounds read from the outermost cells equal the union of every shown node's box while
// nodes move inwards and outwards, big nodes come and go, and some are hidden; when the only
// nodes of an outer column are hidden, the index says it cannot tell.
TEST(SpatialIndex, OuterBoundsEqualTheUnionOfTheShownNodesBoxes) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> pos(-2000, 2000), size(0, 300);
    std::vector<Holder<RectNode>> nodes;
    std::vector<GLRect<double>> boxes;
    std::vector<bool> entered, hidden;
    SpatialIndex index;
    const auto shown = [&](const Node& node) {
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            if (nodes[i].get() == &node)
                return !hidden[i];
        }
        return false;
    };
    const auto expected = [&] {
        GLRect<double> box;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            if (entered[i] && !hidden[i])
                box = box.united(boxes[i]);
        }
        return box;
    };
    for (int i = 0; i < 300; ++i) {
        nodes.emplace_back(new RectNode());
        boxes.emplace_back(pos(random), pos(random), size(random), size(random));
        entered.push_back(true);
        hidden.push_back(i % 17 == 0);
        index.insert(*nodes.back(), boxes.back());
    }
    int answered = 0;
    for (int round = 0; round < 200; ++round) {
        const std::size_t i = random() % nodes.size();
        switch (random() % 4) {
            case 0:  // a move, often of the outermost nodes
                boxes[i] = boxes[i].translated(pos(random) / 4, pos(random) / 4);
                break;
            case 1:  // a very large node
                boxes[i] = GLRect<double>(pos(random), pos(random), 40000, 300);
                break;
            case 2:
                entered[i] = !entered[i];
                break;
            default:
                hidden[i] = !hidden[i];
                break;
        }
        if (entered[i])
            index.insert(*nodes[i], boxes[i]);
        else
            index.erase(*nodes[i]);
        const std::optional<GLRect<double>> outer = index.outerBounds(shown);
        if (!outer)
            continue;
        ++answered;
        const GLRect<double> want = expected();
        // Edges as a union of rectangles gives them: right() is x + width, to the rounding.
        ASSERT_EQ(outer->left(), want.left()) << round;
        ASSERT_EQ(outer->top(), want.top()) << round;
        ASSERT_DOUBLE_EQ(outer->right(), want.right()) << round;
        ASSERT_DOUBLE_EQ(outer->bottom(), want.bottom()) << round;
    }
    EXPECT_GT(answered, 150);

    SpatialIndex alone;
    RectNode left, right;
    alone.insert(left, {-1000, 0, 10, 10});
    alone.insert(right, {0, 0, 10, 10});
    EXPECT_FALSE(alone.outerBounds([&](const Node& node) { return &node != &left; }));
    EXPECT_EQ(alone.outerBounds([](const Node&) { return true; })->left(), -1000);
    alone.erase(left);
    alone.erase(right);
    EXPECT_FALSE(alone.outerBounds([](const Node&) { return true; }));
}
