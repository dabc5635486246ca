#include "parr/MimeRegistry.h"

#include <mutex>
#include <string>

namespace PARR {

MimeRegistry& MimeRegistry::instance() {
    static MimeRegistry* registry = new MimeRegistry;  // never destroyed: used until exit
    return *registry;
}

bool MimeRegistry::registerMimeType(const StringID& key, Holder<MimeType> type,
                                    ErrorHolder& errors) {
    if (!type) {
        errors.setError(kNoType, kNoTypeCode, {key.str()}, {"parr/MimeRegistry", __LINE__});
        return false;
    }
    std::unique_lock lock(mutex_);
    const Holder<MimeType>* known = types_.find(key);
    if (!known) {
        types_.insert(key, std::move(type));
        return true;
    }
    if ((*known)->name() == type->name())
        return true;
    errors.setError(kTypeConflict, kTypeConflictCode,
                    {key.str(), std::string((*known)->name()), std::string(type->name())},
                    {"parr/MimeRegistry", __LINE__});
    return false;
}

bool MimeRegistry::registerMimeType(const StringID& key, Holder<MimeType> type) {
    // For callers that need only whether the type is registered (see the header).
    ErrorHolder noReason;
    return registerMimeType(key, std::move(type), noReason);
}

Holder<MimeType> MimeRegistry::typeOf(const StringID& key) const {
    std::shared_lock lock(mutex_);
    return types_.value(key);
}

bool MimeRegistry::isRegistered(const StringID& key) const {
    std::shared_lock lock(mutex_);
    return types_.contains(key);
}

GList<StringID> MimeRegistry::keys() const {
    std::shared_lock lock(mutex_);
    return types_.keys();
}

}  // namespace PARR
