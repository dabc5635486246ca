#include "studio/SystemPath.h"

#include <algorithm>

namespace Vantor {

namespace {

// The position of the first separator at or after `from`, or npos. A "/" followed by another
// "/" is an escaped slash inside a name: both are passed over together, so "///" is an
// escaped slash followed by a separator.
std::size_t nextSeparator(const std::string& path, std::size_t from) {
    for (std::size_t i = from; i < path.size(); ++i) {
        if (path[i] != '/')
            continue;
        if (i + 1 < path.size() && path[i + 1] == '/') {
            ++i;
            continue;
        }
        return i;
    }
    return std::string::npos;
}

// The separator vt_name cuts at: the first one for the root name, the last one otherwise;
// npos when the path has none.
std::size_t cuttingSeparator(const std::string& path, VTNameType type) {
    std::size_t found = std::string::npos;
    for (std::size_t at = nextSeparator(path, 0); at != std::string::npos;
         at = nextSeparator(path, at + 1)) {
        found = at;
        if (type == RootName)
            break;
    }
    return found;
}

}  // namespace

std::string vt_name(const std::string& path, VTNameType type) {
    const std::size_t separator = cuttingSeparator(path, type);
    if (separator == std::string::npos)
        return path;
    if (type == LeafName)
        return path.substr(separator + 1);
    return path.substr(0, separator);
}

std::list<std::string> vt_tokens(const std::string& path) {
    std::list<std::string> names;
    std::size_t start = 0;
    for (std::size_t at = nextSeparator(path, 0); at != std::string::npos;
         at = nextSeparator(path, at + 1)) {
        names.push_back(path.substr(start, at - start));
        start = at + 1;
    }
    if (start != path.size())
        names.push_back(path.substr(start));
    return names;
}

std::string vt_spacedName(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

}  // namespace Vantor
