#include "gui/editors/player/PlayerPage.h"

#include <memory>
#include <utility>

#include "document/DatabaseDocument.h"
#include "document/RecordEdits.h"
#include "editing/PersonClub.h"
#include "editing/PlayerContractRules.h"
#include "gui/editors/DlgSelectClub.h"
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
    const std::optional<std::uint32_t> chosen =
        CDlgSelectClub::Choose(world, m_context.document.Language(), country, this);
    if (!chosen) {
        return std::nullopt;
    }
    return RecordClubReference(*chosen);
}

std::unique_ptr<CPlayer> CPlayerPage::Edited() const {
    const CPlayer* person = Player();
    if (person == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CPlayer> copy = person->Clone();
    StoreInto(*copy);
    return copy->HasSameData(*person) ? nullptr : std::move(copy);
}

bool CPlayerPage::Differs() const {
    return Edited() != nullptr;
}

void CPlayerPage::Store() {
    if (std::unique_ptr<CPlayer> copy = Edited()) {
        m_context.document.Do(std::make_unique<CPersonValuesEdit>("Spieler bearbeiten", *copy));
        emit playerChanged(m_personId);
    }
}

}  // namespace kw
