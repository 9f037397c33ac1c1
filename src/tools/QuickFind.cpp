#include "tools/QuickFind.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <tuple>

#include "competition/Competition.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/Referee.h"
#include "model/Stadium.h"
#include "model/World.h"
#include "storage/TextCollation.h"
#include "storage/TextHelpers.h"

namespace kw {

namespace {

constexpr std::uint32_t kClubMask = 0xFEFFFFFFu;

std::string Joined(std::string_view first, std::string_view second) {
    std::string text(first);
    if (!text.empty() && !second.empty()) {
        text += ' ';
    }
    text += second;
    return text;
}

// The query as an id: decimal digits, or "0x" and hex digits.
std::optional<std::uint32_t> QueryId(std::string_view query) {
    int base = 10;
    if (query.size() > 2 && query[0] == '0' && (query[1] == 'x' || query[1] == 'X')) {
        query.remove_prefix(2);
        base = 16;
    }
    std::uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(query.data(), query.data() + query.size(), value, base);
    if (error != std::errc() || end != query.data() + query.size() || query.empty()) {
        return std::nullopt;
    }
    return value;
}

bool IsWordStart(std::string_view key, std::size_t position) {
    if (position == 0) {
        return true;
    }
    const char before = key[position - 1];
    return before == ' ' || before == '-' || before == '.' || before == '/' || before == '\'';
}

// The best match of one folded key, if any.
std::optional<EFindMatch> MatchKey(std::string_view key, std::string_view query, bool wildcard) {
    if (wildcard) {
        return MatchWildcard(key, query) ? std::optional(EFindMatch::Wildcard) : std::nullopt;
    }
    if (key == query) {
        return EFindMatch::Exact;
    }
    for (std::size_t position = key.find(query); position != std::string_view::npos;
         position = key.find(query, position + 1)) {
        if (IsWordStart(key, position)) {
            return EFindMatch::Prefix;
        }
    }
    return std::nullopt;
}

}  // namespace

CQuickFindIndex::CQuickFindIndex(const CWorld& world, int language) {
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry& country = world.Country(number);
        for (const auto& [clubId, club] : country.Clubs()) {
            const std::string clubName(club->Name(language));
            Add(EFindKind::Club, clubName, number, clubId, clubId, {clubName});
            for (const std::uint32_t personId : club->PersonIds()) {
                const CPlayer* person = world.Person(personId);
                if (person == nullptr) {
                    continue;
                }
                const std::string_view first = person->FirstName().View();
                const std::string_view surname = person->Surname().View();
                std::string full = Joined(first, surname);
                Add(person->IsPlayer() ? EFindKind::Player : EFindKind::Staff, full, number, clubId,
                    personId,
                    {std::string(first), std::string(surname),
                     std::string(person->StageName().View()),
                     std::string(person->Nickname().View()), full});
            }
        }
        const std::vector<CReferee>& referees = country.Referees();
        for (std::size_t index = 0; index < referees.size(); ++index) {
            const std::string_view first = referees[index].FirstName().View();
            const std::string_view surname = referees[index].Surname().View();
            std::string full = Joined(first, surname);
            Add(EFindKind::Referee, full, number, 0, static_cast<std::uint32_t>(index),
                {std::string(first), std::string(surname), full});
        }
        const std::vector<CStadium>& stadiums = country.Stadiums();
        for (std::size_t index = 0; index < stadiums.size(); ++index) {
            const std::string name(stadiums[index].Name().View());
            Add(EFindKind::Stadium, name, number, 0, static_cast<std::uint32_t>(index), {name});
        }
    }
    for (const std::uint32_t personId : world.WithoutClub().Ids()) {
        if (const CPlayer* person = world.Person(personId)) {
            const std::string_view first = person->FirstName().View();
            const std::string_view surname = person->Surname().View();
            std::string full = Joined(first, surname);
            Add(EFindKind::Player, full, 0, 0, personId,
                {std::string(first), std::string(surname), std::string(person->StageName().View()),
                 std::string(person->Nickname().View()), full});
        }
    }
    for (const auto& [id, node] : world.Competitions()) {
        const bool shown = node->Kind() == kLeagueKind || node->Kind() == kCupKind;
        if (shown && node->Country() >= 1 && node->Country() <= kCountryCount) {
            const std::string name(node->Names()[static_cast<std::size_t>(language)].View());
            Add(EFindKind::Competition, name, node->Country(), 0, id, {name});
        }
    }
}

void CQuickFindIndex::Add(EFindKind kind, std::string name, int country, std::uint32_t club,
                          std::uint32_t id, std::vector<std::string> names) {
    SEntry entry;
    entry.hit.kind = kind;
    entry.hit.country = country;
    entry.hit.club = club;
    entry.hit.id = id;
    entry.sortKey = CollationKey(name);
    entry.hit.name = std::move(name);
    for (const std::string& text : names) {
        if (!text.empty()) {
            entry.keys.push_back(FoldForSearch(text));
        }
    }
    m_entries.push_back(std::move(entry));
}

SFindResult CQuickFindIndex::Find(std::string_view query, std::size_t limit) const {
    std::string trimmed(query);
    NormaliseSpaces(trimmed);
    SFindResult result;
    if (trimmed.empty()) {
        return result;
    }
    const std::string folded = FoldForSearch(trimmed);
    const bool wildcard = folded.find_first_of("*?") != std::string::npos;
    const std::optional<std::uint32_t> id = QueryId(trimmed);

    struct SMatch {
        EFindMatch match;
        const SEntry* entry;
    };
    std::vector<SMatch> matches;
    for (const SEntry& entry : m_entries) {
        std::optional<EFindMatch> best;
        const bool hasId =
            entry.hit.kind == EFindKind::Club || entry.hit.kind == EFindKind::Player ||
            entry.hit.kind == EFindKind::Staff || entry.hit.kind == EFindKind::Competition;
        if (id && hasId &&
            (entry.hit.kind == EFindKind::Club ? (entry.hit.id & kClubMask) == (*id & kClubMask)
                                               : entry.hit.id == *id)) {
            best = EFindMatch::Exact;
        }
        for (const std::string& key : entry.keys) {
            if (best == EFindMatch::Exact) {
                break;
            }
            const std::optional<EFindMatch> match = MatchKey(key, folded, wildcard);
            if (match && (!best || *match < *best)) {
                best = match;
            }
        }
        if (best) {
            matches.push_back({*best, &entry});
        }
    }
    result.total = matches.size();
    const auto order = [](const SMatch& a, const SMatch& b) {
        return std::tie(a.match, a.entry->hit.kind, a.entry->sortKey, a.entry->hit.name,
                        a.entry->hit.country, a.entry->hit.id) <
               std::tie(b.match, b.entry->hit.kind, b.entry->sortKey, b.entry->hit.name,
                        b.entry->hit.country, b.entry->hit.id);
    };
    const std::size_t shown = std::min(limit, matches.size());
    std::partial_sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(shown),
                      matches.end(), order);
    matches.resize(shown);
    for (const SMatch& match : matches) {
        result.hits.push_back(match.entry->hit);
        result.hits.back().match = match.match;
    }
    return result;
}

}  // namespace kw
