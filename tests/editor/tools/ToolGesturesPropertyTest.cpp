#include <gtest/gtest.h>
#include <rapidcheck.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "LineChecks.h"
#include "application/Application.h"
#include "application/GraphElementPathEndpoint.h"
#include "dove2/tools/DeleteTool.h"
#include "parr/Modifier.h"
#include "rook2/Node.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"
#include "support/QtTestApplication.h"
#include "tools/ResizeBehavior.h"

namespace {

using Point = PARR::GLPoint<double>;
using TestSupport::BlockDiagramBuilder;
using TestSupport::ModuleEditor;

// How many random gesture sequences a run tries: VANTOR_PROPERTY_RUNS when set, else
// rapidcheck's own setting (RC_PARAMS max_success) when it asks for more than 200, else 200.
int propertyRuns() {
    if (const char* runs = std::getenv("VANTOR_PROPERTY_RUNS"))
        return std::max(1, std::atoi(runs));
    return std::max(200, rc::detail::configuration().testParams.maxSuccess);
}

// Blocks on a grid, each with an input in the middle of its left side and an output in the
// middle of its right side (even heights, so ports and routes stay on whole units), and
// routed lines between some of them.
struct RandomDiagram {
    RandomDiagram() {
        const int blocks = *rc::gen::inRange(2, 6);
        for (int i = 0; i < blocks; ++i) {
            const double height = 2.0 * *rc::gen::inRange(10, 25);
            const VTQUILL::Block block =
                b.block("B" + std::to_string(i), {(i % 3) * 140.0, (i / 3) * 120.0, 40, height});
            // Where the engine lays ports out: mid-left and mid-right.
            ins.push_back(b.port(block, VTQUILL::kInPort, {0, height / 2}, 180));
            outs.push_back(b.port(block, VTQUILL::kOutPort, {40, height / 2}, 0));
            this->blocks.push_back(block);
        }
        for (std::size_t i = 0; i < outs.size(); ++i) {
            const std::size_t j = *rc::gen::inRange<std::size_t>(0, ins.size());
            if (j != i && *rc::gen::arbitrary<bool>())
                connect(outs[i], ins[j]);
        }
    }
    void connect(const VTQUILL::Port& from, const VTQUILL::Port& to) {
        if (from.hasEdge() || to.hasEdge())
            return;
        b.edit([&] {
            VTQUILL::Segment s = b.diagram().addLine(VTQUILL::kSignalLine).addSegment();
            s.setSrcElement(from);
            s.setDstElement(to);
            const DOVE2::GraphElement src(from);
            const DOVE2::GraphElement dst(to);
            s.setPath(Vantor::Application::getSegmentRoute(Vantor::GraphElementPathEndpoint(src),
                                                           Vantor::GraphElementPathEndpoint(dst),
                                                           {}, true, true));
            Vantor::Application::cleanupLine(s.getContainer());
            return 0;
        });
    }

    BlockDiagramBuilder b;
    std::vector<VTQUILL::Block> blocks;
    std::vector<VTQUILL::Port> ins;
    std::vector<VTQUILL::Port> outs;
};

template <class T>
std::vector<T> validOf(const std::vector<T>& all) {
    std::vector<T> valid;
    std::copy_if(all.begin(), all.end(), std::back_inserter(valid),
                 [](const T& h) { return h.isValid(); });
    return valid;
}

std::vector<VTQUILL::Segment> segmentsOf(const VTQUILL::Diagram& diagram) {
    std::vector<VTQUILL::Segment> all;
    for (const VTQUILL::Line& line : diagram.getLines()) {
        for (const VTQUILL::Segment& s : line.getSegments())
            all.push_back(s);
    }
    return all;
}

// A point on a random leg of the segment's route (the middle of the leg).
Point pointOn(const VTQUILL::Segment& segment) {
    const PARR::Path route = Vantor::Application::getCompleteSegmentPath(segment);
    if (route.size() < 2)
        return route.empty() ? Point{} : route.front();
    const std::size_t leg = *rc::gen::inRange<std::size_t>(0, route.size() - 1);
    return (route[leg] + route[leg + 1]) * 0.5;
}

Point randomDelta() {
    return {static_cast<double>(*rc::gen::inRange(-60, 61)),
            static_cast<double>(*rc::gen::inRange(-60, 61))};
}

// Performs one random gesture of the editing tools on `d` in `view`; returns its name.
class GesturePlayer {
public:
    GesturePlayer(RandomDiagram& d, ModuleEditor& view) : d_(d), view_(view) {}

    std::string play() {
        switch (*rc::gen::inRange(0, 7)) {
            case 0:
                return moveBlock();
            case 1:
                return dragLine();
            case 2:
                return drawSegment(false);
            case 3:
                return drawSegment(true);
            case 4:
                return resizeBlock();
            case 5:
                return deleteSomething();
            default:
                return dragJoint();
        }
    }

private:
    template <class T>
    T pick(const std::vector<T>& from) {
        return from[*rc::gen::inRange<std::size_t>(0, from.size())];
    }
    std::vector<VTQUILL::Segment> segments() const { return segmentsOf(d_.b.diagram()); }

