#include "tools/DatabaseSync.h"

#include <algorithm>
#include <array>
#include <set>

#include "document/DatabaseDocument.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/CountryCopy.h"
#include "model/Rules.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

// The continent names by continent number (the string ids do not follow the numbers).
constexpr std::array<int, kContinentCount> kContinentNameIds = {
    ids::kContinentEurope, ids::kContinentSouthAmerica, ids::kContinentNorthAmerica,
    ids::kContinentAfrica, ids::kContinentAsia,         ids::kContinentOceania,
};

void SortAlphabetically(std::vector<SSyncNode>& nodes) {
    std::stable_sort(nodes.begin(), nodes.end(), [](const SSyncNode& a, const SSyncNode& b) {
        return CollateText(a.name, b.name) < 0;
    });
    for (SSyncNode& node : nodes) {
        SortAlphabetically(node.children);
    }
}

bool IsShownCountry(const CCountry& country) {
    return country.Continent() < kContinentCount;
}

// The club of the country (not the national team) whose name is byte for byte `name`.
const CClub* ClubNamed(const CCountry& country, std::string_view name, int language) {
    for (const auto& entry : country.Clubs()) {
        const CClub& club = *entry.second;
        if (!club.IsNationalTeam() && club.Name(language) == name) {
            return &club;
        }
    }
    return nullptr;
}

SDropDecision Refusal(std::string message) {
    SDropDecision decision;
    decision.action = EDropAction::Refuse;
    decision.message = std::move(message);
    return decision;
}

SDropDecision ClubOntoCountry(const SSyncItem& dragged, const SSyncItem& target,
                              const CDatabaseDocument& dragging,
                              const CDatabaseDocument& targeted) {
    const CClub* club = dragging.World().Country(dragged.country).Club(dragged.club);
    if (club == nullptr) {
        return {};
    }
    const CCountry& country = targeted.World().Country(target.country);
    SDropDecision decision;
    if (const CClub* namesake =
            ClubNamed(country, club->Name(dragging.Language()), targeted.Language())) {
        decision.target =
            SSyncItem::Club(target.slot, target.continent, target.country, namesake->Id());
        // The namesake may be the dragged club itself: copying a club onto itself does nothing.
        decision.action = decision.target == dragged ? EDropAction::Nothing : EDropAction::CopyClub;
        return decision;
    }
    if (country.ClubCount() >= CCountry::kMaxClubs) {
        const std::string format(ResourceString(ids::kSyncCountryFull));
        return Refusal(FormatPrintf(format.c_str(), country.Name(targeted.Language()).c_str(),
                                    CCountry::kMaxClubs));
    }
    decision.action = EDropAction::NewClub;
    decision.target = target;
    return decision;
}

bool CopyClub(CWorld& world, const CClub& source, std::uint32_t targetId, std::uint32_t mask) {
    CClub* club = world.Country(ClubCountry(targetId)).Club(targetId);
    if (club == nullptr || club == &source) {
        return false;
    }
    club->CopyFrom(source, mask);
    return true;
}

}  // namespace

SSyncItem SSyncItem::Continent(int slot, int continent) {
    return {slot, static_cast<std::uint16_t>(continent), kNoCountry, kNoClub};
}

SSyncItem SSyncItem::Country(int slot, int continent, int country) {
    return {slot, static_cast<std::uint16_t>(continent), static_cast<std::uint16_t>(country),
            kNoClub};
}

SSyncItem SSyncItem::Club(int slot, int continent, int country, std::uint32_t club) {
    return {slot, static_cast<std::uint16_t>(continent), static_cast<std::uint16_t>(country), club};
}

ESyncKind SSyncItem::Kind() const {
    if (country == kNoCountry) {
        return ESyncKind::Continent;
    }
    return club != kNoClub ? ESyncKind::Club : ESyncKind::Country;
}

std::string SlotDisplayName(std::string_view directory) {
    while (!directory.empty() && (directory.back() == '\\' || directory.back() == '/')) {
        directory.remove_suffix(1);
    }
    std::size_t cut = directory.rfind('\\');
    if (cut == std::string_view::npos) {
        cut = directory.rfind('/');
    }
    return std::string(cut == std::string_view::npos ? directory : directory.substr(cut + 1));
}

