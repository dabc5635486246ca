#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

#include "parr/GLPoint.h"
#include "parr/GLRect.h"

namespace ROOK2 {

class Node;
struct IndexSlot;

// A uniform grid over scene coordinates that finds the nodes whose drawn box (IndexSlot::
// sceneRect, kept inside each node) meets a rectangle or a point. Cost of a query: the cells
// it covers plus the nodes found there, independent of how many nodes lie elsewhere. Nodes
// covering more than `kMaxCellsPerNode` cells are kept in a separate list that every query
// scans (there are few of them: backgrounds, big containers' frames).
//
// Holds plain pointers; the scene removes a node before it leaves or dies.
class SpatialIndex {
public:
    static constexpr double kCellSize = 128.0;
    static constexpr int kMaxCellsPerNode = 256;

    // Enters `node` with box `sceneRect`, or moves it there when already entered.
    void insert(Node& node, const PARR::GLRect<double>& sceneRect);
    void erase(Node& node);
    void clear();

    // Every entered node whose box meets `rect` (borders included), each once, unordered.
    std::vector<Node*> query(const PARR::GLRect<double>& rect);

    std::size_t size() const { return size_; }

    // The box around every entered node for which `shown(node)` holds, read from the nodes of
    // the outermost occupied cell columns and rows and the very large nodes only: a node in
    // an inner column lies strictly inside the leftmost column's left edge, and so on. None
    // when an outermost column or row holds no shown node (the caller must then look at every
    // node) or nothing is entered. Cost: the occupied cells plus the nodes of the outer ones.
    std::optional<PARR::GLRect<double>> outerBounds(
        const std::function<bool(const Node&)>& shown) const;

private:
    static std::uint64_t key(int cx, int cy);
    static int cellOf(double v);
    void eraseFromCells(Node& node);
    void collect(std::vector<Node*>& out, Node* node, const PARR::GLRect<double>& rect);
    void countCells(const IndexSlot& slot, int change);

    std::unordered_map<std::uint64_t, std::vector<Node*>> cells_;
    std::vector<Node*> oversize_;
    // How many entered nodes (not oversize) start or end in each cell column and row: the
    // outermost occupied ones are the maps' first and last keys.
    std::map<int, int> firstColumns_, lastColumns_, firstRows_, lastRows_;
    std::size_t size_ = 0;
    std::uint32_t stamp_ = 0;
};

}  // namespace ROOK2
