#include "dove2/FailureWarning.h"

#include "tessel/WarningService.h"

namespace DOVE2 {

bool warnOfFailure(const std::string& what, const PARR::ErrorHolder& errors) {
    const PARR::MCFErrorDescription* error = errors.getError();
    if (!error)
        return false;
    TESSEL::warning(error->identifier(),
                    what.empty() ? error->message() : what + ": " + error->message());
    return true;
}

}  // namespace DOVE2
