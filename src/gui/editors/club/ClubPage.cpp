#include "gui/editors/club/ClubPage.h"

#include "model/Club.h"

namespace kw {

bool CClubPage::Differs() const {
    CClub stored = m_context.club;
    StoreInto(stored);
    return !stored.HasSameData(m_context.club);
}

}  // namespace kw
