#include "tools/AdminCountryTools.h"

#include <functional>
#include <optional>
#include <utility>

#include "document/DatabaseDocument.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/RecordResult.h"
#include "model/Stadium.h"
#include "model/World.h"
#include "storage/Identifiers.h"
#include "storage/NameLists.h"

namespace kw {

namespace {

constexpr std::string_view kKeepMark = "!!";
constexpr std::size_t kMaxStadiums = 499;

bool GivesInitial(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 'A' && code < 0x80;
}

std::string Initials(std::string_view name) {
    std::string initials;
    std::size_t count = 0;
    for (std::size_t i = 0; i < name.size() && count < kMaxStadiumInitials; ++i) {
        const bool wordStart = i == 0 || name[i - 1] == ' ';
        if (wordStart && GivesInitial(name[i])) {
            initials += name[i];
            initials += ". ";
            ++count;
        }
    }
    return initials;
}

// Runs `change` on every club of the country except the national team; counts the clubs for
// which it returns true.
int ForEachClub(CWorld& world, int country, const std::function<bool(CClub&)>& change) {
    if (!IsRealCountry(country)) {
        return 0;
    }
    int changed = 0;
    for (const auto& entry : world.Country(country).Clubs()) {
        if (!entry.second->IsNationalTeam() && change(*entry.second)) {
            ++changed;
        }
    }
    return changed;
}

// One edit over the country, recorded only when the world function changed something.
int PerformOnCountry(CDatabaseDocument& document, std::string description, int country,
                     const std::function<int(CWorld&)>& run) {
    if (!IsRealCountry(country)) {
        return 0;
    }
    int changed = 0;
    document.Perform(std::move(description), SWorldScope::Countries({country}),
                     [&run, &changed](CWorld& world) {
                         changed = run(world);
                         return changed > 0;
                     });
    return changed;
}

std::uint8_t MainLanguage(const CWorld& world, int nationality) {
    return IsRealCountry(nationality) ? world.Country(nationality).FirstAttribute() : 0;
}

}  // namespace

std::string RenamedStadium(std::string_view name, std::string_view city) {
    std::string renamed;
    if (name.starts_with(kKeepMark)) {
        renamed = name.substr(kKeepMark.size());
    } else {
        renamed = Initials(name);
        renamed += city;
    }
    if (renamed.size() > kStadiumNameLength) {
        renamed.resize(kStadiumNameLength);
    }
    return renamed;
}

int RenameStadiums(CWorld& world, int country) {
    if (!IsRealCountry(country)) {
        return 0;
    }
    int changed = 0;
    std::vector<CStadium>& stadiums = world.Country(country).Stadiums();
    for (std::size_t i = 0; i < stadiums.size() && i < kMaxStadiums; ++i) {
        CStadium& stadium = stadiums[i];
        const std::string renamed = RenamedStadium(stadium.Name().View(), stadium.City().View());
        if (renamed != stadium.Name().View()) {
            stadium.SetName(renamed);
            ++changed;
        }
    }
    return changed;
}

int RenameStadiums(CDatabaseDocument& document, std::string description, int country) {
    return PerformOnCountry(document, std::move(description), country,
                            [country](CWorld& world) { return RenameStadiums(world, country); });
}

int RenameStaff(CWorld& world, int country, const SStaffNameLists& names, CRandom& random) {
    return ForEachClub(world, country, [&](CClub& club) {
        int renamed = 0;
        for (const std::uint32_t id : club.PersonIds()) {
            CPlayer* person = world.Person(id);
            if (person == nullptr || person->IsPlayer()) {
                continue;
            }
            const std::int32_t group = MainLanguage(world, person->Nationality());
            const std::optional<std::string> first =
                PickRandomName(names.firstNames, group, random);
            const std::optional<std::string> surname =
                PickRandomName(names.surnames, group, random);
            const std::string oldFirst(person->FirstName().View());
            const std::string oldSurname(person->Surname().View());
            if (first) {
                person->SetFirstName(*first);
            }
            if (surname) {
                person->SetSurname(*surname);
            }
            if (person->FirstName().View() != oldFirst || person->Surname().View() != oldSurname) {
                ++renamed;
            }
        }
        return renamed;
    });
}

int RenameStaff(CDatabaseDocument& document, std::string description, int country,
                const SStaffNameLists& names) {
    return PerformOnCountry(document, std::move(description), country,
                            [country, &names](CWorld& world) {
                                return RenameStaff(world, country, names, world.Random());
                            });
}

int ClearMatchRecords(CWorld& world, int country) {
    return ForEachClub(world, country, [](CClub& club) {
        bool changed = false;
        for (int which = 0; which < CClub::kRecordCount; ++which) {
            if (!(club.RecordResult(which) == CRecordResult{})) {
                club.RecordResult(which) = CRecordResult{};
                changed = true;
            }
        }
        return changed;
    });
}

int ClearMatchRecords(CDatabaseDocument& document, std::string description, int country) {
    return PerformOnCountry(document, std::move(description), country,
                            [country](CWorld& world) { return ClearMatchRecords(world, country); });
}

int ClearFirstLeagueStatistics(CWorld& world, int country) {
    return ForEachClub(world, country, [](CClub& club) {
        bool changed = false;
        for (int index = 0; index < CClub::kStatisticCount; ++index) {
            if (club.Statistics()[static_cast<std::size_t>(index)] != 0) {
                club.SetStatistic(index, 0);
                changed = true;
            }
        }
        return changed;
    });
}

int ClearFirstLeagueStatistics(CDatabaseDocument& document, std::string description, int country) {
    return PerformOnCountry(document, std::move(description), country, [country](CWorld& world) {
        return ClearFirstLeagueStatistics(world, country);
    });
}

}  // namespace kw
