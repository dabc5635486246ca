#include "glyphs/BlockGlyph.h"

#include <cmath>
#include <filesystem>
#include <mutex>
#include <string>

#include "dove2/DI.h"
#include "dove2/Graphics.h"
#include "dove2/VisualIndicatorContainer.h"
#include "editlayout/SmartGuides.h"
#include "glyphs/BlockRename.h"
#include "harbor/Studio.h"
#include "parr/Modifier.h"
#include "rook2/ImageNode.h"
#include "rook2/ResizeControls.h"
#include "studio/Editor.h"
#include "studio/StudioApp.h"
#include "wren/GlobalConnectionLock.h"

namespace Vantor {

namespace {

const PARR::StringID& libLinkKey() {
    static const PARR::StringID key("libLink");
    return key;
}

// The icon of a library-link type: its file in the resources folder, or the bare folder for
// a type without an icon.
std::string libraryLinkIcon(const std::string& linkType) {
    std::filesystem::path icon(DOVE2::VisualIndicatorContainer::getResourcesDefaultPath());
    if (linkType == "Default")
        icon /= "libraryLink_active.png";
    else if (linkType == "Modified")
        icon /= "libraryLink_modified.png";
    else if (linkType == "Disabled")
        icon /= "libraryLink_inactive.png";
    return icon.string();
}

// The feature kind of a port at `p` (absolute) on a block with layout rectangle `r`: the side
// whose sector of the rectangle holds the port. The vertical offset is scaled by the aspect
// ratio so that the rectangle's diagonals part the sectors; a point on a diagonal goes to the
// side counter-clockwise from it.
int portFeatureKind(const EditLayout::LayoutRect& r, const PARR::GLPoint<double>& p) {
    constexpr double pi = 3.141592653589793;
    constexpr int kindBySide[] = {EditLayout::Feature::TopPort, EditLayout::Feature::LeftPort,
                                  EditLayout::Feature::BottomPort, EditLayout::Feature::RightPort};
    const double aspect = r.height() != 0 ? r.width() / r.height() : 1.0;
    const double x = p.x - r.hCenter();
    const double y = (r.vCenter() - p.y) * aspect;
    const double theta = std::atan2(y, x);
    const int side = static_cast<int>(std::trunc((theta + 4 * pi - pi / 4) * 2 / pi)) % 4;
    return kindBySide[side];
}

}  // namespace

BlockGlyph::BlockGlyph(const VTQUILL::Block& block)
    : DOVE2::Glyph(DOVE2::DiagramElement(block)), label(new ROOK2::TextNode()) {}

BlockGlyph::~BlockGlyph() {
    WREN::Listener::disconnect();
}

VTQUILL::Block BlockGlyph::block() const {
    return VTQUILL::Block(diagramElement());
}

void BlockGlyph::create() {
    createBlockContent();
    const PARR::Holder<ROOK2::Node> root = getRoot();
    if (!root)
        return;
    root->setSelectable(true);
    root->setMovable(true);
    label->setText(block().getName());
    label->setParent(root);
    std::unique_lock lock(WREN::GetGlobalConnectionLock());
    label->getEditCompleteEmitter().connect(static_cast<WREN::Listener&>(*this),
                                            [this](const std::string&) { onNameChanged(); });
}

void BlockGlyph::onSetEditor() {
    editor = dynamic_cast<Editor*>(getEditor());
    label->setEditable(true);
    if (studioApp)
        return;
    HARBOR::Studio* studio = getEditor()->getStudio();
    studioApp = studio ? dynamic_cast<StudioApp*>(studio->getApp()) : nullptr;
}

void BlockGlyph::update() {
    const VTQUILL::Block shown = block();
    const PARR::Holder<ROOK2::Node> root = getRoot();
    if (!shown.isValid() || !root)
        return;
    if (getEditor())
        showResizeControls(root->isSelected());
    updateVisualIndicators();
    root->setPosition(shown.getPosition());
    label->setText(shown.getName());
    placeLabel(shown);
    label->setVisible(shown.getDrawName());
    updateBlockContent();
}

void BlockGlyph::onSelectionChanged() {
    const PARR::Holder<ROOK2::Node> root = getRoot();
    if (root && getEditor())
        showResizeControls(root->isSelected());
}

void BlockGlyph::showResizeControls(bool shown) {
    if (shown)
        ROOK2::ResizeControls::installCornerResizeControls(getRoot());
    else
        ROOK2::ResizeControls::removeResizeControls(getRoot());
}

void BlockGlyph::placeLabel(const VTQUILL::Block& shown) {
    const PARR::GLPoint<double> size = shown.getSize();
    const double labelWidth = label->getBounds().boundingRect().width;
    label->setPosition({size.x * 0.5 - labelWidth * 0.5, size.y + 2.0});
}

void BlockGlyph::updateVisualIndicators() {
    const std::string linkType = block().getLibraryLinkType();
    if (linkType == "None") {
        if (DOVE2::VisualIndicatorContainer* indicators = getVisualIndicatorContainer())
            indicators->removeIndicator(libLinkKey());
        return;
    }
    DOVE2::VisualIndicatorContainer& indicators = createVisualIndicatorContainer();
    const std::string icon = libraryLinkIcon(linkType);
    const std::vector<PARR::Holder<ROOK2::Node>> shown = indicators.getIndicators(libLinkKey());
    if (shown.empty()) {
        indicators.addIndicator(libLinkKey(), icon);
        return;
    }
    if (auto* image = dynamic_cast<ROOK2::ImageNode*>(shown.front().get()))
        image->setSource(icon);
}

void BlockGlyph::handleMouseDoubleClickEvent(ROOK2::MouseEvent& event) {
    const VTQUILL::Block clicked = block();
    if (!clicked.isValid())
        return;
    if (isBlockAViewableSubsystem(clicked)) {
        if (!studioApp)
            return;
        openSubsystem(clicked, event.modifiers());
        event.consume();
        return;
    }
    if (!editor)
        return;
    editor->openDefaultBlockDialog(clicked.getFullPathName());
    event.consume();
}

void BlockGlyph::openSubsystem(const VTQUILL::Block& subsystem, unsigned modifiers) {
    if (modifiers == PARR::ShiftModifier)
        studioApp->setEditorOpenType(2);
    else if (modifiers == PARR::ControlModifier)
        studioApp->setEditorOpenType(1);
    studioApp->openBlock(subsystem, false);
    studioApp->restoreEditorOpenType();
}

// The block's name comes back to the label through the model's report of the committed
// rename; a rename that makes no change, or that the model refuses, leaves the block as it was,
// so the label must show its name again.
void BlockGlyph::onNameChanged() {
    const VTQUILL::Block renamed = block();
    if (!renameBlockInEditor(getEditor(), renamed, label->getText()) && renamed.isValid())
        label->setText(renamed.getName());
}

std::list<EditLayout::Feature> BlockGlyph::features(double dx, double dy) const {
    std::list<EditLayout::Feature> all = EditLayout::Item::features(dx, dy);
    const DOVE2::Graphics* graphics = getEditor() ? getEditor()->getGraphics() : nullptr;
    const VTQUILL::Block shown = block();
    if (!graphics || !shown.isValid())
        return all;
    for (const VTQUILL::Port& port : shown.getContained()) {
        if (!port.isValid())
            continue;
        const PARR::Holder<DOVE2::Glyph> portGlyph = graphics->getGlyph(port);
        const PARR::Holder<ROOK2::Node> portRoot = portGlyph ? portGlyph->getRoot() : nullptr;
        if (!portRoot)
            continue;
        const PARR::GLPoint<double> p = portRoot->getScenePosition();
        all.emplace_back(this, portFeatureKind(rect(), p),
                         PARR::GLPoint<double>(p.x + dx, p.y + dy));
    }
    return all;
}

void BlockGlyph::addVTAffinities(EditLayout::AffinityMap& map) {
    EditLayout::SmartGuides::AddRectangleAffinities(map);
    const double score = 2 * map.highestScore();
    map.add(EditLayout::Feature::TopPort, EditLayout::Feature::BottomPort, score, 1);
    map.add(EditLayout::Feature::BottomPort, EditLayout::Feature::TopPort, score, 2);
    map.add(EditLayout::Feature::LeftPort, EditLayout::Feature::RightPort, score, 4);
    map.add(EditLayout::Feature::RightPort, EditLayout::Feature::LeftPort, score, 8);
}

void BlockGlyph::centerInRect(ROOK2::Node& node, const PARR::GLRect<double>& rect) const {
    node.setPosition(
        {rect.width / 2 - node.getWidth() / 2, rect.height / 2 - node.getHeight() / 2});
}

PARR::GLRect<double> BlockGlyph::getBlockBounds() const {
    return DOVE2::DI::boundingRect(DOVE2::ImmutableDiagramElement(block()));
}

PARR::GLRect<double> BlockGlyph::getBlockBoundsIn(const ROOK2::Node& node) const {
    const PARR::GLRect<double> bounds = getBlockBounds();
    const PARR::GLPoint<double> corner = node.mapFromScene(bounds.topLeft());
    return {corner.x, corner.y, bounds.width, bounds.height};
}

}  // namespace Vantor
