#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "parr/Hash.h"

namespace PARR {

// The table under GHash and GSet: a hash table that iterates in insertion order.
//
// Entries live in a vector in the order they were inserted; a removed entry leaves a
// tombstone there, so the others keep their places and removal is O(1). When the tombstones
// pass half of the vector it is compacted (order kept), which keeps removal O(1) amortised.
// Lookup goes through an open-addressing index (linear probing over a power-of-two array of
// entry positions) keyed by gHash of the key (via GHasher); two keys match when their hashes
// are equal and the keys compare equal with ==.
//
// `Entry` is what is stored (K for a set, std::pair<const K, V> for a map); `KeyOf` is a
// stateless functor returning the entry's key. Not thread-safe; a plain value.
template <class Entry, class KeyOf>
class OrderedHashTable {
    struct Slot {
        std::size_t hash;
        std::optional<Entry> entry;  // empty: a tombstone
    };

public:
    // Iterates the live entries in insertion order.
    template <bool Const>
    class Iterator {
        using SlotPtr = std::conditional_t<Const, const Slot*, Slot*>;

    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using reference = std::conditional_t<Const, const Entry&, Entry&>;
        using pointer = std::conditional_t<Const, const Entry*, Entry*>;

        Iterator() = default;
        Iterator(SlotPtr at, SlotPtr end) : at_(at), end_(end) { skipTombstones(); }

        reference operator*() const { return *at_->entry; }
        pointer operator->() const { return &*at_->entry; }
        Iterator& operator++() {
            ++at_;
            skipTombstones();
            return *this;
        }
        Iterator operator++(int) {
            Iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const Iterator& o) const { return at_ == o.at_; }

    private:
        void skipTombstones() {
            while (at_ != end_ && !at_->entry)
                ++at_;
        }
        SlotPtr at_ = nullptr;
        SlotPtr end_ = nullptr;
    };
    using iterator = Iterator<false>;
    using const_iterator = Iterator<true>;

    std::size_t size() const { return live_; }
    bool empty() const { return live_ == 0; }

    iterator begin() { return {slots_.data(), slots_.data() + slots_.size()}; }
    iterator end() { return {slots_.data() + slots_.size(), slots_.data() + slots_.size()}; }
    const_iterator begin() const { return {slots_.data(), slots_.data() + slots_.size()}; }
    const_iterator end() const {
        return {slots_.data() + slots_.size(), slots_.data() + slots_.size()};
    }

    // The entry with `key`, or null. Valid until the next insertion or removal.
    template <class K>
    const Entry* find(const K& key) const {
        const std::size_t at = findBucket(key, hashOf(key));
        return at == kNotFound ? nullptr : &*slots_[index_[at] - kFirstSlot].entry;
    }
    template <class K>
    Entry* find(const K& key) {
        return const_cast<Entry*>(std::as_const(*this).find(key));
    }

    // Adds `entry` at the end unless an entry with its key exists. Returns the entry with
    // that key and whether it was added.
    std::pair<Entry*, bool> insert(Entry entry) {
        const std::size_t hash = hashOf(KeyOf{}(entry));
        const std::size_t at = findBucket(KeyOf{}(entry), hash);
        if (at != kNotFound)
            return {&*slots_[index_[at] - kFirstSlot].entry, false};
        if ((usedBuckets_ + 1) * 4 > index_.size() * 3)
            rebuildIndex(live_ + 1);
        slots_.push_back(Slot{hash, std::move(entry)});
        std::size_t& cell = index_[placeFor(hash)];
        if (cell == kEmpty)
            ++usedBuckets_;
        cell = slots_.size() - 1 + kFirstSlot;
        ++live_;
        return {&*slots_.back().entry, true};
    }

    // Removes the entry with `key`; the others keep their order. False when there is none.
    template <class K>
    bool remove(const K& key) {
        const std::size_t at = findBucket(key, hashOf(key));
        if (at == kNotFound)
            return false;
        slots_[index_[at] - kFirstSlot].entry.reset();
        index_[at] = kDeleted;
        --live_;
        if (live_ == 0) {
            clear();
        } else if (slots_.size() - live_ > slots_.size() / 2) {
            compact();
        }
        return true;
    }

    void clear() {
        slots_.clear();
        index_.clear();
        live_ = 0;
        usedBuckets_ = 0;
    }

private:
    // Index cells: 0 = never used, 1 = deleted, n >= 2 = slot n - 2.
    static constexpr std::size_t kEmpty = 0;
    static constexpr std::size_t kDeleted = 1;
    static constexpr std::size_t kFirstSlot = 2;
    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    template <class K>
    static std::size_t hashOf(const K& key) {
        return GHasher{}(key);
    }

    // First probe position: Fibonacci hashing spreads hashes whose low bits are all alike
    // (identity hashes of aligned pointers) over the whole index.
    std::size_t homeOf(std::size_t hash) const {
        return static_cast<std::size_t>(
            (static_cast<std::uint64_t>(hash) * 0x9E3779B97F4A7C15ULL) >> (64 - indexBits_));
    }

    // The index cell that refers to the entry with `key`, or kNotFound.
    template <class K>
    std::size_t findBucket(const K& key, std::size_t hash) const {
        if (index_.empty())
            return kNotFound;
        const std::size_t mask = index_.size() - 1;
        for (std::size_t at = homeOf(hash);; at = (at + 1) & mask) {
            const std::size_t cell = index_[at];
            if (cell == kEmpty)
                return kNotFound;
            if (cell == kDeleted)
                continue;
            const Slot& slot = slots_[cell - kFirstSlot];
            if (slot.hash == hash && KeyOf{}(*slot.entry) == key)
                return at;
        }
    }

    // The first free (never used or deleted) cell on the probe path of `hash`.
    std::size_t placeFor(std::size_t hash) const {
        const std::size_t mask = index_.size() - 1;
        std::size_t at = homeOf(hash);
        while (index_[at] >= kFirstSlot)
            at = (at + 1) & mask;
        return at;
    }

    // Drops the tombstones, keeping the order of the live entries, and rebuilds the index.
    void compact() {
        std::vector<Slot> kept;
        kept.reserve(live_);
        std::vector<std::size_t> index = emptyIndexFor(live_);
        for (Slot& slot : slots_) {
            if (slot.entry)
                kept.push_back(std::move(slot));
        }
        slots_ = std::move(kept);
        installIndex(std::move(index));
    }

    // Gives the index room for `expected` entries at most half full, without deleted cells.
    void rebuildIndex(std::size_t expected) { installIndex(emptyIndexFor(expected)); }

    // Allocations come before any change, so a failed one leaves the table as it was.
    static std::vector<std::size_t> emptyIndexFor(std::size_t expected) {
        std::size_t cells = 8;
        while (cells < expected * 2)
            cells *= 2;
        return std::vector<std::size_t>(cells, kEmpty);
    }

    void installIndex(std::vector<std::size_t> index) {
        index_ = std::move(index);
        indexBits_ = static_cast<unsigned>(std::countr_zero(index_.size()));
        usedBuckets_ = 0;
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (!slots_[i].entry)
                continue;
            index_[placeFor(slots_[i].hash)] = i + kFirstSlot;
            ++usedBuckets_;
        }
    }

    std::vector<Slot> slots_;
    std::vector<std::size_t> index_;
    unsigned indexBits_ = 0;
    std::size_t live_ = 0;
    std::size_t usedBuckets_ = 0;  // index cells not kEmpty: live entries and deleted marks
};

}  // namespace PARR
