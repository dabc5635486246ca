#pragma once

#include <atomic>
#include <cassert>

namespace PARR {

// Base of intrusively reference-counted objects, held by Holder<T>. The count starts at 0:
// a fresh object belongs to whoever made it until the first ref(). When unref() takes the
// count back to 0 the object calls its virtual destroy(), which by default deletes it, so a
// counted object must live on the heap (made with new) unless destroy() is overridden.
// ref() and unref() are thread-safe; they are const because the count is bookkeeping, not
// part of the object's value (a Holder<const T> can own an object too).
// Copying an object does not copy its count: the copy starts unreferenced.
template <class Count>
class ReferencedTemplate {
public:
    ReferencedTemplate() = default;
    ReferencedTemplate(const ReferencedTemplate&) {}
    ReferencedTemplate& operator=(const ReferencedTemplate&) { return *this; }
    virtual ~ReferencedTemplate() = default;

    // Called once, when the last reference goes. Default: delete this (through the virtual
    // destructor, so it is right when this base is not the first of a class; g++ 12 at -O3
    // still warns about a non-zero base offset there, wrongly).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wfree-nonheap-object"
    virtual void destroy() { delete this; }
#pragma GCC diagnostic pop

    void ref() const { count_.fetch_add(1, std::memory_order_relaxed); }
    // Drops one reference; calls destroy() when it was the last. Calling unref() on an
    // object with no reference is a programmer error.
    void unref() const {
        const Count before = count_.fetch_sub(1, std::memory_order_acq_rel);
        assert(before > 0 && "unref() of an object nobody references");
        if (before == 1)
            const_cast<ReferencedTemplate*>(this)->destroy();
    }
    // The current number of references; a snapshot only when other threads hold some too.
    Count refCount() const { return count_.load(std::memory_order_acquire); }

private:
    mutable std::atomic<Count> count_{0};
};

}  // namespace PARR
