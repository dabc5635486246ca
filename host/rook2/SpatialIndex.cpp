#include "rook2/SpatialIndex.h"

#include <algorithm>
#include <cmath>

#include "rook2/Node.h"

namespace ROOK2 {

namespace {

void eraseOne(std::vector<Node*>& list, Node* node) {
    const auto at = std::find(list.begin(), list.end(), node);
    if (at == list.end())
        return;
    *at = list.back();
    list.pop_back();
}

bool meets(const PARR::GLRect<double>& a, const PARR::GLRect<double>& b) {
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() &&
           b.top() <= a.bottom();
}

}  // namespace

std::uint64_t SpatialIndex::key(int cx, int cy) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(cx)) << 32) |
           static_cast<std::uint32_t>(cy);
}

int SpatialIndex::cellOf(double v) {
    const double c = std::floor(v / kCellSize);
    constexpr double limit = 1 << 30;
    if (!(c > -limit))  // also catches NaN
        return -(1 << 30);
    return c < limit ? static_cast<int>(c) : (1 << 30);
}

void SpatialIndex::insert(Node& node, const PARR::GLRect<double>& sceneRect) {
    IndexSlot& slot = node.slot_;
    const int x0 = cellOf(sceneRect.left()), x1 = cellOf(sceneRect.right());
    const int y0 = cellOf(sceneRect.top()), y1 = cellOf(sceneRect.bottom());
    const double cellCount = (double(x1) - x0 + 1) * (double(y1) - y0 + 1);
    const bool oversize = cellCount > kMaxCellsPerNode;
    slot.sceneRect = sceneRect;
    if (slot.indexed && slot.oversize == oversize &&
        (oversize ||
         (x0 == slot.cellX0 && x1 == slot.cellX1 && y0 == slot.cellY0 && y1 == slot.cellY1)))
        return;  // same cells: only the box changed
    erase(node);
    slot.indexed = true;
    slot.oversize = oversize;
    slot.cellX0 = x0, slot.cellX1 = x1, slot.cellY0 = y0, slot.cellY1 = y1;
    ++size_;
    if (oversize) {
        oversize_.push_back(&node);
        return;
    }
    for (int cx = x0; cx <= x1; ++cx)
        for (int cy = y0; cy <= y1; ++cy)
            cells_[key(cx, cy)].push_back(&node);
}

void SpatialIndex::erase(Node& node) {
    IndexSlot& slot = node.slot_;
    if (!slot.indexed)
        return;
    if (slot.oversize)
        eraseOne(oversize_, &node);
    else
        eraseFromCells(node);
    slot.indexed = false;
    --size_;
}

void SpatialIndex::eraseFromCells(Node& node) {
    const IndexSlot& slot = node.slot_;
    for (int cx = slot.cellX0; cx <= slot.cellX1; ++cx) {
        for (int cy = slot.cellY0; cy <= slot.cellY1; ++cy) {
            const auto cell = cells_.find(key(cx, cy));
            if (cell == cells_.end())
                continue;
            eraseOne(cell->second, &node);
            if (cell->second.empty())
                cells_.erase(cell);
        }
    }
}

void SpatialIndex::clear() {
    cells_.clear();
    oversize_.clear();
    size_ = 0;
}

void SpatialIndex::collect(std::vector<Node*>& out, Node* node, const PARR::GLRect<double>& rect) {
    IndexSlot& slot = node->slot_;
    if (slot.queryStamp == stamp_ || !meets(slot.sceneRect, rect))
        return;
    slot.queryStamp = stamp_;
    out.push_back(node);
}

std::vector<Node*> SpatialIndex::query(const PARR::GLRect<double>& rect) {
    std::vector<Node*> out;
    ++stamp_;
    const int x0 = cellOf(rect.left()), x1 = cellOf(rect.right());
    const int y0 = cellOf(rect.top()), y1 = cellOf(rect.bottom());
    const double cellCount = (double(x1) - x0 + 1) * (double(y1) - y0 + 1);
    if (cellCount > double(cells_.size())) {
        // A query wider than the populated area: walking the occupied cells is cheaper.
        for (auto& [k, list] : cells_) {
            const int cx = static_cast<int>(static_cast<std::int32_t>(k >> 32));
            const int cy = static_cast<int>(static_cast<std::int32_t>(k & 0xffffffffu));
            if (cx < x0 || cx > x1 || cy < y0 || cy > y1)
                continue;
            for (Node* node : list)
                collect(out, node, rect);
        }
    } else {
        for (int cx = x0; cx <= x1; ++cx) {
            for (int cy = y0; cy <= y1; ++cy) {
                const auto cell = cells_.find(key(cx, cy));
                if (cell == cells_.end())
                    continue;
                for (Node* node : cell->second)
                    collect(out, node, rect);
            }
        }
    }
    for (Node* node : oversize_)
        collect(out, node, rect);
    return out;
}

}  // namespace ROOK2
