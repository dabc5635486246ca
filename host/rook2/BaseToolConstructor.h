#pragma once

#include "parr/Holder.h"
#include "parr/ReferencedTemplate.h"
#include "parr/StringID.h"
#include "rook2/Tool.h"

namespace ROOK2 {

// Makes tools of one role on request (Scene::addToolByRole). Reference counted; the scene
// holds one reference to each registered constructor.
class BaseToolConstructor : public PARR::ReferencedTemplate<unsigned int> {
public:
    ~BaseToolConstructor() override = default;

    // A new tool, held (its count raised by one); never empty.
    virtual PARR::Holder<Tool> create() = 0;
    // The role of the tools this constructor makes.
    virtual PARR::StringID role() const = 0;
};

}  // namespace ROOK2
