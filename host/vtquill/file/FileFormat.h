#pragma once

#include <cstdint>

namespace VTQUILL::File {

// The identity of the model file format (docs/file-format.md). A reader accepts exactly this
// format name and version; a change that older readers cannot take raises the version.
struct FileFormat {
    static constexpr const char* kFormatName = "vantor-model";
    static constexpr std::int64_t kVersion = 1;
    static constexpr const char* kExtension = ".vtm";
};

}  // namespace VTQUILL::File
