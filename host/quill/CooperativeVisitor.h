#pragma once

#include <functional>
#include <string>
#include <unordered_map>

#include "quill/Exception.h"
#include "quill/ImmutableType.h"

// The cooperative visitor: a visitor's operations are chosen per class of the visited object
// through a dispatch table shared by all visitors of one kind. A table maps classes to
// handlers and has a default entry; an object is handled by the entry of its most derived
// registered class (walking up its superclasses), else by the default entry. Registering a
// class again replaces its handler.
namespace QUILL::CooperativeVisitor {

template <class Result, class Element>
class Visitor;

namespace internal {

// The key of the pair (element class, visitor class) in a dispatch table. Each visitor kind
// has its own table, so the element class's metaclass identifies the entry.
template <class ElementClass, class VisitorClass>
struct GetTag {
    static const Type* get() { return ElementClass::MetaClass().ptr(); }
};

}  // namespace internal

template <class Result, class Element>
class DispatchTable {
public:
    using VisitorType = Visitor<Result, Element>;
    using Handler = std::function<Result(VisitorType&, const Element&)>;

    void setDefault(Handler handler) {
        default_ = std::move(handler);
        resolved_.clear();
    }
    void add(const ImmutableType& type, Handler handler) {
        entries_[type.ptr()] = std::move(handler);
        resolved_.clear();
    }
    // Registers `handler` for ElementClass and its subclasses without a closer entry.
    template <class ElementClass, class VisitorClass = VisitorType>
    void add(Handler handler) {
        entries_[internal::GetTag<ElementClass, VisitorClass>::get()] = std::move(handler);
        resolved_.clear();
    }
    // Registers a member function of a concrete visitor class.
    template <class ElementClass, class ConcreteVisitor>
    void addMember(Result (ConcreteVisitor::*member)(const Element&)) {
        add<ElementClass, ConcreteVisitor>([member](VisitorType& v, const Element& e) {
            return (static_cast<ConcreteVisitor&>(v).*member)(e);
        });
    }

    // The handler for objects of `type`; null when neither an entry nor a default exists.
    const Handler* resolve(const Type* type) const {
        auto memo = resolved_.find(type);
        if (memo != resolved_.end())
            return memo->second;
        const Handler* found = default_ ? &default_ : nullptr;
        for (const Type* t = type; t; t = t->getSuperclass()) {
            auto it = entries_.find(t);
            if (it != entries_.end()) {
                found = &it->second;
                break;
            }
        }
        resolved_.emplace(type, found);
        return found;
    }

    // Runs the handler of the element's class. An invalid element throws the null-reference
    // exception; a class without handler (and no default) is an assertion failure.
    Result dispatch(VisitorType& visitor, const Element& element) const {
        const Type* type = element.getMetaClass().ptr();
        const Handler* handler = resolve(type);
        QUILL_ASSERT(handler, "no visit operation for " + type->getQualifiedName());
        return (*handler)(visitor, element);
    }

    std::size_t size() const { return entries_.size(); }

private:
    std::unordered_map<const Type*, Handler> entries_;
    Handler default_;
    mutable std::unordered_map<const Type*, const Handler*> resolved_;
};

// Base of visitors whose operations return `Result` for objects seen as `Element` (a handle
// class with getMetaClass()). The table is not owned: visitors of one kind share one table.
template <class Result, class Element>
class Visitor {
public:
    using Table = DispatchTable<Result, Element>;

    explicit Visitor(const Table* table = nullptr) : table_(table) {}
    virtual ~Visitor() = default;

    Result visit(const Element& element) {
        QUILL_ASSERT(table_, "the visitor has no dispatch table");
        return table_->dispatch(*this, element);
    }
    const Table* getDispatchTable() const { return table_; }
    void setDispatchTable(const Table* table) { table_ = table; }

private:
    const Table* table_;
};

}  // namespace QUILL::CooperativeVisitor
