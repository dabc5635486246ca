#include "dove2/QUILLCommand.h"

#include "tessel/AssertionError.h"

namespace DOVE2 {

QUILLCommand::QUILLCommand(const QUILL::Model& model, std::string label)
    : Command(model), label_(std::move(label)) {}

QUILLCommand::~QUILLCommand() = default;

void QUILLCommand::addAction(Action action) {
    TESSEL_ASSERT(!hasRun_, "dove2/QUILLCommand", __LINE__);
    if (action)
        actions_.push_back(std::move(action));
}

void QUILLCommand::execute(PARR::ErrorHolder& errors) {
    hasRun_ = true;
    for (const Action& action : actions_) {
        action(getModel(), errors);
        if (errors.hasError())
            return;
    }
}

}  // namespace DOVE2
