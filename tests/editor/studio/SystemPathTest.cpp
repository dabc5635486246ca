#include "studio/SystemPath.h"

#include <gtest/gtest.h>

#include <list>
#include <string>

using Vantor::LeafName;
using Vantor::ParentPath;
using Vantor::RootName;
using Vantor::vt_name;
using Vantor::vt_tokens;

namespace {

// One system path with the three parts vt_name cuts from it and the names vt_tokens finds.
struct PathRow {
    std::string path;
    std::string leaf;
    std::string parent;
    std::string root;
    std::list<std::string> tokens;
};

void PrintTo(const PathRow& row, std::ostream* out) {
    *out << '"' << row.path << '"';
}

class SystemPathTest : public ::testing::TestWithParam<PathRow> {};

TEST_P(SystemPathTest, NamesAreCutAtUnescapedSlashesOnly) {
    const PathRow& row = GetParam();
    EXPECT_EQ(vt_name(row.path, LeafName), row.leaf);
    EXPECT_EQ(vt_name(row.path, ParentPath), row.parent);
    EXPECT_EQ(vt_name(row.path, RootName), row.root);
    EXPECT_EQ(vt_tokens(row.path), row.tokens);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SystemPathTest,
    ::testing::Values(
        // A model name has no separator: every part is the whole path.
        PathRow{"m", "m", "m", "m", {"m"}}, PathRow{"m/a/b", "b", "m/a", "m", {"m", "a", "b"}},
        // A doubled slash is a slash inside a name and stays doubled.
        PathRow{"m/a//b", "a//b", "m", "m", {"m", "a//b"}},
        PathRow{"m//x/a", "a", "m//x", "m//x", {"m//x", "a"}},
        // An escaped slash followed by a separator: "a/" is one name, "b" the next.
        PathRow{"m/a///b", "b", "m/a//", "m", {"m", "a//", "b"}},
        // A trailing separator adds no name; a leading one gives an empty first name.
        PathRow{"m/a//b/c/", "", "m/a//b/c", "m", {"m", "a//b", "c"}},
        PathRow{"/m", "m", "", "", {"", "m"}}));

}  // namespace
