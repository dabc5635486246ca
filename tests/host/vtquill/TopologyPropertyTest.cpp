#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include "DiagramBuilder.h"

using namespace VTQUILL;
using VTQuillTest::DiagramBuilder;

namespace {

// Every segment end, port edge and joint edge list agree: each end names an element whose
// edge list holds the segment as often as the segment names it, and each edge-list entry
// names a segment that ends there; a port holds at most one segment; a terminator is
// contained in the segment it ends.
void checkTopology(const Diagram& diagram) {
    std::vector<QUILL::ImmutableClassObject> nodes;
    std::vector<Segment> segments;
    for (const Block& b : diagram.getBlocks()) {
        for (const Port& p : b.getContained()) {
            nodes.push_back(p);
            RC_ASSERT(DOVE2::ImmutableGraphNode(p).getEdges().size() <= 1u);
        }
    }
    for (const Line& l : diagram.getLines()) {
        for (const SolderJoint& j : l.getSolderJoints())
            nodes.push_back(j);
        for (const Segment& s : l.getSegments()) {
            segments.push_back(s);
            for (const Terminator& t : childrenOfType<Terminator>(s))
                nodes.push_back(t);
        }
        for (const Terminator& t : childrenOfType<Terminator>(l))
            nodes.push_back(t);
    }
    for (const auto& node : nodes) {
        for (const auto& e : DOVE2::ImmutableGraphNode(node).getEdges()) {
            const ImmutableSegment s(e);
            RC_ASSERT(s.isValid());
            RC_ASSERT(s.getSrcElement() == node || s.getDstElement() == node);
        }
    }
    for (const Segment& s : segments) {
        for (const auto& end : {s.getSrcElement(), s.getDstElement()}) {
            if (!end.isValid())
                continue;
            const auto edges = DOVE2::ImmutableGraphNode(end).getEdges().toVector();
            const auto held = std::count(edges.begin(), edges.end(), s);
            const auto named = (s.getSrcElement() == end) + (s.getDstElement() == end);
            RC_ASSERT(held == named);
            if (ImmutableTerminator(end).isValid())
                RC_ASSERT(end.getContainer() == s);
        }
    }
}

}  // namespace

RC_GTEST_PROP(TopologyProperty, EndsAndEdgeListsAgreeAfterAnyEdits,
              (const std::vector<std::tuple<unsigned, unsigned, unsigned>>& edits)) {
    DiagramBuilder b;
    std::vector<QUILL::ImmutableClassObject> nodes;
    for (int i = 0; i < 3; ++i) {
        Block blk = b.block("Gain", "G" + std::to_string(i));
        nodes.push_back(b.in(blk));
        nodes.push_back(b.out(blk));
    }
    Line line = b.diagram.addLine(kSignalLine);
    std::vector<Segment> segments;
    for (int i = 0; i < 4; ++i)
        segments.push_back(line.addSegment());
    for (int i = 0; i < 2; ++i)
        nodes.push_back(line.addSolderJoint({double(i), 0}));
    for (int i = 0; i < 2; ++i)
        nodes.push_back(segments[i].addDstTerminator({0, double(i)}));

    for (const auto& [op, a, c] : edits) {
        std::vector<Segment> live;
        for (const auto& s : segments)
            if (s.isValid())
                live.push_back(s);
        std::vector<QUILL::ImmutableClassObject> liveNodes;
        for (const auto& n : nodes)
            if (n.isValid())
                liveNodes.push_back(n);
        if (live.empty() || liveNodes.empty())
            break;
        const Segment& s = live[a % live.size()];
        const auto& node = liveNodes[c % liveNodes.size()];
        try {
            switch (op % 5) {
                case 0:
                    s.setSrcElement(node);
                    break;
                case 1:
                    s.setDstElement(node);
                    break;
                case 2:
                    s.setSrcElement({});
                    break;
                case 3:
                    Topology::destroyElement(*node.getDeviant(), node.getObjectId());
                    break;
                case 4:
                    s.destroy();
                    break;
            }
        } catch (const QUILL::Exception&) {
            // Refused edits (an occupied port) change nothing; the check below holds anyway.
        }
        checkTopology(b.diagram);
    }
    b.commit();
    checkTopology(b.diagram);
}
