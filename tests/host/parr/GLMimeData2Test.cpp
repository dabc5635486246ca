#include "parr/GLMimeData2.h"

#include <gtest/gtest.h>

#include "parr/Holder.h"
#include "parr/IntType.h"
#include "parr/MimeRegistry.h"
#include "parr/StringType.h"

namespace PARR {
namespace {

// Keys of this file are registered once for the whole process: the registry never forgets.
const StringID kIntKey("test.glmimedata2.int");
const StringID kTextKey("test.glmimedata2.text");
const StringID kUnknownKey("test.glmimedata2.never-registered");

class GLMimeData2Test : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(MimeRegistry::instance().registerMimeType(kIntKey, IntType::Create()));
        ASSERT_TRUE(MimeRegistry::instance().registerMimeType(kTextKey, StringType::Create()));
    }
    GLMimeData2 data;
    ErrorHolder erh;
};

TEST_F(GLMimeData2Test, StoresAnIntegerUnderAnIntegerKey) {
    EXPECT_TRUE(data.setData(kIntKey, 0, erh));
    EXPECT_FALSE(erh.hasError());
    EXPECT_TRUE(data.hasData(kIntKey));
    EXPECT_EQ(data.getInt(kIntKey), 0);
    EXPECT_EQ(data.getString(kIntKey), std::nullopt);
}

TEST_F(GLMimeData2Test, ReplacesTheItemAndKeepsTheKeysOrder) {
    data.setData(kTextKey, "first");
    data.setData(kIntKey, 1);
    data.setData(kTextKey, "second");
    EXPECT_EQ(data.getString(kTextKey), "second");
    EXPECT_EQ(data.keys(), (GList<StringID>{kTextKey, kIntKey}));
}

TEST_F(GLMimeData2Test, RefusesAKeyThatIsNotRegistered) {
    EXPECT_FALSE(data.setData(kUnknownKey, 5, erh));
    ASSERT_TRUE(erh.hasError());
    EXPECT_EQ(erh.getError()->identifier(), GLMimeData2::kKeyNotRegistered);
    EXPECT_EQ(erh.getError()->arguments(), std::vector<std::string>{kUnknownKey.str()});
    EXPECT_FALSE(data.hasData(kUnknownKey));
    EXPECT_TRUE(data.keys().empty());
}

TEST_F(GLMimeData2Test, RefusesAValueOfTheWrongType) {
    ASSERT_TRUE(data.setData(kIntKey, 7));
    EXPECT_FALSE(data.setData(kIntKey, "seven", erh));
    ASSERT_TRUE(erh.hasError());
    EXPECT_EQ(erh.getError()->identifier(), GLMimeData2::kWrongValueType);
    EXPECT_EQ(erh.getError()->arguments(),
              (std::vector<std::string>{kIntKey.str(), "int", "string"}));
    EXPECT_EQ(data.getInt(kIntKey), 7);
    EXPECT_FALSE(data.setData(kTextKey, 3));
    EXPECT_FALSE(data.hasData(kTextKey));
}

TEST_F(GLMimeData2Test, ReportsMissingItems) {
    EXPECT_FALSE(data.hasData(kIntKey));
    EXPECT_EQ(data.data(kIntKey), nullptr);
    EXPECT_EQ(data.getInt(kIntKey), std::nullopt);
}

TEST_F(GLMimeData2Test, RemovesItems) {
    data.setData(kIntKey, 1);
    EXPECT_TRUE(data.removeData(kIntKey));
    EXPECT_FALSE(data.removeData(kIntKey));
    EXPECT_FALSE(data.hasData(kIntKey));
}

TEST_F(GLMimeData2Test, CanBeSharedThroughAHolderOfTheAbstractBase) {
    Holder<MimeData2> held(new GLMimeData2);
    static_cast<GLMimeData2&>(*held).setData(kIntKey, 42);
    const Holder<MimeData2> copy = held;
    EXPECT_EQ(copy->getInt(kIntKey), 42);
}

}  // namespace
}  // namespace PARR
