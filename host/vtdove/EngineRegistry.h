#pragma once

#include <memory>
#include <unordered_map>

#include "quill/ImmutableClassObject.h"
#include "vtdove/EngineModel.h"

namespace VTDove {

// The process-wide table of the engine's models: one EngineModel per open model whose objects
// the engine has been asked about, made on first request. Models that have closed are dropped
// (with all their engine handles) the next time a model is added. User-interface thread only.
class EngineRegistry {
public:
    static EngineRegistry& instance();

    // The engine model of the object's model (its root instance); null for an invalid handle.
    EngineModel* modelOf(const QUILL::ImmutableClassObject& object);
    // The engine model of a root instance, made on first request; null when it is closed.
    EngineModel* modelOfRoot(QUILL::Deviant& root);

    // A new numeric block handle (1, 2, 3, ...; never reused in the process).
    double allocateBlockHandle() { return nextHandle_++; }
    void registerBlockHandle(vtBlock* block);
    // The block handle with that number; null when there is none (or its model has closed).
    vtBlock* blockByHandle(double handle) const;

    // Drops the engine models of closed models.
    void prune();

private:
    EngineRegistry() = default;

    std::unordered_map<QUILL::Deviant*, std::unique_ptr<EngineModel>> models_;
    std::unordered_map<double, vtBlock*> byHandle_;
    double nextHandle_ = 1;
};

}  // namespace VTDove
