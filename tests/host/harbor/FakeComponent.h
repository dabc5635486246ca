#pragma once

#include <string>
#include <vector>

#include "harbor/Studio.h"
#include "harbor/StudioClipboardAdapter.h"
#include "harbor/StudioComponentBase.h"
#include "harbor/StudioComponentFactory.h"
#include "parr/GLMimeData2.h"

namespace HARBORTest {

// A component of type "Fake:Component" that logs its lifecycle calls into an optional log
// ("initialize:name", "terminate:name").
class FakeComponent : public HARBOR::StudioComponentBase {
public:
    FakeComponent(HARBOR::Studio* studio, std::string name, bool document = false,
                  std::vector<std::string>* log = nullptr)
        : StudioComponentBase(studio, std::move(name)), document_(document), log_(log) {}

    std::string getTypeName() const override { return "Fake:Component"; }
    bool isDocument() const override { return document_; }
    void initialize(PARR::ErrorHolder&) override { record("initialize"); }
    void terminate(PARR::ErrorHolder&) override { record("terminate"); }

private:
    void record(const std::string& what) {
        if (log_)
            log_->push_back(what + ":" + getName());
    }

    bool document_;
    std::vector<std::string>* log_;
};

// Makes FakeComponents under a given type name; with `makesNothing`, makes none.
class FakeComponentFactory : public HARBOR::StudioComponentFactory {
public:
    explicit FakeComponentFactory(std::string typeName, bool makesNothing = false)
        : typeName_(std::move(typeName)), makesNothing_(makesNothing) {}

    std::string getTypeName() const override { return typeName_; }
    PARR::Holder<HARBOR::StudioComponentBase> create(HARBOR::Studio* studio,
                                                     const std::string& name) const override {
        if (makesNothing_)
            return {};
        return PARR::makeHeld<FakeComponent>(studio, name);
    }

private:
    std::string typeName_;
    bool makesNothing_;
};

// A clipboard adapter that offers what it is told to and logs the actions it receives; paste
// logs the integer under "harbor-test-int" of the data handed in ("paste:7", "paste:none").
class RecordingClipboardAdapter : public HARBOR::StudioClipboardAdapter {
public:
    RecordingClipboardAdapter(HARBOR::StudioComponentBase& component, std::vector<std::string>& log,
                              bool offers = true)
        : StudioClipboardAdapter(component), log_(log), offers_(offers) {}
    ~RecordingClipboardAdapter() override { log_.push_back("destroyed"); }

    bool canCopy() const override { return offers_; }
    bool canCut() const override { return offers_; }
    bool canPaste() const override { return offers_; }
    void copy() override { log_.push_back("copy"); }
    void cut() override { log_.push_back("cut"); }
    void paste(const PARR::MimeData2* data) override {
        const std::optional<int> value = data ? data->getInt("harbor-test-int") : std::nullopt;
        log_.push_back("paste:" + (value ? std::to_string(*value) : std::string("none")));
    }

private:
    std::vector<std::string>& log_;
    bool offers_;
};

}  // namespace HARBORTest
