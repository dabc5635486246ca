#pragma once

#include "renderer/LayerPainter.h"

namespace VantorRenderer {

// The foreground layer: text, images, points and lines.
class VANTOR_EXPORT VtrenderFGPainter : public LayerPainter {
public:
    VtrenderFGPainter(const PARR::GLRect<double>& rect, boost::shared_ptr<DOVERenderAdapter> a)
        : LayerPainter(DOVERenderAdapter::Foreground, rect, std::move(a)) {}
};

}  // namespace VantorRenderer
