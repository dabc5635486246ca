#include <gtest/gtest.h>

#include "vtdove/BlockDialogUtil.h"
#include "vtdove/DialogService.h"

using VTDove::BlockDialogUtil;
using VTDove::DialogService;

namespace {

class RecordingDialogs : public DialogService {
public:
    std::vector<std::string> log;
    bool accept = true;
    bool openBlockDialog(const std::string& path, int type, bool flag) override {
        log.push_back("open " + path + " " + std::to_string(type) + (flag ? " true" : " false"));
        return accept;
    }
    void closeBlockDialog(const std::string& path) override { log.push_back("close " + path); }
};

// Installs a recording service for one test.
class BlockDialogUtilTest : public ::testing::Test {
protected:
    void SetUp() override { DialogService::install(&dialogs); }
    void TearDown() override { DialogService::uninstall(&dialogs); }
    RecordingDialogs dialogs;
};

}  // namespace

TEST_F(BlockDialogUtilTest, OpeningADialogAsksTheServiceWithTheCallersArguments) {
    BlockDialogUtil util;
    EXPECT_TRUE(util.openDialog("m/Gain", 0, false));
    EXPECT_TRUE(util.openDialog("m/Sub", 2, true));
    EXPECT_EQ(dialogs.log, (std::vector<std::string>{"open m/Gain 0 false", "open m/Sub 2 true"}));
}

TEST_F(BlockDialogUtilTest, CloseAllClosesEachDialogItOpenedOnce) {
    BlockDialogUtil util;
    util.openDialog("m/A", 0, false);
    util.openDialog("m/B", 0, false);
    util.openDialog("m/A", 0, false);
    dialogs.log.clear();
    util.closeAllDialogs();
    EXPECT_EQ(dialogs.log, (std::vector<std::string>{"close m/A", "close m/B"}));
    EXPECT_TRUE(util.openDialogs().empty());
    dialogs.log.clear();
    util.closeAllDialogs();
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(BlockDialogUtilTest, DialogsOfAnotherUtilityStayOpen) {
    BlockDialogUtil mine;
    BlockDialogUtil theirs;
    mine.openDialog("m/A", 0, false);
    theirs.openDialog("m/B", 0, false);
    dialogs.log.clear();
    mine.closeAllDialogs();
    EXPECT_EQ(dialogs.log, (std::vector<std::string>{"close m/A"}));
}

TEST_F(BlockDialogUtilTest, ARefusedDialogIsNotRemembered) {
    BlockDialogUtil util;
    dialogs.accept = false;
    EXPECT_FALSE(util.openDialog("m/A", 0, false));
    EXPECT_TRUE(util.openDialogs().empty());
}

TEST(BlockDialogUtilWithoutServiceTest, NothingOpensWithoutAService) {
    ASSERT_EQ(DialogService::installed(), nullptr);
    BlockDialogUtil util;
    EXPECT_FALSE(util.openDialog("m/A", 0, false));
    util.closeAllDialogs();
    EXPECT_TRUE(util.openDialogs().empty());
}

TEST(DialogServiceTest, UninstallingAnotherServiceLeavesTheInstalledOne) {
    struct Null : DialogService {
        bool openBlockDialog(const std::string&, int, bool) override { return false; }
        void closeBlockDialog(const std::string&) override {}
    } a, b;
    DialogService::install(&a);
    DialogService::uninstall(&b);
    EXPECT_EQ(DialogService::installed(), &a);
    DialogService::uninstall(&a);
    EXPECT_EQ(DialogService::installed(), nullptr);
}
