#include "DiagramRenderer.h"

#include <gtest/gtest.h>

#include <QImage>

#include "StudioTestSupport.h"
#include "quill/Deviant.h"
#include "vtquill/file/ModelFileReader.h"

namespace {

using StudioTest::ExampleCopy;
using VantorStudio::DiagramRenderer;

// Pixels that are not white.
int inkIn(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    }
    return ink;
}

class DiagramRendererTest : public ::testing::Test {
protected:
    DiagramRendererTest() { StudioTest::qtApplication(); }

    ExampleCopy folder{"nested_subsystems.vtm"};
};

TEST_F(DiagramRendererTest, WritesAPngOfTheFirstTopLevelDiagram) {
    const std::string out = folder.sibling("top.png");
    EXPECT_EQ(DiagramRenderer::renderFile(StudioTest::examplePath("pid_loop.vtm"), "", out), "");
    QImage image(QString::fromStdString(out));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(inkIn(image), 0);
}

TEST_F(DiagramRendererTest, RendersTheDiagramOfTheSystemPathGiven) {
    auto loaded = VTQUILL::File::ModelFileReader().load(folder.path());
    ASSERT_TRUE(loaded.ok());
    std::string innerPath;
    for (const VTQUILL::Block& block : loaded.model.getDiagrams().front().getBlocks()) {
        if (block.isSubsystem() && innerPath.empty())
            innerPath = block.getSubsystemDiagram().getFullName();
    }
    loaded.model.close();
    ASSERT_FALSE(innerPath.empty());
    const std::string top = folder.sibling("top.png");
    const std::string inner = folder.sibling("inner.png");

    EXPECT_EQ(DiagramRenderer::renderFile(folder.path(), "", top), "");
    EXPECT_EQ(DiagramRenderer::renderFile(folder.path(), innerPath, inner), "");

    QImage topImage(QString::fromStdString(top));
    QImage innerImage(QString::fromStdString(inner));
    ASSERT_FALSE(innerImage.isNull());
    EXPECT_GT(inkIn(innerImage), 0);
    EXPECT_FALSE(topImage == innerImage);
}

TEST_F(DiagramRendererTest, AnUnknownDiagramPathIsAnErrorNamingTheFileAndThePath) {
    const std::string error =
        DiagramRenderer::renderFile(folder.path(), "no/such/system", folder.sibling("x.png"));
    EXPECT_NE(error.find(folder.path()), std::string::npos);
    EXPECT_NE(error.find("no/such/system"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.sibling("x.png"))));
}

TEST_F(DiagramRendererTest, AModelThatCannotBeLoadedIsAnErrorNamingTheFile) {
    const std::string missing = folder.sibling("missing.vtm");
    const std::string error = DiagramRenderer::renderFile(missing, "", folder.sibling("x.png"));
    EXPECT_NE(error.find(missing), std::string::npos);
}

TEST_F(DiagramRendererTest, AnImageThatCannotBeWrittenIsAnErrorNamingIt) {
    const std::string out = "/nonexistent-folder/x.png";
    const std::string error = DiagramRenderer::renderFile(folder.path(), "", out);
    EXPECT_NE(error.find(out), std::string::npos);
}

TEST_F(DiagramRendererTest, LeavesNoModelOpen) {
    const std::size_t before = QUILL::Deviant::openModels().size();
    DiagramRenderer::renderFile(folder.path(), "", folder.sibling("top.png"));
    DiagramRenderer::renderFile(folder.path(), "nope", folder.sibling("nope.png"));
    EXPECT_EQ(QUILL::Deviant::openModels().size(), before);
}

TEST_F(DiagramRendererTest, AnEmptyDiagramGivesASmallWhiteImage) {
    VTQUILL::Model model = VTQUILL::Factory::createNewModel("empty");
    const QImage image = DiagramRenderer::render(model.getDiagrams().front());
    model.close();
    EXPECT_FALSE(image.isNull());
    EXPECT_EQ(inkIn(image), 0);
}

}  // namespace
