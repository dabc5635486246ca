#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace PARR {

// An interned string. Each distinct text is stored once for the life of the process in a
// thread-safe table; a StringID is a pointer to that entry, so copying, equality and hashing
// are O(1). The default StringID is the empty text.
class StringID {
public:
    StringID();
    StringID(std::string_view text);  // NOLINT: implicit by design, like a string literal
    StringID(const char* text) : StringID(std::string_view(text)) {}
    StringID(const std::string& text) : StringID(std::string_view(text)) {}

    const std::string& str() const { return entry_->text; }
    const char* c_str() const { return entry_->text.c_str(); }
    bool empty() const { return entry_->text.empty(); }
    std::size_t hash() const { return entry_->hash; }

    bool operator==(const StringID& o) const { return entry_ == o.entry_; }
    bool operator!=(const StringID& o) const { return entry_ != o.entry_; }
    // Orders by text, so ordered containers of StringIDs iterate alphabetically.
    bool operator<(const StringID& o) const { return entry_ != o.entry_ && str() < o.str(); }

    struct Entry {
        std::string text;
        std::size_t hash;
    };

private:
    const Entry* entry_;
};

inline std::size_t gHash(const StringID& s) {
    return s.hash();
}

}  // namespace PARR
