#include "vtquill/file/JsonPlace.h"

namespace VTQUILL::File {

std::string JsonPlace::toString() const {
    std::string out;
    append(out);
    return out;
}

void JsonPlace::append(std::string& out) const {
    if (!parent_)
        return;
    parent_->append(out);
    if (key_) {
        if (!out.empty())
            out += '.';
        out += key_;
    } else {
        out += '[';
        out += std::to_string(index_);
        out += ']';
    }
}

}  // namespace VTQUILL::File
