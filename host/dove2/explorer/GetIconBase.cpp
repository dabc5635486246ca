#include "dove2/explorer/GetIconBase.h"

#include "dove2/VisualIndicatorContainer.h"
#include "dove2/explorer/LazyTableVisit.h"

namespace DOVE2 {

GetIconBase::GetIconBase() = default;

GetIconBase::~GetIconBase() = default;

void GetIconBase::populateIconManager() {
    icons_.clear();
    fillIconNodes(icons_);
    populated_ = true;
}

const IconNode& GetIconBase::getIconNodeGivenType(const QUILL::ImmutableType& type) {
    if (!populated_)
        populateIconManager();
    return doGetIconNodeGivenType(type);
}

std::string GetIconBase::getNameGivenType(const QUILL::ImmutableType& type) {
    return getIconNodeGivenType(type).name;
}

std::string GetIconBase::getTagGivenType(const QUILL::ImmutableType& type) {
    return getIconNodeGivenType(type).tag;
}

void GetIconBase::initializeDispatch() {
    setDispatchTable(&genericDispatchTable());
}

const IconNode& GetIconBase::getDefaultIconNode() const {
    static const IconNode node{QUILL::ImmutableType(), iconFolder() + "/" + kDefaultIconFile,
                               kUnknownTag};
    return node;
}

void GetIconBase::fillIconNodes(IconMap& /*nodes*/) const {}

const IconNode& GetIconBase::doGetIconNodeGivenType(const QUILL::ImmutableType& type) const {
    for (QUILL::ImmutableType t = type; t.isValid(); t = t.getSuperclass()) {
        if (const IconNode* node = icons_.find(t))
            return *node;
    }
    return getDefaultIconNode();
}

std::string GetIconBase::execute(const QUILL::ImmutableClassObject& object) {
    if (!object.isValid())
        return {};
    return visitWithLazyTable(
        *this, object, [this] { initializeDispatch(); }, genericDispatchTable(), std::string());
}

std::string GetIconBase::iconFolder() {
    std::string folder = VisualIndicatorContainer::getResourcesDefaultPath();
    folder.pop_back();  // no trailing "/"
    return folder;
}

const GetIconBase::Table& GetIconBase::genericDispatchTable() {
    static const Table table = [] {
        Table t;
        t.setDefault([](Table::VisitorType& visitor, const QUILL::ImmutableClassObject& object) {
            return static_cast<GetIconBase&>(visitor).getNameGivenType(object.getMetaClass());
        });
        return t;
    }();
    return table;
}

}  // namespace DOVE2
