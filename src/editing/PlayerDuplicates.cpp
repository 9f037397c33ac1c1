#include "editing/PlayerDuplicates.h"

#include <algorithm>
#include <string_view>

#include "editing/DateFields.h"
#include "editing/SquadRules.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

constexpr std::size_t kSurnameBytes = 20;    // the record's field, with its zero
constexpr std::size_t kFirstNameBytes = 16;  // likewise

// Surname and first name side by side, each padded with zeros to its field's size: compared as
// unsigned bytes, the key orders by surname, then first name, a name before any it begins. Kept
// in the sorted entry itself, so that the sort does not chase every person in memory.
using NameKey = std::array<unsigned char, kSurnameBytes + kFirstNameBytes>;

NameKey MakeNameKey(const CPlayer& player) {
    NameKey key{};
    const std::string_view surname = player.Surname().View();
    const std::string_view firstName = player.FirstName().View();
    std::copy_n(surname.begin(), std::min(surname.size(), kSurnameBytes), key.begin());
    std::copy_n(firstName.begin(), std::min(firstName.size(), kFirstNameBytes),
                key.begin() + kSurnameBytes);
    return key;
}

struct SNamedCandidate {
    NameKey key;
    SDuplicateCandidate candidate;
};

bool NameLess(const SNamedCandidate& a, const SNamedCandidate& b) {
    return a.key < b.key;
}

bool SameName(const CPlayer& a, const CPlayer& b) {
    return a.Surname() == b.Surname() && a.FirstName() == b.FirstName();
}

bool InClub(const SDuplicateCandidate& candidate, std::uint32_t club) {
    return (candidate.club->Id() & ~kSecondTeamFlag) == (club & ~kSecondTeamFlag);
}

bool InScope(const SDuplicatePair& pair, const SDuplicateFilter& filter) {
    switch (filter.scope) {
        case EDuplicateScope::Club:
            return InClub(pair.first, filter.club) || InClub(pair.second, filter.club);
        case EDuplicateScope::Country:
            return pair.first.country == filter.country || pair.second.country == filter.country;
        case EDuplicateScope::All:
            break;
    }
    return true;
}

std::string ClubText(const SDuplicateCandidate& candidate, const CWorld& world, int language) {
    const std::string& country = world.Country(candidate.country).Name(language);
    return FormatPrintf("%s (%s)", std::string(candidate.club->Name(language)).c_str(),
                        country.c_str());
}

const SDuplicateCandidate& Side(const SDuplicatePair& pair, int column) {
    // Columns 1, 3, 5 show the first player, 2, 4, 6 the second.
    return column % 2 == 1 ? pair.first : pair.second;
}

// <0, 0, >0 as the column orders the two pairs.
int CompareByColumn(const SDuplicatePair& a, const SDuplicatePair& b, int column,
                    const CWorld& world, int language) {
    if (column == 0) {
        const CPlayer& x = *a.first.player;
        const CPlayer& y = *b.first.player;
        return CollateTexts({x.Surname().View(), x.FirstName().View()},
                            {y.Surname().View(), y.FirstName().View()});
    }
    const SDuplicateCandidate& left = Side(a, column);
    const SDuplicateCandidate& right = Side(b, column);
    if (column <= 2) {
        return CollateTexts(
            {left.club->Name(language), world.Country(left.country).Name(language)},
            {right.club->Name(language), world.Country(right.country).Name(language)});
    }
    if (column <= 4) {
        return left.player->BirthDate().Value() < right.player->BirthDate().Value()   ? -1
               : left.player->BirthDate().Value() > right.player->BirthDate().Value() ? 1
                                                                                      : 0;
    }
    return static_cast<int>(left.player->MainPosition()) -
           static_cast<int>(right.player->MainPosition());
}

}  // namespace

std::vector<SDuplicateCandidate> DuplicateCandidates(const CWorld& world) {
    std::vector<SNamedCandidate> named;
    named.reserve(world.Persons().size());
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : world.Country(number).Clubs()) {
            const CClub& club = *entry.second;
            if (club.IsNationalTeam()) {
                continue;
            }
            for (const std::uint32_t id : club.PersonIds()) {
                const CPlayer* person = world.Person(id);
                if (person != nullptr && person->IsPlayer()) {
                    named.push_back({MakeNameKey(*person), {person, &club, number}});
                }
            }
        }
    }
    std::stable_sort(named.begin(), named.end(), NameLess);
    std::vector<SDuplicateCandidate> candidates;
    candidates.reserve(named.size());
    for (const SNamedCandidate& entry : named) {
        candidates.push_back(entry.candidate);
    }
    return candidates;
}

std::vector<SDuplicatePair> FindDuplicatePairs(const std::vector<SDuplicateCandidate>& candidates,
                                               const SDuplicateFilter& filter) {
    std::vector<SDuplicatePair> pairs;
    for (std::size_t i = 0; i + 1 < candidates.size(); ++i) {
        const SDuplicatePair pair{candidates[i], candidates[i + 1]};
        if (!SameName(*pair.first.player, *pair.second.player) || !InScope(pair, filter)) {
            continue;
        }
        if (filter.sameBirthDate &&
            pair.first.player->BirthDate() != pair.second.player->BirthDate()) {
            continue;
        }
        pairs.push_back(pair);
    }
    return pairs;
}

SDuplicateScopes OfferedDuplicateScopes(const CWorld& world, int country, std::uint32_t club) {
    SDuplicateScopes scopes;
    scopes.country = country >= 1 && country <= kCountryCount;
    if (scopes.country) {
        const CClub* shown = world.Country(country).Club(club & ~kSecondTeamFlag);
        scopes.club = shown != nullptr && !shown->IsNationalTeam();
    }
    scopes.preselected = scopes.club      ? EDuplicateScope::Club
                         : scopes.country ? EDuplicateScope::Country
                                          : EDuplicateScope::All;
    return scopes;
}

DuplicateRowTexts DuplicateColumnHeadings() {
    const std::string name(ResourceString(ids::kColumnName));
    const std::string club(ResourceString(ids::kColumnClub));
    const std::string birthday(ResourceString(ids::kColumnBirthday));
    const std::string position(ResourceString(ids::kColumnPosition));
    return {name, club, club, birthday, birthday, position, position};
}

DuplicateRowTexts DuplicateRowCells(const SDuplicatePair& pair, const CWorld& world, int language) {
    const CPlayer& first = *pair.first.player;
    const CPlayer& second = *pair.second.player;
    return {FormatPrintf("%s, %s", first.Surname().CStr(), first.FirstName().CStr()),
            ClubText(pair.first, world, language),
            ClubText(pair.second, world, language),
            DateListText(first.BirthDate()),
            DateListText(second.BirthDate()),
            PositionAbbreviation(first.MainPosition()),
            PositionAbbreviation(second.MainPosition())};
}

void CDuplicateOrder::ClickColumn(int column) {
    if (column == m_column) {
        m_ascending = !m_ascending;
    } else {
        m_column = std::clamp(column, 0, kDuplicateColumnCount - 1);
        m_ascending = true;
    }
}

void CDuplicateOrder::Sort(std::vector<SDuplicatePair>& pairs, const CWorld& world,
                           int language) const {
    const int column = m_column;
    const bool ascending = m_ascending;
    std::stable_sort(
        pairs.begin(), pairs.end(),
        [column, ascending, &world, language](const SDuplicatePair& a, const SDuplicatePair& b) {
            const int order = CompareByColumn(a, b, column, world, language);
            return ascending ? order < 0 : order > 0;
        });
}

}  // namespace kw
