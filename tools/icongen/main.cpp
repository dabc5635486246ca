// icongen: draws the studio's icons (IconSet) and writes them as PNG files below a resources
// folder, the installation's "toolbox/shared/ferstudio/resources".
//
//   icongen <resources-folder>
//
// Sub-folders are made as needed. Exits non-zero, naming the file, when one cannot be written.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "IconSet.h"

namespace {

QImage render(const IconGen::Icon& icon) {
    QImage image(icon.size, icon.size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    icon.draw(painter);
    painter.end();
    return image;
}

bool write(const QString& folder, const IconGen::Icon& icon) {
    const QString path = QDir(folder).filePath(QString::fromStdString(icon.path));
    if (!QDir().mkpath(QFileInfo(path).path()) || !render(icon).save(path, "PNG")) {
        std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(path), icon.size, icon.size);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Painting on images needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen <resources-folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (const IconGen::Icon& icon : IconGen::IconSet::all())
        ok = write(folder, icon) && ok;
    return ok ? 0 : 1;
}
