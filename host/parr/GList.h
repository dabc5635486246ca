#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <utility>
#include <vector>

namespace PARR {

// An ordered list of values (a std::vector underneath). Indexes run from 0 to size() - 1;
// indexing out of range is a programmer error (checked by at(), not by operator[]).
// A plain value: copies are independent.
template <class T>
class GList {
public:
    using value_type = T;
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;
    // What indexOf returns when the value is not in the list.
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    GList() = default;
    GList(std::initializer_list<T> values) : items_(values) {}
    explicit GList(std::vector<T> values) : items_(std::move(values)) {}
    template <std::input_iterator It>
    GList(It first, It last) : items_(first, last) {}

    void append(const T& v) { items_.push_back(v); }
    void append(T&& v) { items_.push_back(std::move(v)); }
    void push_back(const T& v) { items_.push_back(v); }
    void push_back(T&& v) { items_.push_back(std::move(v)); }
    // Inserts before position `index`; an index past the end appends.
    void insert(std::size_t index, T v) {
        index = std::min(index, items_.size());
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(v));
    }
    // Removes the value at `index`; an index past the end is ignored.
    void removeAt(std::size_t index) {
        if (index < items_.size())
            items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    }
    // Removes the first value equal to `v`; false when there is none.
    bool removeOne(const T& v) {
        const std::size_t at = indexOf(v);
        if (at == npos)
            return false;
        removeAt(at);
        return true;
    }
    // Removes every value equal to `v`; returns how many went.
    std::size_t removeAll(const T& v) { return std::erase(items_, v); }

    bool contains(const T& v) const { return indexOf(v) != npos; }
    // Index of the first value equal to `v`, or npos.
    std::size_t indexOf(const T& v) const {
        const auto it = std::find(items_.begin(), items_.end(), v);
        return it == items_.end() ? npos : static_cast<std::size_t>(it - items_.begin());
    }

    T& operator[](std::size_t i) { return items_[i]; }
    const T& operator[](std::size_t i) const { return items_[i]; }
    T& at(std::size_t i) { return items_.at(i); }
    const T& at(std::size_t i) const { return items_.at(i); }
    T& front() { return items_.front(); }
    const T& front() const { return items_.front(); }
    T& back() { return items_.back(); }
    const T& back() const { return items_.back(); }

    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    void clear() { items_.clear(); }
    void reserve(std::size_t n) { items_.reserve(n); }

    iterator begin() { return items_.begin(); }
    iterator end() { return items_.end(); }
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

    const std::vector<T>& toStdVector() const { return items_; }

    bool operator==(const GList&) const = default;

private:
    std::vector<T> items_;
};

}  // namespace PARR
