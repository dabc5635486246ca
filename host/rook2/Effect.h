#pragma once

#include "parr/GLRect.h"
#include "parr/ReferencedTemplate.h"

namespace ROOK2 {

// A visual effect drawn with a node (e.g. a drop shadow). Effects are reference counted and
// may be shared by many nodes (PARR::Holder<Effect>); they must not change while a node
// shows them, except through their own setters followed by a repaint of the scene.
class Effect : public PARR::ReferencedTemplate<unsigned int> {
public:
    ~Effect() override = default;

    // How far the effect reaches beyond a node's own box `box` (node coordinates): the box
    // to reserve for painting. The default adds nothing.
    virtual PARR::GLRect<double> extendBounds(const PARR::GLRect<double>& box) const { return box; }
};

}  // namespace ROOK2
