#include "glyphs/SolderJointGlyph.h"

#include "glyphs/GlyphStyle.h"
#include "rook2/Ellipse.h"
#include "rook2/Scene.h"

namespace Vantor {

namespace {

constexpr double kDotSize = 4.0;

}  // namespace

SolderJointGlyph::SolderJointGlyph(const VTQUILL::ImmutableSolderJoint& joint)
    : DOVE2::Glyph(DOVE2::DiagramElement(joint)) {}

SolderJointGlyph::~SolderJointGlyph() = default;

void SolderJointGlyph::create() {
    if (!getScene())
        return;
    root = getScene()->createNode<ROOK2::EllipseNode>(ROOK2::Ellipse(PARR::GLRect<double>()));
    root->setFill(GlyphStyle::fill(GlyphStyle::black()));
    root->setWidth(kDotSize);
    root->setHeight(kDotSize);
    root->setSelectable(false);
    root->setMovable(true);
}

void SolderJointGlyph::update() {
    const VTQUILL::ImmutableSolderJoint joint(diagramElement());
    if (!root || !joint.isValid())
        return;
    const PARR::GLPoint<double> half(kDotSize / 2, kDotSize / 2);
    root->setPosition(joint.getPosition() - half);
}

}  // namespace Vantor
