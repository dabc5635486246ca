#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "vtquill/VTQuill.h"
#include "vtquill/file/ModelDocument.h"

namespace VTQUILL::File {

// Builds a new model from a document that DocumentValidator has accepted and resolved.
// The whole model is made in one root transaction; if anything fails the transaction rolls
// back, the model is closed and the exception propagates, so no half-built model stays open.
class ModelBuilder {
public:
    // The new root model; the caller owns it and closes it when done.
    static VTQUILL::Model build(const ModelDocument& doc);

private:
    ModelBuilder(const ModelDocument& doc, VTQUILL::Model model);

    void populate();
    void buildDiagram(const DocDiagram& doc, const VTQUILL::Diagram& diagram);
    // Returns the ids of the block's ports, in file order.
    std::vector<QUILL::ObjectId> buildBlock(const DocBlock& doc, const VTQUILL::Diagram& diagram);
    void buildLine(const DocLine& doc, const VTQUILL::Diagram& diagram,
                   const std::vector<std::vector<QUILL::ObjectId>>& ports);
    void buildSegment(const DocSegment& doc, const VTQUILL::Line& line,
                      const std::vector<QUILL::ObjectId>& joints,
                      const std::vector<std::vector<QUILL::ObjectId>>& ports);
    QUILL::ImmutableClassObject object(QUILL::ObjectId id) const;

    struct PendingDiagram {
        const DocDiagram* doc;
        VTQUILL::Diagram diagram;
    };

    const ModelDocument& doc_;
    VTQUILL::Model model_;
    // Inner diagrams made but not filled yet: filling them from a queue instead of by
    // recursion keeps the stack flat however deeply a file nests its subsystems.
    std::deque<PendingDiagram> pending_;
};

}  // namespace VTQUILL::File
