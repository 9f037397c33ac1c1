#include "CalendarScenes.h"

#include <stdexcept>

#include "app/AppContext.h"
#include "app/DatabaseSlots.h"
#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "editing/SeasonCalendar.h"
#include "gui/editors/DlgCalendar.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/Progress.h"

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

class CCalendarScene : public CShownScene {
public:
    explicit CCalendarScene(CSceneContext& context) {
        SAppContext& app = context.NewFullAppContext();
        SetUpDirectories(app, app.workingDirectory);
        m_slots = std::make_unique<CDatabaseSlots>(app.installDirectory);
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots->AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, app.installDirectory / "database", progress, context.Ui())) {
            throw std::runtime_error("full demo database not opened");
        }
        m_dialog = std::make_unique<CDlgCalendar>(*document, kSceneCountry);
        m_dialog->ShowMonth(MonthWithLeagueAndNationalTeamDays(document->World()));
        m_dialog->resize(1100, 720);
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    std::unique_ptr<CDatabaseSlots> m_slots;
    std::unique_ptr<CDlgCalendar> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgCalendar(CSceneContext& context) {
    return std::make_unique<CCalendarScene>(context);
}

}  // namespace kw::screens
