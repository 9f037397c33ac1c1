#include "SceneList.h"

#include <stdexcept>

#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "editing/SeasonCalendar.h"
#include "gui/editors/DlgCalendar.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw::screens {

namespace {

constexpr int kSceneCountry = 14;

// The first month of the season in which the top league plays on a day and the country's
// continent has a national-team day.
int MonthWithLeagueAndNationalTeamDays(const CWorld& world) {
    const CDBCompetition* league =
        world.Competition(MakeCompetitionId(kSceneCountry, kLeagueType, 0));
    const InternationalDayTable international = MergedInternationalDays(
        world.InternationalDays(), world.Country(kSceneCountry).Continent(), 0);
    for (const int month : {7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6}) {
        bool leagueDay = false;
        bool nationalTeamDay = false;
        for (const int day : MonthDays(0, month)) {
            leagueDay |= league != nullptr && league->CalendarValue(0, day) != 0;
            nationalTeamDay |= international[static_cast<std::size_t>(day)] == kNationalTeamDay;
        }
        if (leagueDay && nationalTeamDay) {
            return month;
        }
    }
    throw std::runtime_error("no month with league and national-team days");
}

}  // namespace

std::unique_ptr<CShownScene> ShowDlgCalendar(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewFullAppContext());
    auto dialog = std::make_unique<CDlgCalendar>(scene->Document(), kSceneCountry);
    dialog->ShowMonth(MonthWithLeagueAndNationalTeamDays(scene->Document().World()));
    dialog->resize(1100, 720);
    scene->Show(std::move(dialog));
    return scene;
}

}  // namespace kw::screens
