#pragma once

#include "application/Export.h"
#include "dove2/Glyph.h"
#include "parr/Holder.h"
#include "rook2/EllipseNode.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// The glyph of a solder joint: a black dot 4 units across centred on the joint's position
// (relative to its line, which draws nothing and sits at the origin). Movable, not
// selectable. User-interface thread only.
class VANTOR_EXPORT SolderJointGlyph : public DOVE2::Glyph {
public:
    explicit SolderJointGlyph(const VTQUILL::ImmutableSolderJoint& joint);
    ~SolderJointGlyph() override;

    // Builds the dot in the glyph's scene; nothing without a scene.
    void create() override;
    // The dot; empty before `create`.
    PARR::Holder<ROOK2::Node> getRoot() const override { return root; }
    // Centres the dot on the joint.
    void update() override;

private:
    PARR::Holder<ROOK2::EllipseNode> root;
};

}  // namespace Vantor
