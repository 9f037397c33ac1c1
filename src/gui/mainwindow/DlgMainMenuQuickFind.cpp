// The main window opens the editor of a quick-find hit, once the view shows its country and club.
#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "gui/mainwindow/DlgMainMenu.h"
#include "model/Club.h"
#include "model/World.h"

namespace kw {

void DlgMainMenu::OpenFound(const SFindHit& hit) {
    // Only when the view shows the hit's place, so no other club or country is edited.
    if (hit.country < 1 || m_view->SelectedCountry() != hit.country) {
        return;
    }
    const bool clubShown = SelectedClub() != nullptr && SelectedClub()->Id() == hit.club;
    switch (hit.kind) {
        case EFindKind::Club:
            if (clubShown) {
                EditClub();
            }
            break;
        case EFindKind::Player:
            if (clubShown) {
                EditSquad();
            }
            break;
        case EFindKind::Staff:
            if (clubShown) {
                EditStaff();
            }
            break;
        case EFindKind::Referee:
            EditReferees();
            break;
        case EFindKind::Stadium:
            EditStadiums();
            break;
        case EFindKind::Competition: {
            const CDBCompetition* node = World().Competition(hit.id);
            if (node != nullptr && node->Kind() == kLeagueKind) {
                EditLeagueSystem();
            } else if (node != nullptr) {
                EditCalendar();
            }
            break;
        }
    }
}

}  // namespace kw
