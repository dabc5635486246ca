#include "wren/Payload.h"

namespace WREN {

Payload::~Payload() = default;

}  // namespace WREN
