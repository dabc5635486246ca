#pragma once

#include <stdexcept>
#include <string>

namespace VTQUILL::File {

// Why a model file cannot be read: where (a JSON path such as "diagrams[0].blocks[3].type",
// "line 4, column 17" for a syntax error, or empty for the file as a whole) and what is wrong.
// Thrown while a file is decoded and validated; the reader turns it into its LoadError.
class ModelFileError : public std::runtime_error {
public:
    ModelFileError(std::string place, std::string problem);

    const std::string& place() const { return place_; }
    const std::string& problem() const { return problem_; }

private:
    std::string place_;
    std::string problem_;
};

}  // namespace VTQUILL::File
