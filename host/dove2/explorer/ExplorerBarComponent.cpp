#include "dove2/explorer/ExplorerBarComponent.h"

#include <QApplication>
#include <QLabel>

#include "dove2/Editor.h"
#include "dove2/StudioApp.h"
#include "harbor/Studio.h"

namespace DOVE2 {

ExplorerBarComponent::ExplorerBarComponent(HARBOR::Studio* studio, const std::string& name)
    : HARBOR::StudioComponentBase(studio, name) {}

ExplorerBarComponent::~ExplorerBarComponent() {
    WREN::Listener::disconnect();
    delete label_.data();
}

std::string ExplorerBarComponent::staticGetTypeName() {
    return kTypeName;
}

std::string ExplorerBarComponent::getTypeName() const {
    return staticGetTypeName();
}

std::string ExplorerBarComponent::getFullyQualifiedYarrowTypeName() const {
    return "DOVE2.ExplorerBarComponent";
}

QWidget* ExplorerBarComponent::getWidget() const {
    if (!label_ && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        label_ = new QLabel();
        label_->setTextFormat(Qt::PlainText);
        updateLabel();
    }
    return label_.data();
}

void ExplorerBarComponent::initialize(PARR::ErrorHolder& errors) {
    HARBOR::StudioComponentBase::initialize(errors);
    followEditor();
    followStudioApp();
}

void ExplorerBarComponent::terminate(PARR::ErrorHolder& errors) {
    WREN::Listener::disconnect();
    HARBOR::StudioComponentBase::terminate(errors);
}

void ExplorerBarComponent::setDiagram(const QUILL::ImmutableClassObject& diagram) {
    diagram_ = diagram;
    updateLabel();
}

std::vector<std::string> ExplorerBarComponent::getCrumbs() const {
    if (!diagram_.isValid())
        return {};
    return splitPath(diagramFullName(diagram_));
}

std::string ExplorerBarComponent::getText() const {
    std::string text;
    for (const std::string& crumb : getCrumbs())
        text += (text.empty() ? "" : kSeparator) + crumb;
    return text;
}

std::vector<std::string> ExplorerBarComponent::splitPath(const std::string& path) {
    std::vector<std::string> names;
    if (path.empty())
        return names;
    std::string name;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] != '/') {
            name += path[i];
        } else if (i + 1 < path.size() && path[i + 1] == '/') {
            name += '/';
            ++i;
        } else {
            names.push_back(name);
            name.clear();
        }
    }
    names.push_back(name);
    return names;
}

void ExplorerBarComponent::followEditor() {
    const std::string& name = getName();
    const std::string suffix = kNameSuffix;
    if (!getStudio() || name.size() <= suffix.size() ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return;
    auto* editor = dynamic_cast<Editor*>(
        getStudio()->getComponent(name.substr(0, name.size() - suffix.size())));
    if (!editor)
        return;
    editor->getDiagramSetEmitter().connect(*this, &ExplorerBarComponent::onDiagramSet);
    setDiagram(editor->getDiagram());
}

void ExplorerBarComponent::followStudioApp() {
    auto* app = getStudio() ? dynamic_cast<StudioApp*>(getStudio()->getApp()) : nullptr;
    if (app)
        app->getTransactionCompletedEventService().subscribe(
            *this, &ExplorerBarComponent::onTransactionCompleted);
}

void ExplorerBarComponent::onDiagramSet(const Diagram& diagram) {
    setDiagram(diagram);
}

void ExplorerBarComponent::onTransactionCompleted(const TransactionCompletedEvent&) {
    updateLabel();
}

void ExplorerBarComponent::updateLabel() const {
    if (label_)
        label_->setText(QString::fromStdString(getText()));
}

}  // namespace DOVE2
