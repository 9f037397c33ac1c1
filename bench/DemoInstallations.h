#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "demo/DemoGenerator.h"

namespace kw {
class CWorld;
}

namespace kw::bench {

// A new, empty folder below the system's temporary folder; the caller removes it.
std::filesystem::path MakeTempFolder();

// The demo installation of `scale`, generated on first use into a temporary folder that is
// removed when the program ends, so all benchmarks of one run share it.
const std::filesystem::path& DemoInstallation(demo::EDemoScale scale);

// A world with the default database of that installation loaded.
std::unique_ptr<CWorld> LoadDemoWorld(demo::EDemoScale scale);

// The country with the most clubs: the longest player list and the dearest copy an edit of one
// country makes.
int LargestCountry(const CWorld& world);

// The scales as benchmark arguments.
inline constexpr auto kFull = static_cast<std::int64_t>(demo::EDemoScale::kFull);
inline constexpr auto kHuge = static_cast<std::int64_t>(demo::EDemoScale::kHuge);

}  // namespace kw::bench
