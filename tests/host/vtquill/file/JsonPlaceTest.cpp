#include <gtest/gtest.h>

#include "vtquill/file/JsonPlace.h"

using VTQUILL::File::JsonPlace;

TEST(JsonPlaceTest, APlaceSpellsItsPathFromTheDocumentRoot) {
    const JsonPlace root;
    const JsonPlace diagrams = root.field("diagrams");
    const JsonPlace first = diagrams.item(0);
    const JsonPlace blocks = first.field("blocks");
    const JsonPlace block = blocks.item(3);
    EXPECT_EQ(block.field("ports").item(1).field("kind").toString(),
              "diagrams[0].blocks[3].ports[1].kind");
}

TEST(JsonPlaceTest, TheDocumentItselfAndItsTopLevelFieldsHaveShortNames) {
    const JsonPlace root;
    EXPECT_EQ(root.toString(), "");
    EXPECT_EQ(root.field("version").toString(), "version");
    EXPECT_EQ(root.item(2).toString(), "[2]");
}
