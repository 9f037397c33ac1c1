#include "SceneList.h"

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "document/DatabaseDocument.h"
#include "gui/editors/DlgFastTransfer.h"
#include "gui/editors/DlgPlayerWithoutClub.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

// Players released from the clubs of country 14 when the full demo has fewer without club.
constexpr int kWithoutClubShown = 14;

}  // namespace

// Players without club on the full demo, a few released first.
std::unique_ptr<CShownScene> ShowDlgPlayerWithoutClub(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewFullAppContext());
    scene->Document().Perform("scene", SWorldScope::Everything(), [](CWorld& world) {
        for (const auto& entry : world.Country(kDefaultCountry).Clubs()) {
            CClub& club = *entry.second;
            if (club.IsNationalTeam() || world.WithoutClub().Count() >= kWithoutClubShown) {
                continue;
            }
            const std::vector<CPlayer*> players = club.FirstTeam();
            if (!players.empty()) {
                RemovePersonFromClub(world, club, players.back()->Id(),
                                     EPersonRemoval::kWithoutClub);
            }
        }
        return true;
    });
    auto dialog = std::make_unique<CDlgPlayerWithoutClub>(scene->Document(), kDefaultCountry);
    QTreeWidget& list = dialog->List();
    if (list.topLevelItemCount() > 3) {
        list.setCurrentItem(list.topLevelItem(1));
        list.topLevelItem(3)->setSelected(true);
    }
    scene->Show(std::move(dialog));
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgFastTransfer(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewFullAppContext());
    auto dialog = std::make_unique<CDlgFastTransfer>(scene->Document(), kDefaultCountry);
    QTreeWidget& players = dialog->Players();
    if (players.topLevelItemCount() > 4) {
        players.setCurrentItem(players.topLevelItem(4));
    }
    QListWidget& countries = dialog->TargetCountries();
    for (int row = 0; row < countries.count(); ++row) {
        if (countries.item(row)->data(Qt::UserRole).toInt() != kDefaultCountry) {
            countries.setCurrentRow(row);
            break;
        }
    }
    if (dialog->TargetClubs().count() > 2) {
        dialog->TargetClubs().setCurrentRow(2);
    }
    scene->Show(std::move(dialog));
    return scene;
}

}  // namespace kw::screens
