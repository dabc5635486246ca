#pragma once

#include <map>
#include <memory>
#include <set>

#include "dove2/DiagramElement.h"
#include "dove2/GlyphFactory.h"
#include "dove2/NullGlyph.h"
#include "dove2/RectangleGlyph.h"
#include "quill/CooperativeVisitor.h"
#include "vtquill/VTQuill.h"

namespace Dove2Test {

// What the glyphs of one test did, per element id.
struct GlyphLog {
    std::map<QUILL::ObjectId, int> created;
    std::map<QUILL::ObjectId, int> updated;
    std::map<QUILL::ObjectId, int> destroyed;
    std::map<QUILL::ObjectId, int> selectionChanges;
    int editorsSet = 0;

    void clear() { *this = GlyphLog(); }
    // The ids with at least one entry in `counts`.
    static std::set<QUILL::ObjectId> ids(const std::map<QUILL::ObjectId, int>& counts) {
        std::set<QUILL::ObjectId> result;
        for (const auto& [id, n] : counts) {
            if (n > 0)
                result.insert(id);
        }
        return result;
    }
};

// A rectangle glyph that writes what the framework asks of it into a log.
class RecordingGlyph : public DOVE2::RectangleGlyph {
public:
    RecordingGlyph(const DOVE2::DiagramElement& element, std::shared_ptr<GlyphLog> log)
        : RectangleGlyph(element), id_(element.getObjectId()), log_(std::move(log)) {}
    ~RecordingGlyph() override { ++log_->destroyed[id_]; }

    void create() override {
        ++log_->created[id_];
        RectangleGlyph::create();
    }
    void update() override {
        ++log_->updated[id_];
        RectangleGlyph::update();
    }
    void onSelectionChanged() override {
        ++log_->selectionChanges[id_];
        RectangleGlyph::onSelectionChanged();
    }

protected:
    void onSetEditor() override { ++log_->editorsSet; }

private:
    QUILL::ObjectId id_;
    std::shared_ptr<GlyphLog> log_;
};

// A factory that chooses glyphs per element class through a dispatch table, as a domain's
// factory does: lines get a NullGlyph, everything else a RecordingGlyph.
class RecordingGlyphFactory
    : public DOVE2::GlyphFactory,
      public QUILL::CooperativeVisitor::Visitor<PARR::Holder<DOVE2::Glyph>, DOVE2::DiagramElement> {
public:
    RecordingGlyphFactory() : log(std::make_shared<GlyphLog>()) {
        table_.setDefault([this](VisitorBase&, const DOVE2::DiagramElement& e) {
            return PARR::Holder<DOVE2::Glyph>(new RecordingGlyph(e, log));
        });
        table_.add(VTQUILL::Line::MetaClass(), [](VisitorBase&, const DOVE2::DiagramElement& e) {
            return PARR::Holder<DOVE2::Glyph>(new DOVE2::NullGlyph(e));
        });
        setDispatchTable(&table_);
    }

    std::shared_ptr<GlyphLog> log;

private:
    using VisitorBase =
        QUILL::CooperativeVisitor::Visitor<PARR::Holder<DOVE2::Glyph>, DOVE2::DiagramElement>;
    QUILL::CooperativeVisitor::DispatchTable<PARR::Holder<DOVE2::Glyph>, DOVE2::DiagramElement>
        table_;
};

}  // namespace Dove2Test
