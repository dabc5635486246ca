#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "quill/Deviant.h"
#include "support/ProjectRoot.h"

namespace VTQuillFileTest {

using TestSupport::projectRoot;

inline std::filesystem::path examplePath(const std::string& name) {
    return projectRoot() / "examples" / name;
}

inline std::filesystem::path malformedPath(const std::string& name) {
    return projectRoot() / "tests" / "data" / "malformed" / name;
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::size_t openModelCount() {
    return QUILL::Deviant::openModels().size();
}

// A fresh folder below the system's temporary folder, removed with everything in it when the
// object goes.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vtm-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // How many entries the folder holds.
    std::size_t fileCount() const {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_))
            ++n;
        return n;
    }

private:
    std::filesystem::path path_;
};

}  // namespace VTQuillFileTest
