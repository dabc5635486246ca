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

// Whether `line` is well formed as every edit must leave it: each segment has two valid ends,
// each solder joint joins three or more segments, each segment's stored route has whole-unit
// coordinates and its complete route (with the end points) is axis-parallel. The end points
// themselves may sit at half units: ports spread along a side of odd length do.
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
        const PARR::Path path = Vantor::Application::getCompleteSegmentPath(segment);
        for (std::size_t i = 1; i < path.size(); ++i) {
            if (path[i].x != path[i - 1].x && path[i].y != path[i - 1].y)
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
