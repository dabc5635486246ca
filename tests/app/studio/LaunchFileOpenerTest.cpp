#include <gtest/gtest.h>

#include <QEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "BusyGuard.h"
#include "LaunchFileOpener.h"
#include "ModelFileController.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"

namespace {

using VantorStudio::LaunchFileOpener;
using VantorStudio::ModelFileController;
using VantorStudio::StudioWindow;

constexpr int kWaitMs = 60000;

// Logs, in order, the window's paints ("paint") and the opener's steps ("3/6") and end
// ("opened").
class LaunchLog : public QObject {
public:
    LaunchLog(StudioWindow& window, LaunchFileOpener& opener) {
        window.installEventFilter(this);
        connect(&opener, &LaunchFileOpener::progressed, this,
                [this](int done, int total, const QString& text) {
                    entries.push_back(std::to_string(done) + "/" + std::to_string(total));
                    texts.push_back(text.toStdString());
                });
        connect(&opener, &LaunchFileOpener::opened, this, [this] { entries.push_back("opened"); });
    }
    // The log without repeated paints.
    std::vector<std::string> steps() const {
        std::vector<std::string> out;
        for (const std::string& entry : entries) {
            if (out.empty() || entry != "paint" || out.back() != "paint")
                out.push_back(entry);
        }
        return out;
    }

    std::vector<std::string> entries;
    std::vector<std::string> texts;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            entries.push_back("paint");
        return false;
    }
};

class LaunchFileOpenerTest : public ::testing::Test {
protected:
    LaunchFileOpenerTest() {
        StudioTest::qtApplication();
        window = std::make_unique<StudioWindow>(&prompts);
    }
    ~LaunchFileOpenerTest() override {
        opener.reset();
        window.reset();
        StudioTest::processEvents();
    }
    void launch(std::vector<std::string> paths) {
        opener = std::make_unique<LaunchFileOpener>(*window, std::move(paths));
        log = std::make_unique<LaunchLog>(*window, *opener);
        window->show();
        opener->start();
    }
    bool waitUntilOpened() {
        return QTest::qWaitFor([this] { return opener->isDone(); }, kWaitMs);
    }

    StudioTest::ScriptedPrompts prompts;
    std::unique_ptr<StudioWindow> window;
    std::unique_ptr<LaunchFileOpener> opener;
    std::unique_ptr<LaunchLog> log;
};

TEST_F(LaunchFileOpenerTest, TheWindowPaintsBeforeTheLaunchFileLoadsAndTheModelIsOpenAfter) {
    StudioTest::ExampleCopy copy("pid_loop.vtm");
    launch({copy.path()});

    EXPECT_TRUE(window->models().empty());
    ASSERT_TRUE(waitUntilOpened());

    ASSERT_GE(log->steps().size(), 2u);
    EXPECT_EQ(log->steps().front(), "paint");
    std::vector<std::string> steps;
    for (const std::string& entry : log->steps()) {
        if (entry != "paint")
            steps.push_back(entry);
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"0/3", "1/3", "2/3", "3/3", "opened"}));
    EXPECT_EQ(log->texts.front(), "Loading pid_loop.vtm (1 of 1): reading the model file");
    EXPECT_EQ(log->texts.back(), "Loading pid_loop.vtm (1 of 1): opened");
    ASSERT_NE(window->models().findByFile(copy.path()), nullptr);
    EXPECT_NE(window->activeEditor(), nullptr);
    EXPECT_EQ(opener->progressText(), QString());
}

TEST_F(LaunchFileOpenerTest, AFileThatCannotLoadIsToldAndTheNextStillOpens) {
    StudioTest::ExampleCopy copy("rc_network.vtm");
    const std::string missing = copy.sibling("missing.vtm");
    launch({missing, copy.path()});
    ASSERT_TRUE(waitUntilOpened());

    std::vector<std::string> steps;
    for (const std::string& entry : log->steps()) {
        if (entry != "paint")
            steps.push_back(entry);
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"0/6", "3/6", "4/6", "5/6", "6/6", "opened"}));
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors.front().find(missing), std::string::npos);
    EXPECT_EQ(window->models().all().size(), 1u);
    EXPECT_NE(window->models().findByFile(copy.path()), nullptr);
}

TEST_F(LaunchFileOpenerTest, AClickMadeWhileTheFilesLoadIsDropped) {
    StudioTest::ExampleCopy copy("pid_loop.vtm");
    auto* button = new QPushButton("Act", window.get());
    window->statusBar()->addWidget(button);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    launch({copy.path()});
    QObject::connect(opener.get(), &LaunchFileOpener::progressed, button, [button](int done) {
        if (done != 1)
            return;
        const QPointF at(button->rect().center());
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                button, new QMouseEvent(type, at, button->mapToGlobal(at), Qt::LeftButton,
                                        Qt::LeftButton, Qt::NoModifier));
    });
    ASSERT_TRUE(waitUntilOpened());
    StudioTest::processEvents();

    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(window->statusBar()->currentMessage(), VantorStudio::BusyGuard::busyMessage(1));
    EXPECT_NE(window->models().findByFile(copy.path()), nullptr);
}

TEST_F(LaunchFileOpenerTest, AHiddenWindowStillGetsItsFiles) {
    StudioTest::ExampleCopy copy("pid_loop.vtm");
    opener = std::make_unique<LaunchFileOpener>(*window, std::vector<std::string>{copy.path()});
    opener->start();

    ASSERT_TRUE(waitUntilOpened());
    EXPECT_NE(window->models().findByFile(copy.path()), nullptr);
}

}  // namespace
