#pragma once

#include "parr/Color.h"
#include "rook2/LodScale.h"

namespace ROOK2 {

// How the outline of a node is drawn. A plain value.
//  - colour;
//  - width in the node's own units; 0 is a cosmetic line, one device pixel at any zoom;
//  - style: 0 = no outline at all, 1 = solid, 2 = dashed (marks something unfinished, e.g. a
//    line with a free end), any other value draws solid;
//  - cap and join: 0 = flat cap and miter join (the defaults), 1 = square cap / bevel join,
//    2 = round cap / round join;
//  - the level-of-detail policy that keeps thin strokes visible when zoomed out.
// The default stroke has style 0: nothing is drawn.
class Stroke {
public:
    enum Style { NoStroke = 0, Solid = 1, Dashed = 2 };

    Stroke() = default;
    explicit Stroke(int style) : style_(style) {}
    Stroke(const PARR::Color& color, double width, int style, int cap, int join,
           LodScale& lod = LodScale::instance())
        : color_(color), width_(width), style_(style), cap_(cap), join_(join), lod_(&lod) {}

    const PARR::Color& color() const { return color_; }
    double width() const { return width_; }
    int style() const { return style_; }
    int cap() const { return cap_; }
    int join() const { return join_; }
    const LodScale& lodScale() const { return *lod_; }

    // True when the style draws an outline (style != 0).
    bool isVisible() const { return style_ != NoStroke; }
    // Half the width the outline adds around the geometry, in the node's own units (0 for a
    // cosmetic or absent stroke).
    double halfExtent() const { return isVisible() ? width_ / 2.0 : 0.0; }

    bool operator==(const Stroke& o) const {
        return color_ == o.color_ && width_ == o.width_ && style_ == o.style_ && cap_ == o.cap_ &&
               join_ == o.join_ && lod_ == o.lod_;
    }

private:
    PARR::Color color_;
    double width_ = 0.0;
    int style_ = NoStroke;
    int cap_ = 0;
    int join_ = 0;
    LodScale* lod_ = &LodScale::instance();
};

}  // namespace ROOK2
