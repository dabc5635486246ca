#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "quill/ChangeSet.h"
#include "vtdove/BlockNameAllocator.h"
#include "vtdove/vtAnnotation.h"
#include "vtdove/vtBlock.h"
#include "vtdove/vtGraph.h"
#include "vtdove/vtSegment.h"
#include "vtquill/VTQuill.h"

namespace VTDove {

class ObjectCloner;

// The scrap diagram behind copy and paste: a process-wide hidden model (named "$scrap") whose
// one diagram holds copies of the last copied elements, at their original positions.
//
// What a copy holds: each copied block with its ports, parameters and inner diagram; each
// copied segment whose ends both come along (a port of a copied block, a solder joint, or a
// free end), with its labels and terminators, inside a copy of its line that holds only the
// copied segments and the solder joints they touch; each copied annotation.
//
// A paste copies the scrap's content into a diagram in one root transaction, moved by
// (20, 20) times the number of pastes since the last copy, with block names made unique in
// that diagram ("Gain" becomes "Gain1" when "Gain" is taken, then "Gain2", ...).
class ScrapGraph {
public:
    static ScrapGraph& instance();

    // The scrap diagram (made again if its model was closed).
    VTQUILL::Diagram getDiagram();

    // Replaces the scrap's content with copies of the given elements; null or deleted
    // handles are skipped.
    void copy(const std::vector<vtBlock*>& blocks, const std::vector<vtSegment*>& segments,
              const std::vector<vtAnnotation*>& annotations);
    // Pastes into the graph's diagram; see the class comment. Returns the change set of the
    // paste's transaction (null when the root was already in a transaction of the caller,
    // which then holds the paste, or for a null or deleted graph).
    std::shared_ptr<const QUILL::ChangeSet> paste(vtGraph* graph);

    // Offset of each paste since the last copy, in both directions.
    static constexpr double kPasteStep = 20;
    static constexpr const char* kModelName = "$scrap";

private:
    ScrapGraph() = default;
    void clear(const VTQUILL::Diagram& scrap);
    void copySegments(const VTQUILL::Diagram& scrap, const std::vector<vtSegment*>& segments,
                      const std::set<QUILL::ObjectId>& blocks, ObjectCloner& cloner);
    static void placePasted(const QUILL::ImmutableClassObject& copy, PARR::GLPoint<double> offset,
                            BlockNameAllocator& names);

    VTQUILL::Model model_;
    int pastes_ = 0;
};

// Copies the elements into the scrap diagram (ScrapGraph::copy).
void copyToScrapGraph(const std::vector<vtBlock*>& blocks, const std::vector<vtSegment*>& segments,
                      const std::vector<vtAnnotation*>& annotations);
// Pastes the scrap diagram's content into the graph's diagram (ScrapGraph::paste).
std::shared_ptr<const QUILL::ChangeSet> pasteToGraph(vtGraph* graph);

// `name` made unique among `taken`: the name itself when free, else its stem (trailing digits
// removed) followed by the smallest number from 1 that gives a free name.
std::string uniqueBlockName(const std::string& name, const std::vector<std::string>& taken);

}  // namespace VTDove
