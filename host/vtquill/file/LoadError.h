#pragma once

#include <string>

namespace VTQUILL::File {

// Why a model file did not load: the file, the place in it (a JSON path such as
// "diagrams[0].blocks[3].ports[1].kind", "line 4, column 17" for a syntax error, or empty
// when the problem is the file as a whole) and what is wrong.
struct LoadError {
    std::string file;
    std::string place;
    std::string problem;

    // "file: place: problem", or "file: problem" without a place.
    std::string message() const;
};

}  // namespace VTQUILL::File
