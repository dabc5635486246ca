#include "tessel/InstallationFolder.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <system_error>

#ifndef VANTOR_SOURCE_DIR
#define VANTOR_SOURCE_DIR "."
#endif

namespace TESSEL {

namespace fs = std::filesystem;

namespace {

const char* const kResourcesBelowRoot = "toolbox/shared/ferstudio/resources";

struct ProgramFolder {
    std::mutex mutex;
    std::string folder;
};

ProgramFolder& programFolder() {
    static auto* p = new ProgramFolder;
    return *p;
}

std::string withoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

bool holdsResources(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder / kResourcesBelowRoot, ec);
}

std::string rootAboveExecutable() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : InstallationFolder::searchUpwards(exe.parent_path().string());
}

std::string rootFromSourceFolder() {
    std::string root = InstallationFolder::searchUpwards(VANTOR_SOURCE_DIR);
    return root.empty() ? std::string(VANTOR_SOURCE_DIR) : root;
}

}  // namespace

std::string InstallationFolder::find() {
    const char* fromEnvironment = std::getenv("VANTOR_ROOT");
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
        const std::string named = withoutTrailingSlash(fromEnvironment);
        const std::string root = rootAt(named);
        return root.empty() ? named : root;
    }
    {
        std::lock_guard<std::mutex> guard(programFolder().mutex);
        if (!programFolder().folder.empty()) {
            return programFolder().folder;
        }
    }
    std::string root = rootAboveExecutable();
    if (root.empty()) {
        root = rootFromSourceFolder();
    }
    return withoutTrailingSlash(root);
}

std::string InstallationFolder::rootAt(const std::string& folder) {
    if (holdsResources(folder)) {
        return withoutTrailingSlash(folder);
    }
    const fs::path below = fs::path(folder) / "resources";
    if (holdsResources(below)) {
        return withoutTrailingSlash(below.string());
    }
    return {};
}

std::string InstallationFolder::searchUpwards(const std::string& start) {
    std::error_code ec;
    fs::path folder = fs::absolute(start, ec).lexically_normal();
    if (ec) {
        return {};
    }
    while (!folder.empty()) {
        std::string root = rootAt(folder.string());
        if (!root.empty()) {
            return root;
        }
        if (folder == folder.root_path() || !folder.has_relative_path()) {
            break;
        }
        folder = folder.parent_path();
    }
    return {};
}

void InstallationFolder::set(const std::string& folder) {
    std::lock_guard<std::mutex> guard(programFolder().mutex);
    programFolder().folder = withoutTrailingSlash(folder);
}

std::string fetchTesselRoot() {
    return InstallationFolder::find();
}

std::string svTesselRoot() {
    return InstallationFolder::find();
}

}  // namespace TESSEL
