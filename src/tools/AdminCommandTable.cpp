#include "tools/AdminCommandTable.h"

#include <array>

#include "document/DatabaseDocument.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"
#include "tools/AdminCountryTools.h"
#include "tools/AdminNicknames.h"
#include "tools/AdminSquadTools.h"

namespace kw {

namespace {

using G = EAdminGroup;
using K = EAdminKind;
using T = EAdminTarget;

// Captions in Windows-1252.
constexpr std::array kItems{
    SAdminCommand{"club-yellow-shoes", "Alle gelben Schuhe durch schwarze ersetzen", G::kClub,
                  K::kBulk, T::kClub},
    SAdminCommand{"rename-staff",
                  "Mitarbeiterst\xE4"
                  "be des landes neu benennen",
                  G::kCountry, K::kBulk, T::kCountry},
    SAdminCommand{"rename-stadiums", "Stadien neu benennen", G::kCountry, K::kBulk, T::kCountry},
    SAdminCommand{"remove-unused-stadiums", "Nicht verwendete Stadien entfernen", G::kCountry,
                  K::kBulk, T::kCountry},
    SAdminCommand{"clear-match-records", "Historische Daten entfernen (Spielergebnisse)",
                  G::kCountry, K::kBulk, T::kCountry},
    SAdminCommand{"clear-league-statistics", "Historische Daten entfernen (Statist. der 1. Liga)",
                  G::kCountry, K::kBulk, T::kCountry},
    SAdminCommand{"country-yellow-shoes", "Alle gelben Schuhe durch schwarze ersetzen", G::kCountry,
                  K::kBulk, T::kCountry},
    SAdminCommand{"map-club-ids", "Map Rakel Football 06 club IDs", G::kDatabase, K::kMapping,
                  T::kDatabase},
    SAdminCommand{"map-player-ids", "Map Rakel Football 06 player IDs", G::kDatabase, K::kMapping,
                  T::kDatabase},
    SAdminCommand{"map-face-ids", "Map Rakel Football 06 face IDs", G::kDatabase, K::kMapping,
                  T::kDatabase},
    SAdminCommand{"spain-nicknames", "Update spain nicknames from other DB", G::kDatabase, K::kBulk,
                  T::kOtherDatabase},
    SAdminCommand{"tactical-training", "Taktische Ausbildung von 0 auf 3 setzen", G::kDatabase,
                  K::kBulk, T::kDatabase},
    SAdminCommand{"placeholder-birth-dates",
                  "\xDC"
                  "berpr\xFC"
                  "fe ung\xFC"
                  "ltige Geburtsdaten (1920 und 1900)",
                  G::kDatabase, K::kBulk, T::kDatabase},
    SAdminCommand{"merge-club-names", "Franz\xF6sische / Spanische Clubnamen zusammenf\xFCgen",
                  G::kDatabase, K::kBulk, T::kDatabase},
    SAdminCommand{"remove-staff",
                  "Mitarbeiterstab l\xF6schen (bis auf Manager, Vorsitzender, Pr\xE4sident)",
                  G::kDatabase, K::kBulk, T::kDatabase},
    SAdminCommand{"database-yellow-shoes", "Alle gelben Schuhe durch schwarze ersetzen",
                  G::kDatabase, K::kBulk, T::kDatabase},
    SAdminCommand{"map-ps2-face-ids", "Map PS2 Rakel Football 2003 face IDs", G::kMisc, K::kMapping,
                  T::kDatabase},
    SAdminCommand{"ps2-master", "DB f\xFCr PS2 erstellen", G::kMisc, K::kMasterBuild, T::kDatabase},
};

constexpr std::string_view kDebugOnly = "This function is only avaiable in debug build";

// `pattern` with its one "%s" or "%i" replaced by `value`.
std::string Fill(std::string_view pattern, std::string_view value) {
    const std::size_t at = pattern.find('%');
    if (at == std::string_view::npos) {
        return std::string(pattern);
    }
    std::string text(pattern.substr(0, at));
    text += value;
    text += pattern.substr(at + 2);
    return text;
}

std::string Fill(std::string_view pattern, int value) {
    return Fill(pattern, std::to_string(value));
}

bool IsRealCountry(int country) {
    return country >= 1 && country <= kCountryCount;
}

std::string CountryName(const CWorld& world, int country) {
    return IsRealCountry(country) ? world.Country(country).Name(world.CurrentLanguage())
                                  : std::string();
}

const CClub* FindClub(const CWorld& world, std::uint32_t club) {
    const int country = ClubCountry(club);
    return IsRealCountry(country) ? world.Country(country).Club(club) : nullptr;
}

SAdminOutcome Done(std::string text) {
    return {true, std::move(text)};
}

SAdminOutcome Refused(std::string text) {
    return {false, std::move(text)};
}

// Whether the inputs name what the command acts on; the reason when not.
std::string MissingInput(const SAdminCommand& command, const CWorld& world,
                         const SAdminInputs& inputs) {
    if (command.name == "rename-staff" && inputs.names == nullptr) {
        return "The name lists are not loaded";
    }
    switch (command.target) {
        case T::kClub: {
            const CClub* club = FindClub(world, inputs.club);
            if (club == nullptr || club->IsNationalTeam()) {
                return "This option needs a club (not a national team)";
            }
            return {};
        }
        case T::kCountry:
            return IsRealCountry(inputs.country) ? std::string()
                                                 : "This option needs a country from 1 to 206";
        case T::kOtherDatabase:
            return inputs.other != nullptr ? std::string()
                                           : "This option needs a second open database";
        case T::kDatabase:
            return {};
    }
    return {};
}

}  // namespace

std::string AdminInputProblem(const SAdminCommand& command, const CWorld& world,
                              const SAdminInputs& inputs) {
    return MissingInput(command, world, inputs);
}

std::span<const SAdminCommand> AdminMenuItems() {
    return kItems;
}

std::string_view AdminGroupCaption(EAdminGroup group) {
    switch (group) {
        case G::kClub:
            return "--- Club ---";
        case G::kCountry:
            return "--- Country ---";
        case G::kDatabase:
            return "--- Database ---";
        case G::kMisc:
            return "--- Misc ---";
    }
    return {};
}

const SAdminCommand* FindAdminCommand(std::string_view name) {
    for (const SAdminCommand& command : kItems) {
        if (command.kind == K::kBulk && command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

bool AsksYesNoCancel(const SAdminCommand& command) {
    return command.target == T::kOtherDatabase;
}

std::string AdminQuestion(const SAdminCommand& command, const CWorld& world,
                          const SAdminInputs& inputs) {
    const std::string_view name = command.name;
    const std::string country = CountryName(world, inputs.country);
    if (name == "club-yellow-shoes") {
        const CClub* club = FindClub(world, inputs.club);
        return Fill(
            "This option changes all yellow shoes of %s to black. Do you really want to do "
            "this?",
            club != nullptr ? club->Name() : std::string_view());
    }
    if (name == "country-yellow-shoes") {
        return Fill(
            "This option changes all yellow shoes of %s to black. Do you really want to do "
            "this?",
            country);
    }
    if (name == "database-yellow-shoes") {
        return "This option changes all yellow shoes of the database to black. Do you really want "
               "to do this?";
    }
    if (name == "rename-staff") {
        return Fill("Do you really want to rename all staff in %s?", country);
    }
    if (name == "rename-stadiums") {
        return Fill("Do you really want to rename all stadiums in %s?", country);
    }
    if (name == "clear-match-records") {
        return Fill(
            "This option clears all historical match records from the country %s. Do you "
            "really want to clear the match records?",
            country);
    }
    if (name == "clear-league-statistics") {
        return Fill(
            "This option clears all historical 1st league records from the country %s. Do "
            "you really want to clear the 1st league records?",
            country);
    }
    if (name == "tactical-training") {
        return "This option sets all players with tactical education = 0 to tactical education = "
               "3. Do you really want to do this?";
    }
    if (name == "placeholder-birth-dates") {
        return "This option sets 1900-01-01 and 1920-01-01 birthdays to 1980-01-01. Do you really "
               "want to change them?";
    }
    if (name == "remove-staff") {
        return "This option deletes all staffs except manager, trainer and presidents. Do you "
               "really want to delete them?";
    }
    if (name == "spain-nicknames") {
        const std::string other = inputs.other != nullptr ? inputs.other->DirectoryName() : "";
        return Fill(Fill("This option replaces all nicknames from the spain league in %s with the "
                         "nicknames from %s. Do you want to reset all nicknames before replacing "
                         "them?",
                         world.DirectoryName()),
                    other);
    }
    return {};
}

SAdminOutcome RunAdminCommand(const SAdminCommand& command, CDatabaseDocument& document,
                              const SAdminInputs& inputs, bool reset) {
    if (command.kind != K::kBulk) {
        return Refused("This option is not a bulk command");
    }
    const std::string missing = AdminInputProblem(command, document.World(), inputs);
    if (!missing.empty()) {
        return Refused(missing);
    }
    const std::string_view name = command.name;
    const std::string description(command.caption);
    const int country = inputs.country;
    if (name == "club-yellow-shoes") {
        return Done(
            Fill("Changed %i shoes to black",
                 ChangeClubMembers(document, description, inputs.club, YellowShoesToBlack())));
    }
    if (name == "country-yellow-shoes") {
        return Done(Fill("Changed %i shoes to black",
                         ChangeMembers(document, description, {country}, YellowShoesToBlack())));
    }
    if (name == "database-yellow-shoes") {
        return Done(
            Fill("Changed %i shoes to black",
                 ChangeMembers(document, description, AllCountries(), YellowShoesToBlack())));
    }
    if (name == "rename-staff") {
        RenameStaff(document, description, country, *inputs.names);
        return Done("Renamed all staff in the country");
    }
    if (name == "rename-stadiums") {
        RenameStadiums(document, description, country);
        return Done("Finished renaming stadiums");
    }
    if (name == "clear-match-records") {
        ClearMatchRecords(document, description, country);
        return Done("Cleared all club match history in the the country");
    }
    if (name == "clear-league-statistics") {
        ClearFirstLeagueStatistics(document, description, country);
        return Done("Cleared all club 1st league history in the the country");
    }
    if (name == "tactical-training") {
        return Done(Fill(
            "Changed the tactical skill of %i players",
            ChangeMembers(document, description, AllCountries(), TacticalTrainingZeroToThree())));
    }
    if (name == "placeholder-birth-dates") {
        return Done(
            Fill("Changed the birthday of %i players",
                 ChangeMembers(document, description, AllCountries(), PlaceholderBirthDates())));
    }
    if (name == "remove-staff") {
        return Done(Fill("Deleted %i staffs", RemoveStaff(document, description)));
    }
    if (name == "spain-nicknames") {
        return Done(Fill("Replaced %i Nicknames",
                         CopyNicknames(document, description, *inputs.other, reset)));
    }
    if (name == "merge-club-names") {
        return Done(std::string(kDebugOnly));
    }
    // "remove-unused-stadiums" has no effect and reports nothing.
    return Done({});
}

}  // namespace kw
