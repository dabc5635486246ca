#pragma once

namespace ROOK2 {

// Rendering hints of one node. A plain value read with Node::getDrawStyle and written back
// with Node::setDrawStyle.
//  - antialiased: smooth edges (curves, rounded corners, gradients). Off by default so that
//    axis-parallel diagram lines stay crisp.
struct DrawStyle {
    bool antialiased = false;

    bool operator==(const DrawStyle&) const = default;
};

}  // namespace ROOK2
