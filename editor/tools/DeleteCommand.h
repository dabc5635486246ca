#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/Command.h"
#include "dove2/DiagramElement.h"
#include "parr/GSet.h"

namespace Vantor {

// Deletes a set of diagram elements with the line-aware deletion of Application::deleteElements:
// what goes with each element (segments downstream on a "Signal" line) and how the lines left
// behind are repaired is decided there.
//
// The set is empty at construction and filled with addElement before the command runs; each
// element is held once. Elements may be handles of any instance of the command's model: they
// are re-bound to it when the command runs. An empty set deletes nothing and still makes a
// command that can be recorded (and undone) like any other. The undo text is the description
// given at construction ("Delete").
class VANTOR_EXPORT DeleteCommand : public DOVE2::Command {
public:
    DeleteCommand(const QUILL::Model& model, std::string description);
    ~DeleteCommand() override;

    std::string shortDescription() const override;
    // Deletes the elements of the set (those still valid); writes no error.
    void execute(PARR::ErrorHolder& errors) override;

    // Adds `element` to the set; false when it is held already.
    bool addElement(const DOVE2::DiagramElement& element);
    const PARR::GSet<DOVE2::DiagramElement>& getElements() const { return elements_; }

private:
    PARR::GSet<DOVE2::DiagramElement> elements_;
    std::string description_;
};

}  // namespace Vantor
