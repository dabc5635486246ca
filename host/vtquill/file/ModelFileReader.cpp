#include "vtquill/file/ModelFileReader.h"

#include <cstring>
#include <new>

#include "vtdove/BlockLibrary.h"
#include "vtquill/file/DocumentDecoder.h"
#include "vtquill/file/ModelBuilder.h"
#include "vtquill/file/ModelFileError.h"
#include "vtquill/file/PosixFileSystem.h"

namespace VTQUILL::File {

namespace {

bool isLibraryBlockType(const std::string& type) {
    return VTDove::BlockLibrary::instance().find(type) != nullptr;
}

ModelFileReader::Result failure(const std::string& file, std::string place, std::string problem) {
    return {VTQUILL::Model(), LoadError{file, std::move(place), std::move(problem)}};
}

}  // namespace

ModelFileReader::ModelFileReader()
    : ModelFileReader(&isLibraryBlockType, PosixFileSystem::instance()) {}

ModelFileReader::ModelFileReader(DocumentValidator::BlockTypeCheck isKnownBlockType,
                                 FileSystem& fileSystem)
    : isKnownBlockType_(std::move(isKnownBlockType)), fs_(fileSystem) {}

ModelFileReader::Result ModelFileReader::load(const std::string& path) const {
    std::string text;
    if (const int error = fs_.readAll(path, text))
        return failure(path, "", std::string("cannot read the file: ") + std::strerror(error));
    return loadText(text, path);
}

ModelFileReader::Result ModelFileReader::loadText(std::string_view text,
                                                  const std::string& fileName) const {
    try {
        ModelDocument doc = DocumentDecoder::decode(text);
        DocumentValidator(isKnownBlockType_).validate(doc);
        return {ModelBuilder::build(doc), std::nullopt};
    } catch (const ModelFileError& e) {
        return failure(fileName, e.place(), e.problem());
    } catch (const std::bad_alloc&) {
        return failure(fileName, "", "not enough memory to load the model");
    } catch (const std::exception& e) {
        // Validation keeps the repository's own checks from firing; if one does, the model
        // it was building is already closed.
        return failure(fileName, "", std::string("the model cannot be built: ") + e.what());
    }
}

}  // namespace VTQUILL::File
