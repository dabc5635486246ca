#include "renderer/BGPainterFacade.h"

#include "parr/Gradient.h"
#include "parr/Transform.h"
#include "renderer/VtrenderBGPainter.h"
#include "renderer/VtrenderBorderPainter.h"
#include "renderer/VtrenderFGPainter.h"
#include "renderer/VtrenderPortLabelPainter.h"
#include "renderer/VtrenderSSPainter.h"
#include "rook2/EffectShadow.h"

namespace VantorRenderer {

BGPainterFacade::BGPainterFacade(ROOK2::Scene* scene, const PARR::GLPoint<double>& size,
                                 boost::shared_ptr<DOVERenderAdapter> adapter)
    : background(PARR::makeHeld<ROOK2::CustomNode>()),
      foreground(PARR::makeHeld<ROOK2::CustomNode>()),
      border(PARR::makeHeld<ROOK2::CustomNode>()),
      portLabels(PARR::makeHeld<ROOK2::CustomNode>()),
      ssLayer(PARR::makeHeld<ROOK2::CustomNode>()),
      renderedSize(size),
      root(PARR::makeHeld<ROOK2::ContainerNode>()),
      adapter(std::move(adapter)),
      scene(scene) {
    buildNodeTree();
}

BGPainterFacade::~BGPainterFacade() = default;

const PARR::Holder<ROOK2::Effect>& BGPainterFacade::sharedShadow() {
    static const PARR::Holder<ROOK2::Effect> shadow(new ROOK2::EffectShadow());
    return shadow;
}

PARR::Holder<ROOK2::RectNode> BGPainterFacade::makeHighlight() {
    PARR::Holder<ROOK2::RectNode> wash = PARR::makeHeld<ROOK2::RectNode>();
    wash->setStroke(ROOK2::Stroke(ROOK2::Stroke::NoStroke));
    PARR::Gradient gradient;
    gradient.setType(PARR::Gradient::Linear);
    gradient.setFlag(true);
    gradient.addStop(0.3, PARR::Color(1, 1, 1, 0.7));
    gradient.addStop(1.0, PARR::Color(0.85, 0.85, 0.85, 0.7));
    gradient.setStart({0, 0});
    gradient.setEnd({0, 1});
    gradient.setCoordinateMode(PARR::Gradient::ObjectBoundingMode);
    wash->setFill(ROOK2::Fill(gradient));
    return wash;
}

void BGPainterFacade::buildNodeTree() {
    const PARR::Holder<ROOK2::RectNode> wash = makeHighlight();
    for (ROOK2::Node* node :
         {static_cast<ROOK2::Node*>(background.get()), static_cast<ROOK2::Node*>(ssLayer.get()),
          static_cast<ROOK2::Node*>(wash.get()), static_cast<ROOK2::Node*>(foreground.get()),
          static_cast<ROOK2::Node*>(border.get()), static_cast<ROOK2::Node*>(portLabels.get())})
        node->setParent(root.get());
    highlight = wash;
    ssNode = ssLayer;
}

const PARR::Holder<ROOK2::CustomNode>& BGPainterFacade::layerNode(
    DOVERenderAdapter::Layer layer) const {
    switch (layer) {
        case DOVERenderAdapter::Background:
            return background;
        case DOVERenderAdapter::Border:
            return border;
        case DOVERenderAdapter::SS:
            return ssLayer;
        case DOVERenderAdapter::PortLabels:
            return portLabels;
        default:
            return foreground;
    }
}

void BGPainterFacade::setSize(double w, double h) {
    renderedSize = {w, h};
    const PARR::GLRect<double> rect(0, 0, w, h);
    background->setPainter(PARR::makeHeld<VtrenderBGPainter>(rect, adapter));
    foreground->setPainter(PARR::makeHeld<VtrenderFGPainter>(rect, adapter));
    border->setPainter(PARR::makeHeld<VtrenderBorderPainter>(rect, adapter));
    if (adapter->isSSMode())
        ssLayer->setPainter(PARR::makeHeld<VtrenderSSPainter>(rect, adapter));
    portLabels->setPainter(PARR::makeHeld<VtrenderPortLabelPainter>(rect, adapter));
}

void BGPainterFacade::resetTransforms() {
    if (ssNode)
        ssNode->setTransform(PARR::Transform());
    for (ROOK2::CustomNode* node :
         {portLabels.get(), background.get(), foreground.get(), border.get()})
        node->setTransform(PARR::Transform());
}

void BGPainterFacade::resizeTo(double w, double h) {
    resetTransforms();
    if (adapter->isSSMode()) {
        QPointF at;
        const double k = adapter->fitSS(w, h, at);
        if (k != -1.0) {
            ssLayer->setTransform(PARR::Transform::fromScale(k, k));
            ssLayer->setPosition({at.x(), at.y()});
        }
    }
    // A block rendered with no width or height has nothing to stretch along that side.
    const double sx = renderedSize.x == 0.0 ? 1.0 : w / renderedSize.x;
    const double sy = renderedSize.y == 0.0 ? 1.0 : h / renderedSize.y;
    adapter->setStretch(sx, sy);
    if (sx == 1.0 && sy == 1.0)
        return;
    for (ROOK2::CustomNode* node :
         {portLabels.get(), background.get(), foreground.get(), border.get()}) {
        node->setPosition({0, 0});
        node->setTransform(PARR::Transform::fromScale(sx, sy));
    }
}

void BGPainterFacade::showAt(double w, double h) {
    if (ROOK2::RectNode* wash = highlight.get()) {
        wash->setPosition({0, 0});
        wash->setRect(PARR::GLRect<double>(0, 0, w, h));
    }
    resizeTo(w, h);
    if (shadowAdded)
        return;
    background->getEffects().add(sharedShadow());
    shadowAdded = true;
}

void BGPainterFacade::showDrawnLayers() {
    const bool ssShown = adapter->isSSMode() && !adapter->isLayerEmpty(DOVERenderAdapter::SS);
    const std::pair<ROOK2::Node*, bool> order[] = {
        {background.get(), !adapter->isLayerEmpty(DOVERenderAdapter::Background)},
        {ssLayer.get(), ssShown},
        {highlight.get(), highlight.isAlive()},
        {foreground.get(), !adapter->isLayerEmpty(DOVERenderAdapter::Foreground)},
        {border.get(), !adapter->isLayerEmpty(DOVERenderAdapter::Border)},
        {portLabels.get(), !adapter->isLayerEmpty(DOVERenderAdapter::PortLabels)},
    };
    for (const auto& [node, shown] : order) {
        if (!node)
            continue;
        if (!shown) {
            node->remove();
            continue;
        }
        node->setParent(root.get());
        node->toTop();
    }
    ssNode =
        ssShown ? ROOK2::WeakRef<ROOK2::CustomNode>(ssLayer) : ROOK2::WeakRef<ROOK2::CustomNode>();
}

void BGPainterFacade::refresh(double w, double h) {
    // The placeholder stands in for the drawing only until the block's first rendering.
    if (!adapter->isSSMode() && highlight)
        highlight->remove();
    setSize(w, h);
    showDrawnLayers();
    portLabels->repaintRequired();
    background->repaintRequired();
    foreground->repaintRequired();
    border->repaintRequired();
    if (ssNode)
        ssNode->repaintRequired();
}

}  // namespace VantorRenderer
