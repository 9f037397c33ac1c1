#include "SceneList.h"

#include <QTreeWidget>

#include <functional>
#include <stdexcept>

#include "document/DatabaseDocument.h"
#include "editing/PlayerHistoryRules.h"
#include "gui/controls/ControlText.h"
#include "gui/editors/Dlg5Year.h"
#include "gui/editors/Dlg5YearChange.h"
#include "gui/editors/DlgNationalteam.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "storage/Identifiers.h"

namespace kw::screens {

namespace {

constexpr int kSceneCountry = 14;
constexpr int kFlaggedPlayers = 12;

// Values that give the continent's ranking some order: each country's number spread over the
// six years.
FiveYearValues SceneValues(int country) {
    FiveYearValues values{};
    for (std::size_t year = 0; year < values.size(); ++year) {
        values[year] = static_cast<std::uint16_t>((country * 137 + static_cast<int>(year) * 291) %
                                                  (kMaxFiveYearValue + 1));
    }
    return values;
}

// The demo database in a document of its own, changed by `setUp` as one edit of the document.
std::unique_ptr<CDatabaseScene> ChangedDemo(CSceneContext& context,
                                            const std::function<void(CWorld&)>& setUp) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext());
    scene->Document().Perform("scene", SWorldScope::Everything(), [&setUp](CWorld& world) {
        setUp(world);
        return true;
    });
    return scene;
}

void SetFiveYearValues(CWorld& world) {
    for (int country = 1; country <= kCountryCount; ++country) {
        world.Country(country).Settings().slotValues = SceneValues(country);
    }
}

// The first players of the country's own nationality in its clubs get the national-team flag.
void FlagNationalPlayers(CWorld& world) {
    int flagged = 0;
    for (const auto& entry : world.Country(kSceneCountry).Clubs()) {
        for (const std::uint32_t id : entry.second->PersonIds()) {
            CPlayer* player = world.Person(id);
            if (flagged < kFlaggedPlayers && !entry.second->IsNationalTeam() && player != nullptr &&
                player->IsPlayer() && player->Nationality() == kSceneCountry) {
                player->SetNationalTeamByte(
                    kNationalFlagsByte,
                    player->NationalTeamBytes()[kNationalFlagsByte] | kInNationalTeamBit);
                ++flagged;
            }
        }
    }
}

}  // namespace

std::unique_ptr<CShownScene> ShowDlg5Year(CSceneContext& context) {
    auto scene = ChangedDemo(context, SetFiveYearValues);
    scene->Show(std::make_unique<CDlg5Year>(scene->Document(), kSceneCountry));
    return scene;
}

std::unique_ptr<CShownScene> ShowDlg5YearChange(CSceneContext& context) {
    const CCountry& country = context.World().Country(kSceneCountry);
    auto dialog = std::make_unique<CDlg5YearChange>(Cp1252ToQString(country.Name(kDefaultLanguage)),
                                                    SceneValues(kSceneCountry));
    return Shown(std::move(dialog));
}

std::unique_ptr<CShownScene> ShowDlgNationalteam(CSceneContext& context) {
    auto scene = ChangedDemo(context, FlagNationalPlayers);
    auto dialog = std::make_unique<CDlgNationalteam>(scene->Document(), kSceneCountry);
    if (dialog->List().topLevelItemCount() < 4) {
        throw std::runtime_error("too few players of the nation");
    }
    dialog->List().topLevelItem(1)->setSelected(true);
    dialog->List().topLevelItem(3)->setSelected(true);
    scene->Show(std::move(dialog));
    return scene;
}

}  // namespace kw::screens
