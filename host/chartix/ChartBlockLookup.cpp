#include "chartix/ChartBlockLookup.h"

#include "vtdove/EngineHandles.h"
#include "vtdove/EngineRegistry.h"
#include "vtquill/BackendLookup.h"

namespace CHARTIX {

namespace {

// The position of the last "/" of `path` that separates names (a doubled "/" is part of a
// name); npos when there is none.
std::size_t lastSeparator(const std::string& path) {
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] != '/')
            continue;
        if (i + 1 < path.size() && path[i + 1] == '/') {
            ++i;
            continue;
        }
        last = i;
    }
    return last;
}

std::string escaped(const std::string& name) {
    std::string out;
    for (char c : name)
        out += c == '/' ? std::string("//") : std::string(1, c);
    return out;
}

}  // namespace

VTQUILL::Block ChartBlockLookup::blockAt(const std::string& fullPath) {
    const std::size_t separator = lastSeparator(fullPath);
    if (separator == std::string::npos)
        return VTQUILL::Block();
    VTQUILL::Model model;
    VTQUILL::Diagram diagram;
    if (!VTQUILL::BackendLookup::getDiagram(fullPath.substr(0, separator), model, diagram))
        return VTQUILL::Block();
    const std::string leaf = fullPath.substr(separator + 1);
    for (const VTQUILL::Block& block : diagram.getBlocks()) {
        if (escaped(block.getName()) == leaf)
            return block;
    }
    return VTQUILL::Block();
}

VTQUILL::Block ChartBlockLookup::blockWithHandle(double handle) {
    const VTDove::vtBlock* engineBlock = VTDove::EngineRegistry::instance().blockByHandle(handle);
    if (!engineBlock || !engineBlock->getRootDeviant().isOpen())
        return VTQUILL::Block();
    return VTQUILL::getQUILLBlock(engineBlock,
                                  QUILL::ImmutableModel(&engineBlock->getRootDeviant()));
}

}  // namespace CHARTIX
