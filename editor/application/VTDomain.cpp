#include "application/VTDomain.h"

#include "application/VTDomainInterface.h"
#include "dove2/Dove2Domain.h"
#include "dove2/Editor.h"
#include "dove2/tools/DeleteTool.h"
#include "dove2/tools/EdgeCreationTool.h"
#include "explorer/IconController.h"
#include "explorer/TreePopulator.h"
#include "explorer/VTBasicTreeFilter.h"
#include "explorer/VTElementDescriber.h"
#include "glyphs/GlyphFactory.h"
#include "rook2/ToolConstructor.h"
#include "tessel/AssertionError.h"
#include "tools/DeleteTool.h"
#include "tools/DummyTool.h"
#include "tools/LineMoveTool.h"
#include "tools/MoveTool.h"
#include "tools/ResizeBehavior.h"
#include "tools/SegmentCreationTool.h"
#include "tools/SelectionTool.h"

namespace Vantor {

namespace {

template <class T>
PARR::Holder<ROOK2::BaseToolConstructor> toolConstructor(DOVE2::Editor& editor,
                                                         const PARR::StringID& role) {
    return PARR::Holder<ROOK2::BaseToolConstructor>(
        new ROOK2::ToolConstructor<T, DOVE2::Editor&>(role, editor));
}

// The editor's seven tool constructors, in their fixed order.
void addToolConstructors(DOVE2::Editor& editor) {
    editor.addToolConstructor(
        toolConstructor<DeleteTool>(editor, DOVE2::DeleteTool::staticGetDefaultRole()));
    editor.addToolConstructor(
        toolConstructor<LineMoveTool>(editor, LineMoveTool::staticGetDefaultRole()));
    editor.addToolConstructor(
        toolConstructor<MoveTool>(editor, ROOK2::MoveTool::staticGetDefaultRole()));
    editor.addToolConstructor(PARR::Holder<ROOK2::BaseToolConstructor>(
        new ROOK2::ToolConstructor<ResizeBehavior, DOVE2::Editor&, bool>(
            ROOK2::ResizeBehavior::staticGetDefaultRole(), editor, true)));
    editor.addToolConstructor(toolConstructor<SegmentCreationTool>(
        editor, DOVE2::EdgeCreationTool::staticGetDefaultRole()));
    editor.addToolConstructor(
        toolConstructor<SelectionTool>(editor, ROOK2::SelectionTool::staticGetDefaultRole()));
    editor.addToolConstructor(
        toolConstructor<DummyTool>(editor, DummyTool::staticGetDefaultRole()));
}

void makeTool(DOVE2::Editor& editor, const PARR::StringID& role) {
    ROOK2::Tool* tool = editor.addToolByRole(role);
    TESSEL_ASSERT(tool, "application/VTDomain", __LINE__);
}

}  // namespace

VTDomain* VTDomain::get() {
    // Held once and never let go: the domain lives as long as the process.
    static VTDomain* const domain = PARR::heldForever(new VTDomain());
    return domain;
}

VTDomain::~VTDomain() = default;

HARBOR::Util::MenuInterface VTDomain::getMenuInterface() {
    static const HARBOR::Util::MenuInterface menu("vtGetVantorInterface", "vtprivate");
    return menu;
}

PARR::Holder<HARBOR::AbstractDomainInterface> VTDomain::createInterface(
    HARBOR::Studio* studio) const {
    return createDove2Interface(studio);
}

PARR::StringID VTDomain::getName() const {
    static const PARR::StringID name("VTDomain");
    return name;
}

PARR::StringID VTDomain::getModelClassFullName() const {
    static const PARR::StringID name("VTQUILL.Model");
    return name;
}

DOVE2::GlyphFactory* VTDomain::getGlyphFactory() const {
    // Kept for the life of the process: glyphs are made through it until the last editor goes.
    static GlyphFactory* const factory = new GlyphFactory();
    return factory;
}

void VTDomain::initializeEdgeCreationRuleSet() {}

// The model explorer's services are shared for the life of the process, except the tree
// populator: each caller gets its own, with a filter of its own.
const boost::shared_ptr<DOVE2::GetIconBase>& VTDomain::getIconController() const {
    static const auto* const icons =
        new boost::shared_ptr<DOVE2::GetIconBase>(new IconController());
    return *icons;
}

const boost::shared_ptr<DOVE2::ElementDescriberBase>& VTDomain::getElementDescriber() const {
    static const auto* const describer =
        new boost::shared_ptr<DOVE2::ElementDescriberBase>(new ElementDescriber());
    return *describer;
}

boost::shared_ptr<DOVE2::GetChildrenBase> VTDomain::getTreePopulator() {
    return boost::shared_ptr<DOVE2::GetChildrenBase>(
        new TreePopulator(VTBasicTreeFilter::create()));
}

void VTDomain::installTools(DOVE2::Editor* editor) const {
    DOVE2::AbstractDove2Domain::installTools(editor);
    if (!editor)
        return;
    addToolConstructors(*editor);
    makeTool(*editor, ROOK2::SelectionTool::staticGetDefaultRole());
    makeTool(*editor, DOVE2::EdgeCreationTool::staticGetDefaultRole());
    makeTool(*editor, DOVE2::DeleteTool::staticGetDefaultRole());
}

PARR::Holder<DOVE2::Dove2DomainInterface> VTDomain::createDove2Interface(
    HARBOR::Studio* studio) const {
    return PARR::makeHeld<VTDomainInterface>(studio);
}

}  // namespace Vantor
