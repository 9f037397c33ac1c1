#pragma once

#include <filesystem>
#include <memory>

namespace kw {
class CWorld;
}

namespace kw::test {

// The small demo installation (seed 1), generated on first use into a temporary folder that
// lives until the test program ends. Fails the calling test (throws) when it cannot be made.
const std::filesystem::path& SmallDemoInstallation();
// Its default database folder.
std::filesystem::path SmallDemoDatabase();
// Its database loaded into a world of its own. Throws when it cannot be read.
std::unique_ptr<CWorld> LoadSmallDemo();
// The world saved into `folder` (which becomes its folder) and loaded from there anew, as another
// program would read it: clubs renumbered, the players without club under new ids.
std::unique_ptr<CWorld> SaveAndReload(CWorld& world, const std::filesystem::path& folder);

}  // namespace kw::test
