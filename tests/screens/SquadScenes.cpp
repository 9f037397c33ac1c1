#include "SceneList.h"

#include <QListWidget>

#include <stdexcept>

#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgPlayerSelect.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "gui/editors/DlgSelectClub.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw::screens {

namespace {

constexpr int kSceneCountry = 14;

// The club of the first division of the scene country with the most persons.
std::uint32_t LargestFirstDivisionClub(const CWorld& world) {
    const CDBCompetition* league =
        world.Competition(MakeCompetitionId(kSceneCountry, kLeagueType, 0));
    std::uint32_t largest = 0;
    std::size_t most = 0;
    for (const auto& entry : world.Country(kSceneCountry).Clubs()) {
        if (league != nullptr && league->PositionOfTeam(entry.first) >= 0 &&
            entry.second->PersonIds().size() > most) {
            most = entry.second->PersonIds().size();
            largest = entry.first;
        }
    }
    if (largest == 0) {
        throw std::runtime_error("no first-division club");
    }
    return largest;
}

}  // namespace

std::unique_ptr<CShownScene> SquadScene(EDemo demo, CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext(demo));
    auto dialog = std::make_unique<CDlgPlayerlistClub>(
        scene->Document(), LargestFirstDivisionClub(scene->Document().World()),
        scene->Installation(), &context.Renderer(), scene->App().installDirectory);
    dialog->resize(1000, 620);
    scene->Show(std::move(dialog));
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgSelectClub(CSceneContext& context) {
    const CClub& club = context.DemoClub();
    auto dialog =
        std::make_unique<CDlgSelectClub>(context.World(), kDefaultLanguage, club.Country());
    SelectRowOf(dialog->Clubs(), club.Id() | kSecondTeamFlag);
    dialog->resize(560, 420);
    return Shown(std::move(dialog));
}

std::unique_ptr<CShownScene> ShowDlgPlayerSelect(CSceneContext& context) {
    const CClub& club = context.DemoClub();
    auto dialog =
        std::make_unique<CDlgPlayerSelect>(context.World(), kDefaultLanguage, club.Country());
    SelectRowOf(dialog->Clubs(), club.Id());
    dialog->Players().setCurrentRow(0);
    dialog->resize(900, 420);
    return Shown(std::move(dialog));
}

}  // namespace kw::screens
