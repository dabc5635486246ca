#include "vtquill/file/DocumentValidator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "ModelFileTestSupport.h"
#include "vtquill/file/DocumentDecoder.h"
#include "vtquill/file/ModelFileError.h"

using namespace VTQuillFileTest;
using namespace VTQUILL::File;

namespace {

// The error validating `doc` throws: "place: problem", or "" when it passes.
std::string validationError(ModelDocument doc) {
    try {
        DocumentValidator([](const std::string&) { return true; }).validate(doc);
    } catch (const ModelFileError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

// JSON cannot spell NaN or infinity, but a document can hold them: the validator is what
// keeps them out of a model.
TEST(DocumentValidatorTest, NaNAndInfinitiesAreRefusedNamingTheField) {
    const ModelDocument valid =
        DocumentDecoder::decode(readFile(malformedPath("valid_minimal.vtm")));
    ASSERT_EQ(validationError(valid), "");
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const std::pair<std::function<void(DocDiagram&)>, std::string> damages[] = {
        {[&](DocDiagram& d) { d.blocks[0].position.x = kNaN; },
         "diagrams[0].blocks[0].position: coordinates, sizes and orientations must be finite "
         "numbers within -1e9 to 1e9; found NaN"},
        {[&](DocDiagram& d) { d.blocks[1].size.y = kInfinity; },
         "diagrams[0].blocks[1].size: coordinates, sizes and orientations must be finite "
         "numbers within -1e9 to 1e9; found infinity"},
        {[&](DocDiagram& d) { d.blocks[1].ports[0].orientation = -kInfinity; },
         "diagrams[0].blocks[1].ports[0].orientation: coordinates, sizes and orientations must "
         "be finite numbers within -1e9 to 1e9; found -infinity"},
        {[&](DocDiagram& d) {
             d.annotations.push_back({FileId{"99"}, "note", {0, kNaN}, false});
         },
         "diagrams[0].annotations[0].position: coordinates, sizes and orientations must be "
         "finite numbers within -1e9 to 1e9; found NaN"},
        {[&](DocDiagram& d) {
             d.blocks[1].position = {-1e9, 1e9};
         },
         ""},
    };
    for (const auto& [damage, expected] : damages) {
        ModelDocument doc = valid;
        damage(doc.diagrams[0]);
        EXPECT_EQ(validationError(doc), expected);
    }
}
