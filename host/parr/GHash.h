#pragma once

#include <cstddef>
#include <initializer_list>
#include <utility>

#include "parr/GList.h"
#include "parr/GSet.h"
#include "parr/ImplicitlyShared.h"
#include "parr/OrderedHashTable.h"

namespace PARR {

// A hash map from K to V that iterates in insertion order: an entry keeps its place when its
// value is reassigned and when other entries are removed; a removed and re-inserted key goes
// to the end. Keys are hashed with gHash (via GHasher) and matched with ==.
//
// Implicitly shared: copies are O(1) and share one body (with an atomic count) until one of
// them is written; the writer then gets a copy of its own, so a copy never sees writes to
// another. Reading never copies. Pointers returned by find() and references from operator[]
// and iteration are valid until this GHash is next written.
//
// Iteration yields const std::pair<const K, V>& (use `for (const auto& [key, value] : h)`);
// change values with insertOrAssign, operator[] or find.
//
// GHash<K>, without a value type, is a hash set: it is a GSet<K> (see the end of this file).
template <class K, class V = void>
class GHash {
    struct KeyOfEntry {
        const K& operator()(const std::pair<const K, V>& e) const { return e.first; }
    };
    using Table = OrderedHashTable<std::pair<const K, V>, KeyOfEntry>;

public:
    using key_type = K;
    using mapped_type = V;
    using value_type = std::pair<const K, V>;
    using const_iterator = typename Table::const_iterator;
    using iterator = const_iterator;

    GHash() = default;
    // A repeated key keeps its first value, as with insert().
    GHash(std::initializer_list<std::pair<K, V>> entries) {
        for (const auto& [key, value] : entries)
            insert(key, value);
    }

    // Adds (key, value) at the end unless `key` is present; an existing entry is left as it
    // is. True when added.
    bool insert(const K& key, V value) {
        if (contains(key))
            return false;
        return table_.write().insert({key, std::move(value)}).second;
    }
    // Sets the value of `key`, adding the entry at the end when it is new (an existing entry
    // keeps its place). True when added.
    bool insertOrAssign(const K& key, V value) {
        if (V* existing = find(key)) {
            *existing = std::move(value);
            return false;
        }
        return table_.write().insert({key, std::move(value)}).second;
    }
    // The value of `key`, default-constructed and added at the end when absent.
    V& operator[](const K& key) {
        if (V* existing = find(key))
            return *existing;
        return table_.write().insert({key, V()}).first->second;
    }

    bool contains(const K& key) const { return table_.read().find(key) != nullptr; }
    // The value of `key`, or null when absent.
    const V* find(const K& key) const {
        const value_type* e = table_.read().find(key);
        return e ? &e->second : nullptr;
    }
    // The value of `key` for writing, or null when absent (and then nothing is copied).
    V* find(const K& key) {
        if (!contains(key))
            return nullptr;
        return &table_.write().find(key)->second;
    }
    // The value of `key`, or `fallback` when absent.
    V value(const K& key, const V& fallback = V()) const {
        const V* v = find(key);
        return v ? *v : fallback;
    }

    // Removes the entry of `key`; the others keep their order. False when there was none.
    bool remove(const K& key) {
        if (!contains(key))
            return false;
        return table_.write().remove(key);
    }

    std::size_t size() const { return table_.read().size(); }
    bool empty() const { return table_.read().empty(); }
    void clear() { table_.reset(); }

    const_iterator begin() const { return table_.read().begin(); }
    const_iterator end() const { return table_.read().end(); }

    // The keys, and the values, in iteration order.
    GList<K> keys() const {
        GList<K> out;
        out.reserve(size());
        for (const auto& entry : table_.read())
            out.append(entry.first);
        return out;
    }
    GList<V> values() const {
        GList<V> out;
        out.reserve(size());
        for (const auto& entry : table_.read())
            out.append(entry.second);
        return out;
    }

    // True when both are copies sharing one body (no write since the copy was made).
    bool isSharedWith(const GHash& o) const { return table_.isSharedWith(o.table_); }

    // Same keys with equal values, whatever the order.
    bool operator==(const GHash& o) const {
        if (size() != o.size())
            return false;
        for (const auto& [key, v] : table_.read()) {
            const V* other = o.find(key);
            if (!other || !(*other == v))
                return false;
        }
        return true;
    }

private:
    ImplicitlyShared<Table> table_;
};

// A GHash of keys only: the hash set GSet<K>, with all its operations, usable wherever a
// GSet<K> is expected.
template <class K>
class GHash<K, void> : public GSet<K> {
public:
    using GSet<K>::GSet;
    GHash() = default;
    GHash(const GSet<K>& set) : GSet<K>(set) {}  // NOLINT: implicit, the same kind of value
};

}  // namespace PARR
