#include "vtquill/Topology.h"

#include <algorithm>
#include <unordered_set>

#include "dove2/ModelSchema.h"
#include "quill/Exception.h"
#include "vtquill/Schema.h"

namespace VTQUILL {

using QUILL::Deviant;
using QUILL::kNoObject;
using QUILL::ObjectId;
using QUILL::ObjectRef;
using QUILL::RefList;

namespace {

const DOVE2::ModelSchema& base() {
    return DOVE2::ModelSchema::get();
}

const QUILL::Attribute& endAttribute(Topology::End end) {
    return end == Topology::End::Source ? base().src : base().dst;
}

bool isA(const QUILL::ObjectState* s, const QUILL::Type& type) {
    return s && s->type->isKindOf(type);
}

const RefList& edgesOf(const QUILL::ObjectState& s) {
    return std::get<RefList>(s.values[base().edges.getIndex()]);
}

ObjectId endOf(const QUILL::ObjectState& s, Topology::End end) {
    return std::get<ObjectRef>(s.values[endAttribute(end).getIndex()]).id;
}

}  // namespace

void Topology::checkAttachable(Deviant& d, ObjectId segment, ObjectId element) {
    const auto& schema = Schema::get();
    const QUILL::ObjectState* s = d.find(element);
    if (!s)
        QUILL::throwNullRef();
    const bool node =
        isA(s, schema.port) || isA(s, schema.solderJoint) || isA(s, schema.terminator);
    QUILL_ASSERT(node, "a segment ends at a port, a solder joint or a terminator, not a " +
                           s->type->getQualifiedName());
    if (isA(s, schema.port)) {
        QUILL_ASSERT(edgesOf(*s).empty(), "the port already holds a segment");
    }
    (void)segment;
}

void Topology::setSegmentEnd(Deviant& d, ObjectId segment, End end, ObjectId element) {
    const QUILL::ObjectState* seg = d.find(segment);
    QUILL_ASSERT(isA(seg, Schema::get().segment), "only a segment has ends");
    const ObjectId current = endOf(*seg, end);
    if (current == element)
        return;
    if (element != kNoObject)
        checkAttachable(d, segment, element);

    if (current != kNoObject && d.exists(current))
        detachEdge(d, current, segment);
    const bool terminator = element != kNoObject && isA(d.find(element), Schema::get().terminator);
    // A terminator ends one segment end: taking it frees the end that had it (which may be
    // this segment's other end).
    if (terminator)
        releaseTerminator(d, element);
    d.setValue(segment, endAttribute(end), ObjectRef{element});
    if (element == kNoObject)
        return;

    if (terminator) {
        d.setValue(element, base().edges, RefList{segment});
        d.setContainer(element, segment);
        return;
    }
    RefList edges = edgesOf(*d.find(element));
    edges.push_back(segment);
    d.setValue(element, base().edges, std::move(edges));
}

void Topology::releaseTerminator(Deviant& d, ObjectId terminator) {
    for (ObjectId previous : RefList(edgesOf(*d.find(terminator)))) {
        if (d.exists(previous))
            clearEndsAt(d, previous, terminator);
    }
    d.setValue(terminator, base().edges, RefList{});
}

void Topology::detachEdge(Deviant& d, ObjectId node, ObjectId segment) {
    RefList edges = edgesOf(*d.find(node));
    auto it = std::find(edges.begin(), edges.end(), segment);
    if (it == edges.end())
        return;
    edges.erase(it);
    d.setValue(node, base().edges, std::move(edges));
}

void Topology::clearEndsAt(Deviant& d, ObjectId segment, ObjectId node) {
    for (End end : {End::Source, End::Destination}) {
        if (endOf(*d.find(segment), end) == node)
            d.setValue(segment, endAttribute(end), ObjectRef{});
    }
}

void Topology::destroyElement(Deviant& d, ObjectId element) {
    const auto& schema = Schema::get();
    if (!d.exists(element))
        QUILL::throwNullRef();
    std::vector<ObjectId> subtree{element};
    for (std::size_t i = 0; i < subtree.size(); ++i) {
        for (ObjectId c = d.find(subtree[i])->firstChild; c != kNoObject;
             c = d.find(c)->nextSibling) {
            subtree.push_back(c);
        }
    }
    const std::unordered_set<ObjectId> inside(subtree.begin(), subtree.end());
    const ObjectId survivingLine = [&] {
        const ObjectId container = d.find(element)->container;
        return isA(d.find(element), schema.segment) ? container : kNoObject;
    }();

    for (ObjectId id : subtree) {
        const QUILL::ObjectState* s = d.find(id);
        if (isA(s, schema.segment)) {
            for (End end : {End::Source, End::Destination}) {
                const ObjectId at = endOf(*d.find(id), end);
                if (at != kNoObject && !inside.count(at) && d.exists(at))
                    detachEdge(d, at, id);
            }
        } else if (isA(s, base().graphNode)) {
            for (ObjectId edge : RefList(edgesOf(*s))) {
                if (!inside.count(edge) && d.exists(edge))
                    clearEndsAt(d, edge, id);
            }
        }
    }
    // The terminators of a destroyed segment stay in its line, detached, for the caller.
    if (survivingLine != kNoObject) {
        for (ObjectId id : subtree) {
            if (!isA(d.find(id), schema.terminator))
                continue;
            d.setValue(id, base().edges, RefList{});
            d.setContainer(id, survivingLine);
        }
    }
    d.destroyObject(element);
}

void Topology::removeOrphanTerminators(Deviant& d, const std::vector<ObjectId>& touched) {
    const auto& schema = Schema::get();
    for (ObjectId id : touched) {
        const QUILL::ObjectState* s = d.find(id);
        if (isA(s, schema.terminator) && edgesOf(*s).empty())
            d.destroyObject(id);
    }
}

}  // namespace VTQUILL
