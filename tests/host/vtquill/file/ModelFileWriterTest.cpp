#include <gtest/gtest.h>

#include <cerrno>

#include "ModelFileTestSupport.h"
#include "host/vtquill/DiagramBuilder.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"
#include "vtquill/file/PosixFileSystem.h"

using namespace VTQuillFileTest;
using namespace VTQUILL;
using File::ModelFileWriter;

namespace {

// Fails every write with "no space left on device" after writing a little.
class FullDisk : public File::PosixFileSystem {
public:
    int writeAll(int fd, std::string_view data) override {
        PosixFileSystem::writeAll(fd, data.substr(0, 10));
        return ENOSPC;
    }
};

}  // namespace

TEST(ModelFileWriterTest, SavingOnAFullDiskNamesTheFileAndKeepsTheOldModelFile) {
    TemporaryFolder folder;
    const std::string path = (folder / "m.vtm").string();
    VTQuillTest::DiagramBuilder b("m");
    b.block("Gain", "G");
    b.commit();
    ASSERT_EQ(ModelFileWriter().save(b.model, path), "");
    const std::string saved = readFile(path);
    b.block("Gain", "G2");
    b.commit();

    FullDisk disk;
    const std::string error = ModelFileWriter(disk).save(b.model, path);

    EXPECT_EQ(error.rfind(path + ": cannot write ", 0), 0u) << error;
    EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
    EXPECT_EQ(readFile(path), saved);
    EXPECT_EQ(folder.fileCount(), 1u);
    File::ModelFileReader::Result old = File::ModelFileReader().load(path);
    ASSERT_TRUE(old.ok());
    EXPECT_EQ(old.model.getDiagrams().front().getBlocks().size(), 1u);
    old.model.close();
}

TEST(ModelFileWriterTest, TheSameModelAlwaysGivesTheSameText) {
    VTQuillTest::DiagramBuilder b("m");
    b.connect(b.out(b.block("Gain", "A")), b.in(b.block("Gain", "B", {100, 0})));
    b.commit();
    EXPECT_EQ(ModelFileWriter::toText(b.model), ModelFileWriter::toText(b.model));
}

TEST(ModelFileWriterTest, IdsFollowContainmentOrder) {
    VTQuillTest::DiagramBuilder b("m");
    const Block a = b.block("Gain", "A");
    b.connect(b.out(a), {});
    b.in(a);  // a port made after the line still gets its id with its block
    b.commit();
    const std::string text = ModelFileWriter::toText(b.model);
    const auto at = [&](const std::string& s) { return text.find(s); };
    EXPECT_LT(at("\"id\": 1,"), at("\"id\": 2,"));
    EXPECT_NE(at("{\"id\": 4, \"kind\": \"In Port\""), std::string::npos) << text;
    EXPECT_NE(at("\"id\": 5,\n          \"type\": \"Signal\""), std::string::npos) << text;
    EXPECT_NE(at("{\"id\": 6, \"source\": 3, \"destination\": 7"), std::string::npos) << text;
}

TEST(ModelFileWriterTest, AWorkingCopyIsSavedAsItShows) {
    VTQuillTest::DiagramBuilder b("m");
    const Block a = b.block("Gain", "A");
    b.commit();
    const Model copy(b.model.createWorkingCopy());
    {
        QUILL::Transaction tx(copy);
        Block(a.asDeviant(copy)).setPosition({50, 50});
        tx.commit();
    }
    EXPECT_NE(ModelFileWriter::toText(copy).find("\"position\": [50, 50]"), std::string::npos);
    EXPECT_NE(ModelFileWriter::toText(b.model).find("\"position\": [0, 0]"), std::string::npos);
}
