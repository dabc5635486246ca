#pragma once

#include "support/QtTestApplication.h"

namespace rook2test {

using TestSupport::qtApplication;

}  // namespace rook2test
