#include "dove2/Glyph.h"

#include "dove2/VisualIndicatorContainer.h"

namespace DOVE2 {

Glyph::Glyph(const DiagramElement& element) : element_(element) {}

Glyph::~Glyph() = default;

void Glyph::create() {}

PARR::Holder<ROOK2::Node> Glyph::getChildContainer() const {
    return getRoot();
}

void Glyph::update() {}

PARR::GLPoint<double> Glyph::minSize() const {
    return {0, 0};
}

void Glyph::onSelectionChanged() {
    update();
}

bool Glyph::isSelected() const {
    const PARR::Holder<ROOK2::Node> root = getRoot();
    return root && !root->isRemoved() && root->isSelected();
}

bool Glyph::isMovable() const {
    const PARR::Holder<ROOK2::Node> root = getRoot();
    return root && !root->isRemoved() && root->isMovable();
}

bool Glyph::isSelectable() const {
    const PARR::Holder<ROOK2::Node> root = getRoot();
    return root && !root->isRemoved() && root->isSelectable();
}

void Glyph::onTextEditComplete(ROOK2::TextNode&) {}

void Glyph::setEditor(Editor* editor) {
    editor_ = editor;
    if (editor_)
        onSetEditor();
}

void Glyph::onSetEditor() {}

VisualIndicatorContainer& Glyph::createVisualIndicatorContainer() {
    if (!indicators_)
        indicators_ = std::make_unique<VisualIndicatorContainer>(getRoot());
    return *indicators_;
}

}  // namespace DOVE2
