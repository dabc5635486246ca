#include "QtDialogService.h"

#include <gtest/gtest.h>

#include "StudioTestSupport.h"
#include "vtdove/BlockDialogUtil.h"
#include "vtquill/file/ModelFileReader.h"

namespace {

using VantorStudio::QtDialogService;

class QtDialogServiceTest : public ::testing::Test {
protected:
    QtDialogServiceTest() {
        StudioTest::qtApplication();
        model =
            VTQUILL::File::ModelFileReader().load(StudioTest::examplePath("pid_loop.vtm")).model;
        for (const VTQUILL::Block& b : model.getDiagrams().front().getBlocks()) {
            if (b.getName() == "Error")
                path = b.getFullPathName();
        }
    }
    ~QtDialogServiceTest() override {
        service.reset();
        model.close();
    }

    VTQUILL::Model model;
    std::string path;
    std::unique_ptr<QtDialogService> service = std::make_unique<QtDialogService>(nullptr);
};

TEST_F(QtDialogServiceTest, IsTheInstalledServiceWhileItLives) {
    EXPECT_EQ(VTDove::DialogService::installed(), service.get());
    service.reset();
    EXPECT_EQ(VTDove::DialogService::installed(), nullptr);
}

TEST_F(QtDialogServiceTest, OpensOneDialogPerBlockAndRaisesItOnTheNextOpen) {
    ASSERT_TRUE(service->openBlockDialog(path, 0, false));
    VantorStudio::BlockParameterDialog* dialog = service->dialogOf(path);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->block().getFullPathName(), path);

    ASSERT_TRUE(service->openBlockDialog(path, 0, false));
    EXPECT_EQ(service->dialogOf(path), dialog);
}

TEST_F(QtDialogServiceTest, AnUnknownBlockOpensNothing) {
    EXPECT_FALSE(service->openBlockDialog("pid_loop/NoSuchBlock", 0, false));
    EXPECT_EQ(service->dialogOf("pid_loop/NoSuchBlock"), nullptr);
}

TEST_F(QtDialogServiceTest, ClosingTheDialogsAnEditorOpenedClosesThem) {
    VTDove::BlockDialogUtil dialogs;
    ASSERT_TRUE(dialogs.openDialog(path, 0, false));
    QPointer<VantorStudio::BlockParameterDialog> dialog = service->dialogOf(path);
    ASSERT_FALSE(dialog.isNull());

    dialogs.closeAllDialogs();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(service->dialogOf(path), nullptr);
    EXPECT_TRUE(dialog.isNull());
}

}  // namespace
