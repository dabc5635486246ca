#pragma once

#include <boost/shared_ptr.hpp>

#include "application/Export.h"
#include "parr/GLPoint.h"
#include "parr/Holder.h"
#include "renderer/DOVERenderAdapter.h"
#include "rook2/ContainerNode.h"
#include "rook2/CustomNode.h"
#include "rook2/Effect.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"
#include "rook2/WeakRef.h"

namespace VantorRenderer {

// The render entry of one legacy block: the scene nodes that show the block's recorded
// layers (one custom node per layer, each replaying it through a layer painter), under one
// container node. The block's glyph hangs `getRoot()` under its own root, so the nodes'
// frame is the block's: (0, 0) its top-left corner, diagram units.
//
// Children of the root, bottom to top: background, SS layer, the highlight placeholder (a
// translucent white-to-grey wash shown until the block's first refresh), foreground,
// border, port labels. After a refresh only the layers that draw something are in the scene
// (the SS layer only in SS mode), so empty layers cost nothing.
//
// Shared (boost::shared_ptr) by the listener and the glyph that shows it; shares the adapter
// with its painters. The scene is not owned. User-interface thread only.
class VANTOR_EXPORT BGPainterFacade {
public:
    BGPainterFacade(ROOK2::Scene* scene, const PARR::GLPoint<double>& size,
                    boost::shared_ptr<DOVERenderAdapter> adapter);
    ~BGPainterFacade();
    BGPainterFacade(const BGPainterFacade&) = delete;
    BGPainterFacade& operator=(const BGPainterFacade&) = delete;

    // New painters for the rendered size w x h (rectangle (0, 0, w, h)).
    void setSize(double w, double h);
    // Stretches the recordings drawn at the rendered size to w x h (during a resize, until
    // the block is rendered again): the layer nodes scaled by w / rendered width and
    // h / rendered height (1 along a rendered side of 0), the SS layer fitted anew.
    void resizeTo(double w, double h);
    // Shows the entry at the block size w x h: the highlight sized, the layers stretched,
    // and the shared drop shadow put under the background the first time.
    void showAt(double w, double h);
    // After the block was rendered again at w x h: the highlight gone (outside SS mode),
    // new painters, only drawing layers in the scene, every layer repainted.
    void refresh(double w, double h);

    const PARR::Holder<ROOK2::ContainerNode>& getRoot() const { return root; }
    const boost::shared_ptr<DOVERenderAdapter>& getAdapter() const { return adapter; }
    const PARR::GLPoint<double>& getRenderedSize() const { return renderedSize; }
    bool hasShadow() const { return shadowAdded; }
    // The layer nodes (shown or not) and the placeholder while it is in the scene.
    const PARR::Holder<ROOK2::CustomNode>& layerNode(DOVERenderAdapter::Layer layer) const;
    ROOK2::RectNode* getHighlight() const { return highlight.get(); }
    ROOK2::Scene* getScene() const { return scene; }

    // The drop shadow every entry's background shares: made on first use, one reference
    // kept until the module is unloaded.
    static const PARR::Holder<ROOK2::Effect>& sharedShadow();

private:
    void buildNodeTree();
    static PARR::Holder<ROOK2::RectNode> makeHighlight();
    // Puts the drawing layers into the root in their order and takes the empty ones out.
    void showDrawnLayers();
    void resetTransforms();

    ROOK2::WeakRef<ROOK2::RectNode> highlight;
    ROOK2::WeakRef<ROOK2::CustomNode> ssNode;
    PARR::Holder<ROOK2::CustomNode> background;
    PARR::Holder<ROOK2::CustomNode> foreground;
    PARR::Holder<ROOK2::CustomNode> border;
    PARR::Holder<ROOK2::CustomNode> portLabels;
    // Kept while out of the scene, so that a block that starts drawing a scaled region
    // shows it.
    PARR::Holder<ROOK2::CustomNode> ssLayer;
    PARR::GLPoint<double> renderedSize;
    bool shadowAdded = false;
    PARR::Holder<ROOK2::ContainerNode> root;
    boost::shared_ptr<DOVERenderAdapter> adapter;
    ROOK2::Scene* scene;
};

}  // namespace VantorRenderer
