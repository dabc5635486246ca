#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include <QPointer>

#include "dove2/TransactionCompletedEvent.h"
#include "harbor/StudioComponentBase.h"
#include "quill/ImmutableClassObject.h"
#include "quill/ImmutableModel.h"
#include "quill/ListenerBase.h"
#include "wren/Connection.h"
#include "wren/Listener.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace DOVE2 {

class StudioApp;
class TreeComponentDelegate;

// The studio's model explorer: a dock component showing the hierarchy of the models the
// window added (addModel). Each model shows as the top-level nodes its delegate names
// (TreeComponentDelegate::getRootsOf); below a node, the children the delegate gives, with
// the delegate's texts and icons. Nodes are filled when first expanded; a node shows an
// expander when the delegate says it has children.
//
// The delegate is the one installed with setDelegate (owned by the component), else a plain
// TreeComponentDelegate, which serves each model with its domain's services.
//
// Following the models: a committed transaction on the root of a shown model (heard from the
// model and from the studio application's transaction-completed event service) for which the
// delegate's shouldRefreshFromReportOfChanges answers true rebuilds the tree at the next turn
// of the event loop, with the nodes that were expanded and selected expanded and selected
// again where they still exist. A model that closes leaves the tree.
//
// Selection: when the user selects nodes, a DOVE2::TreeSelectionChangedEvent (this
// component's name, kind kUserSelection, the selected objects in the order picked) goes
// through the studio application's tree-selection-changed event service, when the studio's
// application is a DOVE2::StudioApp. revealObject selects with kind kProgramSelection;
// rebuilding sends nothing.
//
// The widget is made on first request (getWidget), only while a QApplication exists; the
// component owns it, whoever shows it. Made by its component factory, held by the studio,
// which must outlive it. User-interface thread only.
class TreeComponent : public HARBOR::StudioComponentBase,
                      public WREN::Listener,
                      public QUILL::ListenerBase {
public:
    static constexpr const char* kTypeName = "DOVE2:TreeComponent";
    // The name the studio window gives its model explorer.
    static constexpr const char* kComponentName = "DOVE2 tree component";
    // Selection kinds of the events sent.
    static constexpr int kUserSelection = 0;
    static constexpr int kProgramSelection = 1;

    TreeComponent(HARBOR::Studio* studio, const std::string& name);
    ~TreeComponent() override;

    // "DOVE2:TreeComponent".
    static std::string staticGetTypeName();
    std::string getTypeName() const override;
    std::string getFullyQualifiedYarrowTypeName() const override;
    // The tree view (a QTreeWidget), made on first request; null without a QApplication.
    QWidget* getWidget() const override;
    // Starts following the studio application's completed transactions.
    void initialize(PARR::ErrorHolder& errors) override;
    // Stops following the application and the models, and forgets the models.
    void terminate(PARR::ErrorHolder& errors) override;

    // --- Models -----------------------------------------------------------------------------
    // Shows the root of `model` (any instance of it), after the models shown already. An
    // invalid model, or one shown already, changes nothing.
    void addModel(const QUILL::ImmutableModel& model);
    // Stops showing the root of `model`; nothing when it is not shown.
    void removeModel(const QUILL::ImmutableModel& model);
    // The roots of the shown models, in the order added.
    const std::vector<QUILL::ImmutableModel>& getModels() const { return models_; }

    // --- Delegate ---------------------------------------------------------------------------
    // Installs `delegate`, taking ownership (null: back to a plain delegate), destroys the one
    // installed before and rebuilds the tree.
    void setDelegate(TreeComponentDelegate* delegate);
    // The installed delegate; never null.
    TreeComponentDelegate* getDelegate() const { return delegate_.get(); }

    // --- Tree -------------------------------------------------------------------------------
    // Rebuilds the tree now, keeping expansion and selection where the nodes still exist.
    void refresh();
    // True while a rebuild asked for by a model change waits for the event loop.
    bool isRefreshPending() const { return refreshPending_; }
    // Expands the nodes of the delegate's getPathFromRoot(object) and selects the object's
    // node (kind kProgramSelection). False, changing nothing, when there is no widget, the path
    // is empty or a node on it is not in the tree.
    bool revealObject(const QUILL::ImmutableClassObject& object);
    // The object a node of the widget shows; an empty handle for null or a foreign item.
    QUILL::ImmutableClassObject objectOf(const QTreeWidgetItem* item) const;
    // The selected objects in the order they were picked.
    std::vector<QUILL::ImmutableClassObject> getSelection() const;

    // --- Model listening (QUILL::ListenerBase) ----------------------------------------------
    void onCommit(const QUILL::ReportOfChanges<>& report) override;
    void onDeviantDestroyed(QUILL::Deviant& instance) override;

private:
    using NodePath = std::vector<QUILL::ObjectId>;

    QTreeWidget* ensureTree();
    void followStudioApp();
    void handleTransactionCompleted(const TransactionCompletedEvent& event);
    void scheduleRefresh();
    void rebuild();
    QTreeWidgetItem* makeItem(const QUILL::ImmutableClassObject& object);
    void populate(QTreeWidgetItem* item);
    void collectExpanded(QTreeWidgetItem* item, NodePath path, std::set<NodePath>& expanded) const;
    void restoreExpanded(QTreeWidgetItem* item, NodePath path, const std::set<NodePath>& expanded);
    NodePath pathOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* findItem(const NodePath& path) const;
    QTreeWidgetItem* findChild(QTreeWidgetItem* parent, const QUILL::ImmutableClassObject& o) const;
    void onItemExpanded(QTreeWidgetItem* item);
    void onItemChanged(QTreeWidgetItem* item);
    void onSelectionChanged();
    void selectOnly(QTreeWidgetItem* item);
    void sendSelection(int kind) const;
    StudioApp* studioApp() const;

    std::vector<QUILL::ImmutableModel> models_;
    std::unique_ptr<TreeComponentDelegate> delegate_;
    mutable QPointer<QTreeWidget> tree_;
    // The selected items in the order picked (valid until the next rebuild).
    std::vector<QTreeWidgetItem*> picked_;
    bool refreshPending_ = false;
    // Set while the component itself changes the widget: its signals are not the user's.
    bool updating_ = false;
    StudioApp* followedApp_ = nullptr;
    WREN::Connection transactions_;
};

}  // namespace DOVE2
