#include "application/Application.h"

namespace Vantor {

Application::Application(const VTQUILL::Model& model, HARBOR::Studio* studio)
    : DOVE2::Application(model, studio), WREN::Listener() {}

// Receivers may run on another thread: cut them before any part of the object goes.
Application::~Application() {
    WREN::Listener::disconnect();
}

VTQUILL::Model Application::getVTModel() const {
    return VTQUILL::Model(getModel());
}

}  // namespace Vantor
