#pragma once

#include <filesystem>
#include <memory>

namespace kw {
class CWorld;
}

namespace kw::test {

// The small demo installation of `seed` (other seeds: the same countries with other clubs,
// persons and stadiums), generated on first use into a temporary folder that lives until the
// test program ends. Fails the calling test (throws) when it cannot be made.
const std::filesystem::path& SmallDemoInstallation(unsigned seed = 1);
// Its default database folder.
std::filesystem::path SmallDemoDatabase();
// Its database loaded into a world of its own. Throws when it cannot be read.
std::unique_ptr<CWorld> LoadSmallDemo(unsigned seed = 1);
// The world saved into `folder` (which becomes its folder) and loaded from there anew, as another
// program would read it: clubs renumbered, the players without club under new ids.
std::unique_ptr<CWorld> SaveAndReload(CWorld& world, const std::filesystem::path& folder);

}  // namespace kw::test
