#pragma once

#include <string>

#include "quill/Model.h"

namespace VTQUILL {

class Factory;
class Diagram;
class Line;
class Segment;
class SolderJoint;
class Terminator;

// A block-diagram model instance (the root model or a working copy).
class Model : public QUILL::Model {
public:
    Model() = default;
    explicit Model(const QUILL::ImmutableModel& m) : QUILL::Model(m.getDeviantPtr()) {}

    Factory getFactory() const;
    const std::string& getName() const;
    // The run settings the model holds, key -> value text, in canonical order
    // (SimulationSettingsValidator::keys()); empty when every setting is at its default.
    const QUILL::StringMap& getSimulationSettings() const;
    // Replaces the run settings with `settings` (any order; kept in canonical order). Needs
    // an open transaction. Throws QUILL::Exception, changing nothing, for an unknown key, a
    // key given twice or a value SimulationSettingsValidator refuses.
    void setSimulationSettings(const QUILL::StringMap& settings) const;
    // The top-level diagrams, in creation order.
    QUILL::Sequence<Diagram> getDiagrams() const;
    Model getRootDeviant() const { return Model(QUILL::Model::getRootDeviant()); }
};

// Makes model objects in one model instance. Elements come out free (in no container); the
// caller places them (Line::setContainer and the like) in the same transaction.
class Factory {
public:
    explicit Factory(Model model) : model_(std::move(model)) {}

    Line createLine() const;
    Segment createSegment() const;
    SolderJoint createSolderJoint() const;
    Terminator createTerminator() const;
    // A new model named `name` holding one empty top-level diagram of the same name.
    static Model createNewModel(const std::string& name);

private:
    Model model_;
};

}  // namespace VTQUILL
