#pragma once

#include <concepts>
#include <cstddef>
#include <functional>
#include <utility>

#include "parr/Hash.h"
#include "parr/ReferencedTemplate.h"

namespace PARR {

// A Holder<U> converts to a Holder<T> when a U* converts to a T* (U derives from T).
template <class U, class T>
concept HolderUpcast = std::convertible_to<U*, T*>;

// An intrusive reference-counted pointer to a T derived from ReferencedTemplate<unsigned int>
// (anything with const ref() and unref() works). Each non-empty Holder owns one reference: it
// refs the object when it takes it and unrefs it when it lets go, so the object is destroyed
// when its last Holder goes (ReferencedTemplate::destroy). An empty Holder tests false.
// Comparison, ordering and gHash use the object's address. Not thread-safe as an object (two
// threads may hold copies of the same Holder, not write one Holder).
template <class T>
class Holder {
public:
    using element_type = T;

    Holder() noexcept = default;
    Holder(std::nullptr_t) noexcept {}  // NOLINT: implicit, like a null pointer
    // Takes a reference to `object` (which may already be held elsewhere).
    explicit Holder(T* object) : object_(object) { acquire(); }
    Holder(const Holder& o) : object_(o.object_) { acquire(); }
    Holder(Holder&& o) noexcept : object_(std::exchange(o.object_, nullptr)) {}
    template <HolderUpcast<T> U>
    Holder(const Holder<U>& o) : object_(o.get()) {  // NOLINT: implicit upcast
        acquire();
    }
    template <HolderUpcast<T> U>
    Holder(Holder<U>&& o) noexcept : object_(o.release()) {}  // NOLINT: implicit upcast
    ~Holder() { letGo(); }

    Holder& operator=(Holder o) noexcept {
        swap(o);
        return *this;
    }

    T* get() const noexcept { return object_; }
    T* operator->() const noexcept { return object_; }
    T& operator*() const noexcept { return *object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

    // Lets go of the held object and holds `object` instead (nothing when null).
    void reset(T* object = nullptr) { Holder(object).swap(*this); }
    void swap(Holder& o) noexcept { std::swap(object_, o.object_); }

    // Gives up the held object without unref: the caller now owns that reference.
    [[nodiscard]] T* release() noexcept { return std::exchange(object_, nullptr); }

    // A Holder of the same object as a U when it is one (dynamic_cast), empty otherwise.
    template <class U>
    Holder<U> dynamicCast() const {
        return Holder<U>(dynamic_cast<U*>(object_));
    }

    template <class U>
    bool operator==(const Holder<U>& o) const noexcept {
        return object_ == o.get();
    }
    bool operator==(const T* p) const noexcept { return object_ == p; }
    bool operator==(std::nullptr_t) const noexcept { return object_ == nullptr; }
    template <class U>
    bool operator<(const Holder<U>& o) const noexcept {
        return std::less<const void*>{}(object_, o.get());
    }

private:
    void acquire() {
        if (object_)
            object_->ref();
    }
    void letGo() {
        if (object_)
            object_->unref();
    }

    T* object_ = nullptr;
};

// A new T made from `args`, held from the start. Factories of reference-counted objects
// return what this makes, so that no object changes hands with a count of 0: a temporary
// Holder taken of such an object elsewhere would free it while its maker still uses it.
template <class T, class... Args>
Holder<T> makeHeld(Args&&... args) {
    return Holder<T>(new T(std::forward<Args>(args)...));
}

// `object` with one reference that is never given back: for a reference-counted singleton
// that must live until the process ends (no holder can then destroy it).
template <class T>
T* heldForever(T* object) {
    object->ref();
    return object;
}

template <class T>
std::size_t gHash(const Holder<T>& h) {
    return gHash(static_cast<const void*>(h.get()));
}

}  // namespace PARR
