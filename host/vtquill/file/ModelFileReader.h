#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "vtquill/VTQuill.h"
#include "vtquill/file/DocumentValidator.h"
#include "vtquill/file/FileSystem.h"
#include "vtquill/file/LoadError.h"

namespace VTQUILL::File {

// Loads model files (docs/file-format.md). Loading decodes and validates the whole file
// before it builds anything, then builds the model in one root transaction: either a new,
// complete root model comes back, or one LoadError and no model (nothing half-loaded stays
// open). Any input, however damaged, gives one of the two.
class ModelFileReader {
public:
    struct Result {
        // The new root model, owned by the caller (close it when done); invalid on error.
        VTQUILL::Model model;
        std::optional<LoadError> error;
        bool ok() const { return !error.has_value(); }
    };

    // Checks block types against the engine's block library; reads through the system's files.
    ModelFileReader();
    // `fileSystem` is not owned and must outlive the reader.
    ModelFileReader(DocumentValidator::BlockTypeCheck isKnownBlockType, FileSystem& fileSystem);

    Result load(const std::string& path) const;
    // Loads from text already read; `fileName` names it in errors.
    Result loadText(std::string_view text, const std::string& fileName) const;

private:
    DocumentValidator::BlockTypeCheck isKnownBlockType_;
    FileSystem& fs_;
};

}  // namespace VTQUILL::File