std::vector<SSyncNode> SyncTree(const CDatabaseDocument& document, int slot) {
    const CWorld& world = document.World();
    const int language = document.Language();
    std::vector<SSyncNode> continents;
    for (int continent = 0; continent < kContinentCount; ++continent) {
        continents.push_back({SSyncItem::Continent(slot, continent),
                              std::string(ResourceString(kContinentNameIds[continent])),
                              {}});
    }
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry& country = world.Country(number);
        if (!IsShownCountry(country)) {
            continue;
        }
        const int continent = country.Continent();
        SSyncNode node{SSyncItem::Country(slot, continent, number), country.Name(language), {}};
        for (const auto& entry : country.Clubs()) {
            const CClub& club = *entry.second;
            if (!club.IsNationalTeam()) {
                node.children.push_back({SSyncItem::Club(slot, continent, number, club.Id()),
                                         std::string(club.Name(language)),
                                         {}});
            }
        }
        continents[static_cast<std::size_t>(continent)].children.push_back(std::move(node));
    }
    SortAlphabetically(continents);
    return continents;
}

SDropDecision DecideDrop(const SSyncItem& dragged, const SSyncItem& target,
                         const CDatabaseDocument& dragging, const CDatabaseDocument& targeted) {
    if (dragged == target) {
        return {};
    }
    const ESyncKind kind = dragged.Kind();
    if (kind == ESyncKind::Club && target.Kind() == ESyncKind::Country) {
        return ClubOntoCountry(dragged, target, dragging, targeted);
    }
    if (kind != target.Kind()) {
        return Refusal(std::string(ResourceString(ids::kSyncSameKindsOnly)));
    }
    SDropDecision decision;
    decision.target = target;
    switch (kind) {
        case ESyncKind::Club:
            decision.action = EDropAction::CopyClub;
            break;
        case ESyncKind::Country:
            decision.action = EDropAction::CopyCountry;
            decision.countries = {{dragged.country, target.country}};
            break;
        case ESyncKind::Continent:
            if (dragged.continent != target.continent) {
                return Refusal(std::string(ResourceString(ids::kSyncDifferentContinents)));
            }
            // The countries the dragged database places on the continent, not the whole world.
            decision.action = EDropAction::CopyCountry;
            for (int number = 1; number <= kCountryCount; ++number) {
                if (dragging.World().Country(number).Continent() == dragged.continent) {
                    decision.countries.push_back({number, number});
                }
            }
            break;
    }
    return decision;
}

std::optional<SSyncItem> CarryOutDrop(const SDropDecision& decision, const SSyncItem& dragged,
                                      const CWorld& source, CDatabaseDocument& target,
                                      std::uint32_t mask) {
    const SSyncItem into = decision.target;
    switch (decision.action) {
        case EDropAction::Nothing:
        case EDropAction::Refuse:
            return std::nullopt;
        case EDropAction::CopyClub: {
            const CClub* club = source.Country(dragged.country).Club(dragged.club);
            if (club == nullptr ||
                !target.Perform(std::string(ResourceString(ids::kClubCopyCaption)),
                                SWorldScope::Countries({into.country}), [&](CWorld& world) {
                                    return CopyClub(world, *club, into.club, mask);
                                })) {
                return std::nullopt;
            }
            return into;
        }
        case EDropAction::NewClub: {
            const CClub* club = source.Country(dragged.country).Club(dragged.club);
            std::uint32_t created = SSyncItem::kNoClub;
            if (club == nullptr ||
                !target.Perform(std::string(ResourceString(ids::kClubCopyCaption)),
                                SWorldScope::Countries({into.country}), [&](CWorld& world) {
                                    CClub* fresh = world.Country(into.country).CreateClub();
                                    if (fresh == nullptr) {
                                        return false;
                                    }
                                    fresh->CopyFrom(*club, kAllClubCopyGroups);
                                    created = fresh->Id();
                                    return true;
                                })) {
                return std::nullopt;
            }
            return SSyncItem::Club(into.slot, into.continent, into.country, created);
        }
        case EDropAction::CopyCountry: {
            if (decision.countries.empty()) {
                return std::nullopt;
            }
            // Every copy's own scope, taken before any of them runs: a copy with its clubs also
            // reaches the countries, the rules and the players without club that name them.
            std::set<int> changed;
            SWorldScope scope;
            for (const SCountryCopy& copy : decision.countries) {
                const SWorldScope one = CountryCopyScope(target.World().Country(copy.to),
                                                         source.Country(copy.from), mask);
                changed.insert(one.countries.begin(), one.countries.end());
                scope.rules = scope.rules || one.rules;
                scope.withoutClub = scope.withoutClub || one.withoutClub;
            }
            scope.countries.assign(changed.begin(), changed.end());
            if (!target.Perform(std::string(ResourceString(ids::kCountryCopyCaption)),
                                std::move(scope), [&](CWorld& world) {
                                    for (const SCountryCopy& copy : decision.countries) {
                                        const CCountry& from = source.Country(copy.from);
                                        CCountry& to = world.Country(copy.to);
                                        if (&from != &to) {
                                            to.CopyFrom(from, mask);
                                        }
                                    }
                                    return true;
                                })) {
                return std::nullopt;
            }
            return into;
        }
    }
    return std::nullopt;
}

}  // namespace kw