    std::string moveBlock() {
        const auto blocks = validOf(d_.blocks);
        if (blocks.empty())
            return "no move";
        const VTQUILL::Block block = pick(blocks);
        view_.editor().clearSelection();
        view_.editor().select(block);
        const Point from = view_.centreOf(block);
        view_.drag(from, from + randomDelta());
        return "move " + block.getName();
    }
    std::string dragLine() {
        const auto all = segments();
        if (all.empty())
            return "no line drag";
        const Point from = pointOn(pick(all));
        view_.drag(from, from + randomDelta());
        return "line drag";
    }
    std::string drawSegment(bool branch) {
        const auto all = segments();
        const auto outs = validOf(d_.outs);
        if ((branch && all.empty()) || (!branch && outs.empty()))
            return "no segment";
        const Point from = branch ? pointOn(pick(all)) : view_.centreOf(pick(outs));
        const auto ins = validOf(d_.ins);
        const Point to = !ins.empty() && *rc::gen::arbitrary<bool>() ? view_.centreOf(pick(ins))
                                                                     : from + randomDelta();
        view_.drag(from, to, branch ? PARR::ControlModifier : 0u);
        return branch ? "branch" : "segment";
    }
    std::string resizeBlock() {
        const auto blocks = validOf(d_.blocks);
        if (blocks.empty())
            return "no resize";
        const VTQUILL::Block block = pick(blocks);
        ROOK2::Node* node = view_.nodeOf(block);
        auto* tool = dynamic_cast<Vantor::ResizeBehavior*>(
            view_.editor().addToolByRole(ROOK2::ResizeBehavior::staticGetDefaultRole()));
        if (!node || !tool)
            return "no resize";
        const Point at = block.getPosition();
        const Point size = block.getSize();
        const PARR::GLRect<double> to{at.x, at.y, 2.0 * *rc::gen::inRange(5, 40),
                                      2.0 * *rc::gen::inRange(5, 40)};
        ROOK2::MouseEvent press = view_.mouse(ROOK2::MouseEvent::Press, at, view_.kLeft, 0);
        tool->beginResize(*node, ROOK2::ResizeHandler::BottomRight, {at.x, at.y, size.x, size.y},
                          press);
        ROOK2::MouseEvent release = view_.mouse(ROOK2::MouseEvent::Release, at, view_.kLeft, 0);
        tool->endResize(to, release);
        view_.editor().removeTool(tool);
        return "resize " + block.getName();
    }
    std::string deleteSomething() {
        const auto blocks = validOf(d_.blocks);
        const auto all = segments();
        view_.editor().clearSelection();
        if (!all.empty() && (blocks.empty() || *rc::gen::arbitrary<bool>()))
            view_.editor().select(pick(all));
        else if (!blocks.empty())
            view_.editor().select(pick(blocks));
        view_.key(DOVE2::DeleteTool::kDeleteKey);
        return "delete";
    }
    std::string dragJoint() {
        std::vector<VTQUILL::SolderJoint> joints;
        for (const VTQUILL::Line& line : d_.b.diagram().getLines()) {
            for (const VTQUILL::SolderJoint& j : line.getSolderJoints())
                joints.push_back(j);
        }
        if (joints.empty())
            return "no joint drag";
        const Point from = Vantor::Application::getAbsolutePosition(pick(joints));
        view_.drag(from, from + randomDelta());
        return "joint drag";
    }

    RandomDiagram& d_;
    ModuleEditor& view_;
};

void checkEveryLine(const VTQUILL::Diagram& diagram, const std::string& after) {
    for (const VTQUILL::Line& line : diagram.getLines()) {
        const ::testing::AssertionResult formed = ToolTest::isWellFormed(line);
        if (!formed)
            RC_FAIL("after " + after + ": " + formed.message());
    }
}

void gestureSequencesKeepLinesWellFormedAndUndoRestoresTheModel() {
    RandomDiagram d;
    checkEveryLine(d.b.diagram(), "building");
    const auto before = TestSupport::stateOf(d.b.model());
    {
        ModuleEditor view(d.b.diagram());
        GesturePlayer player(d, view);
        const int gestures = *rc::gen::inRange(1, 9);
        for (int i = 0; i < gestures; ++i) {
            const std::string gesture = player.play();
            RC_LOG() << gesture << ":";
            for (const VTQUILL::Block& block : validOf(d.blocks))
                RC_LOG() << " " << block.getName() << "@" << block.getPosition().x << ","
                         << block.getPosition().y << "+" << block.getSize().x << ","
                         << block.getSize().y;
            for (const VTQUILL::Segment& s : segmentsOf(d.b.diagram()))
                RC_LOG() << " ["
                         << ToolTest::describe(Vantor::Application::getCompleteSegmentPath(s))
                         << "]";
            RC_LOG() << "\n";
            // A release on the start of a new segment left it placing corners: Escape ends it.
            view.key(Vantor::ResizeBehavior::kEscapeKey);
            RC_ASSERT(view.viewShowsRoot());
            checkEveryLine(d.b.diagram(), gesture);
        }
        int undone = 0;
        for (; view.editor().canUndo(); ++undone)
            view.editor().undo();
        RC_CLASSIFY(undone == 0, "no command");
    }
    RC_ASSERT(TestSupport::stateOf(d.b.model()) == before);
}

TEST(ToolGesturesProperty, RandomGesturesKeepEveryLineWellFormedAndUndoRestoresTheModel) {
    TestSupport::qtApplication();
    rc::detail::TestParams params = rc::detail::configuration().testParams;
    params.maxSuccess = propertyRuns();
    rc::detail::TestMetadata metadata;
    metadata.id = "ToolGesturesProperty";
    metadata.description = "random gestures keep lines well formed and undo restores the model";
    const auto result = rc::detail::checkProperty(
        rc::detail::toProperty(&gestureSequencesKeepLinesWellFormedAndUndoRestoresTheModel),
        metadata, params);
    std::ostringstream message;
    rc::detail::printResultMessage(result, message);
    EXPECT_TRUE(result.template is<rc::detail::SuccessResult>()) << message.str();
}

}  // namespace
