#include "studio/ClipboardAdapter.h"

#include "studio/Editor.h"

namespace Vantor {

ClipboardAdapter::ClipboardAdapter(Editor& editor)
    : HARBOR::StudioClipboardAdapter(editor), editor_(editor) {}

ClipboardAdapter::~ClipboardAdapter() = default;

}  // namespace Vantor
