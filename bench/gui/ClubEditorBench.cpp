#include <benchmark/benchmark.h>

#include <memory>

#include "DemoInstallations.h"
#include "app/AppContext.h"
#include "app/InstallationData.h"
#include "document/DatabaseDocument.h"
#include "gui/controls/MyTabCtrl.h"
#include "gui/editors/club/DlgClubParent.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw::bench {

namespace {

// The club with the most persons in the whole world.
std::uint32_t LargestClub(const CWorld& world) {
    std::uint32_t largest = 0;
    std::size_t most = 0;
    for (int country = 1; country <= 206; ++country) {
        for (const auto& entry : world.Country(country).Clubs()) {
            if (entry.second->PersonIds().size() > most) {
                most = entry.second->PersonIds().size();
                largest = entry.first;
            }
        }
    }
    return largest;
}

// Opening the club editor on the largest club of the full demo and entering every page: what
// the user waits for between the click and a dialog that answers.
void BM_OpenClubEditor(benchmark::State& state) {
    CDatabaseDocument document(LoadDemoWorld(demo::EDemoScale::kFull));
    SAppContext context;
    SetUpDirectories(context, DemoInstallation(demo::EDemoScale::kFull));
    CInstallationData installation;
    installation.Load(context);
    const std::uint32_t club = LargestClub(document.World());
    const CClub& record = *document.World().Country(ClubCountry(club)).Club(club);
    for (auto _ : state) {
        CDlgClubParent dialog(document, record, installation, nullptr, context.cityDirectory,
                              SClubEditorOptions{});
        for (int page = 0; page < dialog.Tabs().count(); ++page) {
            dialog.Tabs().setCurrentIndex(page);
        }
        benchmark::DoNotOptimize(dialog.WorkingCopy().Id());
    }
    state.counters["persons"] = static_cast<double>(record.PersonIds().size());
}
BENCHMARK(BM_OpenClubEditor)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace kw::bench
