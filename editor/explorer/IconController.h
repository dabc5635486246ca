#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/explorer/GetIconBase.h"

namespace Vantor {

// The model explorer's icons of block-diagram objects: one node per class (block, line,
// port, segment, annotation, diagram) with the module's own icon files, and a default node
// ("VT:Unknown", VantorModelIcon.png) for every other class. A state-chart block takes its
// icon from the state-chart domain ("CXDomain") when one is registered. Icon paths are files
// of the installation's resources folder joined with the platform's separator.
//
// One dispatch table for all controllers, built on first use and kept for the process.
// Handed out by VTDomain::getIconController. User-interface thread only.
class VANTOR_EXPORT IconController : public DOVE2::GetIconBase {
public:
    IconController();
    ~IconController() override;

    void initializeDispatch() override;
    // Made once; the reference stays valid for the process.
    const DOVE2::IconNode& getDefaultIconNode() const override;
    void fillIconNodes(IconMap& nodes) const override;

    // The path of the icon file `file` in the installation's resources folder.
    static std::string iconPath(const std::string& file);
    static const Table& dispatchTable();
};

}  // namespace Vantor
