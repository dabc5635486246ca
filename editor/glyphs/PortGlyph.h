#pragma once

#include <vector>

#include "application/Export.h"
#include "dove2/Glyph.h"
#include "parr/GLPoint.h"
#include "parr/Holder.h"
#include "rook2/Node.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// The glyph of a port: a container node at the port's position (relative to its block),
// turned by 360 - orientation degrees about that position. An "In Port" shows a black chevron
// pointing at the port's origin with its arms towards +x, an "Out Port" one pointing at x 5;
// both have a transparent hit rectangle (0, -5, 5, 10) and show only while no line is
// attached. Any other port is a red 6 x 6 square centred on its position, always shown.
// The root is not selectable. User-interface thread only.
class VANTOR_EXPORT PortGlyph : public DOVE2::Glyph {
public:
    explicit PortGlyph(const VTQUILL::ImmutablePort& port);
    ~PortGlyph() override;

    // Builds the nodes in the glyph's scene; nothing without a scene.
    void create() override;
    // The container; empty before `create`.
    PARR::Holder<ROOK2::Node> getRoot() const override { return root; }
    // Position, visibility and rotation after the port.
    void update() override;

private:
    void addChevron(const std::vector<PARR::GLPoint<double>>& points);

    PARR::Holder<ROOK2::Node> root;
};

}  // namespace Vantor
