#include "harbor/MenuInterface.h"

#include <utility>

namespace HARBOR::Util {

MenuInterface::MenuInterface(std::string functionName, std::string packageName)
    : functionName_(std::move(functionName)), packageName_(std::move(packageName)) {}

}  // namespace HARBOR::Util
