#pragma once

#include "dove2/StudioApp.h"
#include "harbor/Studio.h"
#include "parr/ErrorHolder.h"
#include "parr/Holder.h"
#include "support/QtTestApplication.h"

namespace TestSupport {

// A studio started with a framework studio application of class App (held by the studio and
// by this fixture), in a process with a Qt application (glyphs measure their text, editors
// make their canvas). When the fixture goes, the application closes every editor and the studio
// shuts down, before the models of the test (held by later-declared or outer objects) close.
template <class App = DOVE2::StudioApp>
class RunningStudio {
public:
    RunningStudio() {
        qtApplication();
        studio_.setApp(PARR::Holder<HARBOR::Application>(app_.get()));
        PARR::ErrorHolder errors;
        studio_.start(errors);
    }
    ~RunningStudio() {
        PARR::ErrorHolder errors;
        app_->closeAllEditors(errors);
        studio_.shutDown(errors);
    }
    RunningStudio(const RunningStudio&) = delete;
    RunningStudio& operator=(const RunningStudio&) = delete;

    HARBOR::Studio& studio() { return studio_; }
    App& app() const { return *app_; }

private:
    HARBOR::Studio studio_;
    PARR::Holder<App> app_{new App()};
};

}  // namespace TestSupport
