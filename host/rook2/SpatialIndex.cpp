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
    countCells(slot, 1);
}

void SpatialIndex::countCells(const IndexSlot& slot, int change) {
    const auto count = [change](std::map<int, int>& counts, int at) {
        const auto entry = counts.try_emplace(at, 0).first;
        entry->second += change;
        if (entry->second == 0)
            counts.erase(entry);
    };
    count(firstColumns_, slot.cellX0);
    count(lastColumns_, slot.cellX1);
    count(firstRows_, slot.cellY0);
    count(lastRows_, slot.cellY1);
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
    countCells(slot, -1);
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
    firstColumns_.clear();
    lastColumns_.clear();
    firstRows_.clear();
    lastRows_.clear();
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

std::optional<PARR::GLRect<double>> SpatialIndex::outerBounds(
    const std::function<bool(const Node&)>& shown) const {
    double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
    // Each outer edge needs a shown node of its own column or row; oversize nodes count too.
    bool haveLeft = false, haveTop = false, haveRight = false, haveBottom = false;
    const auto take = [&](const Node& node, bool atLeft, bool atTop, bool atRight, bool atBottom) {
        // Empty boxes add nothing to a union of boxes (GLRect::united), so none here either.
        const PARR::GLRect<double>& box = node.slot_.sceneRect;
        if (box.isEmpty() || !shown(node))
            return;
        left = std::min(left, box.left()), haveLeft |= atLeft;
        top = std::min(top, box.top()), haveTop |= atTop;
        right = std::max(right, box.right()), haveRight |= atRight;
        bottom = std::max(bottom, box.bottom()), haveBottom |= atBottom;
    };
    if (!firstColumns_.empty()) {
        const int x0 = firstColumns_.begin()->first, x1 = lastColumns_.rbegin()->first;
        const int y0 = firstRows_.begin()->first, y1 = lastRows_.rbegin()->first;
        for (const auto& [k, list] : cells_) {
            const int cx = static_cast<int>(static_cast<std::int32_t>(k >> 32));
            const int cy = static_cast<int>(static_cast<std::int32_t>(k & 0xffffffffu));
            if (cx != x0 && cx != x1 && cy != y0 && cy != y1)
                continue;
            for (const Node* node : list) {
                const IndexSlot& slot = node->slot_;
                take(*node, slot.cellX0 == x0, slot.cellY0 == y0, slot.cellX1 == x1,
                     slot.cellY1 == y1);
            }
        }
    } else {
        haveLeft = haveTop = haveRight = haveBottom = true;  // the oversize nodes decide
    }
    bool anyOversize = false;
    for (const Node* node : oversize_) {
        if (shown(*node)) {
            anyOversize = true;
            take(*node, true, true, true, true);
        }
    }
    if (firstColumns_.empty() && !anyOversize)
        return std::nullopt;
    if (!(haveLeft && haveTop && haveRight && haveBottom))
        return std::nullopt;
    return PARR::GLRect<double>(left, top, right - left, bottom - top);
}

}  // namespace ROOK2
