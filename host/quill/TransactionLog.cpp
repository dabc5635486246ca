#include "quill/TransactionLog.h"

namespace QUILL {

TransactionLog::Entry* TransactionLog::innermostEntry(ObjectId id) {
    auto& entries = levels_.back().entries;
    auto it = entries.find(id);
    return it == entries.end() ? nullptr : &it->second;
}

TransactionLog::Entry& TransactionLog::record(ObjectId id, Before before) {
    Level& level = levels_.back();
    level.order.push_back(id);
    return level.entries.emplace(id, Entry{std::move(before), false}).first->second;
}

void TransactionLog::mergeInnermost() {
    Level inner = takeInnermost();
    Level& outer = levels_.back();
    for (ObjectId id : inner.order) {
        Entry& innerEntry = inner.entries.at(id);
        auto it = outer.entries.find(id);
        if (it != outer.entries.end()) {
            it->second.isPrivate = innerEntry.isPrivate;
            continue;
        }
        outer.order.push_back(id);
        outer.entries.emplace(id, std::move(innerEntry));
    }
}

TransactionLog::Level TransactionLog::takeInnermost() {
    Level level = std::move(levels_.back());
    levels_.pop_back();
    return level;
}

}  // namespace QUILL
