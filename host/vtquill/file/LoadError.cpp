#include "vtquill/file/LoadError.h"

namespace VTQUILL::File {

std::string LoadError::message() const {
    return file + ": " + (place.empty() ? problem : place + ": " + problem);
}

}  // namespace VTQUILL::File
