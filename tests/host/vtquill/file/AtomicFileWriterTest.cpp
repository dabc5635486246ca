#include <gtest/gtest.h>

#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "ModelFileTestSupport.h"
#include "vtquill/file/AtomicFileWriter.h"
#include "vtquill/file/PosixFileSystem.h"

using namespace VTQuillFileTest;
using VTQUILL::File::AtomicFileWriter;
using VTQUILL::File::PosixFileSystem;

namespace {

enum class Step { Create, Write, Sync, Close, Rename, SyncFolder };

// The real file system with one step made to fail with a chosen error. A failed write
// writes half of its data first, as a disk that fills up does.
class FaultyFileSystem : public PosixFileSystem {
public:
    FaultyFileSystem(Step failing, int error) : failing_(failing), error_(error) {}

    int createTemporary(const std::string& folder, const std::string& prefix, int& fd,
                        std::string& path) override {
        return failing_ == Step::Create
                   ? error_
                   : PosixFileSystem::createTemporary(folder, prefix, fd, path);
    }
    int writeAll(int fd, std::string_view data) override {
        if (failing_ != Step::Write)
            return PosixFileSystem::writeAll(fd, data);
        PosixFileSystem::writeAll(fd, data.substr(0, data.size() / 2));
        return error_;
    }
    int syncFile(int fd) override {
        return failing_ == Step::Sync ? error_ : PosixFileSystem::syncFile(fd);
    }
    int closeFile(int fd) override {
        const int result = PosixFileSystem::closeFile(fd);
        return failing_ == Step::Close ? error_ : result;
    }
    int renameFile(const std::string& from, const std::string& to) override {
        return failing_ == Step::Rename ? error_ : PosixFileSystem::renameFile(from, to);
    }
    int syncFolder(const std::string& folder) override {
        return failing_ == Step::SyncFolder ? error_ : PosixFileSystem::syncFolder(folder);
    }

private:
    Step failing_;
    int error_;
};

struct FailureCase {
    Step step;
    int error;
    const char* message;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.message;
}

std::string stepName(const testing::TestParamInfo<FailureCase>& info) {
    static const char* const names[] = {"Create", "Write", "Sync", "Close", "Rename", "SyncFolder"};
    return names[static_cast<int>(info.param.step)];
}

class AtomicFileWriterFailureTest : public testing::TestWithParam<FailureCase> {
protected:
    TemporaryFolder folder;
    std::string target = (folder / "model.vtm").string();
};

}  // namespace

TEST(AtomicFileWriterTest, WritingReplacesTheContentsAndLeavesNoTemporaryFile) {
    TemporaryFolder folder;
    const std::string target = (folder / "model.vtm").string();
    writeFile(target, "old");
    EXPECT_EQ(AtomicFileWriter(PosixFileSystem::instance()).write(target, "new contents"), "");
    EXPECT_EQ(readFile(target), "new contents");
    EXPECT_EQ(folder.fileCount(), 1u);
}

TEST(AtomicFileWriterTest, WritingCreatesAFileThatDidNotExist) {
    TemporaryFolder folder;
    const std::string target = (folder / "new.vtm").string();
    EXPECT_EQ(AtomicFileWriter(PosixFileSystem::instance()).write(target, "hello"), "");
    EXPECT_EQ(readFile(target), "hello");
}

TEST(AtomicFileWriterTest, AFolderThatDoesNotExistIsReported) {
    TemporaryFolder folder;
    const std::string target = (folder / "missing" / "m.vtm").string();
    const std::string error = AtomicFileWriter(PosixFileSystem::instance()).write(target, "x");
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}

TEST(AtomicFileWriterTest, AReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    TemporaryFolder folder;
    const std::string target = (folder / "model.vtm").string();
    writeFile(target, "old");
    std::filesystem::permissions(
        folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const std::string error = AtomicFileWriter(PosixFileSystem::instance()).write(target, "new");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
    EXPECT_EQ(readFile(target), "old");
}

TEST_P(AtomicFileWriterFailureTest, AFailedStepKeepsTheOldFileAndRemovesTheTemporaryOne) {
    writeFile(target, "old contents");
    FaultyFileSystem fs(GetParam().step, GetParam().error);

    const std::string error = AtomicFileWriter(fs).write(target, std::string(100000, 'n'));

    EXPECT_NE(error.find(GetParam().message), std::string::npos) << error;
    EXPECT_NE(error.find(std::strerror(GetParam().error)), std::string::npos) << error;
    EXPECT_EQ(readFile(target), "old contents");
    EXPECT_EQ(folder.fileCount(), 1u) << "the temporary file is gone";
}

INSTANTIATE_TEST_SUITE_P(EveryStepBeforeTheRename, AtomicFileWriterFailureTest,
                         testing::Values(FailureCase{Step::Create, EACCES,
                                                     "cannot create a temporary file in"},
                                         FailureCase{Step::Write, ENOSPC, "cannot write"},
                                         FailureCase{Step::Sync, EIO, "cannot flush"},
                                         FailureCase{Step::Close, EDQUOT, "cannot close"},
                                         FailureCase{Step::Rename, EXDEV, "cannot replace"}),
                         stepName);

TEST(AtomicFileWriterTest, AFailedFolderFlushIsReportedWithTheNewContentsInPlace) {
    TemporaryFolder folder;
    const std::string target = (folder / "model.vtm").string();
    writeFile(target, "old");
    FaultyFileSystem fs(Step::SyncFolder, EIO);
    const std::string error = AtomicFileWriter(fs).write(target, "new");
    EXPECT_NE(error.find("cannot flush the folder"), std::string::npos) << error;
    EXPECT_EQ(readFile(target), "new");
    EXPECT_EQ(folder.fileCount(), 1u);
}
