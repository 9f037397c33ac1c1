// Where the editor keeps the demo installation it shows when no game installation is at hand.
#pragma once

#include <filesystem>
#include <optional>

#include "demo/DemoGenerator.h"

namespace kw {
class IProgress;
}

namespace kw::demo {

// "<data home>/kwedit/demo", the data home being $XDG_DATA_HOME, else ~/.local/share. Nothing
// when neither is known, or when KW06_NO_DEMO is set (runs that want an empty folder to stay
// empty).
std::optional<std::filesystem::path> DemoInstallationDirectory();

// The folder holds a game installation: its countries list.
bool HoldsInstallation(const std::filesystem::path& folder);

// The demo installation (full scale, seed 1) at `folder`, generated when it is not there yet.
// It is written into a folder beside it that takes its name only when complete, so an
// interrupted first start leaves nothing half-made behind.
SDemoResult EnsureDemoInstallation(const std::filesystem::path& folder, IProgress& progress);

}  // namespace kw::demo
