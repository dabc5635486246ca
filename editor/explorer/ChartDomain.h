#pragma once

namespace DOVE2 {
class AbstractDove2Domain;
}

namespace Vantor {

// The state-chart domain, the static domain registered as "CXDomain"; null when no
// state-chart side is installed (an ordinary set-up: chart objects are then not served).
// Not owned: registered domains live as long as the process.
DOVE2::AbstractDove2Domain* chartDomain();

}  // namespace Vantor
