#pragma once

#include <cstddef>
#include <initializer_list>

#include "parr/GList.h"
#include "parr/ImplicitlyShared.h"
#include "parr/OrderedHashTable.h"

namespace PARR {

// A hash set of K that iterates in insertion order: removing a value leaves the others in
// their order; a removed and re-inserted value goes to the end. Values are hashed with gHash
// (via GHasher) and matched with ==.
//
// Implicitly shared like GHash: copies share one body (with an atomic count) until one of
// them is written, and a copy never sees writes to another. Iteration yields const K&;
// references are valid until this GSet is next written.
template <class K>
class GSet {
    struct KeyOfEntry {
        const K& operator()(const K& k) const { return k; }
    };
    using Table = OrderedHashTable<K, KeyOfEntry>;

public:
    using key_type = K;
    using value_type = K;
    using const_iterator = typename Table::const_iterator;
    using iterator = const_iterator;

    GSet() = default;
    GSet(std::initializer_list<K> values) {
        for (const K& v : values)
            insert(v);
    }

    // Adds `value` at the end unless it is present. True when added.
    bool insert(const K& value) {
        if (contains(value))
            return false;
        return table_.write().insert(value).second;
    }
    bool contains(const K& value) const { return table_.read().find(value) != nullptr; }
    // Removes `value`; the others keep their order. False when it was not there.
    bool remove(const K& value) {
        if (!contains(value))
            return false;
        return table_.write().remove(value);
    }

    std::size_t size() const { return table_.read().size(); }
    bool empty() const { return table_.read().empty(); }
    void clear() { table_.reset(); }

    const_iterator begin() const { return table_.read().begin(); }
    const_iterator end() const { return table_.read().end(); }

    // The values in iteration order.
    GList<K> values() const { return GList<K>(begin(), end()); }

    // True when both are copies sharing one body (no write since the copy was made).
    bool isSharedWith(const GSet& o) const { return table_.isSharedWith(o.table_); }

    // Same values, whatever the order.
    bool operator==(const GSet& o) const {
        if (size() != o.size())
            return false;
        for (const K& v : table_.read()) {
            if (!o.contains(v))
                return false;
        }
        return true;
    }

private:
    ImplicitlyShared<Table> table_;
};

}  // namespace PARR
