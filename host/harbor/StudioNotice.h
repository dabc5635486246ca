#pragma once

#include <string>
#include <utility>

#include "wren/Payload.h"

namespace HARBOR {

// What a studio tells its window about itself (Studio::notices): a change the window shows,
// or a request to close the window. A plain copyable value.
class StudioNotice : public WREN::Payload {
public:
    enum class Kind {
        TitleChanged,            // subject: the new title
        TitleBarIconChanged,     // subject: the new icon's file path
        ComponentAdded,          // subject: the component's name
        ComponentRemoved,        // subject: the component's name
        ComponentHidden,         // subject: the component's name
        ComponentShown,          // subject: the component's name
        ActiveComponentChanged,  // subject: the active component's name, empty for none
        CloseRequested,          // subject: empty; the studio holds no document any more
    };

    StudioNotice(Kind kind, std::string subject) : kind_(kind), subject_(std::move(subject)) {}

    Kind kind() const { return kind_; }
    const std::string& subject() const { return subject_; }

    bool operator==(const StudioNotice& o) const {
        return kind_ == o.kind_ && subject_ == o.subject_;
    }

private:
    Kind kind_;
    std::string subject_;
};

}  // namespace HARBOR
