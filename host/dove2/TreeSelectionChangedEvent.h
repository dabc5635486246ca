#pragma once

#include <string>
#include <vector>

#include "quill/ClassObject.h"
#include "wren/Payload.h"

namespace DOVE2 {

// A selection made in a tree component: the name of the component, the kind of selection
// (0: the user picked items; other values are selections made by the program) and the
// selected objects in the order they were picked.
class TreeSelectionChangedEvent : public WREN::Payload {
public:
    TreeSelectionChangedEvent() = default;
    TreeSelectionChangedEvent(std::string componentName, int selectionKind,
                              std::vector<QUILL::ClassObject> selection)
        : componentName_(std::move(componentName)),
          selectionKind_(selectionKind),
          selection_(std::move(selection)) {}

    const std::string& getComponentName() const { return componentName_; }
    int getSelectionKind() const { return selectionKind_; }
    const std::vector<QUILL::ClassObject>& getSelection() const { return selection_; }
    // The last selected object; an empty handle when nothing is selected.
    QUILL::ClassObject lastSelection() const {
        return selection_.empty() ? QUILL::ClassObject() : selection_.back();
    }

private:
    std::string componentName_;
    int selectionKind_ = 0;
    std::vector<QUILL::ClassObject> selection_;
};

}  // namespace DOVE2
