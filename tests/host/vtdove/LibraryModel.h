#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "quill/Transaction.h"
#include "vtdove/BlockLibrary.h"
#include "vtquill/VTQuill.h"

namespace VTDoveTest {

// A model with one diagram, changed in short committed root transactions, so that engine
// edits and pastes run transactions of their own:
//   LibraryModel m;
//   auto gain = m.add("Gain", "G", {0, 0});
//   m.connect(m.add("Constant", "C"), gain);
// The destructor closes the model.
class LibraryModel {
public:
    explicit LibraryModel(const std::string& name = "model")
        : model(VTQUILL::Factory::createNewModel(name)), diagram(model.getDiagrams().front()) {}
    ~LibraryModel() {
        if (model.isValid())
            model.close();
    }

    // A block of a library type, in its own transaction.
    VTQUILL::Block add(const std::string& type, const std::string& name,
                       PARR::GLPoint<double> at = {}) {
        return addTo(diagram, type, name, at);
    }
    VTQUILL::Block addTo(const VTQUILL::Diagram& d, const std::string& type,
                         const std::string& name, PARR::GLPoint<double> at = {}) {
        QUILL::Transaction tx(model);
        VTQUILL::Block b = VTDove::BlockLibrary::instance().instantiate(d, type, name, at);
        tx.commit();
        return b;
    }
    // A one-segment line from the first Out Port of `src` to the first In Port of `dst`.
    VTQUILL::Segment connect(const VTQUILL::Block& src, const VTQUILL::Block& dst) {
        QUILL::Transaction tx(model);
        VTQUILL::Segment s = src.getDiagram().addLine(VTQUILL::kSignalLine).addSegment();
        s.setSrcElement(portOf(src, VTQUILL::kOutPort));
        s.setDstElement(portOf(dst, VTQUILL::kInPort));
        tx.commit();
        return s;
    }
    // Runs `change` in one committed root transaction and returns its change set.
    std::shared_ptr<const QUILL::ChangeSet> edit(const std::function<void()>& change) {
        QUILL::Transaction tx(model);
        change();
        return tx.commit();
    }

    static VTQUILL::Port portOf(const VTQUILL::Block& b, const std::string& kind, int index = 0) {
        for (const VTQUILL::Port& p : b.getContained()) {
            if (p.getType() == kind && index-- == 0)
                return p;
        }
        return VTQUILL::Port();
    }

    // Every object state of the root, by id: equal snapshots mean equal models.
    std::map<QUILL::ObjectId, QUILL::ObjectState> snapshot() const {
        std::map<QUILL::ObjectId, QUILL::ObjectState> states;
        model.getDeviant().forEachOwnEntry([&](QUILL::ObjectId id, const QUILL::ObjectState* s) {
            if (s)
                states.emplace(id, *s);
        });
        return states;
    }

    VTQUILL::Model model;
    VTQUILL::Diagram diagram;
};

}  // namespace VTDoveTest
