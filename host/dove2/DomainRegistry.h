#pragma once

#include <cstdint>

#include "dove2/AbstractDove2Domain.h"
#include "parr/ErrorHolder.h"
#include "parr/GHash.h"
#include "parr/GList.h"
#include "parr/Holder.h"
#include "parr/StringID.h"
#include "quill/ImmutableModel.h"

namespace DOVE2 {

// The framework's table of diagram domains, by name (AbstractDove2Domain::getName). The
// process-wide table is instance(); a registry may also be made on its own (in tests).
//
// The registry holds every registered domain through a PARR::Holder (one reference each) and
// lets go of them only when it is destroyed; the process-wide one lives until the process
// ends, so pointers it hands out stay valid that long. Domains are never unregistered.
// User-interface thread only: no locking.
//
// Errors put into the caller's holder (each replaces whatever the holder held):
//   kDuplicateDomain  "DOVE2_DuplicateDomain", 0x6E0001, argument: the name already taken;
//   kUnknownDomain    "DOVE2_UnknownDomain", 0x6E0002, argument: the name looked up;
//   kNoDomainForModel "DOVE2_NoDomainForModel", 0x6E0003, argument: the model's class name
//                     (empty for an invalid model handle);
//   kNullDomain       "DOVE2_NullDomain", 0x6E0004, no argument.
class DomainRegistry {
public:
    static constexpr const char* kDuplicateDomain = "DOVE2_DuplicateDomain";
    static constexpr std::uint32_t kDuplicateDomainCode = 0x6E0001;
    static constexpr const char* kUnknownDomain = "DOVE2_UnknownDomain";
    static constexpr std::uint32_t kUnknownDomainCode = 0x6E0002;
    static constexpr const char* kNoDomainForModel = "DOVE2_NoDomainForModel";
    static constexpr std::uint32_t kNoDomainForModelCode = 0x6E0003;
    static constexpr const char* kNullDomain = "DOVE2_NullDomain";
    static constexpr std::uint32_t kNullDomainCode = 0x6E0004;

    DomainRegistry() = default;
    DomainRegistry(const DomainRegistry&) = delete;
    DomainRegistry& operator=(const DomainRegistry&) = delete;

    // The process-wide registry, made on first call and never destroyed.
    static DomainRegistry& instance();

    // Holds `domain` under its name and returns true. Refused (false, registry unchanged)
    // with kNullDomain for an empty holder, or with kDuplicateDomain when a domain of that
    // name is registered already (the first one stays). `errors` is untouched on success.
    bool registerDomain(const PARR::Holder<AbstractDove2Domain>& domain, PARR::ErrorHolder& errors);

    // The domain registered under `name`; null with kUnknownDomain when there is none.
    AbstractDove2Domain* getStaticDomain(const PARR::StringID& name,
                                         PARR::ErrorHolder& errors) const;

    // The domain of the models of `model`'s class: the first registered domain whose
    // getModelClassFullName() equals the qualified name of the metaclass of the model's model
    // object ("VTQUILL.Model"). Null with kNoDomainForModel when no domain works with that
    // class or the model handle is invalid.
    AbstractDove2Domain* getStaticDomainForModel(const QUILL::ImmutableModel& model,
                                                 PARR::ErrorHolder& errors) const;

    // The registered domains, in registration order; valid while the registry lives.
    PARR::GList<AbstractDove2Domain*> getDomains() const;

private:
    AbstractDove2Domain* findByModelClass(const PARR::StringID& modelClass) const;

    PARR::GHash<PARR::StringID, PARR::Holder<AbstractDove2Domain>> domains_;
};

}  // namespace DOVE2
