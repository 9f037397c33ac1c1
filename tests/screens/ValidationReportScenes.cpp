#include "SceneList.h"

#include <stdexcept>

#include "competition/League.h"
#include "document/DatabaseDocument.h"
#include "gui/mainwindow/DlgValidationReport.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"

namespace kw::screens {

namespace {

constexpr int kGermany = 14;
constexpr int kEngland = 50;

// The faults the scene shows, made outside the history as a damaged database would bring them.
void MakeFaults(CWorld& world) {
    for (const auto& [id, club] : world.Country(kGermany).Clubs()) {
        if (club->IsNationalTeam()) {
            continue;
        }
        int presidents = 0;
        for (const std::uint32_t person : club->PersonIds()) {
            CPlayer& player = *world.Person(person);
            if (presidents < 2 && player.Kind() == 0 && player.TeamFlag() == 0) {
                player.SetKind(3);
                ++presidents;
            }
        }
        break;
    }
    for (const auto& [id, club] : world.Country(kEngland).Clubs()) {
        if (!club->IsNationalTeam()) {
            club->SetBadgePath("England\\Badge256\\gone.tga");
            break;
        }
    }
    if (auto* league = dynamic_cast<CDBLeague*>(
            world.Competition(MakeCompetitionId(kGermany, kLeagueType, 1)))) {
        league->Fixtures().SetPairing(0, 0, 0, 0);
    }
    if (auto* league = dynamic_cast<CDBLeagueBase*>(
            world.Competition(MakeCompetitionId(kEngland, kLeagueType, 1)))) {
        league->SetLeagueSize(league->LeagueSize() + 2);
    }
}

}  // namespace

std::unique_ptr<CShownScene> ShowDlgValidationReport(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext());
    CDatabaseDocument& document = scene->Document();
    MakeFaults(document.WorldForOperations());
    CInstallationData& installation = scene->Installation();
    auto dialog = std::make_unique<CDlgValidationReport>(
        document, &installation.Tools(),
        SValidationEditors{installation, nullptr, scene->App().installDirectory,
                           scene->App().cityDirectory, false});
    dialog->resize(820, 560);
    const CDlgValidationReport& shown = *dialog;
    scene->Show(std::move(dialog), [&shown] { return !shown.IsRunning(); });
    return scene;
}

}  // namespace kw::screens
