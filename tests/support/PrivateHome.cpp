#include "PrivateHome.h"

#include <cstdlib>
#include <utility>

namespace kw::test {

void UsePrivateHome(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    const std::pair<const char*, const char*> locations[] = {{"HOME", "home"},
                                                             {"XDG_CONFIG_HOME", "config"},
                                                             {"XDG_CONFIG_DIRS", "etc"},
                                                             {"XDG_DATA_HOME", "data"},
                                                             {"XDG_CACHE_HOME", "cache"},
                                                             {"XDG_RUNTIME_DIR", "runtime"},
                                                             {"XDG_DOCUMENTS_DIR", "Documents"}};
    for (const auto& [variable, name] : locations) {
        fs::create_directories(root / name);
        setenv(variable, (root / name).c_str(), 1);
    }
    // Qt refuses a runtime folder others may read.
    fs::permissions(root / "runtime", fs::perms::owner_all);
}

}  // namespace kw::test
