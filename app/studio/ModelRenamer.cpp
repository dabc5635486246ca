#include "ModelRenamer.h"

#include <algorithm>
#include <filesystem>

#include "quill/Deviant.h"
#include "vtdove/SystemNames.h"
#include "vtquill/Schema.h"

namespace VantorStudio {

namespace {

constexpr const char* kModelExtension = ".vtm";

bool hasControlCharacter(const std::string& name) {
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// True when a model other than `root` is named `name`, or has a top-level diagram so named.
bool isTakenElsewhere(const VTQUILL::Model& root, const std::string& name) {
    for (QUILL::Deviant* other : QUILL::Deviant::openModels()) {
        if (other == root.getDeviantPtr() || VTDove::SystemNames::modelNameOf(*other).empty())
            continue;
        const VTQUILL::Model model{QUILL::ImmutableModel(other)};
        if (model.getName() == name)
            return true;
        for (const VTQUILL::Diagram& diagram : model.getDiagrams()) {
            if (diagram.getName() == name)
                return true;
        }
    }
    return false;
}

}  // namespace

std::string ModelRenamer::nameForFile(const std::string& filePath) {
    const std::filesystem::path path(filePath);
    if (path.extension() == kModelExtension)
        return path.stem().string();
    return path.filename().string();
}

std::string ModelRenamer::problemWith(const VTQUILL::Model& root, const std::string& name) {
    if (name.empty())
        return "The file name gives the model no name.";
    if (hasControlCharacter(name))
        return "\"" + name + "\" cannot name a model: it holds control characters.";
    if (isTakenElsewhere(root, name))
        return "A model named \"" + name +
               "\" is open already; close it or choose another file name.";
    return {};
}

void ModelRenamer::rename(const VTQUILL::Model& root, const std::string& name) {
    const std::string previous = root.getName();
    if (previous == name)
        return;
    for (const VTQUILL::Diagram& diagram : root.getDiagrams()) {
        if (diagram.getName() == previous)
            diagram.setName(name);
    }
    root.getModelObject().set(VTQUILL::Schema::get().modelName, name);
}

}  // namespace VantorStudio
