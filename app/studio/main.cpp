// vantor-studio [MODEL.vtm...]     opens the studio window, then the models (with progress)
// vantor-studio --render MODEL [--diagram PATH] [--scale N] OUT.{png,pdf,svg}
//                                  paints a diagram to a picture file without a window
// vantor-studio --plot MODEL --scope PATH [--compare BLOCK:NAME=VALUE] OUT.{png,svg}
//                                  runs the model and draws a scope's plots, no window
// vantor-studio --help             prints the usage
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "DiagramRenderer.h"
#include "LaunchFileOpener.h"
#include "StudioCommandLine.h"
#include "StudioStartup.h"
#include "StudioWindow.h"
#include "simulation/ScopePicture.h"

namespace {

std::vector<std::string> argumentsOf(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return args;
}

// Painting needs a GUI application (fonts) but no screen: without a platform of its own
// choosing, the render call runs off-screen.
void renderWithoutScreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int render(const VantorStudio::StudioCommandLine& line) {
    VantorStudio::StudioStartup::initializeOnce();
    const std::string error = VantorStudio::DiagramRenderer::renderFile(
        line.renderModel, line.renderDiagram, line.renderOutput, line.renderScale);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

int plot(const VantorStudio::StudioCommandLine& line) {
    VantorStudio::StudioStartup::initializeOnce();
    const std::string error = VantorStudio::ScopePicture::write(line.plotModel, line.plotScope,
                                                                line.plotCompare, line.plotOutput);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto line = VantorStudio::StudioCommandLine::parse(argumentsOf(argc, argv), error);
    if (!line) {
        std::fprintf(stderr, "vantor-studio: %s\n%s", error.c_str(),
                     VantorStudio::StudioCommandLine::usage());
        return 2;
    }
    if (line->mode == VantorStudio::StudioCommandLine::Mode::Help) {
        std::fputs(VantorStudio::StudioCommandLine::usage(), stdout);
        return 0;
    }
    using Mode = VantorStudio::StudioCommandLine::Mode;
    if (line->mode == Mode::Render || line->mode == Mode::Plot)
        renderWithoutScreen();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vantor Studio");
    // Names where the window's settings persist between runs (StudioSettings).
    QApplication::setOrganizationName("Vantor");
    if (line->mode == Mode::Render)
        return render(*line);
    if (line->mode == Mode::Plot)
        return plot(*line);
    VantorStudio::StudioWindow window;
    // A big model takes seconds to load: the window shows first, and the recovery offer and
    // the files follow once it painted, with progress in its status bar.
    VantorStudio::LaunchFileOpener launch(window, line->modelFiles);
    window.show();
    launch.start();
    return app.exec();
}
