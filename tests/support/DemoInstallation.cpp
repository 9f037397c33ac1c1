#include "DemoInstallation.h"

#include <memory>
#include <stdexcept>

#include "TempDir.h"
#include "TestWorld.h"
#include "demo/DemoGenerator.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"

namespace kw::test {

const std::filesystem::path& SmallDemoInstallation() {
    static const std::unique_ptr<TempDir> folder = [] {
        auto made = std::make_unique<TempDir>();
        CSilentProgress progress;
        const demo::SDemoResult result =
            demo::GenerateDemoInstallation(made->Path(), demo::EDemoScale::kSmall, 1, progress);
        if (!result.ok) {
            throw std::runtime_error("demo installation: " + result.message);
        }
        return made;
    }();
    return folder->Path();
}

std::filesystem::path SmallDemoDatabase() {
    return SmallDemoInstallation() / "database";
}

std::unique_ptr<CWorld> LoadSmallDemo() {
    auto world = std::make_unique<CWorld>(SmallDemoInstallation());
    world->InitialiseCountries();
    CSilentProgress progress;
    if (!world->Load(SmallDemoDatabase(), progress)) {
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
