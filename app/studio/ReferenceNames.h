#pragma once

#include <string>

#include "parr/GLPoint.h"
#include "quill/ImmutableClassObject.h"

namespace VantorStudio {

// How the studio names a model object that another one refers to (a segment's ends, a port's
// segment), in the words of the diagram and never by internal id:
//  - a port: its block's name, "/", then "In", "Out" or "Conn" with its number among the
//    block's ports of its kind ("Gain/In1");
//  - a block or a diagram: its name;
//  - a segment: "segment <n> of the line" (n counts from 1 in the line's order);
//  - a solder joint: "branch point at (x, y)", its position within its line;
//  - a terminator: "free end";
//  - an annotation or anything else: its class's name.
// An empty handle is named "" and a handle whose object is gone "missing element".
class ReferenceNames {
public:
    static std::string nameOf(const QUILL::ImmutableClassObject& object);
    // A point as the studio shows coordinates: "(x, y)", shortest form of each number.
    static std::string pointText(const PARR::GLPoint<double>& point);

private:
    static std::string portName(const QUILL::ImmutableClassObject& port);
    static std::string segmentName(const QUILL::ImmutableClassObject& segment);
};

}  // namespace VantorStudio
