#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "dove2/explorer/TreeFilter.h"
#include "parr/GList.h"
#include "quill/ImmutableClassObject.h"
#include "quill/ImmutableModel.h"
#include "quill/ReportOfChanges.h"

namespace HARBOR {
class Studio;
}

namespace DOVE2 {

class AbstractDove2Domain;
class ElementDescriberBase;
class GetChildrenBase;
class GetIconBase;
class StudioApp;
class TreeComponent;

// What a tree component (TreeComponent) asks about the objects it shows: their text, icon and
// children, the roots of a model, the path down to an object, and whether a change of a model
// needs the tree rebuilt. A studio application installs its domain's delegate with
// TreeComponent::setDelegate; the component owns it.
//
// The base serves every object with the services of the domain of the object's model
// (DomainRegistry::getStaticDomainForModel, else the generic Dove2Domain): its element
// describer, icon controller and tree populator (one populator per domain, made on first need
// and given the studio's application). A service a domain does not provide is replaced by the
// plain framework base (ElementDescriberBase, GetIconBase, GetChildrenBase). A service set
// with setElementDescriber, setGetIconMember or setGetChildrenMember serves every object
// instead.
//
// The studio must outlive the delegate. User-interface thread only.
class TreeComponentDelegate {
public:
    using ReportOfChanges = QUILL::ReportOfChanges<QUILL::ImmutableClassObject, QUILL::TRUE_TYPE>;
    // Whether an object's text may be edited in the tree.
    using ElementIsEditableVisitor = std::function<bool(const QUILL::ImmutableClassObject&)>;
    // Gives an object a new text (renames it); true when it did.
    using ElementSetDescriptionVisitor =
        std::function<bool(const QUILL::ImmutableClassObject&, const std::string&)>;

    explicit TreeComponentDelegate(HARBOR::Studio* studio);
    TreeComponentDelegate(const TreeComponentDelegate&) = delete;
    TreeComponentDelegate& operator=(const TreeComponentDelegate&) = delete;
    virtual ~TreeComponentDelegate();

    HARBOR::Studio* getStudio() const { return studio_; }
    // The component the delegate is installed in; null before.
    TreeComponent* getTreeComponent() const { return component_; }
    // The studio's application as a framework studio application; null when it is not one.
    StudioApp* getStudioApp() const;

    // --- Per object --------------------------------------------------------------------------
    // Sets `result` to the text of `object` (describe of the describer); `flags` are passed on.
    virtual void describeElement(std::string& result, const QUILL::ImmutableClassObject& object,
                                 unsigned flags);
    // Sets `result` to the icon file path of `object` (execute of the icon controller); empty:
    // no icon.
    virtual void getIconOf(std::string& result, const QUILL::ImmutableClassObject& object);
    // Replaces the contents of `result` with the children of `object` (execute of the
    // populator).
    virtual void getChildrenOf(const QUILL::ImmutableClassObject& object,
                               std::vector<QUILL::ImmutableClassObject>& result);
    // Whether `object` has children (hasAtleastOneChild of the populator).
    virtual bool hasChildren(const QUILL::ImmutableClassObject& object);
    // The tree nodes from a root of the object's model down to `object`, root first. The
    // base walks up the containers of the object until it meets a root (getRootsOf of the
    // object's model); an empty list when it meets none or the object is invalid.
    virtual PARR::GList<QUILL::ImmutableClassObject> getPathFromRoot(
        const QUILL::ImmutableClassObject& object);
    // The top-level nodes that show `model`: the framework diagrams (DOVE2::Diagram) its model
    // object contains, in order; the model object itself when it contains none. Empty for an
    // invalid model.
    virtual std::vector<QUILL::ImmutableClassObject> getRootsOf(const QUILL::ImmutableModel& model);

    // --- Editing texts ----------------------------------------------------------------------
    // Gives `object` the text `text` through the set-description visitor; false when none is
    // set or it refused.
    virtual bool setDescription(const QUILL::ImmutableClassObject& object, const std::string& text);
    // Whether `object`'s text may be edited: the editable visitor's answer, false without one.
    virtual bool isElementEditable(const QUILL::ImmutableClassObject& object) const;
    // The user actions that start editing a text (QAbstractItemView::EditTriggers flags): 0 (no
    // editing) unless a set-description visitor is set, then EditKeyPressed | SelectedClicked.
    virtual int getEditTrigger() const;
    virtual void setElementIsEditableVisitor(ElementIsEditableVisitor visitor);
    virtual void setElementSetDescriptionVisitor(ElementSetDescriptionVisitor visitor);

    // --- Services ---------------------------------------------------------------------------
    // The attribute filter of the populator set with setGetChildrenMember; null without one.
    virtual boost::shared_ptr<Util::TreeFilter> getFilter() const;
    // Serve every object with `populator` (null: back to the domains'); it is given the
    // studio application.
    virtual void setGetChildrenMember(const boost::shared_ptr<GetChildrenBase>& populator);
    // Serve every object with `icons` (null: back to the domains'); then onSetIconController.
    virtual void setGetIconMember(const boost::shared_ptr<GetIconBase>& icons);
    // Serve every object with `describer` (null: back to the domains'); then
    // onSetElementDescriber.
    virtual void setElementDescriber(const boost::shared_ptr<ElementDescriberBase>& describer);
    // Told after the icon controller, respectively the describer, was replaced. The base
    // starts a refresh of the tree (startTreeRefreshFromRoot).
    virtual void onSetIconController();
    virtual void onSetElementDescriber();

    // --- Refreshing -------------------------------------------------------------------------
    // Whether `report` (a committed transaction of a model the tree shows) needs the tree
    // rebuilt. The base answers true unless the report is empty.
    virtual bool shouldRefreshFromReportOfChanges(const ReportOfChanges& report) const;
    // Has the component rebuild the tree now (TreeComponent::refresh); nothing before the
    // delegate is installed.
    virtual void startTreeRefreshFromRoot();

protected:
    // The services that serve `object`, as described for the class; never null.
    ElementDescriberBase& describerFor(const QUILL::ImmutableClassObject& object);
    GetIconBase& iconControllerFor(const QUILL::ImmutableClassObject& object);
    GetChildrenBase& populatorFor(const QUILL::ImmutableClassObject& object);
    // The domain of the object's model: the registered one, else the generic domain.
    static AbstractDove2Domain* domainOf(const QUILL::ImmutableClassObject& object);

private:
    friend class TreeComponent;
    void setTreeComponent(TreeComponent* component) { component_ = component; }

    HARBOR::Studio* studio_;
    TreeComponent* component_ = nullptr;
    boost::shared_ptr<ElementDescriberBase> describer_;
    boost::shared_ptr<GetIconBase> icons_;
    boost::shared_ptr<GetChildrenBase> populator_;
    std::unordered_map<AbstractDove2Domain*, boost::shared_ptr<GetChildrenBase>> domainPopulators_;
    boost::shared_ptr<ElementDescriberBase> plainDescriber_;
    boost::shared_ptr<GetIconBase> plainIcons_;
    boost::shared_ptr<GetChildrenBase> plainPopulator_;
    ElementIsEditableVisitor isEditable_;
    ElementSetDescriptionVisitor setDescription_;
};

}  // namespace DOVE2
