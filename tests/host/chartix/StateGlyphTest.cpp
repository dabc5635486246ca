#include "chartix/StateGlyph.h"

#include <gtest/gtest.h>

#include "chartix/CXDomain.h"
#include "chartix/ChartFactory.h"
#include "chartix/ChartSchema.h"
#include "dove2/Dove2Domain.h"
#include "dove2/Graphics.h"
#include "quill/Transaction.h"
#include "rook2/Scene.h"
#include "support/QtTestApplication.h"

namespace {

using CHARTIX::ChartFactory;
using CHARTIX::StateGlyph;

// A chart with the state "Idle" (80 x 40 at (10, 20)) shown through the glyph factory of the
// domain serving chart models.
class StateGlyphTest : public ::testing::Test {
protected:
    ~StateGlyphTest() override { chart.close(); }

    // Glyphs measure their text: the application comes first.
    QApplication& application = TestSupport::qtApplication();
    QUILL::Model chart = ChartFactory::create({"Logic", {{"Idle", {10, 20}, {80, 40}}}});
    DOVE2::Diagram diagram = ChartFactory::chartDiagram(chart);
    QUILL::ImmutableClassObject idle = *diagram.getContained().begin();
    ROOK2::Scene scene;
    DOVE2::Graphics graphics{scene, diagram,
                             *DOVE2::Dove2Domain::forModel(chart)->getGlyphFactory()};
};

TEST_F(StateGlyphTest, AStateShowsItsNameCentredInItsBoxAndFollowsRenames) {
    auto* glyph = dynamic_cast<StateGlyph*>(graphics.getGlyph(idle).get());
    ASSERT_NE(glyph, nullptr) << "chart models are served by the state-chart domain";
    const ROOK2::TextNode& name = *glyph->getNameNode();
    EXPECT_EQ(name.getText(), "Idle");
    EXPECT_DOUBLE_EQ(name.getPosition().x + name.getWidth() / 2, 40);

    QUILL::Transaction tx(chart);
    QUILL::ClassObject(idle).set(CHARTIX::ChartSchema::get().stateName, std::string("Heating up"));
    tx.commit();

    EXPECT_EQ(name.getText(), "Heating up");
    EXPECT_DOUBLE_EQ(name.getPosition().y + name.getHeight() / 2, 20);
}

}  // namespace
