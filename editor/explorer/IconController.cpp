#include "explorer/IconController.h"

#include <filesystem>

#include "dove2/AbstractDove2Domain.h"
#include "explorer/ChartDomain.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

namespace {

struct ClassIcon {
    QUILL::ImmutableType type;
    const char* tag;
    const char* file;
};

// Sets `icon` to the state-chart domain's icon of a chart block; false when that domain is
// not registered or has no icon controller.
bool chartDomainIcon(const QUILL::ImmutableClassObject& block, std::string& icon) {
    DOVE2::AbstractDove2Domain* charts = chartDomain();
    if (!charts || !charts->getIconController())
        return false;
    icon = charts->getIconController()->execute(block);
    return true;
}

template <class Class>
void addClassIcon(IconController::Table& table) {
    table.add<Class>(
        [](IconController::Table::VisitorType& visitor, const QUILL::ImmutableClassObject&) {
            return static_cast<IconController&>(visitor).getNameGivenType(Class::MetaClass());
        });
}

}  // namespace

IconController::IconController() = default;

IconController::~IconController() = default;

void IconController::initializeDispatch() {
    setDispatchTable(&dispatchTable());
}

std::string IconController::iconPath(const std::string& file) {
    return (std::filesystem::path(iconFolder()) / file).string();
}

const DOVE2::IconNode& IconController::getDefaultIconNode() const {
    static const DOVE2::IconNode node{QUILL::ImmutableType(), iconPath("VantorModelIcon.png"),
                                      "VT:Unknown"};
    return node;
}

void IconController::fillIconNodes(IconMap& nodes) const {
    const ClassIcon icons[] = {
        {VTQUILL::Block::MetaClass(), "VT:Block", "vantor_subsystem.png"},
        {VTQUILL::Line::MetaClass(), "VT:Line", "LineIcon.png"},
        {VTQUILL::Port::MetaClass(), "VT:Port", "right_arrow.png"},
        {VTQUILL::Segment::MetaClass(), "VT:Segment", "LineIcon.png"},
        {VTQUILL::Annotation::MetaClass(), "VT:Annotation", "annotation.png"},
        {VTQUILL::Diagram::MetaClass(), "VT:Diagram", "vantor_model.png"},
    };
    for (const ClassIcon& icon : icons)
        nodes.insertOrAssign(icon.type, DOVE2::IconNode{icon.type, iconPath(icon.file), icon.tag});
}

const IconController::Table& IconController::dispatchTable() {
    static const Table* const table = [] {
        auto* t = new Table();
        t->setDefault(
            [](Table::VisitorType&, const QUILL::ImmutableClassObject&) { return std::string(); });
        addClassIcon<VTQUILL::Annotation>(*t);
        addClassIcon<VTQUILL::Diagram>(*t);
        addClassIcon<VTQUILL::Port>(*t);
        addClassIcon<VTQUILL::Segment>(*t);
        addClassIcon<VTQUILL::Line>(*t);
        t->add<VTQUILL::Block>(
            [](Table::VisitorType& visitor, const QUILL::ImmutableClassObject& object) {
                std::string icon;
                if (VTQUILL::ImmutableBlock(object).isChartix() && chartDomainIcon(object, icon))
                    return icon;
                return static_cast<IconController&>(visitor).getNameGivenType(
                    VTQUILL::Block::MetaClass());
            });
        return t;
    }();
    return *table;
}

}  // namespace Vantor
