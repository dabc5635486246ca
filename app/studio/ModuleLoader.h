#pragma once

#include <string>

namespace VantorStudio {

// Loads the block-diagram editor module (a shared library) into the process and calls its
// exported entry `initialize_vt_editor`. The library is found at the path the build recorded
// (the built module's location), unless the environment variable VANTOR_MODULE names another.
//
// A library that cannot be loaded is not a failure of the studio: the studio then edits with
// the framework's generic domain, and the result carries the warning to show. A loaded
// library stays loaded until the process ends.
class ModuleLoader {
public:
    struct Result {
        std::string path;
        bool loaded = false;
        // The library exports `initialize_vt_editor` and it was called.
        bool initialized = false;
        // What to tell the user when the module is missing or has no entry; empty otherwise.
        std::string warning;
    };

    // The message identifier of the warning about a module that cannot be loaded.
    static constexpr const char* kModuleNotLoaded = "VantorStudio:ModuleNotLoaded";

    // VANTOR_MODULE when set and not empty, else the path recorded by the build.
    static std::string modulePath();

    // Loads the library at `path` and calls its entry when it has one. Loading a library
    // twice is harmless (the loader counts) and the module's entry ignores a second call.
    static Result load(const std::string& path);

    // Loads the module at modulePath() on the first call and gives the warning, if any,
    // through the scripting environment's warning facility (stderr and the status bar);
    // later calls return the first result and warn no more.
    static const Result& loadOnce();
};

}  // namespace VantorStudio
