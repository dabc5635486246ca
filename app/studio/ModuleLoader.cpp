#include "ModuleLoader.h"

#include <dlfcn.h>

#include <cstdlib>

#include "tessel/WarningService.h"

#ifndef VANTOR_MODULE_PATH
#define VANTOR_MODULE_PATH "libvteditor.so"
#endif

namespace VantorStudio {

namespace {

using EntryPoint = void (*)();

constexpr const char* kEntryName = "initialize_vt_editor";

}  // namespace

std::string ModuleLoader::modulePath() {
    const char* fromEnvironment = std::getenv("VANTOR_MODULE");
    if (fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    return VANTOR_MODULE_PATH;
}

ModuleLoader::Result ModuleLoader::load(const std::string& path) {
    Result result;
    result.path = path;
    // RTLD_GLOBAL: the module's exported classes are visible to later modules that build on
    // it; the host library it links is the one already in the process.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (!handle) {
        const char* why = dlerror();
        result.warning = "The editor module " + path + " could not be loaded (" +
                         (why ? why : "unknown reason") +
                         "); diagrams open with the generic editor.";
        return result;
    }
    result.loaded = true;
    auto entry = reinterpret_cast<EntryPoint>(dlsym(handle, kEntryName));
    if (!entry) {
        result.warning = "The editor module " + path + " has no " + kEntryName +
                         "; diagrams open with the generic editor.";
        return result;
    }
    entry();
    result.initialized = true;
    return result;
}

const ModuleLoader::Result& ModuleLoader::loadOnce() {
    static const Result result = [] {
        Result r = load(modulePath());
        if (!r.warning.empty())
            TESSEL::warning(kModuleNotLoaded, r.warning);
        return r;
    }();
    return result;
}

}  // namespace VantorStudio
