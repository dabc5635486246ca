#include "editlayout/AffinityMap.h"

#include <algorithm>

namespace EditLayout {

void AffinityMap::add(int from, int to, double score, unsigned int flag) {
    std::vector<Affinity>& list = byFrom_[from];
    auto same =
        std::find_if(list.begin(), list.end(), [to](const Affinity& a) { return a.to == to; });
    if (same != list.end()) {
        same->score = score;
        same->flag = flag;
        return;
    }
    list.push_back({from, to, score, flag});
    ++size_;
}

double AffinityMap::highestScore() const {
    double highest = 0;
    bool any = false;
    for (const auto& [from, list] : byFrom_) {
        for (const Affinity& a : list) {
            highest = any ? std::max(highest, a.score) : a.score;
            any = true;
        }
    }
    return highest;
}

const AffinityMap::Affinity* AffinityMap::find(int from, int to) const {
    const std::vector<Affinity>& list = affinitiesFrom(from);
    auto it =
        std::find_if(list.begin(), list.end(), [to](const Affinity& a) { return a.to == to; });
    return it == list.end() ? nullptr : &*it;
}

const std::vector<AffinityMap::Affinity>& AffinityMap::affinitiesFrom(int from) const {
    static const std::vector<Affinity> none;
    auto it = byFrom_.find(from);
    return it == byFrom_.end() ? none : it->second;
}

}  // namespace EditLayout
