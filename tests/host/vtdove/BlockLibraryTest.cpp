#include <gtest/gtest.h>

#include <set>

#include "LibraryModel.h"
#include "vtdove/BlockLibrary.h"

using namespace VTQUILL;
using VTDove::BlockLibrary;
using VTDoveTest::LibraryModel;

namespace {

constexpr const char* kStandardTypes[] = {
    // Maths.
    "Gain", "Sum", "Product", "Integrator", "Derivative", "Saturation", "Transfer Function",
    // Sources and sinks.
    "Constant", "Step", "Sine", "Scope", "Display", "Input", "Output",
    // Routing, structure and physical blocks.
    "Mux", "Demux", "Switch", "Subsystem", "MaskedSubsystem", "ConfigurableSubsystem", "Chart",
    "Resistor", "Capacitor", "Ground"};

std::vector<Port> portsOfKind(const Block& b, const std::string& kind) {
    std::vector<Port> result;
    for (const Port& p : b.getContained()) {
        if (p.getType() == kind)
            result.push_back(p);
    }
    return result;
}

}  // namespace

TEST(BlockLibraryTest, KnowsTheStandardBlockTypes) {
    const BlockLibrary& lib = BlockLibrary::instance();
    for (const char* type : kStandardTypes) {
        const VTDove::BlockType* t = lib.find(type);
        ASSERT_NE(t, nullptr) << type;
        EXPECT_EQ(t->name, type);
        EXPECT_TRUE(t->draw) << type;
    }
    EXPECT_EQ(lib.find("NoSuchBlock"), nullptr);
    const auto names = lib.typeNames();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    EXPECT_EQ(lib.typeNames().front(), "Gain");
}

TEST(BlockLibraryTest, AGainGetsItsSizeParametersAndPorts) {
    LibraryModel m;
    const Block g = m.add("Gain", "G", {100, 50});
    EXPECT_EQ(g.getType(), "Gain");
    EXPECT_EQ(g.getName(), "G");
    EXPECT_EQ(g.getPosition(), PARR::GLPoint<double>(100, 50));
    EXPECT_EQ(g.getSize(), PARR::GLPoint<double>(30, 30));
    EXPECT_EQ(g.getParameter("Gain"), "1");
    EXPECT_EQ(g.getLibraryLinkType(), "None");
    EXPECT_FALSE(g.isMasked());
    ASSERT_EQ(g.getContained().size(), 2u);
    const Port in = g.getContained()[0];
    const Port out = g.getContained()[1];
    EXPECT_EQ(in.getType(), kInPort);
    EXPECT_EQ(in.getPosition(), PARR::GLPoint<double>(0, 15));
    EXPECT_EQ(in.getOrientation(), 180);
    EXPECT_EQ(out.getType(), kOutPort);
    EXPECT_EQ(out.getPosition(), PARR::GLPoint<double>(30, 15));
    EXPECT_EQ(out.getOrientation(), 0);
}

TEST(BlockLibraryTest, InputsAreSpreadEvenlyAlongTheLeftSide) {
    LibraryModel m;
    const Block sw = m.add("Switch", "S");
    const auto ins = portsOfKind(sw, kInPort);
    ASSERT_EQ(ins.size(), 3u);
    EXPECT_EQ(ins[0].getPosition(), PARR::GLPoint<double>(0, 5));
    EXPECT_EQ(ins[1].getPosition(), PARR::GLPoint<double>(0, 15));
    EXPECT_EQ(ins[2].getPosition(), PARR::GLPoint<double>(0, 25));
    const Block demux = m.add("Demux", "D");
    const auto outs = portsOfKind(demux, kOutPort);
    ASSERT_EQ(outs.size(), 2u);
    EXPECT_EQ(outs[0].getPosition(), PARR::GLPoint<double>(5, 10));
    EXPECT_EQ(outs[1].getPosition(), PARR::GLPoint<double>(5, 30));
}

TEST(BlockLibraryTest, ASwitchStartsByPassingTheFirstInputWhileTheSecondIsAtLeastTheThreshold) {
    LibraryModel m;
    const Block sw = m.add("Switch", "S");
    EXPECT_EQ(sw.getParameters(),
              (QUILL::StringMap{{"Threshold", "0"}, {"Criteria", "u2 >= threshold"}}));
}

TEST(BlockLibraryTest, SourcesHaveOnlyOutputsAndSinksOnlyInputs) {
    LibraryModel m;
    for (const char* source : {"Constant", "Step", "Sine", "Input"}) {
        const Block b = m.add(source, source);
        EXPECT_TRUE(portsOfKind(b, kInPort).empty()) << source;
        EXPECT_EQ(portsOfKind(b, kOutPort).size(), 1u) << source;
    }
    for (const char* sink : {"Scope", "Display", "Output"}) {
        const Block b = m.add(sink, sink);
        EXPECT_EQ(portsOfKind(b, kInPort).size(), 1u) << sink;
        EXPECT_TRUE(portsOfKind(b, kOutPort).empty()) << sink;
    }
}

