#pragma once

#include <string>

#include "dove2/explorer/IconNode.h"
#include "parr/GHash.h"
#include "quill/CooperativeVisitor.h"
#include "quill/ImmutableClassObject.h"
#include "quill/ImmutableType.h"

namespace DOVE2 {

// The model explorer's icon controller: the icon file and tag of each class of objects, kept
// in an icon manager (a map from metaclass to IconNode), and the icon of one object, chosen
// per class of the object by a dispatch table (QUILL::CooperativeVisitor) shared by all
// controllers of one kind.
//
// A domain's controller derives from this class: it fills the manager with one node per class
// (fillIconNodes), names the node of classes without one (getDefaultIconNode) and installs
// its table (initializeDispatch). The manager is filled on the first lookup.
//
// Used as it stands, the base knows no class: every object gets the default node's icon, a
// file in the installation's resources folder. Held through boost::shared_ptr by the domain
// that hands it out; the table is not owned and must outlive the controller (tables are built
// once per process). User-interface thread only.
class GetIconBase
    : public QUILL::CooperativeVisitor::Visitor<std::string, QUILL::ImmutableClassObject> {
public:
    using IconMap = PARR::GHash<QUILL::ImmutableType, IconNode>;

    // The tag and icon file of the base's default node.
    static constexpr const char* kUnknownTag = "DOVE2:Unknown";
    static constexpr const char* kDefaultIconFile = "DefaultElementIcon.png";

    GetIconBase();
    ~GetIconBase() override;

    // Empties the icon manager and fills it again (fillIconNodes).
    virtual void populateIconManager();
    // The node of `type`: its own, else that of its nearest superclass that has one, else the
    // default node (doGetIconNodeGivenType). Fills the manager first when it was never filled.
    // The reference stays valid until the manager is filled again.
    virtual const IconNode& getIconNodeGivenType(const QUILL::ImmutableType& type);
    // The icon file path, respectively the tag, of getIconNodeGivenType(type).
    virtual std::string getNameGivenType(const QUILL::ImmutableType& type);
    virtual std::string getTagGivenType(const QUILL::ImmutableType& type);
    // Installs the dispatch table (setDispatchTable). The base installs the generic table.
    virtual void initializeDispatch();
    // The node for classes without one. The base's: no type, kUnknownTag, the icon folder,
    // "/" and kDefaultIconFile. Made once; the reference stays valid for the process.
    virtual const IconNode& getDefaultIconNode() const;
    // Puts the nodes of the controller's classes into `nodes` (keyed by metaclass), replacing
    // entries of the same class. The base adds none.
    virtual void fillIconNodes(IconMap& nodes) const;
    // The lookup of getIconNodeGivenType in the manager as it is (no filling).
    virtual const IconNode& doGetIconNodeGivenType(const QUILL::ImmutableType& type) const;

    // The icon file path of `object`, by the dispatch table; initializeDispatch runs first
    // when no table is installed yet (the generic table is used when it installs none). An
    // empty text for an invalid object, or when the handler raised the repository's exception
    // (QUILL::Exception).
    std::string execute(const QUILL::ImmutableClassObject& object);

    // The icon manager as filled so far.
    const IconMap& getIconManager() const { return icons_; }

    // The framework's icon folder: the installation folder followed by
    // "/toolbox/shared/ferstudio/resources" (no trailing slash).
    static std::string iconFolder();
    // The generic table: only a default entry, getNameGivenType of the object's metaclass.
    // Built once per process.
    static const Table& genericDispatchTable();

private:
    IconMap icons_;
    bool populated_ = false;
};

}  // namespace DOVE2
