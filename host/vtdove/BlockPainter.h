#pragma once

#include "vtdove/IVantorRenderer.h"
#include "vtquill/VTQuill.h"

namespace VTDove {

// Draws a block's legacy graphics (icon, frame, port labels) through `renderer`: the drawing
// code of the block's library type, or, for a type the library does not know, a plain frame
// with the type's name. Primitives arrive in diagram coordinates: the icon's block coordinates
// moved by the block's position (relative to its diagram), which is the origin a recording
// renderer starts at. Reads the block in its own instance; the renderer is not kept.
void paintBlockGraphics(const VTQUILL::ImmutableBlock& block,
                        VantorRenderer::IVantorRenderer& renderer);

}  // namespace VTDove
