#include "studio/StudioApp.h"

#include <memory>
#include <vector>

#include "application/VTCommonDomain.h"
#include "dove2/DomainRegistry.h"
#include "parr/ErrorHolder.h"
#include "studio/SystemPath.h"
#include "tessel/FunctionRegistry.h"
#include "tessel/Value.h"
#include "tessel/WarningService.h"
#include "vtquill/BackendLookup.h"
#include "vtquill/YarrowTypeName.h"

namespace Vantor {

namespace {

constexpr const char* kChartDispatcher = "cxprivate";
constexpr const char* kIsChartBlock = "is_cx_chart_block";
constexpr const char* kDiagramForChartObject = "get_diagram_for_cx_quill_obj";
constexpr const char* kDiagramInterface = "DOVE2.Diagram";
constexpr const char* kModelInterface = "QUILL.Model";
constexpr const char* kOpenFailed = "Vantor:OpenFailed";
constexpr DOVE2::EditorOpenType kOneTimeOpenType = 2;

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
// from the back end.
DOVE2::Diagram lookUpBlockDiagram(const VTQUILL::Block& block, bool underMask) {
    if (block.isChartix())
        return chartBlockDiagram(block.getFullPathName());
    if (isBlockAViewableSubsystem(block) || (block.isMasked() && underMask))
        return backendDiagram(block.getFullPathName());
    return DOVE2::Diagram();
}

}  // namespace

bool isBlockAViewableSubsystem(const VTQUILL::ImmutableBlock& block) {
    if (block.isChartix())
        return true;
    return block.isSubsystem() && !block.isMasked() && !block.isBlockConfigurableSubsystem();
}

StudioApp::StudioApp() = default;

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
    const std::string wanted = vt_spacedName(path);
    for (const auto& [diagram, model] : diagramModels) {
        // A diagram deleted since it was registered has no name left to match.
        if (diagram.isValid() && vt_spacedName(diagram.getFullName()) == wanted)
            return diagram;
    }
    return DOVE2::Diagram();
}

DOVE2::Diagram StudioApp::getDiagram(const QUILL::ImmutableClassObject& object) const {
    const auto found = objectDiagrams.find(object);
    return found == objectDiagrams.end() ? DOVE2::Diagram() : found->second;
}

QUILL::ImmutableClassObject StudioApp::getNode(const DOVE2::Diagram& diagram) const {
    for (const auto& [object, shown] : objectDiagrams) {
        if (shown == diagram)
            return object;
    }
    return QUILL::ImmutableClassObject();
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
    objectDiagrams.emplace(QUILL::ImmutableClassObject(diagram), diagram);
    return diagram;
}

DOVE2::Diagram StudioApp::registerDiagram(const DOVE2::Diagram& diagram,
                                          const QUILL::ImmutableClassObject& object) {
    if (!diagram.isValid())
        return DOVE2::Diagram();
    rememberModel(diagram);
    // The diagram was perhaps known as a top-level diagram; from now on it shows `object`.
    objectDiagrams.erase(QUILL::ImmutableClassObject(diagram));
    objectDiagrams.emplace(object, diagram);
    return diagram;
}

void StudioApp::rememberModel(const DOVE2::Diagram& diagram) {
    diagramModels.emplace(diagram, diagram.getModelQUILL());
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

}  // namespace Vantor
