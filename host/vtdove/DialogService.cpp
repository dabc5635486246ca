#include "vtdove/DialogService.h"

namespace VTDove {

namespace {

DialogService*& current() {
    static DialogService* service = nullptr;
    return service;
}

}  // namespace

DialogService* DialogService::installed() {
    return current();
}

void DialogService::install(DialogService* service) {
    current() = service;
}

void DialogService::uninstall(DialogService* service) {
    if (current() == service)
        current() = nullptr;
}

}  // namespace VTDove
