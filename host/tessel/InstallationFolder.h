#pragma once

#include <string>

namespace TESSEL {

// The scripting environment's installation folder: the folder that holds
// "toolbox/shared/ferstudio/resources". It is found by these rules, first match wins:
//
//   1. the environment variable VANTOR_ROOT, when set and not empty: the folder it names,
//      or its "resources" subfolder when that folder does not hold the resources but the
//      subfolder does (so VANTOR_ROOT may name a source tree, whose installation folder is
//      its resources/ folder); a folder that holds neither is taken as given;
//   2. the folder the program set with `set` (the studio sets it at start-up when it knows
//      better than the rules below);
//   3. the nearest folder above the running executable (/proc/self/exe) that holds
//      "toolbox/shared/ferstudio/resources", or whose "resources" subfolder does (then that
//      subfolder): this finds an installed program and a program run from a build folder;
//   4. the same search starting at the source folder the host library was built from; when
//      that finds nothing either, the source folder itself.
//
// The answer never ends in a slash (unless it is "/") and is never empty. It is computed on
// every call, so a changed environment variable takes effect at once; callers that need it
// often keep their own copy. Thread-safe.
class InstallationFolder {
public:
    InstallationFolder() = delete;

    static std::string find();

    // Sets the folder of rule 2; an empty text clears it.
    static void set(const std::string& folder);

    // The test of rule 1: `folder` when it holds "toolbox/shared/ferstudio/resources", else
    // its "resources" subfolder when that one holds it, else an empty text.
    static std::string rootAt(const std::string& folder);

    // The test of rules 3 and 4: the nearest folder at or above `start` that holds
    // "toolbox/shared/ferstudio/resources", or the "resources" subfolder of the nearest one
    // whose "resources" subfolder holds it. An empty text when no folder up to the file-system
    // root passes.
    static std::string searchUpwards(const std::string& start);
};

// The installation folder (InstallationFolder::find). Both names are in use by callers.
std::string fetchTesselRoot();
std::string svTesselRoot();

}  // namespace TESSEL
