#include "sim/ExecutionOrder.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <set>

namespace VTSIM {

ExecutionOrder::ExecutionOrder(const std::vector<std::unique_ptr<RuntimeBlock>>& blocks,
                               const std::vector<std::vector<Driver>>& drivers)
    : blocks_(blocks), feeds_(blocks.size()) {
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        for (std::size_t k = 0; k < drivers[b].size(); ++k) {
            const Driver& d = drivers[b][k];
            if (d.connected() && blocks[b]->hasDirectFeedthrough(static_cast<int>(k)))
                feeds_[d.block].push_back(static_cast<int>(b));
        }
    }
}

std::vector<int> ExecutionOrder::sort(std::vector<Diagnostic>& diagnostics) const {
    const std::size_t n = blocks_.size();
    std::vector<int> waiting(n, 0);
    for (const auto& targets : feeds_) {
        for (const int t : targets)
            ++waiting[t];
    }
    // The lowest index first among the ready blocks: the order follows the model's where it can.
    std::priority_queue<int, std::vector<int>, std::greater<>> ready;
    for (std::size_t b = 0; b < n; ++b) {
        if (waiting[b] == 0)
            ready.push(static_cast<int>(b));
    }
    std::vector<int> order;
    std::vector<bool> placed(n, false);
    while (!ready.empty()) {
        const int b = ready.top();
        ready.pop();
        order.push_back(b);
        placed[b] = true;
        for (const int t : feeds_[b]) {
            if (--waiting[t] == 0)
                ready.push(t);
        }
    }
    if (order.size() < n)
        reportLoops(placed, diagnostics);
    return order;
}

void ExecutionOrder::reportLoops(const std::vector<bool>& placed,
                                 std::vector<Diagnostic>& diagnostics) const {
    for (const std::vector<int>& members : cycles(placed)) {
        std::string message = "algebraic loop: ";
        std::vector<std::string> paths;
        for (const int b : inCycleOrder(members)) {
            paths.push_back(blocks_[b]->path());
            message += blocks_[b]->path() + " -> ";
        }
        message += paths.front() + " (each feeds the next at the same instant)";
        diagnostics.push_back(Diagnostic::error(message, paths));
    }
}

std::vector<std::vector<int>> ExecutionOrder::cycles(const std::vector<bool>& placed) const {
    // Tarjan's strongly connected components over the blocks left unplaced, iteratively.
    const int n = static_cast<int>(blocks_.size());
    std::vector<int> index(n, -1), low(n, 0);
    std::vector<bool> onStack(n, false);
    std::vector<int> stack;
    std::vector<std::vector<int>> found;
    int next = 0;
    for (int root = 0; root < n; ++root) {
        if (placed[root] || index[root] >= 0)
            continue;
        std::vector<std::pair<int, std::size_t>> work{{root, 0}};
        index[root] = low[root] = next++;
        stack.push_back(root);
        onStack[root] = true;
        while (!work.empty()) {
            auto& [v, edge] = work.back();
            if (edge < feeds_[v].size()) {
                const int w = feeds_[v][edge++];
                if (placed[w])
                    continue;
                if (index[w] < 0) {
                    index[w] = low[w] = next++;
                    stack.push_back(w);
                    onStack[w] = true;
                    work.emplace_back(w, 0);
                } else if (onStack[w]) {
                    low[v] = std::min(low[v], index[w]);
                }
                continue;
            }
            const int done = v;
            work.pop_back();
            if (!work.empty())
                low[work.back().first] = std::min(low[work.back().first], low[done]);
            if (low[done] != index[done])
                continue;
            std::vector<int> component;
            int w = -1;
            do {
                w = stack.back();
                stack.pop_back();
                onStack[w] = false;
                component.push_back(w);
            } while (w != done);
            const bool selfLoop = std::count(feeds_[done].begin(), feeds_[done].end(), done) > 0;
            if (component.size() > 1 || selfLoop)
                found.push_back(std::move(component));
        }
    }
    return found;
}

// Walks the loop from its first member along the signal, so a simple cycle reads in order.
std::vector<int> ExecutionOrder::inCycleOrder(const std::vector<int>& members) const {
    const std::set<int> inLoop(members.begin(), members.end());
    std::vector<int> ordered;
    std::set<int> seen;
    std::function<void(int)> walk = [&](int b) {
        if (!seen.insert(b).second)
            return;
        ordered.push_back(b);
        for (const int t : feeds_[b]) {
            if (inLoop.count(t))
                walk(t);
        }
    };
    walk(*std::min_element(members.begin(), members.end()));
    return ordered;
}

}  // namespace VTSIM
