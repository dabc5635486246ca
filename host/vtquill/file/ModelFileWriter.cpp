#include "vtquill/file/ModelFileWriter.h"

#include <new>

#include "vtquill/file/AtomicFileWriter.h"
#include "vtquill/file/DocumentEmitter.h"
#include "vtquill/file/ModelExtractor.h"
#include "vtquill/file/PosixFileSystem.h"

namespace VTQUILL::File {

ModelFileWriter::ModelFileWriter() : ModelFileWriter(PosixFileSystem::instance()) {}

std::string ModelFileWriter::toText(const VTQUILL::Model& model) {
    return DocumentEmitter::emit(ModelExtractor::extract(model));
}

std::string ModelFileWriter::save(const VTQUILL::Model& model, const std::string& path) const {
    std::string text;
    try {
        text = toText(model);
    } catch (const std::bad_alloc&) {
        return path + ": not enough memory to save the model";
    } catch (const std::exception& e) {
        return path + ": cannot save the model: " + e.what();
    }
    const std::string error = AtomicFileWriter(fs_).write(path, text);
    return error.empty() ? error : path + ": " + error;
}

}  // namespace VTQUILL::File
