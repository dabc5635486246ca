#pragma once

#include "renderer/LayerPainter.h"

namespace VantorRenderer {

// The background layer: filled shapes.
class VANTOR_EXPORT VtrenderBGPainter : public LayerPainter {
public:
    VtrenderBGPainter(const PARR::GLRect<double>& rect, boost::shared_ptr<DOVERenderAdapter> a)
        : LayerPainter(DOVERenderAdapter::Background, rect, std::move(a)) {}
};

}  // namespace VantorRenderer
