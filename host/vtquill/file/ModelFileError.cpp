#include "vtquill/file/ModelFileError.h"

namespace VTQUILL::File {

namespace {

std::string spell(const std::string& place, const std::string& problem) {
    return place.empty() ? problem : place + ": " + problem;
}

}  // namespace

ModelFileError::ModelFileError(std::string place, std::string problem)
    : std::runtime_error(spell(place, problem)),
      place_(std::move(place)),
      problem_(std::move(problem)) {}

}  // namespace VTQUILL::File
