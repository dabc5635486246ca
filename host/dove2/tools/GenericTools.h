#pragma once

namespace DOVE2 {

class Editor;

// Gives `editor` the framework's generic tools, for diagrams of any domain:
//  1. registers a tool constructor (ROOK2::ToolConstructor on the editor) for each, under its
//     default role: DeleteTool (DeleteTool's role), MoveTool (ROOK2::MoveTool's role),
//     ResizeBehavior with live preview (ROOK2::ResizeBehavior's role), EdgeCreationTool
//     (EdgeCreationTool's role), SelectionTool (ROOK2::SelectionTool's role);
//  2. makes the selection, edge-creation and delete tools at once, in this order, so the
//     selection tool lies at the bottom of the tool stack. The move and resize tools are made
//     when a gesture asks for their roles.
// A tool that cannot be made is an internal assertion failure (": tool,"). The editor keeps
// the constructors and tools; it must outlive neither (it clears its tool stack when it goes).
void installGenericTools(Editor& editor);

// Step 1 of installGenericTools alone: the constructors, no tool made.
void addGenericToolConstructors(Editor& editor);

}  // namespace DOVE2
