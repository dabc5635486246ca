#include "sim/LineNets.h"

#include <numeric>

namespace VTSIM {

namespace {

// Union-find over the ends of one line's segments (ports and joints, by id).
class EndSets {
public:
    int indexOf(QUILL::ObjectId id) {
        const auto [it, added] = index_.try_emplace(id, static_cast<int>(parent_.size()));
        if (added)
            parent_.push_back(it->second);
        return it->second;
    }
    int find(int i) {
        while (parent_[i] != i)
            i = parent_[i] = parent_[parent_[i]];
        return i;
    }
    void join(int a, int b) { parent_[find(a)] = find(b); }

private:
    std::unordered_map<QUILL::ObjectId, int> index_;
    std::vector<int> parent_;
};

}  // namespace

void LineNets::addDiagram(const VTQUILL::ImmutableDiagram& diagram) {
    for (const VTQUILL::ImmutableLine& line : diagram.getLines())
        addLine(line);
}

void LineNets::addLine(const VTQUILL::ImmutableLine& line) {
    const QUILL::ImmutableType portType = VTQUILL::ImmutablePort::MetaClass();
    const QUILL::ImmutableType jointType = VTQUILL::ImmutableSolderJoint::MetaClass();
    EndSets sets;
    std::vector<std::pair<VTQUILL::ImmutablePort, int>> ports;
    for (const VTQUILL::ImmutableSegment& segment : line.getSegments()) {
        const auto geometry = segment.getGeometry();
        int first = -1;
        for (const QUILL::ImmutableClassObject& end : {geometry.src, geometry.dst}) {
            const bool isPort = end.isKindOf(portType);
            if (!isPort && !end.isKindOf(jointType))
                continue;
            const int index = sets.indexOf(end.getObjectId());
            if (isPort)
                ports.emplace_back(VTQUILL::ImmutablePort(end), index);
            if (first >= 0)
                sets.join(first, index);
            first = index;
        }
    }
    std::unordered_map<int, int> netOfSet;
    for (const auto& [port, index] : ports) {
        const auto [it, added] = netOfSet.try_emplace(sets.find(index), 0);
        if (added) {
            it->second = static_cast<int>(nets_.size());
            nets_.emplace_back();
        }
        Net& net = nets_[it->second];
        (port.getType() == VTQUILL::kOutPort ? net.outPorts : net.inPorts).push_back(port);
        netOfPort_[port.getObjectId()] = it->second;
    }
}

int LineNets::netOf(QUILL::ObjectId port) const {
    const auto it = netOfPort_.find(port);
    return it == netOfPort_.end() ? -1 : it->second;
}

}  // namespace VTSIM
