#pragma once

#include <unordered_map>
#include <vector>

#include "quill/ObjectId.h"
#include "vtquill/VTQuill.h"

namespace VTSIM {

// The signals that the lines of a diagram carry: each line's segments joined through its
// solder joints form nets, and each net connects the ports its segments end at (a free end
// connects nothing). Direction comes from the ports' kinds, not from how the segments were
// drawn.
class LineNets {
public:
    struct Net {
        std::vector<VTQUILL::ImmutablePort> outPorts;  // the outputs driving the net
        std::vector<VTQUILL::ImmutablePort> inPorts;   // the inputs it feeds
    };

    // Adds the nets of every line of `diagram`.
    void addDiagram(const VTQUILL::ImmutableDiagram& diagram);
    const std::vector<Net>& nets() const { return nets_; }
    // The net a port is attached to; -1 when it has no line.
    int netOf(QUILL::ObjectId port) const;

private:
    void addLine(const VTQUILL::ImmutableLine& line);

    std::vector<Net> nets_;
    std::unordered_map<QUILL::ObjectId, int> netOfPort_;
};

}  // namespace VTSIM
