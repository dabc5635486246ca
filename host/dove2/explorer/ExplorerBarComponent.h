#pragma once

#include <string>
#include <vector>

#include <QPointer>

#include "dove2/Diagram.h"
#include "dove2/TransactionCompletedEvent.h"
#include "harbor/StudioComponentBase.h"
#include "quill/ImmutableClassObject.h"
#include "wren/Listener.h"

class QLabel;

namespace DOVE2 {

// The explorer bar of an editor: a breadcrumb of the system path of the diagram the editor
// shows, from the model down ("m > sub > inner"). An editor has it made under its own name
// followed by kNameSuffix; on initialize the bar finds that editor in the studio (when there is
// one) and follows the diagrams it is given. It also follows the studio application's
// completed transactions, so a renamed system shows its new name.
//
// The widget (a QLabel) is made on first request, only while a QApplication exists, and is
// owned by the component. Made by its component factory; held by the studio, which must
// outlive it. User-interface thread only.
class ExplorerBarComponent : public HARBOR::StudioComponentBase, public WREN::Listener {
public:
    static constexpr const char* kTypeName = "DOVE2:ExplorerBarComponent";
    // An editor's explorer bar is named after the editor followed by this text.
    static constexpr const char* kNameSuffix = ":Explorer Bar";
    // What stands between two names of the breadcrumb.
    static constexpr const char* kSeparator = " > ";

    ExplorerBarComponent(HARBOR::Studio* studio, const std::string& name);
    ~ExplorerBarComponent() override;

    // "DOVE2:ExplorerBarComponent".
    static std::string staticGetTypeName();
    std::string getTypeName() const override;
    std::string getFullyQualifiedYarrowTypeName() const override;
    // The breadcrumb label, made on first request; null without a QApplication.
    QWidget* getWidget() const override;
    // Starts following the bar's editor (when the studio has it) and the studio
    // application's completed transactions.
    void initialize(PARR::ErrorHolder& errors) override;
    // Stops following; the bar keeps showing what it showed.
    void terminate(PARR::ErrorHolder& errors) override;

    // Shows the path of `diagram` (any handle; an empty one shows nothing).
    void setDiagram(const QUILL::ImmutableClassObject& diagram);
    const QUILL::ImmutableClassObject& getDiagram() const { return diagram_; }
    // The names on the diagram's path, from the model down (a "/" inside a name is a plain
    // character again); empty when the diagram is invalid.
    std::vector<std::string> getCrumbs() const;
    // The crumbs joined by kSeparator: what the label shows.
    std::string getText() const;

    // The names of a system path: names are separated by "/", and "//" stands for a "/"
    // inside a name. An empty path has no names.
    static std::vector<std::string> splitPath(const std::string& path);

private:
    void followEditor();
    void followStudioApp();
    void onDiagramSet(const Diagram& diagram);
    void onTransactionCompleted(const TransactionCompletedEvent& event);
    void updateLabel() const;

    QUILL::ImmutableClassObject diagram_;
    mutable QPointer<QLabel> label_;
};

}  // namespace DOVE2
