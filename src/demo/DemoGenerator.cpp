#include "demo/DemoGenerator.h"

#include <system_error>

#include "demo/DemoBadges.h"
#include "demo/DemoCityPictures.h"
#include "demo/DemoPlan.h"
#include "demo/DemoRakelLists.h"
#include "demo/DemoScripts.h"
#include "demo/DemoTables.h"
#include "demo/DemoWorld.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

namespace kw::demo {

namespace {

namespace fs = std::filesystem;

// Nothing is asked while generating; the first error is kept for the result.
class CCollectingUserInterface : public IUserInterface {
public:
    bool AskYesNo(std::string_view) override { return true; }
    ESaveChoice AskSaveChanges(std::string_view) override { return ESaveChoice::kCancel; }
    void ShowInformation(std::string_view) override {}
    void ShowError(std::string_view text) override { Keep(text); }
    void ShowErrorList(std::string_view heading, const std::vector<std::string>&) override {
        Keep(heading);
    }
    const std::string& Error() const { return m_error; }

private:
    void Keep(std::string_view text) {
        if (m_error.empty()) {
            m_error = text;
        }
    }
    std::string m_error;
};

SDemoResult Failure(std::string message) {
    SDemoResult result;
    result.message = std::move(message);
    return result;
}

}  // namespace

SDemoResult GenerateDemoInstallation(const fs::path& out, EDemoScale scale, std::uint32_t seed,
                                     IProgress& progress) {
    std::error_code error;
    fs::create_directories(out / "database", error);
    if (error) {
        return Failure("cannot create " + (out / "database").string() + ": " + error.message());
    }
    const SDemoPlan plan = MakeDemoPlan(scale, seed);
    progress.SetCaption(ResourceString(ids::kDemoCaption));
    progress.SetDescription(ResourceString(ids::kDemoTables));
    const std::vector<std::string> leagueSystems = LeagueSystemNames(plan);
    const SDemoTablesResult tables = WriteDemoTables(out, seed, progress, leagueSystems);
    if (!tables) {
        return Failure("cannot write " + tables.failedFile.string());
    }
    if (!WriteCupFormats(out) || !WriteInternationalStructures(out, plan)) {
        return Failure("cannot write the competition scripts into " + (out / "script").string());
    }

    // The world reads the countries list, the cup formats and the international structures just
    // written, as a load would.
    CWorld world(out);
    if (!world.InitialiseCountries()) {
        return Failure("cannot read the countries list of " + out.string());
    }
    progress.SetDescription(ResourceString(ids::kDemoWorld));
    if (!BuildDemoWorld(world, plan, progress)) {
        return Failure("cancelled");
    }
    // Saved as a load leaves it, so that loading and saving again gives the same files.
    for (int number = 1; number <= kCountryCount; ++number) {
        world.Country(number).AfterLoad();
        world.Country(number).RebuildNumbering();
    }
    progress.SetDescription(ResourceString(ids::kDemoBadges));
    if (!AssignAndWriteDemoBadges(world, out, seed)) {
        return Failure("cannot write the badges into " + (out / "badges").string());
    }
    if (!WriteDemoCityPictures(world, out, seed)) {
        return Failure("cannot write the city pictures into " + (out / "city").string());
    }
    if (!WriteLeagueScripts(out, world, plan)) {
        return Failure("cannot write the league scripts into " + (out / "script").string());
    }
    world.SetDirectory(out / "database");
    CCollectingUserInterface ui;
    if (!world.Save(progress, ui)) {
        return Failure(ui.Error().empty() ? "cannot save the database" : ui.Error());
    }
    if (!WriteDemoRakelLists(world, out)) {
        return Failure("cannot write the mapping lists into " +
                       (out / "database" / "rakel").string());
    }
    SDemoResult result;
    result.ok = true;
    for (int number = 1; number <= kCountryCount; ++number) {
        result.clubs += world.Country(number).ClubCount();
    }
    result.persons = static_cast<int>(world.Persons().size());
    return result;
}

}  // namespace kw::demo
