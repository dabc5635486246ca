#pragma once

#include "dove2/Diagram.h"
#include "dove2/Graphics.h"
#include "glyphs/GlyphFactory.h"
#include "parr/Holder.h"
#include "quill/ClassObject.h"
#include "rook2/Node.h"
#include "rook2/Scene.h"
#include "support/QtTestApplication.h"

namespace GlyphTest {

// A scene showing `diagram` through the module's glyph factory, with no editor: the glyphs
// follow the commits of the diagram's instance, as they do in an editor. The model must
// outlive the scene.
class GlyphTestScene {
public:
    explicit GlyphTestScene(const DOVE2::Diagram& diagram)
        : graphics_((TestSupport::qtApplication(), scene_), diagram, factory_) {}

    ROOK2::Scene& scene() { return scene_; }
    PARR::Holder<DOVE2::Glyph> glyphOf(const QUILL::ImmutableClassObject& element) const {
        return graphics_.getGlyph(element);
    }
    // The root node of the element's glyph; null when it has none.
    ROOK2::Node* nodeOf(const QUILL::ImmutableClassObject& element) const {
        const PARR::Holder<DOVE2::Glyph> glyph = glyphOf(element);
        return glyph ? glyph->getRoot().get() : nullptr;
    }
    // The node's own content box in scene coordinates (children left out).
    static PARR::GLRect<double> sceneContentBox(const ROOK2::Node& node) {
        return node.sceneTransform().mapRect(node.contentRect());
    }

private:
    ROOK2::Scene scene_;
    Vantor::GlyphFactory factory_;
    DOVE2::Graphics graphics_;
};

}  // namespace GlyphTest
