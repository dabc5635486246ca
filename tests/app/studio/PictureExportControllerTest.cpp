#include "PictureExportController.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QImage>
#include <memory>

#include "ModelFileController.h"
#include "StatusReporter.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"

namespace {

using StudioTest::ExampleCopy;
using VantorStudio::StudioPrompts;
using VantorStudio::StudioWindow;

// Scripted prompts that also answer where to export, and count how often they were asked.
class ExportPrompts : public StudioTest::ScriptedPrompts {
public:
    PictureChoice answer;
    int asked = 0;
    PictureChoice choosePictureFile(const std::string&) override {
        ++asked;
        return answer;
    }
};

// The studio window on a copy of the example PID loop, exporting through File > Export...
class PictureExportControllerTest : public ::testing::Test {
protected:
    PictureExportControllerTest() {
        StudioTest::qtApplication();
        window = std::make_unique<StudioWindow>(&prompts);
        window->show();
        window->openFiles({copy.path()});
        StudioTest::processEvents();
    }
    ~PictureExportControllerTest() override {
        window.reset();
        StudioTest::processEvents();
    }
    void exportAs(const std::string& file, double scale = 2.0) {
        prompts.answer = {file, scale};
        window->fileActions().exportPicture->trigger();
    }
    const std::string& status() const { return window->status().lastMessage(); }

    ExampleCopy copy{"pid_loop.vtm"};
    ExportPrompts prompts;
    std::unique_ptr<StudioWindow> window;
};

TEST_F(PictureExportControllerTest, ExportWritesTheShownDiagramAndSaysWhere) {
    const std::string out = copy.sibling("loop.png");
    ASSERT_TRUE(window->fileActions().exportPicture->isEnabled());

    exportAs(out, 1.0);

    const QImage image(QString::fromStdString(out));
    ASSERT_FALSE(image.isNull());
    EXPECT_NE(status().find(out), std::string::npos);
    EXPECT_EQ(status().find("Error"), std::string::npos);
    exportAs(copy.sibling("loop2.png"), 2.0);
    EXPECT_NEAR(QImage(QString::fromStdString(copy.sibling("loop2.png"))).width(),
                2 * image.width(), 2);
}

TEST_F(PictureExportControllerTest, AFailedExportReachesTheStatusBarNamingTheFile) {
    const std::string out = copy.sibling("loop.gif");

    exportAs(out);

    EXPECT_NE(status().find("Error"), std::string::npos);
    EXPECT_NE(status().find(out), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
}

TEST_F(PictureExportControllerTest, CancellingTheFileChoiceWritesNothingAndSaysNothing) {
    const std::string before = status();

    exportAs("");

    EXPECT_EQ(prompts.asked, 1);
    EXPECT_EQ(status(), before);
}

TEST_F(PictureExportControllerTest, WithoutAnEditorExportIsDisabledAndAsksNothing) {
    window->files().close(*window->activeModel());
    StudioTest::processEvents();
    EXPECT_FALSE(window->fileActions().exportPicture->isEnabled());

    VantorStudio::PictureExportController(prompts, window->status()).exportDiagramOf(nullptr);

    EXPECT_EQ(prompts.asked, 0);
    EXPECT_NE(status().find("no diagram"), std::string::npos);
}

}  // namespace
