#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <string>
#include <vector>

#include "DiagramRenderer.h"
#include "StudioStartup.h"
#include "StudioTestSupport.h"
#include "vtquill/file/ModelFileReader.h"

namespace {

using VantorStudio::DiagramRenderer;

// Diagram units left out along each side of a block: where ports, line ends and the frame's
// outline may be, which are not the block's own graphics.
constexpr double kInset = 4.0;

// The diagram and every diagram of a subsystem inside it.
void collectDiagrams(const VTQUILL::Diagram& diagram, std::vector<VTQUILL::Diagram>& into) {
    into.push_back(diagram);
    for (const VTQUILL::Block& block : diagram.getBlocks()) {
        if (block.isSubsystem())
            collectDiagrams(block.getSubsystemDiagram(), into);
    }
}

std::vector<std::string> exampleFiles() {
    std::vector<std::string> files;
    const QDir folder(QString::fromStdString(StudioTest::examplePath("")));
    for (const QString& name : folder.entryList({"*.vtm"}, QDir::Files, QDir::Name))
        files.push_back(name.toStdString());
    return files;
}

class ExampleRenderTest : public ::testing::TestWithParam<std::string> {
protected:
    ExampleRenderTest() {
        StudioTest::qtApplication();
        VantorStudio::StudioStartup::initializeOnce();
    }
};

TEST_P(ExampleRenderTest, EveryBlockOfEveryDiagramIsDrawnInsideItsRectangle) {
    auto loaded = VTQUILL::File::ModelFileReader().load(StudioTest::examplePath(GetParam()));
    ASSERT_TRUE(loaded.ok());
    std::vector<VTQUILL::Diagram> diagrams;
    for (const VTQUILL::Diagram& top : loaded.model.getDiagrams())
        collectDiagrams(top, diagrams);
    for (const VTQUILL::Diagram& diagram : diagrams) {
        DiagramRenderer::Framing framing;
        const QImage image = DiagramRenderer::render(diagram, &framing);
        for (const VTQUILL::Block& block : diagram.getBlocks()) {
            const PARR::GLPoint<double> at = block.getPosition(), size = block.getSize();
            const PARR::GLRect<double> box(at.x + kInset, at.y + kInset, size.x - 2 * kInset,
                                           size.y - 2 * kInset);
            EXPECT_GT(StudioTest::inkInside(image, framing.toImage(box)), 0)
                << block.getFullPathName() << " (" << block.getType() << ") draws nothing";
        }
    }
    loaded.model.close();
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleRenderTest, ::testing::ValuesIn(exampleFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             std::erase(name, '_');
                             return name;
                         });

}  // namespace
