#pragma once

#include "renderer/LayerPainter.h"

namespace VantorRenderer {

// The port-label layer.
class VANTOR_EXPORT VtrenderPortLabelPainter : public LayerPainter {
public:
    VtrenderPortLabelPainter(const PARR::GLRect<double>& rect,
                             boost::shared_ptr<DOVERenderAdapter> a)
        : LayerPainter(DOVERenderAdapter::PortLabels, rect, std::move(a)) {}
};

}  // namespace VantorRenderer
