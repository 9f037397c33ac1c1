// The editors a finding of the validation report opens, as the main window opens them.
#pragma once

#include <filesystem>

#include "tools/ValidationFinding.h"

class QWidget;

namespace kw {

class CDatabaseDocument;
class CInstallationData;
class CRenderManager;

struct SValidationEditors {
    const CInstallationData& installation;
    CRenderManager* renderer = nullptr;
    std::filesystem::path installDirectory;
    std::filesystem::path cityDirectory;
    bool languageSelection = false;

    // Runs the target's editor until it is closed; false for a target without one.
    bool Open(CDatabaseDocument& document, const SFindingTarget& target, QWidget* parent) const;
};

}  // namespace kw
