#pragma once

#include <string>

#include "vtquill/VTQuill.h"

namespace VTQUILL {

// Finds diagrams of the open models by system path, as Diagram::getFullName writes it: the
// top-level diagram's name, then the names of the nested subsystem blocks, separated by "/",
// a "/" inside a name doubled ("m/a//b" is the subsystem "a/b" of the model "m").
class BackendLookup {
public:
    // Sets `model` (the root instance) and `diagram` (in it) and returns true when an open
    // model has a diagram of that path; leaves both untouched and returns false otherwise.
    // Models are searched in the order they were opened; the first match wins.
    static bool getDiagram(const std::string& fullPath, Model& model, Diagram& diagram);

private:
    static Diagram findBelow(const Diagram& diagram, const std::string& fullPath);
};

}  // namespace VTQUILL
