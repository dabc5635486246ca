#include <gtest/gtest.h>

#include "LibraryModel.h"
#include "vtdove/SubsystemPorts.h"

using namespace VTQUILL;
using VTDove::BlockLibrary;
using VTDove::syncSubsystemPorts;
using VTDoveTest::LibraryModel;

namespace {

int countOf(const Block& b, const std::string& kind) {
    int n = 0;
    for (const Port& p : b.getContained())
        n += p.getType() == kind;
    return n;
}

}  // namespace

TEST(SubsystemPortsTest, AddingInnerInputBlocksAddsInPortsSpreadAlongTheLeftSide) {
    LibraryModel m;
    const Block sub = m.add("Subsystem", "Sub");
    const Diagram inner = sub.getSubsystemDiagram();
    m.edit([&] {
        const Block in2 = BlockLibrary::instance().instantiate(inner, "Input", "In2", {20, 90});
        in2.setParameter("Port", "2");
        const Block in3 = BlockLibrary::instance().instantiate(inner, "Input", "In3", {20, 140});
        in3.setParameter("Port", "3");
        syncSubsystemPorts(sub);
    });
    ASSERT_EQ(countOf(sub, kInPort), 3);
    EXPECT_EQ(countOf(sub, kOutPort), 1);
    const double h = sub.getSize().y;
    EXPECT_EQ(LibraryModel::portOf(sub, kInPort, 0).getPosition(), PARR::GLPoint<double>(0, h / 6));
    EXPECT_EQ(LibraryModel::portOf(sub, kInPort, 2).getPosition(),
              PARR::GLPoint<double>(0, h * 5 / 6));
    EXPECT_EQ(LibraryModel::portOf(sub, kOutPort).getPosition(),
              PARR::GLPoint<double>(sub.getSize().x, h / 2));
}

TEST(SubsystemPortsTest, RemovingAnInnerOutputBlockRemovesTheLastOutPortAndItsConnection) {
    LibraryModel m;
    const Block sub = m.add("Subsystem", "Sub");
    const Block scope = m.add("Scope", "Scope", {200, 0});
    const Segment wire = m.connect(sub, scope);
    const Block outputBlock = sub.getSubsystemDiagram().getBlocks()[1];
    m.edit([&] {
        outputBlock.destroy();
        syncSubsystemPorts(sub);
    });
    EXPECT_EQ(countOf(sub, kOutPort), 0);
    EXPECT_EQ(countOf(sub, kInPort), 1);
    EXPECT_FALSE(wire.getSrcElement().isValid());
}

TEST(SubsystemPortsTest, PortsThatStayKeepTheirSegments) {
    LibraryModel m;
    const Block src = m.add("Constant", "C");
    const Block sub = m.add("Subsystem", "Sub", {100, 0});
    const Segment wire = m.connect(src, sub);
    const Port firstIn = LibraryModel::portOf(sub, kInPort);
    m.edit([&] {
        BlockLibrary::instance()
            .instantiate(sub.getSubsystemDiagram(), "Input", "In2", {20, 90})
            .setParameter("Port", "2");
        syncSubsystemPorts(sub);
    });
    EXPECT_EQ(LibraryModel::portOf(sub, kInPort), firstIn);
    EXPECT_EQ(wire.getDstElement(), firstIn);
}

TEST(SubsystemPortsTest, InputBlocksAreOrderedByTheirPortNumber) {
    LibraryModel m;
    const Block sub = m.add("Subsystem", "Sub");
    const Diagram inner = sub.getSubsystemDiagram();
    m.edit([&] {
        inner.getBlocks()[0].setParameter("Port", "2");
        BlockLibrary::instance().instantiate(inner, "Input", "First", {}).setParameter("Port", "1");
    });
    const VTDove::SubsystemPorts ports(sub);
    EXPECT_EQ(ports.inputNames(), (std::vector<std::string>{"First", "In1"}));
    EXPECT_EQ(ports.outputNames(), (std::vector<std::string>{"Out1"}));
}

TEST(SubsystemPortsTest, ABlockWithoutInnerDiagramIsLeftAlone) {
    LibraryModel m;
    const Block gain = m.add("Gain", "G");
    const auto changes = m.edit([&] { syncSubsystemPorts(gain); });
    EXPECT_TRUE(changes->empty());
    EXPECT_EQ(gain.getContained().size(), 2u);
}

TEST(SubsystemPortsTest, SyncingAnUpToDateSubsystemChangesNothing) {
    LibraryModel m;
    const Block sub = m.add("Subsystem", "Sub");
    const auto changes = m.edit([&] { syncSubsystemPorts(sub); });
    EXPECT_TRUE(changes->empty());
}
