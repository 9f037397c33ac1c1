#pragma once

#include <filesystem>

namespace kw::test {

// Points HOME and the XDG folders at new folders below `root`, so that a test program neither
// reads the user's settings nor writes into the real home, and two runs at once share nothing.
void UsePrivateHome(const std::filesystem::path& root);

}  // namespace kw::test
