#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace PARR {

// gHash: the hash every PARR container uses. Overloads exist for the built-in value types;
// a class makes itself a key by providing gHash(const T&) in its own namespace (found by ADL).
inline std::size_t gHash(std::int64_t v) {
    return std::hash<std::int64_t>{}(v);
}
inline std::size_t gHash(std::uint64_t v) {
    return std::hash<std::uint64_t>{}(v);
}
inline std::size_t gHash(int v) {
    return std::hash<int>{}(v);
}
inline std::size_t gHash(unsigned v) {
    return std::hash<unsigned>{}(v);
}
inline std::size_t gHash(bool v) {
    return v ? 1u : 0u;
}
inline std::size_t gHash(double v) {
    return std::hash<double>{}(v);
}
inline std::size_t gHash(std::string_view v) {
    return std::hash<std::string_view>{}(v);
}
inline std::size_t gHash(const std::string& v) {
    return gHash(std::string_view(v));
}
inline std::size_t gHash(const char* v) {
    return gHash(std::string_view(v));
}
template <typename T>
std::size_t gHash(T* p) {
    return std::hash<const void*>{}(p);
}

inline std::size_t hashCombine(std::size_t seed, std::size_t h) {
    return seed ^ (h + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

// Hash functor for standard containers: forwards to gHash, found by argument lookup.
struct GHasher {
    template <typename T>
    std::size_t operator()(const T& v) const {
        using PARR::gHash;
        return gHash(v);
    }
};

}  // namespace PARR
