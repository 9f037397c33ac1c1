#include "SceneList.h"

#include <QComboBox>
#include <QListWidget>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "document/DatabaseDocument.h"
#include "gui/editors/DlgPlayerCompare.h"
#include "gui/editors/PlayerCompareSide.h"
#include "gui/editors/PlayerDouble.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"

namespace kw::screens {

namespace {

constexpr int kSceneCountry = 14;
constexpr int kStriker = 17;

struct SStriker {
    std::uint32_t club = 0;
    const CPlayer* player = nullptr;
};

// The first first-team strikers of two clubs of the country.
std::vector<SStriker> TwoStrikers(const CWorld& world) {
    std::vector<SStriker> strikers;
    for (const auto& entry : world.Country(kSceneCountry).Clubs()) {
        for (const CPlayer* player : entry.second->FirstTeam()) {
            if (!entry.second->IsNationalTeam() && player->MainPosition() == kStriker) {
                strikers.push_back({entry.first, player});
                break;
            }
        }
        if (strikers.size() == 2) {
            return strikers;
        }
    }
    throw std::runtime_error("no two strikers in the scene country");
}

void Choose(CPlayerCompareSide& side, const SStriker& striker) {
    side.Clubs().setCurrentIndex(side.Clubs().findData(striker.club));
    SelectRowOf(side.Players(), striker.player->Id());
}

}  // namespace

// The duplicates of the whole full demo database.
std::unique_ptr<CShownScene> ShowPlayerDouble(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewFullAppContext());
    auto dialog =
        std::make_unique<CPlayerDouble>(scene->Document().World(), kDefaultLanguage, 0, 0);
    dialog->resize(1180, 620);
    scene->Show(std::move(dialog));
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgPlayerCompare(CSceneContext& context) {
    const CWorld& world = context.World();
    const std::vector<SStriker> strikers = TwoStrikers(world);
    auto dialog = std::make_unique<CDlgPlayerCompare>(world, kDefaultLanguage, kSceneCountry);
    Choose(dialog->Left(), strikers[0]);
    Choose(dialog->Right(), strikers[1]);
    return Shown(std::move(dialog));
}

}  // namespace kw::screens
