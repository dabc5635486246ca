#pragma once

#include "renderer/LayerPainter.h"

namespace VantorRenderer {

// The border layer: outlines and frames (a frame still pending is drawn first).
class VANTOR_EXPORT VtrenderBorderPainter : public LayerPainter {
public:
    VtrenderBorderPainter(const PARR::GLRect<double>& rect, boost::shared_ptr<DOVERenderAdapter> a)
        : LayerPainter(DOVERenderAdapter::Border, rect, std::move(a)) {}
};

}  // namespace VantorRenderer
