#pragma once

#include <boost/shared_ptr.hpp>

#include "application/Export.h"
#include "parr/GLRect.h"
#include "renderer/DOVERenderAdapter.h"
#include "rook2/CustomNodePainter.h"

namespace VantorRenderer {

// The painter of a custom node that shows one recorded layer of a block: it replays the
// layer from the block's adapter at every repaint. Holds the rectangle (0, 0, w, h) of the
// rendered block size (the node's frame) and shares the adapter, which therefore lives as
// long as any node still shows it.
//
// The painted area is the rectangle united with what the layer actually covers, so a
// frame's outer half and text running past the block are not cut off.
class VANTOR_EXPORT LayerPainter : public ROOK2::CustomNodePainter {
public:
    LayerPainter(DOVERenderAdapter::Layer layer, const PARR::GLRect<double>& rect,
                 boost::shared_ptr<DOVERenderAdapter> adapter);

    // Measured when the painter is made (a new painter follows every rendering).
    ROOK2::Bounds bounds() const override { return measured; }
    // The shapes the layer fills (what a shadow follows); the block's rectangle when it
    // fills none.
    QPainterPath getStrokedOutline() const override;
    void paint(QPainter* painter) override;

    DOVERenderAdapter::Layer getLayer() const { return layer; }
    const PARR::GLRect<double>& getRect() const { return rect; }
    const boost::shared_ptr<DOVERenderAdapter>& getAdapter() const { return adapter; }

protected:
    DOVERenderAdapter::Layer layer;
    PARR::GLRect<double> rect;
    boost::shared_ptr<DOVERenderAdapter> adapter;
    ROOK2::Bounds measured;

private:
    ROOK2::Bounds measure() const;
};

}  // namespace VantorRenderer
