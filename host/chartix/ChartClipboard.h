#pragma once

#include <vector>

#include "chartix/ChartContent.h"
#include "vtquill/VTQuill.h"

namespace CHARTIX {

// Carries charts through copy and paste: the engine's scrap diagram copies blocks but not the
// charts the state-chart side keeps for chart blocks. A copy remembers the charts of the
// copied chart blocks, in order; a paste gives the pasted chart blocks, in the same order,
// charts of their own with that content. Process-wide, like the scrap diagram.
// User-interface thread only.
class ChartClipboard {
public:
    ChartClipboard() = delete;

    // Remembers the charts of the chart blocks among `copied` (other blocks are skipped; a
    // chart block whose chart was never made counts as an empty chart). Replaces what an
    // earlier copy remembered.
    static void copy(const std::vector<VTQUILL::ImmutableBlock>& copied);
    // Gives the i-th chart block among `pasted` a new chart holding the i-th remembered
    // chart, named after the block; chart blocks beyond what was remembered keep theirs.
    static void paste(const std::vector<VTQUILL::ImmutableBlock>& pasted);

private:
    static std::vector<ChartContent>& remembered();
};

}  // namespace CHARTIX
