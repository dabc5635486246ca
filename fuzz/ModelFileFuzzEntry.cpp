#include "ModelFileFuzzEntry.h"

#include "quill/Deviant.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"

namespace VantorFuzz {

namespace {

using VTQUILL::File::ModelFileReader;
using VTQUILL::File::ModelFileWriter;

// The promises of one load: exactly one of model and error, and an error names the file.
std::string checkResult(const ModelFileReader::Result& result) {
    if (result.ok() != result.model.isValid())
        return result.ok() ? "no error and no model" : "an error and a model";
    if (!result.ok() && result.error->message().rfind(ModelFileFuzzEntry::kFileName, 0) != 0)
        return "the error does not name the file: " + result.error->message();
    return {};
}

// Saves a loaded model, loads the text again and compares the second save with the first.
std::string checkRoundTrip(const ModelFileReader& reader, const VTQUILL::Model& model) {
    std::string first;
    try {
        first = ModelFileWriter::toText(model);
    } catch (const std::exception& e) {
        return std::string("a loaded model cannot be saved: ") + e.what();
    }
    ModelFileReader::Result again = reader.loadText(first, ModelFileFuzzEntry::kFileName);
    if (!again.ok())
        return "the saved text does not load: " + again.error->message() + "\n" + first;
    const std::string second = ModelFileWriter::toText(again.model);
    again.model.close();
    if (second != first)
        return "save -> load -> save changed the text:\n" + first + "\n---\n" + second;
    return {};
}

}  // namespace

std::string ModelFileFuzzEntry::run(std::string_view input) {
    const std::size_t openBefore = QUILL::Deviant::openModels().size();
    const ModelFileReader reader;
    ModelFileReader::Result result = reader.loadText(input, kFileName);
    std::string broken = checkResult(result);
    if (broken.empty() && result.ok())
        broken = checkRoundTrip(reader, result.model);
    if (result.model.isValid())
        result.model.close();
    if (broken.empty() && QUILL::Deviant::openModels().size() != openBefore)
        broken = "the load left a model open";
    return broken;
}

}  // namespace VantorFuzz
