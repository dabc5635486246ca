#pragma once

#include "parr/ReferencedTemplate.h"
#include "quill/ListenerBase.h"
#include "quill/Model.h"

namespace HARBOR {
class Studio;
}

namespace DOVE2 {

// The application object of one model in one studio: the framework's per-model hub that a
// domain makes (one per model) and hands out through PARR::Holder. Reference counted: the
// count starts at 0 and the object deletes itself when the last Holder lets go, so it must
// be made with new.
//
// It listens to the model's commits: the constructor registers it with the model instance
// (when that instance is open) and the ListenerBase destructor unregisters it. A subclass
// overrides onCommit to follow the model; a model that closes tells it through
// onDeviantDestroyed, after which getModel() tests invalid.
//
// The studio is not owned; it may be null (a model worked on without a window).
class Application : public PARR::ReferencedTemplate<unsigned int>, public QUILL::ListenerBase {
public:
    Application(const QUILL::Model& model, HARBOR::Studio* studio);
    // A copy listens to the same model in its own right and starts unreferenced.
    Application(const Application& other);
    // Re-registers with the other's model when it differs from this one's.
    Application& operator=(const Application& other);
    ~Application() override;

    // The model instance this application serves (as given at construction).
    const QUILL::Model& getModel() const { return model_; }
    HARBOR::Studio* getStudio() const { return studio_; }

private:
    void listenTo(const QUILL::Model& model);

    QUILL::Model model_;
    HARBOR::Studio* studio_ = nullptr;
};

}  // namespace DOVE2
