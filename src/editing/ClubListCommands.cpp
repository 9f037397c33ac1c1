#include "editing/ClubListCommands.h"

#include <string>
#include <vector>

#include "document/DatabaseDocument.h"
#include "model/Club.h"
#include "model/ClubFile.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/FixedText.h"
#include "storage/Identifiers.h"

namespace kw {

bool CanCreateClub(const CCountry& country) {
    // One row more than clubs: the national team's.
    return country.ClubCount() + 1 < kMaxClubListRows;
}

std::uint32_t CreateClub(CDatabaseDocument& document, int country, std::string_view name) {
    if (country < 1 || country > kCountryCount ||
        !CanCreateClub(document.World().Country(country))) {
        return 0;
    }
    std::uint32_t created = 0;
    document.Perform(std::string(ShownText("kw::Edit", "Neuer Verein")),
                     SWorldScope::Countries({country}), [country, name, &created](CWorld& world) {
                         CClub* club = world.Country(country).CreateClub();
                         if (club == nullptr) {
                             return false;
                         }
                         for (int language = 0; language < kLanguageCount; ++language) {
                             club->SetName(language, name);
                         }
                         club->SetStadiumFlags(club->StadiumFlags() | CClub::kEditorCreatedFlag);
                         created = club->Id();
                         return true;
                     });
    return created;
}

bool CanDeleteClub(const CClub& club) {
    return !club.IsNationalTeam() && (club.StadiumFlags() & CClub::kEditorCreatedFlag) != 0;
}

bool DeleteClub(CDatabaseDocument& document, int country, std::uint32_t club) {
    if (country < 1 || country > kCountryCount) {
        return false;
    }
    const CClub* found = document.World().Country(country).Club(club);
    if (found == nullptr || !CanDeleteClub(*found)) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Verein löschen")),
                            SWorldScope::Countries({country}), [country, club](CWorld& world) {
                                world.Country(country).RemoveClub(club);
                                return true;
                            });
}

bool RemoveClubPersons(CDatabaseDocument& document, int country, std::uint32_t club) {
    if (country < 1 || country > kCountryCount) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Spieler/Manager löschen")),
                            SWorldScope::Countries({country}), [country, club](CWorld& world) {
                                CClub* target = world.Country(country).Club(club);
                                if (target == nullptr || target->PersonIds().empty()) {
                                    return false;
                                }
                                // Copied: removing changes the list.
                                const std::vector<std::uint32_t> persons = target->PersonIds();
                                for (const std::uint32_t person : persons) {
                                    target->RemovePerson(person);
                                    world.RemovePerson(person);
                                }
                                return true;
                            });
}

bool OverwriteClub(CDatabaseDocument& document, int country, std::uint32_t club,
                   const std::filesystem::path& file) {
    if (country < 1 || country > kCountryCount) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Verein überschreiben")),
                            SWorldScope::Countries({country}),
                            [country, club, &file](CWorld& world) {
                                CClub* target = world.Country(country).Club(club);
                                return target != nullptr && LoadClubFile(*target, file);
                            });
}

}  // namespace kw
