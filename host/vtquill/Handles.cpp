#include "vtquill/Handles.h"

namespace VTQUILL {

std::string escapePathName(const std::string& name) {
    std::string escaped;
    escaped.reserve(name.size());
    for (char c : name) {
        escaped += c;
        if (c == '/')
            escaped += '/';
    }
    return escaped;
}

}  // namespace VTQUILL
