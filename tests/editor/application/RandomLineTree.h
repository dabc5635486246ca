#pragma once

#include <rapidcheck.h>

#include <cmath>
#include <vector>

#include "LineSketch.h"

namespace VantorTest {

// Grows a random tree-shaped line in a LineSketch: a source (out port or free end) feeds a
// first element; every solder joint gets one to three further branches, each ending at a new
// joint, an in port or a free end; every segment gets random axis-parallel bends. Coordinates
// come from a coarse grid so that branches overlap, bends fall on ends and runs go straight
// often. Draws its choices from rapidcheck; call it inside a property.
class RandomLineTree {
public:
    explicit RandomLineTree(LineSketch& sketch, int maxJoints = 6)
        : sketch_(sketch), jointsLeft_(maxJoints) {}

    void grow() {
        const Point start = gridPoint();
        const End source =
            *rc::gen::arbitrary<bool>() ? End(sketch_.outPort(start)) : End(FreeEnd{start});
        branch(source, start);
    }

private:
    struct Pending {
        VTQUILL::SolderJoint joint;
        Point at;
    };

    // A segment from `from` (at `fromAt`) to a new element, and below it the subtree.
    void branch(const End& from, Point fromAt) {
        std::vector<std::pair<End, Point>> work{{from, fromAt}};
        while (!work.empty()) {
            const auto [end, at] = work.back();
            work.pop_back();
            const Point to = gridPoint();
            if (jointsLeft_ > 0 && *rc::gen::inRange(0, 3) != 0) {
                --jointsLeft_;
                const auto joint = sketch_.joint(to);
                sketch_.segment(end, joint, bends(at, to));
                const int children = *rc::gen::inRange(1, 4);
                for (int i = 0; i < children; ++i)
                    work.push_back({joint, to});
            } else if (*rc::gen::arbitrary<bool>()) {
                sketch_.segment(end, sketch_.inPort(to), bends(at, to));
            } else {
                sketch_.segment(end, FreeEnd{to}, bends(at, to));
            }
        }
    }

    // Alternating horizontal and vertical legs from a to b.
    PARR::Path bends(Point a, Point b) {
        PARR::Path path;
        const int count = *rc::gen::inRange(0, 4);
        bool horizontal = *rc::gen::arbitrary<bool>();
        Point current = a;
        for (int i = 0; i < count; ++i) {
            current = horizontal ? Point(coordinate(), current.y) : Point(current.x, coordinate());
            path.addPoint(current);
            horizontal = !horizontal;
        }
        path.addPoint(horizontal ? Point(b.x, current.y) : Point(current.x, b.y));
        return path;
    }

    static double coordinate() { return 10.0 * *rc::gen::inRange(-4, 5); }
    static Point gridPoint() { return Point(coordinate(), coordinate()); }

    LineSketch& sketch_;
    int jointsLeft_;
};

}  // namespace VantorTest
