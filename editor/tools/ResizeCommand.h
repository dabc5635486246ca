#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/Command.h"
#include "dove2/DiagramElement.h"
#include "parr/GLPoint.h"
#include "parr/Holder.h"
#include "tools/SegmentRouteHint.h"

namespace Vantor {

// "Resize": gives a diagram element a new position and size. A block's ports are spread
// evenly along their sides as the engine lays them out (VTDove::PortLayout: the i-th of n
// ports of a side at (i + 0.5) / n of its length, in the order the block holds them), and
// every line at its ports is routed again from the shape it had when the gesture began and
// cleaned up.
//
// Position relative to the element's container, size as width and height (diagram units).
// The resize behaviour applies the same command at each live step in the view instance
// (applyTo) and hands it to the editor at the release.
class VANTOR_EXPORT ResizeCommand : public DOVE2::Command {
public:
    // The command for `element` on `model`, with the route hints of every segment of every
    // line at the element's ports (when it is a block), taken from the root.
    static PARR::Holder<ResizeCommand> create(const QUILL::Model& model,
                                              const DOVE2::DiagramElement& element);
    ~ResizeCommand() override;

    // "Resize".
    std::string shortDescription() const override;
    // Applies the resize in the root of the element's model.
    void execute(PARR::ErrorHolder& errors) override;

    void setTarget(const PARR::GLPoint<double>& position, const PARR::GLPoint<double>& size);
    // Applies the resize in `model` (inside an open transaction there).
    void applyTo(const QUILL::Model& model) const;

    const DOVE2::DiagramElement& getElement() const { return element_; }
    const PARR::GLPoint<double>& getPosition() const { return position_; }
    const PARR::GLPoint<double>& getSize() const { return size_; }

private:
    ResizeCommand(const QUILL::Model& model, const DOVE2::DiagramElement& element);
    void resizeBlock(const VTQUILL::Block& block, const QUILL::Model& model) const;

    DOVE2::DiagramElement element_;
    PARR::GLPoint<double> position_;
    PARR::GLPoint<double> size_;
    SegmentRouteHints routeHints_;
};

}  // namespace Vantor
