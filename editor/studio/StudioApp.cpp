#include "studio/StudioApp.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

#include "application/VTCommonDomain.h"
#include "dove2/DomainRegistry.h"
#include "dove2/Editor.h"
#include "dove2/StudioFrameworkService.h"
#include "dove2/Util.h"
#include "dove2/explorer/TreeComponent.h"
#include "explorer/TreeControlDelegate.h"
#include "harbor/Studio.h"
#include "parr/ErrorHolder.h"
#include "studio/SystemPath.h"
#include "tessel/FunctionRegistry.h"
#include "tessel/Value.h"
#include "tessel/WarningService.h"
#include "vtquill/BackendLookup.h"
#include "vtquill/YarrowTypeName.h"
#include "wren/GlobalConnectionLock.h"
#include "wren/Thread.h"

namespace Vantor {

namespace {

constexpr const char* kChartDispatcher = "cxprivate";
constexpr const char* kIsChartBlock = "is_cx_chart_block";
constexpr const char* kDiagramForChartObject = "get_diagram_for_cx_quill_obj";
constexpr const char* kDiagramInterface = "DOVE2.Diagram";
constexpr const char* kModelInterface = "QUILL.Model";
constexpr const char* kOpenFailed = "Vantor:OpenFailed";
constexpr DOVE2::EditorOpenType kOneTimeOpenType = 2;
constexpr const char* kStudioTitle = "Vantor Studio";
constexpr const char* kPropertyBrowser = "DOVE2 PropBrowser component";
constexpr const char* kChartTypeMark = "ChartixDI";
constexpr int kUserSelection = 0;

bool isObjectOf(const TESSEL::Value* value, const std::string& interface) {
    return value && value->isObject() && value->interfaceName() == interface;
}

// The diagram of the state-chart side's answer: a struct whose "diagram" and "model" fields
// hold wrapped objects. Anything else (a missing field, another interface) is no diagram.
DOVE2::Diagram diagramOfChartAnswer(const TESSEL::Value& answer) {
    const TESSEL::Value* diagram = answer.findField("diagram");
    if (!isObjectOf(diagram, kDiagramInterface) ||
        !isObjectOf(answer.findField("model"), kModelInterface))
        return DOVE2::Diagram();
    const std::shared_ptr<DOVE2::Diagram> wrapped =
        diagram->asObject<DOVE2::Diagram>(kDiagramInterface);
    return wrapped ? *wrapped : DOVE2::Diagram();
}

// Asks the state-chart side whether the block at `fullPath` is a chart block, and for its
// diagram. An unknown dispatcher or a raised error is a failed lookup.
DOVE2::Diagram chartBlockDiagram(const std::string& fullPath) {
    std::vector<TESSEL::Value> results;
    const std::vector<TESSEL::Value> args{TESSEL::Value::string(kIsChartBlock),
                                          TESSEL::Value::string(fullPath)};
    if (TESSEL::inCallFcnWithTrap(2, results, args, kChartDispatcher) != 0)
        return DOVE2::Diagram();
    const TESSEL::Value& isChart = results[0];
    if (!isChart.isLogical() || !isChart.asLogical())
        return DOVE2::Diagram();
    return diagramOfChartAnswer(results[1]);
}

// Asks the state-chart side for the diagram of a chart object; an empty answer is none.
DOVE2::Diagram chartObjectDiagram(const QUILL::ImmutableClassObject& object) {
    std::vector<TESSEL::Value> results;
    const std::vector<TESSEL::Value> args{
        TESSEL::Value::string(kDiagramForChartObject),
        TESSEL::Value::wrap(std::make_shared<QUILL::ImmutableClassObject>(object),
                            VTQUILL::getFullyQualifiedYarrowTypeName(object))};
    if (TESSEL::inCallFcnWithTrap(1, results, args, kChartDispatcher) != 0 || results[0].isEmpty())
        return DOVE2::Diagram();
    return diagramOfChartAnswer(results[0]);
}

// The diagram of an open block-diagram model at `fullPath`, or an empty diagram.
DOVE2::Diagram backendDiagram(const std::string& fullPath) {
    VTQUILL::Model model;
    VTQUILL::Diagram diagram;
    if (!VTQUILL::BackendLookup::getDiagram(fullPath, model, diagram))
        return DOVE2::Diagram();
    return diagram;
}

// The diagram a block opens when the maps know none: a chart block's comes from the
// state-chart side alone; a viewable subsystem's, or a masked block's opened under its mask,
// is its own subsystem diagram (else the back end's at its path).
DOVE2::Diagram lookUpBlockDiagram(const VTQUILL::Block& block, bool underMask) {
    if (block.isChartix())
        return chartBlockDiagram(block.getFullPathName());
    if (!isBlockAViewableSubsystem(block) && !(block.isMasked() && underMask))
        return DOVE2::Diagram();
    // The diagram at a subsystem's full path is the one the block owns: read from the block,
    // it costs nothing, where the back end searches every open model by path.
    if (const VTQUILL::Diagram own = block.getSubsystemDiagram(); own.isValid())
        return own;
    return backendDiagram(block.getFullPathName());
}

}  // namespace

bool isBlockAViewableSubsystem(const VTQUILL::ImmutableBlock& block) {
    if (block.isChartix())
        return true;
    return block.isSubsystem() && !block.isMasked() && !block.isBlockConfigurableSubsystem();
}

StudioApp::StudioApp()
    : diagramsByName([this](const std::function<void(const DOVE2::Diagram&)>& visit) {
          for (const auto& [diagram, model] : diagramModels)
              visit(diagram);
      }) {}

StudioApp::~StudioApp() = default;

std::string StudioApp::getFullyQualifiedYarrowTypeName() const {
    return kYarrowTypeName;
}

PARR::Holder<DOVE2::StudioApp> StudioApp::spawnApplication() const {
    return PARR::makeHeld<StudioApp>();
}

PARR::Holder<HARBOR::AbstractDomainInterface> StudioApp::getDefaultDomain(
    HARBOR::Studio* studio) const {
    return VTCommonDomain::get()->createInterface(studio);
}

bool StudioApp::canThisDiagramBeOpened(const DOVE2::Diagram& diagram) const {
    // The registry reports an error for a model no domain serves; that is exactly the case
    // answered with false here, so the error tells the caller nothing more.
    PARR::ErrorHolder noDomain;
    const DOVE2::AbstractDove2Domain* domain =
        DOVE2::DomainRegistry::instance().getStaticDomainForModel(diagram.getModelQUILL(),
                                                                  noDomain);
    if (!domain)
        return false;
    const PARR::StringID name = domain->getName();
    return name == PARR::StringID("VTDomain") || name == PARR::StringID("CXDomain");
}

DOVE2::EditorOpenType StudioApp::internalGetEditorOpenType() const {
    return currentOpenType;
}

void StudioApp::internalSetEditorOpenType(DOVE2::EditorOpenType type) {
    currentOpenType = type;
}

void StudioApp::internalRestoreEditorOpenType() {
    currentOpenType = defaultOpenType;
}

// --- Lookups ----------------------------------------------------------------------------------

DOVE2::Diagram StudioApp::getDiagram(const std::string& path) const {
    return diagramsByName.find(vt_spacedName(path));
}

DOVE2::Diagram StudioApp::getDiagram(const QUILL::ImmutableClassObject& object) const {
    const auto found = objectDiagrams.find(object);
    return found == objectDiagrams.end() ? DOVE2::Diagram() : found->second;
}

QUILL::ImmutableClassObject StudioApp::getNode(const DOVE2::Diagram& diagram) const {
    const auto shown = objectsShownBy.find(diagram.getObjectId());
    return shown == objectsShownBy.end() ? QUILL::ImmutableClassObject() : *shown->second.begin();
}

DOVE2::Diagram StudioApp::block2Diagram(const VTQUILL::Block& block, bool underMask) {
    if (!block.isValid())
        return DOVE2::Diagram();
    DOVE2::Diagram diagram = getDiagram(QUILL::ImmutableClassObject(block));
    if (!diagram.isValid())
        diagram = getDiagram(block.getFullPathName());
    if (!diagram.isValid())
        diagram = lookUpBlockDiagram(block, underMask);
    return registerDiagram(diagram, block);
}

DOVE2::Diagram StudioApp::cxObj2Diagram(const QUILL::ImmutableClassObject& object) {
    DOVE2::Diagram diagram = getDiagram(object);
    if (!diagram.isValid())
        diagram = chartObjectDiagram(object);
    return registerDiagram(diagram, object);
}

DOVE2::Diagram StudioApp::createTopLevelDiagram(const std::string& path) {
    DOVE2::Diagram diagram = getDiagram(path);
    if (!diagram.isValid())
        diagram = backendDiagram(path);
    if (!diagram.isValid())
        return DOVE2::Diagram();
    rememberModel(diagram);
    mapObject(diagram, diagram);
    return diagram;
}

DOVE2::Diagram StudioApp::registerDiagram(const DOVE2::Diagram& diagram,
                                          const QUILL::ImmutableClassObject& object) {
    if (!diagram.isValid())
        return DOVE2::Diagram();
    rememberModel(diagram);
    // The diagram was perhaps known as a top-level diagram; from now on it shows `object`.
    unmapObject(diagram);
    mapObject(object, diagram);
    return diagram;
}

void StudioApp::mapObject(const QUILL::ImmutableClassObject& object,
                          const DOVE2::Diagram& diagram) {
    if (objectDiagrams.emplace(object, diagram).second)
        objectsShownBy[diagram.getObjectId()].insert(object);
}

void StudioApp::unmapObject(const QUILL::ImmutableClassObject& object) {
    const auto entry = objectDiagrams.find(object);
    if (entry == objectDiagrams.end())
        return;
    const auto shown = objectsShownBy.find(entry->second.getObjectId());
    if (shown != objectsShownBy.end()) {
        shown->second.erase(object);
        if (shown->second.empty())
            objectsShownBy.erase(shown);
    }
    objectDiagrams.erase(entry);
}

void StudioApp::rememberModel(const DOVE2::Diagram& diagram) {
    if (diagramModels.emplace(diagram, diagram.getModelQUILL()).second)
        diagramsByName.add(diagram);
}

// --- Opening ----------------------------------------------------------------------------------

void StudioApp::openBlock(const VTQUILL::Block& block, bool underMask) {
    openDiagram(block2Diagram(block, underMask));
}

void StudioApp::openCXState(const QUILL::ClassObject& object) {
    openDiagram(cxObj2Diagram(object));
}

void StudioApp::openDiagram(const DOVE2::Diagram& diagram) {
    if (!diagram.isValid())
        return;
    PARR::ErrorHolder errors;
    openEditor(diagram, errors);
    if (errors.hasError())
        TESSEL::warning(kOpenFailed, errors.message());
    if (getEditorOpenType() == kOneTimeOpenType)
        restoreEditorOpenType();
}

void StudioApp::openRegisteredDiagram(const DOVE2::Diagram& diagram) {
    if (!diagram.isValid())
        return;
    // The framework announces only editors it makes; when the diagram's editor is open
    // already no onDiagramOpened comes, so the flag must not outlive this opening.
    skipNextDiagramOpened = true;
    openDiagram(diagram);
    skipNextDiagramOpened = false;
}

// --- Studio set-up ----------------------------------------------------------------------------

namespace {

// The title-bar icon: vantor_model.png in the installation's resources folder.
std::string titleBarIconPath() {
    const std::filesystem::path icon = std::filesystem::path(DOVE2::Util::fetchTesselRoot()) /
                                       "toolbox" / "shared" / "ferstudio" / "resources" /
                                       "vantor_model.png";
    return icon.string();
}

// Keeps the first error of a set-up that goes on after a failed step.
void keepFirstError(PARR::ErrorHolder& errors, const PARR::ErrorHolder& step) {
    if (step.hasError() && !errors.hasError())
        errors.setError(*step.getError());
}

WREN::Thread* tesselThread() {
    return WREN::Thread::getNamedThread("TESSEL");
}

}  // namespace

void StudioApp::initialize(PARR::ErrorHolder& errors) {
    DOVE2::StudioApp::initialize(errors);
    setStudioTitle(kStudioTitle);
    if (HARBOR::Studio* studio = getStudio())
        studio->hide(kPropertyBrowser);
    installTreeDelegate(errors);
    setStudioTitleBarIcon(titleBarIconPath());
    connectStudioSignals(errors);
}

void StudioApp::installTreeDelegate(PARR::ErrorHolder& errors) {
    HARBOR::Studio* studio = getStudio();
    if (!studio)
        return;
    PARR::ErrorHolder lookup;
    HARBOR::StudioComponentBase* component =
        studio->getComponent(DOVE2::TreeComponent::kComponentName, lookup);
    keepFirstError(errors, lookup);
    // A component of another kind under the explorer's name has no delegate to take.
    if (auto* tree = dynamic_cast<DOVE2::TreeComponent*>(component))
        tree->setDelegate(new TreeControlDelegate(studio));
}

void StudioApp::connectStudioSignals(PARR::ErrorHolder& errors) {
    std::unique_lock lock(WREN::GetGlobalConnectionLock());
    treeSelectionConnection = getTreeSelectionChangedEventService().subscribe(
        *this, &StudioApp::handleTreeSelectionChanged, tesselThread());
    navigateUpConnection = getNavigateUpRequestService().subscribe(
        *this, &StudioApp::handleNavigateUpRequest, tesselThread());
    HARBOR::Studio* studio = getStudio();
    if (!studio)
        return;
    PARR::ErrorHolder lookup;
    auto* tabFocus = studio->getService<HARBOR::StudioEventService<HARBOR::Util::IntRequest>>(
        HARBOR::Studio::kTabFocusEvents, lookup);
    keepFirstError(errors, lookup);
    if (tabFocus && !lookup.hasError())
        tabFocusConnection =
            tabFocus->subscribe(*this, &StudioApp::handleTabFocusChanged, tesselThread());
}

void StudioApp::terminate(PARR::ErrorHolder& errors) {
    treeSelectionConnection.disconnect();
    navigateUpConnection.disconnect();
    tabFocusConnection.disconnect();
    diagramModels.clear();
    objectDiagrams.clear();
    objectsShownBy.clear();
    diagramsByName.clear();
    DOVE2::StudioApp::terminate(errors);
    closeAllEditors(errors);
}

// --- Framework notifications ------------------------------------------------------------------

void StudioApp::onDiagramOpened(const DOVE2::Diagram& diagram) {
    if (skipNextDiagramOpened) {
        skipNextDiagramOpened = false;
        return;
    }
    if (!canThisDiagramBeOpened(diagram))
        return;
    rememberModel(diagram);
    if (getNode(diagram).isValid())
        return;
    mapObject(diagram, diagram);
}

void StudioApp::onDiagramRemoved(const DOVE2::Diagram& diagram) {
    removeDiagram(diagram);
}

void StudioApp::removeDiagram(const DOVE2::Diagram& diagram) {
    diagramModels.erase(diagram);
    diagramsByName.remove(diagram);
    unmapObject(diagram);
    const auto shown = objectsShownBy.find(diagram.getObjectId());
    if (shown == objectsShownBy.end())
        return;
    const std::set<QUILL::ImmutableClassObject, ObjectIdentityOrder> objects = shown->second;
    for (const QUILL::ImmutableClassObject& object : objects)
        unmapObject(object);
}

void StudioApp::onTransactionCompleted(
    const QUILL::ReportOfChanges<QUILL::ImmutableClassObject, QUILL::TRUE_TYPE>& report) {
    DOVE2::StudioApp::onTransactionCompleted(report);
    for (const QUILL::ImmutableClassObject& deleted : report.getDeleted()) {
        forgetObject(deleted);
        // A deleted diagram may be known under another object than itself (a block's).
        if (diagramModels.count(DOVE2::Diagram(deleted.getDeviant(), deleted.getObjectId())))
            removeDiagram(DOVE2::Diagram(deleted.getDeviant(), deleted.getObjectId()));
    }
    for (const QUILL::ImmutableClassObject& created : report.getCreated()) {
        const DOVE2::Diagram diagram(created);
        if (diagram.isValid())
            rememberModel(diagram);
    }
}

void StudioApp::forgetObject(const QUILL::ImmutableClassObject& object) {
    const auto entry = objectDiagrams.find(object);
    if (entry == objectDiagrams.end())
        return;
    const DOVE2::Diagram diagram = entry->second;
    unmapObject(object);
    diagramModels.erase(diagram);
    diagramsByName.remove(diagram);
}

// --- Closing editors --------------------------------------------------------------------------

PARR::GList<DOVE2::Editor*> StudioApp::getEditorsToClose(
    PARR::GList<DOVE2::Editor*> editors) const {
    return editors;
}

namespace {

// Whether closing the editor named `closed` closes the editor named `other`: the same name,
// the editor of its model, or a path below it by whole names.
bool closesWith(const std::string& closed, const std::list<std::string>& closedNames,
                const std::string& other) {
    if (other == closed || vt_name(other, RootName) == closed)
        return true;
    const std::list<std::string> names = vt_tokens(other);
    return names.size() > closedNames.size() &&
           std::equal(closedNames.begin(), closedNames.end(), names.begin());
}

}  // namespace

PARR::GList<DOVE2::Editor*> StudioApp::getAllEditorsToClose(
    const PARR::GList<DOVE2::Editor*>& editors) const {
    PARR::GList<DOVE2::Editor*> result;
    const PARR::GList<DOVE2::Editor*> open = getAllEditors();
    for (const DOVE2::Editor* closed : editors) {
        const std::list<std::string> closedNames = vt_tokens(closed->getName());
        for (DOVE2::Editor* other : open) {
            if (closesWith(closed->getName(), closedNames, other->getName()) &&
                std::find(result.begin(), result.end(), other) == result.end())
                result.append(other);
        }
    }
    return result;
}

// --- Studio signals ---------------------------------------------------------------------------

DOVE2::Diagram StudioApp::diagramOfTreeNode(const QUILL::ClassObject& object) {
    if (!object.isValid())
        return DOVE2::Diagram();
    if (const VTQUILL::Diagram diagram(object); diagram.isValid())
        return diagram;
    if (const VTQUILL::Block block(object); block.isValid())
        return block2Diagram(block, false);
    if (VTQUILL::getFullyQualifiedYarrowTypeName(object).find(kChartTypeMark) != std::string::npos)
        return cxObj2Diagram(object);
    return DOVE2::Diagram();
}

void StudioApp::handleTreeSelectionChanged(DOVE2::TreeSelectionChangedEvent event) {
    if (event.getComponentName() != DOVE2::TreeComponent::kComponentName ||
        event.getSelectionKind() != kUserSelection)
        return;
    openRegisteredDiagram(diagramOfTreeNode(event.lastSelection()));
}

void StudioApp::handleNavigateUpRequest(DOVE2::NavigateUpRequest request) {
    const DOVE2::Diagram leaving(request.getObject());
    if (!leaving.isValid())
        return;
    const std::string name = leaving.getFullName();
    // A top-level diagram has nothing above it: its parent path would be its own name.
    if (vt_tokens(name).size() < 2)
        return;
    openRegisteredDiagram(getDiagram(vt_name(name, ParentPath)));
}

void StudioApp::handleTabFocusChanged(HARBOR::Util::IntRequest request) {
    if (diagramModels.empty() || objectDiagrams.empty())
        return;
    DOVE2::StudioFrameworkService* framework = getStudioFrameworkService();
    if (!framework)
        return;
    // A tab index the window no longer has is a focus change that came too late: nothing to
    // activate, and nothing the user needs to hear about.
    PARR::ErrorHolder noSuchTab;
    const PARR::GSet<HARBOR::StudioComponentBase*> shown =
        framework->getComponentsOfTab(request.getValue(), noSuchTab);
    if (shown.size() != 1)
        return;
    auto* editor = dynamic_cast<DOVE2::Editor*>(*shown.begin());
    if (!editor || editor == getActiveEditor())
        return;
    setActiveEditor(editor);
    getActiveEditorChangedEventService().sendPacket(
        WREN::Packet<DOVE2::ActiveEditorChangedEvent>(DOVE2::ActiveEditorChangedEvent(true),
                                                      WREN::SendOnReceiverThread),
        false);
}

}  // namespace Vantor
