#include "editors/player/PlayerPage.h"

#include <memory>

#include "document/DatabaseDocument.h"
#include "document/RecordEdits.h"
#include "editing/PersonClub.h"
#include "editing/PlayerContractRules.h"
#include "editors/DlgSelectClub.h"
#include "model/Club.h"
#include "model/Player.h"
#include "model/World.h"

namespace kw {

CPlayerPage::CPlayerPage(SPlayerEditContext& context, QWidget* parent)
    : CDialogB(parent, ERole::Page), m_context(context) {}

const CPlayer* CPlayerPage::Player() const {
    return m_personId != 0 ? m_context.document.World().Person(m_personId) : nullptr;
}

void CPlayerPage::SetPlayer(std::uint32_t personId) {
    m_personId = m_context.document.World().Person(personId) != nullptr ? personId : 0;
    setEnabled(m_personId != 0);
    LoadPage(Player());
}

std::optional<std::uint32_t> CPlayerPage::ChooseClubReference(std::uint32_t current) {
    const CWorld& world = m_context.document.World();
    const CClub* club = ClubHoldingPerson(world, m_personId);
    const int country = current != 0      ? ClubCountry(current)
                        : club != nullptr ? ClubCountry(club->Id())
                                          : 0;
    const std::optional<std::uint32_t> chosen = CDlgSelectClub::Choose(world, country, this);
    if (!chosen) {
        return std::nullopt;
    }
    return RecordClubReference(*chosen);
}

bool CPlayerPage::StorePage() {
    const CPlayer* person = Player();
    if (person == nullptr) {
        return false;
    }
    std::unique_ptr<CPlayer> copy = person->Clone();
    StoreInto(*copy);
    if (copy->HasSameData(*person)) {
        return false;
    }
    m_context.document.Do(std::make_unique<CPersonValuesEdit>("Spieler bearbeiten", *copy));
    emit playerChanged(m_personId);
    return true;
}

}  // namespace kw
