#pragma once

#include <cstddef>
#include <initializer_list>
#include <map>
#include <utility>

#include "parr/GList.h"

namespace PARR {

// A map from K to V ordered by K's operator< (a std::map underneath): iteration runs from
// the smallest key up, whatever the order of insertion. A plain value: copies are
// independent. Pointers from find() and references from operator[] stay valid until their
// entry is removed.
//
// Iteration yields const std::pair<const K, V>&; change values with insertOrAssign,
// operator[] or find.
template <class K, class V>
class GMap {
    using Map = std::map<K, V>;

public:
    using key_type = K;
    using mapped_type = V;
    using value_type = std::pair<const K, V>;
    using const_iterator = typename Map::const_iterator;
    using iterator = const_iterator;

    GMap() = default;
    // A repeated key keeps its first value, as with insert().
    GMap(std::initializer_list<std::pair<K, V>> entries) {
        for (const auto& [key, value] : entries)
            insert(key, value);
    }

    // Adds (key, value) unless `key` is present (an existing entry is left as it is). True
    // when added.
    bool insert(const K& key, V value) { return map_.try_emplace(key, std::move(value)).second; }
    // Sets the value of `key`, adding the entry when it is new. True when added.
    bool insertOrAssign(const K& key, V value) {
        return map_.insert_or_assign(key, std::move(value)).second;
    }
    // The value of `key`, default-constructed and added when absent.
    V& operator[](const K& key) { return map_[key]; }

    bool contains(const K& key) const { return map_.find(key) != map_.end(); }
    // The value of `key`, or null when absent.
    const V* find(const K& key) const {
        const auto it = map_.find(key);
        return it == map_.end() ? nullptr : &it->second;
    }
    V* find(const K& key) {
        const auto it = map_.find(key);
        return it == map_.end() ? nullptr : &it->second;
    }
    // The value of `key`, or `fallback` when absent.
    V value(const K& key, const V& fallback = V()) const {
        const V* v = find(key);
        return v ? *v : fallback;
    }

    // Removes the entry of `key`. False when there was none.
    bool remove(const K& key) { return map_.erase(key) > 0; }

    std::size_t size() const { return map_.size(); }
    bool empty() const { return map_.empty(); }
    void clear() { map_.clear(); }

    const_iterator begin() const { return map_.begin(); }
    const_iterator end() const { return map_.end(); }

    // The keys, and the values, in key order.
    GList<K> keys() const {
        GList<K> out;
        out.reserve(size());
        for (const auto& entry : map_)
            out.append(entry.first);
        return out;
    }
    GList<V> values() const {
        GList<V> out;
        out.reserve(size());
        for (const auto& entry : map_)
            out.append(entry.second);
        return out;
    }

    bool operator==(const GMap&) const = default;

private:
    Map map_;
};

}  // namespace PARR
