#include "editing/NationalSquad.h"

#include <algorithm>

#include "document/DatabaseDocument.h"
#include "editing/PersonClub.h"
#include "editing/PersonalDataRules.h"
#include "editing/PlayerAbilities.h"
#include "editing/PlayerHistoryRules.h"
#include "editing/SquadRules.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

bool InNationalTeam(const CPlayer& player) {
    return (player.NationalTeamBytes()[kNationalFlagsByte] & kInNationalTeamBit) != 0;
}

// Negative, zero or positive as `a` sorts before, with or after `b` in the column.
int Compare(const SNationalSquadRow& a, const SNationalSquadRow& b, ENationalSquadColumn column) {
    const auto numbers = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    switch (column) {
        case ENationalSquadColumn::kName:
            return CollateText(a.shortName, b.shortName);
        case ENationalSquadColumn::kClub:
            return CollateText(a.clubName, b.clubName);
        case ENationalSquadColumn::kPosition:
            return numbers(a.mainPosition, b.mainPosition);
        case ENationalSquadColumn::kStrength:
            return numbers(a.strength, b.strength);
        case ENationalSquadColumn::kAge:
            return numbers(a.age, b.age);
        case ENationalSquadColumn::kTalent:
            return numbers(a.talent, b.talent);
        case ENationalSquadColumn::kCaps:
            return numbers(a.caps, b.caps);
    }
    return 0;
}

}  // namespace

std::vector<SChoiceEntry> NationalTeamCountries(const CWorld& world, int language) {
    std::vector<SChoiceEntry> countries;
    for (int number = 1; number <= kCountryCount; ++number) {
        countries.push_back(
            {static_cast<std::uint32_t>(number), world.Country(number).Name(language)});
    }
    std::stable_sort(countries.begin(), countries.end(),
                     [](const auto& a, const auto& b) { return CollateText(a.text, b.text) < 0; });
    return countries;
}

std::vector<SNationalSquadRow> NationalSquad(const CWorld& world, int country, int language,
                                             CDate today) {
    std::vector<SNationalSquadRow> rows;
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : world.Country(number).Clubs()) {
            const CClub& club = *entry.second;
            if (club.IsNationalTeam()) {
                continue;
            }
            for (const std::uint32_t id : club.PersonIds()) {
                const CPlayer* player = world.Person(id);
                if (player == nullptr || !player->IsPlayer() || player->Nationality() != country ||
                    !InNationalTeam(*player)) {
                    continue;
                }
                SNationalSquadRow row;
                row.personId = id;
                row.clubId = club.Id();
                row.shortName = player->ShortName();
                row.clubName = std::string(club.Name(language));
                row.mainPosition = player->MainPosition();
                row.strength = PlayerStrength(*player);
                row.age = AgeOn(player->BirthDate(), today);
                row.talent = Talent(*player);
                rows.push_back(std::move(row));
            }
        }
    }
    return rows;
}

void CNationalSquadOrder::Click(ENationalSquadColumn column) {
    m_ascending = column != m_column || !m_ascending;
    m_column = column;
}

void SortNationalSquad(std::vector<SNationalSquadRow>& rows, const CNationalSquadOrder& order) {
    const ENationalSquadColumn column = order.Column();
    const int sign = order.Ascending() ? 1 : -1;
    std::stable_sort(rows.begin(), rows.end(), [column, sign](const auto& a, const auto& b) {
        return sign * Compare(a, b, column) < 0;
    });
}

std::string NationalSquadRowText(const SNationalSquadRow& row) {
    return FormatPrintf("%s\t%s\t%s\t%d\t%d\t%s\t%d", row.shortName.c_str(), row.clubName.c_str(),
                        PositionAbbreviation(row.mainPosition).c_str(),
                        static_cast<int>(row.strength), row.age,
                        std::string(TalentText(row.talent)).c_str(), row.caps);
}

bool RemoveFromNationalSquad(CDatabaseDocument& document,
                             std::span<const std::uint32_t> personIds) {
    const CWorld& world = document.World();
    SWorldScope scope;
    bool anyFlag = false;
    for (const std::uint32_t id : personIds) {
        const CPlayer* person = world.Person(id);
        if (person == nullptr || !InNationalTeam(*person)) {
            continue;
        }
        anyFlag = true;
        if (const CClub* club = ClubHoldingPerson(world, id); club != nullptr) {
            if (std::find(scope.countries.begin(), scope.countries.end(), club->Country()) ==
                scope.countries.end()) {
                scope.countries.push_back(club->Country());
            }
        } else {
            scope.withoutClub = true;
        }
    }
    if (!anyFlag) {
        return false;
    }
    const std::vector<std::uint32_t> ids(personIds.begin(), personIds.end());
    return document.Perform(std::string(ShownText("kw::Edit", "Aus Nationalmannschaft entfernen")),
                            std::move(scope), [&ids](CWorld& live) {
                                bool changed = false;
                                for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
                                    CPlayer* person = live.Person(*it);
                                    if (person == nullptr || !InNationalTeam(*person)) {
                                        continue;
                                    }
                                    person->SetNationalTeamByte(
                                        kNationalFlagsByte,
                                        person->NationalTeamBytes()[kNationalFlagsByte] &
                                            static_cast<std::uint8_t>(~kInNationalTeamBit));
                                    changed = true;
                                }
                                return changed;
                            });
}

}  // namespace kw
