// What the squad dialog's tests share: persons added to a club outside the history, another club
// of its country, the squad dialog opened on a club, and the check that every person is placed
// once.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "GuiTest.h"
#include "editing/PersonPlacement.h"
#include "gui/editors/DlgPlayerlistClub.h"

namespace kw::test {

class CSquadGuiTest : public CDemoGuiTest {
protected:
    CWorld& Live() const { return m_document->WorldForOperations(); }

    // A new person of that kind in the club's first (0) or second (1) team.
    CPlayer& AddPerson(CClub& club, int kind, int team = 0) {
        CPlayer& person = Live().CreatePerson(Live().NextFreePersonId(), false);
        person.Reset(kind, club.Country());
        person.SetTeamFlag(static_cast<std::int8_t>(team));
        club.AddPerson(person);
        return person;
    }

    CClub& OtherClub(const CClub& club) const {
        for (const auto& entry : Live().Country(club.Country()).Clubs()) {
            if (!entry.second->IsNationalTeam() && entry.first != club.Id()) {
                return *entry.second;
            }
        }
        throw std::runtime_error("country of one club");
    }

    std::unique_ptr<CDlgPlayerlistClub> OpenSquad(const CClub& club) {
        auto dialog =
            std::make_unique<CDlgPlayerlistClub>(*m_document, club.Id(), m_demo.Installation(),
                                                 nullptr, m_demo.Context().installDirectory);
        ShowActive(*dialog);
        return dialog;
    }

    void ExpectSound() const {
        const std::vector<std::string> faults = PersonPlacementFaults(m_document->World());
        QVERIFY2(faults.empty(), faults.empty() ? "" : faults.front().c_str());
    }
};

}  // namespace kw::test
