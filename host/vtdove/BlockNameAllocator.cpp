#include "vtdove/BlockNameAllocator.h"

#include <cctype>

namespace VTDove {

BlockNameAllocator::BlockNameAllocator(const std::vector<std::string>& taken)
    : taken_(taken.begin(), taken.end()) {}

std::string BlockNameAllocator::take(const std::string& name) {
    if (taken_.insert(name).second)
        return name;
    std::string stem = name;
    while (!stem.empty() && std::isdigit(static_cast<unsigned char>(stem.back())))
        stem.pop_back();
    int& number = nextNumber_.try_emplace(stem, 1).first->second;
    std::string candidate = stem + std::to_string(number);
    while (!taken_.insert(candidate).second)
        candidate = stem + std::to_string(++number);
    ++number;
    return candidate;
}

}  // namespace VTDove
