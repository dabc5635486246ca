#pragma once

#include "parr/Holder.h"
#include "parr/MimeData2.h"

namespace HARBOR {

// The studio clipboard shared by all studios of the process. When a QGuiApplication exists
// and the caller runs on its thread, the data lives on the system clipboard (QClipboard), one
// MIME format per item, so other processes of the studio can paste it; otherwise it lives in
// an in-process clipboard. Each keeps its own content.
//
// What is put on the clipboard is a snapshot: later changes to the data handed in do not
// reach it, and a snapshot read back is never changed (a new set makes a new one). Only items
// whose keys are registered in PARR::MimeRegistry with a type that accepts them are kept.
// Thread-safe for the in-process clipboard; the system clipboard is used only from the
// application's thread.
class StudioClipboard {
public:
    StudioClipboard() = delete;

    // Puts the items of `data` on the clipboard. With `merge` false they replace what was
    // there; with `merge` true the items already there under other keys stay (an item under a
    // key of `data` is replaced).
    static void setMimeData(const PARR::MimeData2& data, bool merge);
    // The data on the clipboard, or a null Holder when it holds none of the studio's items.
    static PARR::Holder<const PARR::MimeData2> mimeData();
    // Empties the clipboard.
    static void clear();
    // True when the calls above use the system clipboard (see the class comment).
    static bool usesSystemClipboard();
};

}  // namespace HARBOR
