#pragma once

#include <filesystem>

namespace kw::test {

// The folder of the hand-made country files. Only this library's one object knows the checkout's
// path, so every test object compiles alike in any checkout and the compiler cache serves them.
std::filesystem::path CountriesData();

}  // namespace kw::test
