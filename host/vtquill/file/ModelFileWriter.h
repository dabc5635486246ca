#pragma once

#include <string>

#include "vtquill/VTQuill.h"
#include "vtquill/file/FileSystem.h"

namespace VTQUILL::File {

// Saves models as model files (docs/file-format.md): canonical text (the same model always
// gives the same bytes, and saving a loaded file gives that file back byte for byte),
// written atomically (see AtomicFileWriter).
class ModelFileWriter {
public:
    // Writes through the system's files.
    ModelFileWriter();
    // `fileSystem` is not owned and must outlive the writer.
    explicit ModelFileWriter(FileSystem& fileSystem) : fs_(fileSystem) {}

    // The canonical text of the model, read from the given instance (root or working copy).
    // Throws ModelFileError naming the field when a value cannot be written: a number outside
    // CoordinateRange (NaN, an infinity, beyond +-1e9) or a text that is not valid UTF-8.
    static std::string toText(const VTQUILL::Model& model);

    // Saves the model to `path`. Returns an empty string on success, else one message that
    // names the file and the cause; the file's previous contents are then untouched.
    std::string save(const VTQUILL::Model& model, const std::string& path) const;

private:
    FileSystem& fs_;
};

}  // namespace VTQUILL::File
