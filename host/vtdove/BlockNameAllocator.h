#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace VTDove {

// Hands out block names unique within one diagram: a name itself when free, else its stem
// (trailing digits removed) followed by the smallest number from 1 that gives a free name.
// Every name handed out counts as taken from then on. Each stem remembers the number it
// reached, so naming n copies of blocks that share a stem costs O(n), not O(n^2) lookups.
class BlockNameAllocator {
public:
    explicit BlockNameAllocator(const std::vector<std::string>& taken = {});

    // A free name for `name`, now taken.
    std::string take(const std::string& name);
    bool isTaken(const std::string& name) const { return taken_.count(name) != 0; }

private:
    std::unordered_set<std::string> taken_;
    // Per stem, the number below which every stem+number is taken.
    std::unordered_map<std::string, int> nextNumber_;
};

}  // namespace VTDove
