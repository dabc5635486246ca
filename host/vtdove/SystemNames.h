#pragma once

#include <string>
#include <vector>

#include "quill/Deviant.h"
#include "quill/Model.h"

namespace VTDove {

// Names of top-level systems (models) and the state of models that are closing.
class SystemNames {
public:
    // The name of an open block-diagram model, or of its top-level diagram; empty for a model
    // of another kind or a closed one.
    static std::string modelNameOf(const QUILL::Deviant& root);
    // The names of every open block-diagram model.
    static std::vector<std::string> openModelNames();

    // Records that `root` is closing; it counts as closing for as long as it is still open.
    // The engine calls it when it hears that a model it knows is closing.
    static void markClosing(QUILL::Deviant& root);
    // True while a model closes whose name is `name`, or whose system path is a prefix of it
    // ("m" closing: "m" and "m/sub" are being closed).
    static bool isClosing(const std::string& name);

private:
    struct Closing {
        QUILL::Deviant* root;
        std::string name;
    };
    static std::vector<Closing>& closing();
};

// "untitled", else "untitled1", "untitled2", ...: the first that no open model is named.
std::string getNewSystemName();

// True while a model of that name is being closed (see SystemNames::isClosing). The engine
// knows that a model is closing when it is closed through closeSystem, or when the engine has
// made a handle for one of its objects (it then listens to the model); a model closed with
// QUILL's Model::close that the engine never met does not count.
bool isBDBeingDestroyedOrClosed(const std::string& name);

// Closes a model the engine's way: while it closes, isBDBeingDestroyedOrClosed answers true
// for its name, for every listener told of the closing. Not inside a transaction.
void closeSystem(const QUILL::Model& model);

}  // namespace VTDove
