#include "studio/Editor.h"

#include <filesystem>
#include <mutex>

#include "application/VTDomain.h"
#include "dove2/StudioApp.h"
#include "dove2/StudioFrameworkService.h"
#include "dove2/explorer/ExplorerBarComponent.h"
#include "dove2/tools/PaletteButtonToTool.h"
#include "harbor/Studio.h"
#include "renderer/BlockModifyListener.h"
#include "rook2/GLBridge.h"
#include "studio/ClipboardAdapter.h"
#include "studio/SampleTimeOverlay.h"
#include "studio/SystemPath.h"
#include "tessel/InstallationFolder.h"
#include "tools/AlignEdgesCommand.h"
#include "tools/PaletteActionToolFactory.h"
#include "wren/GlobalConnectionLock.h"
#include "wren/Thread.h"

namespace Vantor {

namespace {

WREN::Thread* tesselThread() {
    return WREN::Thread::getNamedThread("TESSEL");
}

struct PaletteEntry {
    const char* label;
    const char* icon;
    void (*action)(Editor&);
};

constexpr PaletteEntry kPaletteEntries[] = {
    {"zoom out", "zoom_out.png", [](Editor& e) { e.zoomOutOneStep(); }},
    {"fit to view", "zoom_fit_view.png", [](Editor& e) { e.fitDiagramToView(); }},
    {"align edges", "align_left_edges.png", [](Editor& e) { e.alignSelectedLeftEdges(); }},
    {"sample time", "sample_time.png", [](Editor& e) { e.toggleSampleTimes(); }},
};

}  // namespace

Editor::Editor(HARBOR::Studio* studio, const std::string& name) : DOVE2::Editor(studio, name) {
    if (!ROOK2::GLBridge::isMultiThreaded())
        return;
    std::unique_lock lock(WREN::GetGlobalConnectionLock());
    getDiagramSetEmitter().connect(*this, &Editor::onSetDiagram, tesselThread());
}

Editor::~Editor() {
    sampleTimes.reset();
    paletteToolFactories.clear();
    WREN::Listener::disconnect();
    modifyListener.reset();
}

PARR::Holder<Editor> Editor::create(HARBOR::Studio* studio, const std::string& name) {
    return PARR::makeHeld<Editor>(studio, name);
}

std::string Editor::staticGetTypeName() {
    return "Vantor:Editor";
}

std::string Editor::getTypeName() const {
    return staticGetTypeName();
}

void Editor::initialize(PARR::ErrorHolder& errors) {
    DOVE2::Editor::initialize(errors);
    if (paletteToolFactories.empty()) {
        for (const PaletteEntry& entry : kPaletteEntries)
            paletteToolFactories.push_back(std::make_unique<PaletteActionToolFactory>(
                this, [this, action = entry.action] { action(*this); }));
    }
    setClipboardAdapter(std::make_unique<ClipboardAdapter>(*this));
    getClipboardAdapter()->initialize(errors);
    connectCanvasSignals();
}

void Editor::connectCanvasSignals() {
    // Without a Qt application (headless editors in tests) there is no canvas to listen to.
    ROOK2::Canvas* canvas = getCanvas();
    if (!canvas)
        return;
    std::unique_lock lock(WREN::GetGlobalConnectionLock());
    canvas->getHideEmitter().connect(*this, &Editor::handleHideOrClose, tesselThread());
    canvas->getCloseEmitter().connect(*this, &Editor::handleHideOrClose, tesselThread());
}

void Editor::terminate(PARR::ErrorHolder& errors) {
    if (HARBOR::StudioClipboardAdapter* adapter = getClipboardAdapter())
        adapter->terminate(errors);
    modifyListener.reset();
    sampleTimes.reset();
    DOVE2::Editor::terminate(errors);
    dialogs.closeAllDialogs();
}

std::string Editor::getDisplayTitle() const {
    return vt_name(getName(), LeafName);
}

const std::string& Editor::paletteIconFolder() {
    static const std::string folder = [] {
        namespace fs = std::filesystem;
        const fs::path path = fs::path(TESSEL::svTesselRoot()) / "toolbox" / "shared" /
                              "ferstudio" / "resources" / "vantor" / "";
        return path.string();
    }();
    return folder;
}

std::vector<PARR::GLWidget2*> Editor::getPaletteObjects() const {
    std::vector<PARR::GLWidget2*> objects = DOVE2::Editor::getPaletteObjects();
    auto* self = const_cast<Editor*>(this);
    for (std::size_t k = 0; k < std::size(kPaletteEntries); ++k) {
        DOVE2::PaletteButtonToolFactory* factory =
            k < paletteToolFactories.size() ? paletteToolFactories[k].get() : nullptr;
        objects.push_back(new DOVE2::PaletteButtonToTool(
            factory, self, paletteIconFolder() + kPaletteEntries[k].icon,
            kPaletteEntries[k].label));
    }
    return objects;
}

void Editor::zoomOutOneStep() {
    if (ROOK2::Canvas* canvas = getCanvas())
        canvas->zoomOut();
}

void Editor::fitDiagramToView() {
    if (ROOK2::Canvas* canvas = getCanvas())
        canvas->fitToView();
}

bool Editor::alignSelectedLeftEdges() {
    std::vector<VTQUILL::ImmutableBlock> blocks;
    for (const DOVE2::DiagramElement& element : getSelection()) {
        const VTQUILL::ImmutableBlock block(element);
        if (block.isValid())
            blocks.push_back(block);
    }
    if (!AlignEdgesCommand::wouldMove(blocks))
        return false;
    return processCommand(
        PARR::Holder<DOVE2::Command>(new AlignEdgesCommand(getRootDeviant(), std::move(blocks))));
}

void Editor::toggleSampleTimes() {
    if (!sampleTimes)
        sampleTimes = std::make_unique<SampleTimeOverlay>(*this);
    sampleTimes->toggle();
}

HARBOR::StudioComponentBase* Editor::getExplorerBar(PARR::ErrorHolder& errors) {
    if (explorerBar)
        return explorerBar;
    HARBOR::Studio* studio = getStudio();
    DOVE2::StudioApp* app = getStudioApp();
    DOVE2::StudioFrameworkService* service = app ? app->getStudioFrameworkService() : nullptr;
    if (!studio || !service)
        return nullptr;
    const std::string name = getName() + DOVE2::ExplorerBarComponent::kNameSuffix;
    // A diagram opened again finds the bar its earlier editor left in the studio.
    if (PARR::Holder<HARBOR::StudioComponentBase> stale = studio->removeComponent(name)) {
        PARR::ErrorHolder terminating;
        stale->terminate(terminating);
        if (terminating.hasError())
            errors.setError(*terminating.getError());
    }
    HARBOR::StudioComponentBase* bar = service->createComponent(
        PARR::StringID(DOVE2::ExplorerBarComponent::staticGetTypeName()), name, errors);
    if (!bar)
        return nullptr;
    bar->setDomain(VTDomain::get()->createInterface(studio));
    explorerBar = bar;
    return explorerBar;
}

VantorRenderer::BlockModifyListener* Editor::getModifyListener() const {
    return modifyListener.get();
}

void Editor::openDefaultBlockDialog(const std::string& blockPath) {
    dialogs.openDialog(blockPath, 0, false);
}

void Editor::onSetDiagram(DOVE2::Diagram diagram) {
    if (!diagram.isValid())
        return;
    const QUILL::Model root = diagram.getRootModel().getRootDeviant();
    const VTQUILL::Diagram shown(diagram.asDeviant(root));
    boost::shared_ptr<VantorRenderer::BlockModifyListener> listener(
        new VantorRenderer::BlockModifyListener(root, VTQUILL::ImmutableDiagram(shown), this));
    modifyListener = listener;
    // Drawn once the editor holds the listener: the glyphs look their entries up through it.
    listener->drawQueuedBlocks();
}

void Editor::handleHideOrClose(PARR::GLWidgetEvent2) {}

void Editor::postCreate() {}

}  // namespace Vantor
