#include "PropertyBrowserComponent.h"

#include "ReferenceNames.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <sstream>

#include "dove2/StudioFactory.h"
#include "harbor/StudioComponentFactoryManager.h"
#include "quill/ReportOfChanges.h"
#include "tessel/Diagnostics.h"

namespace VantorStudio {

namespace {

std::string formatNumber(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

// One visitor case per value kind, in ValueKind order. References are named as objects of
// `instance`.
struct ValueText {
    QUILL::Deviant* instance;

    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(bool v) const { return v ? "true" : "false"; }
    std::string operator()(std::int64_t v) const { return std::to_string(v); }
    std::string operator()(double v) const { return formatNumber(v); }
    std::string operator()(const std::string& v) const { return v; }
    std::string operator()(const PARR::GLPoint<double>& v) const {
        return ReferenceNames::pointText(v);
    }
    std::string operator()(const PARR::Path& path) const {
        // A segment without corners runs straight from one end to the other.
        if (path.empty())
            return "no corners (straight)";
        std::string text;
        for (std::size_t i = 0; i < path.size(); ++i)
            text += (i ? " " : "") + ReferenceNames::pointText(path[i]);
        return text;
    }
    std::string operator()(const QUILL::ObjectRef& ref) const { return nameOf(ref.id); }
    std::string operator()(const QUILL::RefList& refs) const {
        std::string text;
        for (QUILL::ObjectId id : refs)
            text += (text.empty() ? "" : "; ") + nameOf(id);
        return text;
    }
    std::string nameOf(QUILL::ObjectId id) const {
        return ReferenceNames::nameOf(QUILL::ImmutableClassObject(instance, id));
    }
    std::string operator()(const QUILL::StringMap& pairs) const {
        std::string text;
        for (const auto& [name, value] : pairs)
            text += (text.empty() ? "" : "; ") + name + " = " + value;
        return text;
    }
};

}  // namespace

PropertyBrowserComponent::PropertyBrowserComponent(HARBOR::Studio* studio, const std::string& name)
    : HARBOR::StudioComponentBase(studio, name) {}

PropertyBrowserComponent::~PropertyBrowserComponent() {
    stopFollowing();
    delete table_.data();
}

QWidget* PropertyBrowserComponent::getWidget() const {
    if (!table_ && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        table_ = new QTableWidget(0, 2);
        table_->setHorizontalHeaderLabels({"Attribute", "Value"});
        table_->horizontalHeader()->setStretchLastSection(true);
        table_->verticalHeader()->hide();
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->setSelectionMode(QAbstractItemView::NoSelection);
        fill();
    }
    return table_.data();
}

void PropertyBrowserComponent::terminate(PARR::ErrorHolder& errors) {
    showElement(QUILL::ImmutableClassObject());
    HARBOR::StudioComponentBase::terminate(errors);
}

void PropertyBrowserComponent::showElement(const QUILL::ImmutableClassObject& element) {
    stopFollowing();
    element_ = element.isValid() ? element : QUILL::ImmutableClassObject();
    if (element_.isValid()) {
        followed_ = element_.getDeviant();
        followed_->registerModifierOnCommit(this);
    }
    fill();
}

std::string PropertyBrowserComponent::valueText(const std::string& name) const {
    if (!element_.isValid())
        return {};
    const QUILL::Attribute* attribute = element_.getMetaClass().findAttribute(name);
    return attribute ? formatValue(element_.getValue(*attribute), element_.getDeviant())
                     : std::string();
}

void PropertyBrowserComponent::registerFactory() {
    HARBOR::StudioComponentFactoryManager& manager =
        HARBOR::StudioComponentFactoryManager::instance();
    static const bool registered = [&manager] {
        PARR::ErrorHolder errors;
        manager.registerObject(PARR::Holder<HARBOR::StudioComponentFactory>(
                                   new DOVE2::StudioFactory<PropertyBrowserComponent>(kTypeName)),
                               errors);
        if (errors.hasError())
            TESSEL::Diagnostics::print("Cannot register the component " + std::string(kTypeName) +
                                       ": " + errors.message() + "\n");
        return !errors.hasError();
    }();
    (void)registered;
}

std::string PropertyBrowserComponent::formatValue(const QUILL::Value& value,
                                                  QUILL::Deviant* instance) {
    return std::visit(ValueText{instance}, value);
}

void PropertyBrowserComponent::onCommit(const QUILL::ReportOfChanges<>&) {
    if (!element_.isValid())
        element_ = QUILL::ImmutableClassObject();
    fill();
}

void PropertyBrowserComponent::onDeviantDestroyed(QUILL::Deviant&) {
    followed_ = nullptr;
    element_ = QUILL::ImmutableClassObject();
    fill();
}

void PropertyBrowserComponent::fill() const {
    if (!table_)
        return;
    if (!element_.isValid()) {
        table_->setRowCount(0);
        table_->setToolTip(QString());
        return;
    }
    const std::vector<const QUILL::Attribute*> attributes =
        element_.getMetaClass().get().getAllAttributes();
    table_->setRowCount(static_cast<int>(attributes.size()));
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        const int row = static_cast<int>(i);
        table_->setItem(row, 0,
                        new QTableWidgetItem(QString::fromStdString(attributes[i]->getName())));
        table_->setItem(row, 1,
                        new QTableWidgetItem(QString::fromStdString(formatValue(
                            element_.getValue(*attributes[i]), element_.getDeviant()))));
    }
    table_->setToolTip(QString::fromStdString(element_.getMetaClass().getQualifiedName()));
}

void PropertyBrowserComponent::stopFollowing() {
    if (followed_ && followed_->isOpen())
        followed_->unregisterModifierOnCommit(this);
    followed_ = nullptr;
}

}  // namespace VantorStudio
