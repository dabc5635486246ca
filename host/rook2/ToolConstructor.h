#pragma once

#include <tuple>
#include <utility>

#include "rook2/BaseToolConstructor.h"

namespace ROOK2 {

// A tool constructor that makes `new T(args...)` with the arguments it was given (kept as
// declared: ToolConstructor<T, Editor&> keeps a reference to the editor, which must outlive
// the constructor). The role is given explicitly, or taken from T::staticGetDefaultRole().
template <class T, class... Args>
class ToolConstructor : public BaseToolConstructor {
public:
    ToolConstructor(PARR::StringID role, Args... args)
        : role_(std::move(role)), args_(std::forward<Args>(args)...) {}

    PARR::Holder<Tool> create() override {
        return std::apply([](auto&&... a) { return PARR::Holder<Tool>(new T(a...)); }, args_);
    }
    PARR::StringID role() const override { return role_; }

private:
    PARR::StringID role_;
    std::tuple<Args...> args_;
};

// A constructor for T under T's default role (T::staticGetDefaultRole()).
template <class T, class... Args>
PARR::Holder<BaseToolConstructor> makeToolConstructor(Args&&... args) {
    return PARR::Holder<BaseToolConstructor>(
        new ToolConstructor<T, Args...>(T::staticGetDefaultRole(), std::forward<Args>(args)...));
}

}  // namespace ROOK2
