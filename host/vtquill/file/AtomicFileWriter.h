#pragma once

#include <string>
#include <string_view>

#include "vtquill/file/FileSystem.h"

namespace VTQUILL::File {

// Replaces a file's contents so that, whatever fails or crashes on the way, the file holds
// either its old contents or the new ones, never a mix: write a temporary file in the same
// folder, flush it to the device, rename it over the target, flush the folder.
//
// On a failure before the rename the temporary file is removed and the target is untouched.
// A failure to flush the folder after the rename is reported too; the new contents are then
// in place but may not yet be durable.
class AtomicFileWriter {
public:
    // The file system is not owned and must outlive the writer.
    explicit AtomicFileWriter(FileSystem& fileSystem) : fs_(fileSystem) {}

    // Returns an empty string on success, else a message naming the step and the cause
    // ("cannot write /a/.m.vtm.12.0.tmp: No space left on device").
    std::string write(const std::string& path, std::string_view contents) const;

private:
    std::string failed(const char* step, const std::string& path, int error) const;

    FileSystem& fs_;
};

}  // namespace VTQUILL::File
