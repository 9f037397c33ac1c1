#include "DemoInstallations.h"

#include <cstdlib>
#include <map>
#include <string>
#include <system_error>

#include "model/Country.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw::bench {

namespace fs = std::filesystem;

namespace {

class CInstallations {
public:
    CInstallations() = default;
    CInstallations(const CInstallations&) = delete;
    CInstallations& operator=(const CInstallations&) = delete;
    ~CInstallations() {
        for (const auto& [scale, folder] : m_folders) {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        }
    }

    const fs::path& Get(demo::EDemoScale scale) {
        auto found = m_folders.find(scale);
        if (found == m_folders.end()) {
            CSilentProgress progress;
            const fs::path folder = MakeTempFolder();
            demo::GenerateDemoInstallation(folder, scale, 1, progress);
            found = m_folders.emplace(scale, folder).first;
        }
        return found->second;
    }

private:
    std::map<demo::EDemoScale, fs::path> m_folders;
};

}  // namespace

fs::path MakeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "kwbench-XXXXXX").string();
    return mkdtemp(pattern.data());
}

const fs::path& DemoInstallation(demo::EDemoScale scale) {
    static CInstallations installations;
    return installations.Get(scale);
}

std::unique_ptr<CWorld> LoadDemoWorld(demo::EDemoScale scale) {
    const fs::path& installation = DemoInstallation(scale);
    auto world = std::make_unique<CWorld>(installation);
    world->InitialiseCountries();
    CSilentProgress progress;
    world->Load(installation / "database", progress);
    return world;
}

int LargestCountry(const CWorld& world) {
    int largest = 1;
    for (int number = 1; number <= kCountryCount; ++number) {
        if (world.Country(number).ClubCount() > world.Country(largest).ClubCount()) {
            largest = number;
        }
    }
    return largest;
}

}  // namespace kw::bench