TEST(BlockLibraryTest, PhysicalBlocksHaveConnectionPorts) {
    LibraryModel m;
    const Block r = m.add("Resistor", "R1");
    ASSERT_EQ(r.getContained().size(), 2u);
    EXPECT_EQ(r.getContained()[0].getType(), kConnectionPort);
    EXPECT_EQ(r.getContained()[0].getPosition(), PARR::GLPoint<double>(0, 10));
    EXPECT_EQ(r.getContained()[1].getPosition(), PARR::GLPoint<double>(40, 10));
    const Block ground = m.add("Ground", "G");
    ASSERT_EQ(ground.getContained().size(), 1u);
    EXPECT_EQ(ground.getContained()[0].getType(), kConnectionPort);
    EXPECT_EQ(ground.getContained()[0].getPosition(), PARR::GLPoint<double>(15, 0));
    EXPECT_EQ(ground.getContained()[0].getOrientation(), 90);
    EXPECT_TRUE(r.getContained()[1].canConnect(ground.getContained()[0]));
}

TEST(BlockLibraryTest, ASubsystemGetsAnInnerDiagramWithOneInputAndOneOutputBlock) {
    LibraryModel m;
    const Block sub = m.add("Subsystem", "Sub");
    ASSERT_TRUE(sub.isSubsystem());
    const Diagram inner = sub.getSubsystemDiagram();
    ASSERT_EQ(inner.getBlocks().size(), 2u);
    EXPECT_EQ(inner.getBlocks()[0].getType(), "Input");
    EXPECT_EQ(inner.getBlocks()[1].getType(), "Output");
    ASSERT_EQ(inner.getLines().size(), 1u);
    const Segment wire = inner.getLines().front().getSegments().front();
    EXPECT_EQ(wire.getSrcElement(), inner.getBlocks()[0].getContained().front());
    EXPECT_EQ(wire.getDstElement(), inner.getBlocks()[1].getContained().front());
    EXPECT_EQ(portsOfKind(sub, kInPort).size(), 1u);
    EXPECT_EQ(portsOfKind(sub, kOutPort).size(), 1u);
    EXPECT_EQ(inner.getFullName(), "model/Sub");
    EXPECT_TRUE(m.diagram.containsViewableSubsystems());
}

TEST(BlockLibraryTest, MaskedConfigurableAndChartBlocksCarryTheirFlags) {
    LibraryModel m;
    const Block masked = m.add("MaskedSubsystem", "M");
    EXPECT_TRUE(masked.isSubsystem());
    EXPECT_TRUE(masked.isMasked());
    const Block conf = m.add("ConfigurableSubsystem", "C");
    EXPECT_TRUE(conf.isBlockConfigurableSubsystem());
    EXPECT_EQ(conf.getLibraryLinkType(), "Default");
    const Block pid = m.add("PID Controller", "P");
    EXPECT_EQ(pid.getLibraryLinkType(), "Default");
    EXPECT_TRUE(pid.isMasked());
    const Block chart = m.add("Chart", "Ch");
    EXPECT_TRUE(chart.isChartix());
    EXPECT_FALSE(chart.isSubsystem());
    EXPECT_TRUE(BlockLibrary::instance().find("Chart")->chart);
}

TEST(BlockLibraryTest, TheLinkTypeOfAnInstanceCanBeChanged) {
    LibraryModel m;
    const Block g = m.add("Gain", "G");
    m.edit([&] { g.setLibraryLinkType("Modified"); });
    EXPECT_EQ(g.getLibraryLinkType(), "Modified");
}

TEST(BlockLibraryTest, AnUnknownTypeIsRefusedBeforeAnythingChanges) {
    LibraryModel m;
    QUILL::Transaction tx(m.model);
    EXPECT_THROW(BlockLibrary::instance().instantiate(m.diagram, "NoSuchBlock", "X", {}),
                 QUILL::Exception);
    EXPECT_TRUE(m.diagram.getBlocks().empty());
    const auto changes = tx.commit();
    EXPECT_TRUE(changes->empty());
}

TEST(BlockLibraryTest, ListsEveryTypeInExactlyOneGroupInLibraryOrder) {
    const BlockLibrary& lib = BlockLibrary::instance();
    std::vector<std::string> listed;
    for (const std::string& group : lib.groupNames()) {
        const std::vector<std::string> names = lib.typeNamesIn(group);
        EXPECT_FALSE(names.empty()) << group;
        for (const std::string& name : names)
            EXPECT_EQ(lib.find(name)->group, group) << name;
        listed.insert(listed.end(), names.begin(), names.end());
    }
    EXPECT_EQ(listed, lib.typeNames());
    EXPECT_EQ(lib.groupNames().front(), "Math Operations");
    EXPECT_TRUE(lib.typeNamesIn("No Such Group").empty());
}
