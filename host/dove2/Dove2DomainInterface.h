#pragma once

#include <cstdint>
#include <string>

#include <boost/shared_ptr.hpp>

#include "dove2/Application.h"
#include "harbor/AbstractDomainInterface.h"
#include "parr/ErrorHolder.h"
#include "parr/Holder.h"
#include "quill/Model.h"
#include "yarrow/Wrappable.h"

namespace DOVE2 {

class AbstractDove2Domain;
class AbstractDove2DomainImpl;
class Diagram;
class Editor;
class ElementDescriberBase;
class GetChildrenBase;
class GetIconBase;
class GlyphFactory;

// A diagram domain as one studio sees it (HARBOR::AbstractDomainInterface), visible to the
// scripting layer (a yarrow Wrappable whose scripting type name is
// getFullyQualifiedYarrowTypeName()). A subclass names its process-wide domain
// (getDove2Domain) and this studio's implementation (getDove2DomainImpl); the interface then
// forwards the domain's services to the first and the making of applications and editors to
// the second. The studio passed at construction must outlive the interface.
//
// Reference counted; made and held by AbstractDove2Domain::createDove2Interface, which hands
// the holder to its caller. Virtual operations after those of HARBOR::AbstractDomainInterface, in
// table order: getGlyphFactory, initializeEdgeCreationRuleSet, getIconController,
// getElementDescriber, getTreePopulator, createApplication, createEditor, getDove2Domain,
// getDove2DomainImpl, installTools.
class Dove2DomainInterface : public HARBOR::AbstractDomainInterface,
                             public yarrow::factory::full::Wrappable {
public:
    // Error of createApplication and createEditor when the interface has no implementation
    // for its studio; argument: the domain's name.
    static constexpr const char* kNoDomainImpl = "DOVE2_NoDomainImpl";
    static constexpr std::uint32_t kNoDomainImplCode = 0x6E0006;

    explicit Dove2DomainInterface(HARBOR::Studio* studio);
    ~Dove2DomainInterface() override;

    // "DOVE2.Dove2DomainInterface" unless a subclass names its own type.
    std::string getFullyQualifiedYarrowTypeName() const override;
    // getDove2Domain(): the domain of a framework interface is a framework domain.
    HARBOR::AbstractDomain* getDomain() const override;

    // The domain's services: the same operations of getDove2Domain(), results passed on.
    virtual GlyphFactory* getGlyphFactory() const;
    virtual void initializeEdgeCreationRuleSet();
    virtual const boost::shared_ptr<GetIconBase>& getIconController() const;
    virtual const boost::shared_ptr<ElementDescriberBase>& getElementDescriber() const;
    virtual boost::shared_ptr<GetChildrenBase> getTreePopulator();

    // The same operations of getDove2DomainImpl(). Without an implementation: nothing (an empty
    // holder, a null editor) and kNoDomainImpl in `errors` (createEditor releases the name all
    // the same).
    virtual PARR::Holder<Application> createApplication(const QUILL::Model& model,
                                                        PARR::ErrorHolder& errors);
    virtual Editor* createEditor(const Diagram& diagram, std::string name,
                                 PARR::ErrorHolder& errors);

    // The process-wide domain; never null.
    virtual AbstractDove2Domain* getDove2Domain() const = 0;
    // This studio's implementation of the domain; null only while the studio has none.
    virtual AbstractDove2DomainImpl* getDove2DomainImpl() const = 0;

    // getDove2Domain()->installTools(editor).
    virtual void installTools(Editor* editor) const;

    // The scripting type name is getFullyQualifiedYarrowTypeName().
    std::string getScriptingTypeName() const override;

private:
    void reportNoDomainImpl(PARR::ErrorHolder& errors) const;
};

}  // namespace DOVE2
