#pragma once

#include <cstddef>
#include <vector>

#include "quill/Exception.h"

namespace QUILL {

// An ordered list of handles returned by the repository (contained objects, edges...).
// front() and back() of an empty sequence throw Exception("sequence is empty").
template <typename T>
class Sequence {
public:
    using value_type = T;
    using const_iterator = typename std::vector<T>::const_iterator;

    Sequence() = default;
    explicit Sequence(std::vector<T> items) : items_(std::move(items)) {}

    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    const T& operator[](std::size_t i) const { return items_[i]; }
    const T& front() const {
        if (items_.empty())
            throwEmptySequence();
        return items_.front();
    }
    const T& back() const {
        if (items_.empty())
            throwEmptySequence();
        return items_.back();
    }
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }
    const std::vector<T>& toVector() const { return items_; }
    void push_back(T item) { items_.push_back(std::move(item)); }

private:
    std::vector<T> items_;
};

}  // namespace QUILL
