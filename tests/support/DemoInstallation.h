#pragma once

#include <filesystem>

namespace kw::test {

// The small demo installation (seed 1), generated on first use into a temporary folder that
// lives until the test program ends. Fails the calling test (throws) when it cannot be made.
const std::filesystem::path& SmallDemoInstallation();
// Its default database folder.
std::filesystem::path SmallDemoDatabase();

}  // namespace kw::test
