#include "dove2/Application.h"

namespace DOVE2 {

Application::Application(const QUILL::Model& model, HARBOR::Studio* studio) : studio_(studio) {
    listenTo(model);
}

Application::Application(const Application& other)
    : PARR::ReferencedTemplate<unsigned int>(other), QUILL::ListenerBase(), studio_(other.studio_) {
    listenTo(other.model_);
}

Application& Application::operator=(const Application& other) {
    if (this == &other)
        return *this;
    studio_ = other.studio_;
    if (model_ != other.model_) {
        model_.unregisterModifierOnCommit(this);
        listenTo(other.model_);
    }
    return *this;
}

Application::~Application() = default;

void Application::listenTo(const QUILL::Model& model) {
    model_ = model;
    // A closed instance keeps no listeners; registering with it would throw.
    if (model_.isValid())
        model_.registerModifierOnCommit(this);
}

}  // namespace DOVE2
