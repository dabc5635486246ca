// The icon files the module names below the installation's resources folder: each one is
// there, loads as an image, and has the size it is drawn for.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "tessel/InstallationFolder.h"

namespace {

struct IconFile {
    const char* path;  // below "toolbox/shared/ferstudio/resources"
    int size;          // width and height in pixels
};

// Palette buttons of the editor, library-link indicators of block glyphs, model explorer.
const std::vector<IconFile> kIcons = {
    {"vantor/zoom_out.png", 24},
    {"vantor/zoom_fit_view.png", 24},
    {"vantor/align_left_edges.png", 24},
    {"vantor/sample_time.png", 24},
    {"libraryLink_active.png", 12},
    {"libraryLink_modified.png", 12},
    {"libraryLink_inactive.png", 12},
    {"VantorModelIcon.png", 16},
    {"vantor_subsystem.png", 16},
    {"LineIcon.png", 16},
    {"right_arrow.png", 16},
    {"annotation.png", 16},
    {"vantor_model.png", 16},
};

TEST(IconFiles, EveryIconTheModuleNamesLoadsFromTheInstallationAtItsSize) {
    const std::string folder = TESSEL::svTesselRoot() + "/toolbox/shared/ferstudio/resources/";
    for (const IconFile& icon : kIcons) {
        const QImage image(QString::fromStdString(folder + icon.path));
        ASSERT_FALSE(image.isNull()) << folder << icon.path;
        EXPECT_EQ(image.width(), icon.size) << icon.path;
        EXPECT_EQ(image.height(), icon.size) << icon.path;
        EXPECT_TRUE(image.hasAlphaChannel()) << icon.path;
    }
}

}  // namespace
