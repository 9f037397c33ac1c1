#include "DemoInstallation.h"

#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>

#include "TempDir.h"
#include "TestWorld.h"
#include "demo/DemoGenerator.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"

namespace kw::test {

const std::filesystem::path& SmallDemoInstallation(unsigned seed) {
    static std::mutex guard;
    static std::map<unsigned, std::unique_ptr<TempDir>> folders;
    const std::lock_guard lock(guard);
    auto& folder = folders[seed];
    if (!folder) {
        auto made = std::make_unique<TempDir>();
        CSilentProgress progress;
        const demo::SDemoResult result =
            demo::GenerateDemoInstallation(made->Path(), demo::EDemoScale::kSmall, seed, progress);
        if (!result.ok) {
            throw std::runtime_error("demo installation: " + result.message);
        }
        folder = std::move(made);
    }
    return folder->Path();
}

std::filesystem::path SmallDemoDatabase() {
    return SmallDemoInstallation() / "database";
}

std::unique_ptr<CWorld> LoadSmallDemo(unsigned seed) {
    const std::filesystem::path& install = SmallDemoInstallation(seed);
    auto world = std::make_unique<CWorld>(install);
    world->InitialiseCountries();
    CSilentProgress progress;
    if (!world->Load(install / "database", progress)) {
        throw std::runtime_error("demo database not loaded");
    }
    return world;
}

std::unique_ptr<CWorld> SaveAndReload(CWorld& world, const std::filesystem::path& folder) {
    CSilentProgress progress;
    CScriptedUserInterface ui;
    world.SetDirectory(folder);
    if (!world.Save(progress, ui)) {
        throw std::runtime_error("the world was not saved");
    }
    auto reloaded = std::make_unique<CWorld>(world.InstallDirectory());
    reloaded->InitialiseCountries();
    reloaded->Load(folder, progress, ui);
    return reloaded;
}

}  // namespace kw::test
