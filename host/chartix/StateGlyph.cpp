#include "chartix/StateGlyph.h"

#include "chartix/ChartSchema.h"
#include "rook2/Scene.h"

namespace CHARTIX {

void StateGlyph::create() {
    DOVE2::RectangleGlyph::create();
    const PARR::Holder<ROOK2::Node> box = getRoot();
    if (!box || !getScene())
        return;
    name_ = getScene()->createNode<ROOK2::TextNode>(std::string());
    name_->setSelectable(false);
    name_->setParent(box);
}

void StateGlyph::update() {
    DOVE2::RectangleGlyph::update();
    const DOVE2::DiagramElement state = diagramElement();
    if (!name_ || !state.isValid())
        return;
    name_->setText(state.get<std::string>(ChartSchema::get().stateName));
    const PARR::GLPoint<double> size = state.getSize();
    name_->setPosition({(size.x - name_->getWidth()) / 2, (size.y - name_->getHeight()) / 2});
}

}  // namespace CHARTIX
