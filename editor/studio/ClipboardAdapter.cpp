#include "studio/ClipboardAdapter.h"

#include <vector>

#include "chartix/ChartClipboard.h"
#include "parr/GLMimeData2.h"
#include "parr/IntType.h"
#include "parr/MimeRegistry.h"
#include "studio/Editor.h"
#include "studio/PasteCommand.h"
#include "tools/DeleteCommand.h"
#include "vtdove/EngineHandles.h"
#include "vtdove/ScrapGraph.h"

namespace Vantor {

namespace {

const PARR::StringID& mimeKey() {
    static const PARR::StringID key(ClipboardAdapter::kMimeKey);
    return key;
}

void registerMimeKey() {
    static const bool registered =
        PARR::MimeRegistry::instance().registerMimeType(mimeKey(), PARR::IntType::Create());
    (void)registered;
}

// The engine handles of the selected blocks, segments and annotations.
struct EngineSelection {
    std::vector<VTQUILL::ImmutableBlock> copiedBlocks;
    std::vector<VTDove::vtBlock*> blocks;
    std::vector<VTDove::vtSegment*> segments;
    std::vector<VTDove::vtAnnotation*> annotations;

    bool empty() const { return blocks.empty() && segments.empty() && annotations.empty(); }

    void add(const QUILL::ImmutableClassObject& element) {
        if (const VTQUILL::ImmutableBlock block(element); block.isValid()) {
            copiedBlocks.push_back(block);
            blocks.push_back(VTQUILL::getVtBlock(block));
        } else if (const VTQUILL::ImmutableSegment segment(element); segment.isValid())
            segments.push_back(VTQUILL::getVtSegment(segment));
        else if (const VTQUILL::ImmutableAnnotation annotation(element); annotation.isValid())
            annotations.push_back(VTQUILL::getVtAnnotation(annotation));
    }
};

}  // namespace

ClipboardAdapter::ClipboardAdapter(Editor& editor)
    : HARBOR::StudioClipboardAdapter(editor), editor_(editor) {
    registerMimeKey();
}

ClipboardAdapter::~ClipboardAdapter() = default;

bool ClipboardAdapter::canCopy() const {
    return true;
}

bool ClipboardAdapter::canCut() const {
    return true;
}

bool ClipboardAdapter::canPaste() const {
    const PARR::Holder<const PARR::MimeData2> data = getMimeData();
    return data && data->hasData(mimeKey());
}

void ClipboardAdapter::copy() {
    copySelection();
}

bool ClipboardAdapter::copySelection() {
    EngineSelection selected;
    for (const DOVE2::DiagramElement& element : editor_.getSelection())
        selected.add(element);
    if (selected.empty())
        return false;
    VTDove::copyToScrapGraph(selected.blocks, selected.segments, selected.annotations);
    CHARTIX::ChartClipboard::copy(selected.copiedBlocks);
    PARR::GLMimeData2 marker;
    marker.setData(mimeKey(), 0);
    setMimeData(marker, false);
    return true;
}

void ClipboardAdapter::cut() {
    if (!copySelection())
        return;
    const QUILL::Model root = editor_.getRootDeviant();
    PARR::Holder<DeleteCommand> command(new DeleteCommand(root, "Cut"));
    for (const DOVE2::DiagramElement& element : editor_.getSelection())
        command->addElement(DOVE2::DiagramElement(element.asDeviant(root)));
    editor_.processCommand(command);
}

void ClipboardAdapter::paste(const PARR::MimeData2*) {
    const VTQUILL::Diagram shown(editor_.getDiagram());
    if (!shown.isValid())
        return;
    const QUILL::Model root = shown.getRootModel().getRootDeviant();
    const VTQUILL::Diagram target(shown.asDeviant(root));
    const std::size_t count = VTDove::ScrapGraph::instance().getDiagram().getContainedCount();
    PARR::Holder<PasteCommand> command(new PasteCommand(target.getModel(), target));
    if (!editor_.processCommand(command))
        return;
    const std::vector<QUILL::ImmutableClassObject> pasted = lastElements(count);
    std::vector<VTQUILL::ImmutableBlock> blocks;
    for (const QUILL::ImmutableClassObject& element : pasted)
        blocks.emplace_back(element);
    CHARTIX::ChartClipboard::paste(blocks);
    select(pasted);
}

std::vector<QUILL::ImmutableClassObject> ClipboardAdapter::lastElements(std::size_t count) const {
    const DOVE2::Diagram shown = editor_.getDiagram();
    const std::size_t total = shown.getContainedCount();
    const std::size_t first = total > count ? total - count : 0;
    std::vector<QUILL::ImmutableClassObject> last;
    last.reserve(total - first);
    std::size_t index = 0;
    for (const QUILL::ImmutableClassObject& element : shown.getContained()) {
        if (index++ >= first)
            last.push_back(element);
    }
    return last;
}

// Lines are not selectable themselves: their segments stand for them.
void ClipboardAdapter::select(const std::vector<QUILL::ImmutableClassObject>& elements) {
    editor_.clearSelection();
    for (const QUILL::ImmutableClassObject& element : elements) {
        if (const VTQUILL::ImmutableLine line(element); line.isValid()) {
            for (const VTQUILL::ImmutableSegment& segment : line.getSegments())
                editor_.select(segment, true);
        } else {
            editor_.select(element, true);
        }
    }
}

}  // namespace Vantor
