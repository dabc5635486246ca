#pragma once

#include "quill/Deviant.h"
#include "quill/ListenerBase.h"
#include "quill/ReportOfChanges.h"

namespace QUILL::internal {

// Registers itself on a model instance for as long as it lives and forwards each commit
// report to `Listener::onCommit(const ReportOfChanges<>&)`, and the instance's closing to
// `Listener::onDeviantDestroyed(Deviant&)` when the listener has one. The listener is not
// owned and must outlive the holder.
template <class ModelHandle, class Listener>
class ListenerHolder : public ListenerBase {
public:
    ListenerHolder(const ModelHandle& model, Listener* listener)
        : model_(model), listener_(listener) {
        if (model_.isValid())
            model_.registerModifierOnCommit(this);
    }
    ~ListenerHolder() override = default;  // ListenerBase unregisters

    const ModelHandle& getModel() const { return model_; }

    void onCommit(const ReportOfChanges<>& report) override {
        if (listener_)
            listener_->onCommit(report);
    }
    void onDeviantDestroyed(Deviant& instance) override {
        if constexpr (requires(Listener * l) { l->onDeviantDestroyed(instance); }) {
            if (listener_)
                listener_->onDeviantDestroyed(instance);
        }
    }

private:
    ModelHandle model_;
    Listener* listener_;
};

}  // namespace QUILL::internal
