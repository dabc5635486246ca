#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "rook2/RectNode.h"
#include "rook2/Scene.h"
#include "wren/Listener.h"

using namespace ROOK2;
using PARR::GLRect;
using PARR::Holder;

TEST(SceneSelection, ClearingDeselectsEveryNodeAndTellsOfEachOnceTheSelectionIsEmpty) {
    Scene scene;
    std::vector<Holder<RectNode>> nodes;
    for (int i = 0; i < 3; ++i) {
        nodes.push_back(scene.createNode<RectNode>(GLRect<double>(20.0 * i, 0, 10, 10)));
        nodes.back()->setSelectable(true);
    }
    nodes[2]->setSelected(true);
    nodes[0]->setSelected(true);
    struct Told {
        Node* node;
        bool selected;
        std::size_t selectionSize;
    };
    std::vector<Told> told;
    WREN::Listener listener;
    scene.getSelectionChangedEmitter().connect(listener, [&](Node* const& node) {
        told.push_back({node, node->isSelected(), scene.getSelection().size()});
    });

    scene.clearSelection();

    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].node, nodes[2].get()) << "told in the order they were selected";
    EXPECT_EQ(told[1].node, nodes[0].get());
    for (const Told& t : told) {
        EXPECT_FALSE(t.selected);
        EXPECT_EQ(t.selectionSize, 0u);
    }
    EXPECT_TRUE(scene.getSelection().empty());
    for (const auto& node : nodes)
        EXPECT_FALSE(node->isSelected());
}
