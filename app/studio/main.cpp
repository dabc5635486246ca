// vantor-studio [MODEL.vtm]            opens the model (default: the bundled example)
// vantor-studio --render MODEL OUT.png renders the model's top-level diagram without a window
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <cstdio>

#include "ViewerWindow.h"
#include "rook2/ScenePainter.h"
#include "tessel/InstallationFolder.h"
#include "vtquill/InitializeDatamodel.h"
#include "vtquill/file/ModelFileReader.h"

namespace {

VTQUILL::Model loadOrExit(const std::string& path) {
    const auto result = VTQUILL::File::ModelFileReader().load(path);
    if (!result.ok()) {
        std::fprintf(stderr, "%s\n", result.error->message().c_str());
        std::exit(1);
    }
    return result.model;
}

int render(const std::string& modelPath, const QString& out) {
    VTQUILL::Model model = loadOrExit(modelPath);
    VantorStudio::ViewerWindow window(model, QString::fromStdString(modelPath));
    window.resize(1200, 800);
    window.show();
    window.canvas().fitToView();
    QImage image(window.canvas().size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    window.canvas().render(&image);
    if (!image.save(out)) {
        std::fprintf(stderr, "Cannot write %s\n", out.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initialize_vt_datamodel();
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "--render")
        return render(args[2].toStdString(), args[3]);
    const std::string path = args.size() > 1 ? args[1].toStdString()
                                             : TESSEL::fetchTesselRoot() + "/examples/pid_loop.vtm";
    VTQUILL::Model model = loadOrExit(path);
    VantorStudio::ViewerWindow window(model, QString::fromStdString(path));
    window.show();
    QTimer::singleShot(0, &window.canvas(), &ROOK2::Canvas::fitToView);
    return app.exec();
}
