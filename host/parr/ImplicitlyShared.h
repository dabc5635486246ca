#pragma once

#include <atomic>
#include <utility>

namespace PARR {

// Copy-on-write storage for the implicitly shared containers (GHash, GSet). Copies share one
// heap body that carries an atomic reference count; the first write through a copy whose body
// is shared gives that copy a body of its own (detach), so no other copy sees the change.
// An empty ImplicitlyShared has no body and reads as a default-constructed T; a moved-from
// one is empty.
// Copies living in different threads may be read, written and destroyed concurrently; one
// ImplicitlyShared object must not be used by two threads at once if one of them writes.
template <class T>
class ImplicitlyShared {
public:
    ImplicitlyShared() noexcept = default;
    ImplicitlyShared(const ImplicitlyShared& o) noexcept : body_(o.body_) {
        if (body_)
            body_->refs.fetch_add(1, std::memory_order_relaxed);
    }
    ImplicitlyShared(ImplicitlyShared&& o) noexcept : body_(std::exchange(o.body_, nullptr)) {}
    ImplicitlyShared& operator=(ImplicitlyShared o) noexcept {
        std::swap(body_, o.body_);
        return *this;
    }
    ~ImplicitlyShared() { release(); }

    // The shared value; a default T when there is no body. Valid until the next write.
    const T& read() const { return body_ ? body_->value : empty(); }

    // The value for writing: detaches first when the body is shared, makes a body when there
    // is none. References into the value stay valid until the next copy is written through.
    T& write() {
        if (!body_) {
            body_ = new Body();
        } else if (body_->refs.load(std::memory_order_acquire) != 1) {
            Body* own = new Body(body_->value);
            release();
            body_ = own;
        }
        return body_->value;
    }

    // Drops this copy's reference: it becomes empty (the others keep the value).
    void reset() noexcept {
        release();
        body_ = nullptr;
    }

    bool isSharedWith(const ImplicitlyShared& o) const noexcept {
        return body_ != nullptr && body_ == o.body_;
    }

private:
    struct Body {
        Body() = default;
        explicit Body(const T& v) : value(v) {}
        std::atomic<unsigned> refs{1};
        T value;
    };

    static const T& empty() {
        static const T value{};
        return value;
    }

    void release() noexcept {
        if (body_ && body_->refs.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete body_;
    }

    Body* body_ = nullptr;
};

}  // namespace PARR
