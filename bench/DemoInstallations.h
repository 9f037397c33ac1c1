#pragma once

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

}  // namespace kw::bench
