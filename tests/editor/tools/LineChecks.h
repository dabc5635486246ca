#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "application/Application.h"
#include "dove2/GraphElement.h"
#include "dove2/GraphNode.h"
#include "vtquill/VTQuill.h"

namespace ToolTest {

// The points of `path`, for failure messages.
inline std::string describe(const PARR::Path& path) {
    std::string text;
    for (const auto& p : path)
        text += "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ") ";
    return text;
}

// The polyline a segment is drawn as: the absolute position of its source element, its stored
// vertices, the absolute position of its destination element (Application::getSegmentPoint).
inline PARR::Path drawnPolyline(const VTQUILL::Segment& segment) {
    PARR::Path polyline;
    const int last = static_cast<int>(segment.getPath().size()) + 1;
    for (int i = 0; i <= last; ++i)
        polyline.addPoint(Vantor::Application::getSegmentPoint(segment, i));
    return polyline;
}

// How far off an axis a leg that touches an end may run: stored vertices are rounded to whole
// units, end points need not be.
constexpr double kEndSlack = 0.5;

// Whether `line` is well formed as every edit must leave it: each segment has two valid ends,
// each solder joint joins three or more segments, each segment's stored route has whole-unit
// coordinates and the polyline it is drawn as (between its end elements' absolute positions)
// is axis-parallel. The end points themselves may sit at half units: ports spread along a side
// of odd length do. The router's view of a route, which ends at the port stems
// (getCompleteSegmentPath), is not checked: the clean-up drops a vertex that sits on a port's
// position, so a route that reaches an input port from above leaves no corner before the stem.
inline ::testing::AssertionResult isWellFormed(const VTQUILL::Line& line) {
    if (!line.isValid())
        return ::testing::AssertionFailure() << "the line is gone";
    for (const VTQUILL::Segment& segment : line.getSegments()) {
        if (!DOVE2::GraphElement(segment.getSrcElement()).isValid() ||
            !DOVE2::GraphElement(segment.getDstElement()).isValid())
            return ::testing::AssertionFailure()
                   << "segment " << segment.getObjectId() << " has an invalid end";
        for (const auto& p : segment.getPath()) {
            if (p.x != std::round(p.x) || p.y != std::round(p.y))
                return ::testing::AssertionFailure()
                       << "segment " << segment.getObjectId()
                       << " has a fractional vertex: " << describe(segment.getPath());
        }
        const PARR::Path path = drawnPolyline(segment);
        for (std::size_t i = 1; i < path.size(); ++i) {
            // A leg that touches an end is straight up to the rounding of the stored vertex.
            const bool atEnd = i == 1 || i + 1 == path.size();
            const double slack = atEnd ? kEndSlack : 0;
            if (std::abs(path[i].x - path[i - 1].x) > slack &&
                std::abs(path[i].y - path[i - 1].y) > slack)
                return ::testing::AssertionFailure() << "segment " << segment.getObjectId()
                                                     << " has a diagonal leg: " << describe(path);
        }
    }
    for (const VTQUILL::SolderJoint& joint : line.getSolderJoints()) {
        if (joint.getEdges().size() < 3)
            return ::testing::AssertionFailure() << "joint " << joint.getObjectId() << " joins "
                                                 << joint.getEdges().size() << " segments";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace ToolTest
