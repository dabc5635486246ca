#pragma once

#include "renderer/LayerPainter.h"

namespace VantorRenderer {

// The separately scaled region, recorded in diagram units: its node is scaled and placed
// by the adapter's fitSS. Draws nothing while the region has no valid scale (-1); its
// bounds are the recording's alone (the block's rectangle is in another frame).
class VANTOR_EXPORT VtrenderSSPainter : public LayerPainter {
public:
    VtrenderSSPainter(const PARR::GLRect<double>& rect, boost::shared_ptr<DOVERenderAdapter> a);

    void paint(QPainter* painter) override;
};

}  // namespace VantorRenderer
