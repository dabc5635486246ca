#include "SystemPathFuzzEntry.h"

#include <list>

#include "studio/SystemPath.h"

namespace VantorFuzz {

namespace {

std::string joined(const std::list<std::string>& names) {
    std::string path;
    for (const std::string& name : names) {
        if (&name != &names.front())
            path += '/';
        path += name;
    }
    return path;
}

std::string checkTokens(const std::string& path, const std::list<std::string>& names) {
    const std::string back = joined(names);
    if (back != path && back + '/' != path)
        return "the names joined give \"" + back + "\"";
    for (const std::string& name : names) {
        if (!name.empty() && Vantor::vt_tokens(name) != std::list<std::string>{name})
            return "the name \"" + name + "\" holds a separator";
    }
    return {};
}

std::string checkParts(const std::string& path, const std::list<std::string>& names) {
    const std::string root = Vantor::vt_name(path, Vantor::RootName);
    const std::string parent = Vantor::vt_name(path, Vantor::ParentPath);
    const std::string leaf = Vantor::vt_name(path, Vantor::LeafName);
    if (root == path && parent == path && leaf == path)
        return names.size() <= 1 && (names.empty() || names.front() == path)
                   ? std::string()
                   : "no separator found, yet " + std::to_string(names.size()) + " names";
    if (root != names.front())
        return "the root name \"" + root + "\" is not the first name";
    if (parent + '/' + leaf != path)
        return "the parent \"" + parent + "\" and the leaf \"" + leaf + "\" do not give the path";
    if (!leaf.empty() && leaf != names.back())
        return "the leaf name \"" + leaf + "\" is not the last name";
    return {};
}

}  // namespace

std::string SystemPathFuzzEntry::run(std::string_view input) {
    const std::string path(input);
    const std::list<std::string> names = Vantor::vt_tokens(path);
    std::string broken = checkTokens(path, names);
    if (broken.empty())
        broken = checkParts(path, names);
    return broken.empty() ? broken : "path \"" + path + "\": " + broken;
}

}  // namespace VantorFuzz
