// The demo installation: a complete, invented game installation with its default database,
// generated on demand for the editor, the tests and the benchmarks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "demo/DemoPlan.h"

namespace kw {
class IProgress;
}

namespace kw::demo {

struct SDemoResult {
    bool ok = false;
    // What failed, for the user; empty on success.
    std::string message;
    int clubs = 0;
    int persons = 0;
};

// Writes the installation into `out` (created when missing): the text tables, name lists,
// countries list and stadium list, the cup formats, international structures and league
// scripts, the badges and a few city pictures, the default database "database/" saved
// through the model, and the other game's lists of the mapping tools ("database/rakel"). The same
// scale and seed give the same bytes.
SDemoResult GenerateDemoInstallation(const std::filesystem::path& out, EDemoScale scale,
                                     std::uint32_t seed, IProgress& progress);

}  // namespace kw::demo
