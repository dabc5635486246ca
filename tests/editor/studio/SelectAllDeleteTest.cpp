// Select All, then Delete, on whole diagrams, through the block-diagram editor the studio opens:
// every element of the diagram is selected (blocks, annotations and the segments of every
// line), nothing of the diagram is left after the delete, and one undo brings back a model
// whose saved text is the text saved before the delete, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "dove2/tools/DeleteTool.h"
#include "support/ModuleEditor.h"
#include "support/ProjectRoot.h"
#include "support/QtTestApplication.h"
#include "vtquill/InitializeDatamodel.h"
#include "vtquill/VTQuill.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"
#include "vtquill/file/ModelGenerator.h"

namespace {

using TestSupport::ModuleEditor;

// A root model owned by the test, closed when it goes (after the editor showing it).
class OwnedModel {
public:
    explicit OwnedModel(VTQUILL::Model model) : model_(std::move(model)) {}
    ~OwnedModel() {
        if (model_.isValid())
            model_.close();
    }
    OwnedModel(const OwnedModel&) = delete;
    OwnedModel& operator=(const OwnedModel&) = delete;

    const VTQUILL::Model& get() const { return model_; }

private:
    VTQUILL::Model model_;
};

VTQUILL::Model loadExample(const std::string& fileName) {
    const std::string path = (TestSupport::projectRoot() / "examples" / fileName).string();
    VTQUILL::File::ModelFileReader::Result loaded = VTQUILL::File::ModelFileReader().load(path);
    if (!loaded.ok())
        ADD_FAILURE() << "cannot load " << path << ": " << loaded.error->message();
    return loaded.model;
}

// What a click can select of each element of `diagram`, read from the model: every block and
// annotation, and every segment of every line. Sorted ids.
std::vector<QUILL::ObjectId> everythingSelectableIn(const VTQUILL::Diagram& diagram) {
    std::vector<QUILL::ObjectId> ids;
    for (const VTQUILL::Block& block : diagram.getBlocks())
        ids.push_back(block.getObjectId());
    for (const VTQUILL::Annotation& annotation : diagram.getAnnotations())
        ids.push_back(annotation.getObjectId());
    for (const VTQUILL::Line& line : diagram.getLines()) {
        for (const VTQUILL::Segment& segment : line.getSegments())
            ids.push_back(segment.getObjectId());
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

class SelectAllDeleteTest : public ::testing::Test {
protected:
    SelectAllDeleteTest() {
        TestSupport::qtApplication();
        initialize_vt_datamodel();
    }

    // Select All, Delete and Undo in an editor of the first diagram of `model`, checking each
    // step; then Redo, which empties the diagram again.
    static void selectAllDeleteAndUndo(const VTQUILL::Model& model) {
        const VTQUILL::Diagram diagram = model.getDiagrams().front();
        ModuleEditor view(diagram);
        const std::string saved = VTQUILL::File::ModelFileWriter::toText(model);
        const std::size_t glyphs = view.graphics().glyphCount();
        const std::vector<QUILL::ObjectId> everything = everythingSelectableIn(diagram);
        ASSERT_GT(everything.size(), diagram.getBlocks().size()) << "the diagram has lines";

        view.editor().selectAll();
        std::vector<QUILL::ObjectId> selected = view.selectedIds();
        std::sort(selected.begin(), selected.end());
        EXPECT_EQ(selected, everything);

        view.key(DOVE2::DeleteTool::kDeleteKey);
        EXPECT_TRUE(diagram.getContained().empty()) << "blocks, lines and annotations all go";
        EXPECT_EQ(view.graphics().glyphCount(), 0u) << "no glyph is left on the canvas";
        EXPECT_TRUE(view.editor().getSelection().empty());
        EXPECT_EQ(view.editor().undoText(), "Delete");

        view.editor().undo();
        EXPECT_EQ(VTQUILL::File::ModelFileWriter::toText(model), saved);
        EXPECT_EQ(view.graphics().glyphCount(), glyphs);

        view.editor().redo();
        EXPECT_TRUE(diagram.getContained().empty());
        EXPECT_EQ(view.graphics().glyphCount(), 0u);
    }
};

TEST_F(SelectAllDeleteTest, EmptiesTheBundledPidLoopAndUndoBringsBackTheSameFileText) {
    const OwnedModel model(loadExample("pid_loop.vtm"));
    ASSERT_TRUE(model.get().isValid());
    selectAllDeleteAndUndo(model.get());
}

TEST_F(SelectAllDeleteTest, EmptiesAGeneratedThousandBlockModelAndUndoBringsBackTheSameFileText) {
    // The model `vtmodel generate --blocks 1000 --seed 1 g1000.vtm` saves.
    const OwnedModel model(VTQUILL::File::ModelGenerator::generate("g1000", 1000, 1));
    selectAllDeleteAndUndo(model.get());
}

}  // namespace
