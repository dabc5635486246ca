#include "parr/StringID.h"

#include <mutex>
#include <shared_mutex>
#include <unordered_map>

#include "parr/Hash.h"

namespace PARR {

namespace {

// The process-wide intern table. Entries are heap nodes that never move or die, so a StringID
// may hold a plain pointer to one.
class InternTable {
public:
    static InternTable& instance() {
        static InternTable* table = new InternTable;  // never destroyed: ids outlive statics
        return *table;
    }

    const StringID::Entry* intern(std::string_view text) {
        {
            std::shared_lock lock(mutex_);
            auto it = entries_.find(text);
            if (it != entries_.end())
                return it->second;
        }
        std::unique_lock lock(mutex_);
        auto it = entries_.find(text);
        if (it != entries_.end())
            return it->second;
        auto* entry = new StringID::Entry{std::string(text), gHash(text)};
        entries_.emplace(std::string_view(entry->text), entry);
        return entry;
    }

private:
    std::shared_mutex mutex_;
    std::unordered_map<std::string_view, const StringID::Entry*> entries_;
};

}  // namespace

StringID::StringID() : StringID(std::string_view()) {}

StringID::StringID(std::string_view text) : entry_(InternTable::instance().intern(text)) {}

}  // namespace PARR
