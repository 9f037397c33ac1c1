#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>

#include "DemoInstallations.h"
#include "app/AppContext.h"
#include "app/InstallationData.h"
#include "document/DatabaseDocument.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgPlayerList.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw::bench {

namespace {

// The club (no national team) with the most persons in the whole world.
std::uint32_t LargestSquad(const CWorld& world) {
    std::uint32_t largest = 0;
    std::size_t most = 0;
    for (int country = 1; country <= 206; ++country) {
        for (const auto& entry : world.Country(country).Clubs()) {
            if (!entry.second->IsNationalTeam() && entry.second->PersonIds().size() > most) {
                most = entry.second->PersonIds().size();
                largest = entry.first;
            }
        }
    }
    return largest;
}

struct SSquadBench {
    SSquadBench() : document(LoadDemoWorld(demo::EDemoScale::kFull)) {
        SetUpDirectories(context, DemoInstallation(demo::EDemoScale::kFull));
        installation.Load(context);
        club = LargestSquad(document.World());
    }
    double Persons() const {
        return static_cast<double>(
            document.World().Country(ClubCountry(club)).Club(club)->PersonIds().size());
    }

    CDatabaseDocument document;
    SAppContext context;
    CInstallationData installation;
    std::uint32_t club = 0;
};

// Opening the squad dialog on the largest club of the full demo until it is shown and answers.
void BM_OpenSquadDialog(benchmark::State& state) {
    SSquadBench bench;
    for (auto _ : state) {
        CDlgPlayerlistClub dialog(bench.document, bench.club, bench.installation, nullptr,
                                  bench.context.installDirectory);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.CurrentPerson());
    }
    state.counters["persons"] = bench.Persons();
}
BENCHMARK(BM_OpenSquadDialog)->Unit(benchmark::kMillisecond);

// Choosing the next player in the first team's list: the shown page is stored, the pages load
// the new player.
void BM_SquadSelectPlayer(benchmark::State& state) {
    SSquadBench bench;
    CDlgPlayerlistClub dialog(bench.document, bench.club, bench.installation, nullptr,
                              bench.context.installDirectory);
    dialog.show();
    QApplication::processEvents();
    CMyListBox& list = dialog.List(false).List();
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % list.count();
        list.setCurrentRow(row);
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.CurrentPerson());
    }
    state.counters["players"] = static_cast<double>(list.count());
}
BENCHMARK(BM_SquadSelectPlayer)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace kw::bench
