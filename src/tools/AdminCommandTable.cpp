#include "tools/AdminCommandTable.h"

#include <array>

#include "document/DatabaseDocument.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "storage/Identifiers.h"
#include "tools/AdminCountryTools.h"
#include "tools/AdminNicknames.h"
#include "tools/AdminSquadTools.h"

namespace kw {

namespace {

using G = EAdminGroup;
using K = EAdminKind;
using T = EAdminTarget;

// --- the runs, each one edit named after its menu item.

int ClubYellowShoes(CDatabaseDocument& document, const std::string& description,
                    const SAdminInputs& inputs, bool) {
    return ChangeClubMembers(document, description, inputs.club, YellowShoesToBlack());
}

int CountryYellowShoes(CDatabaseDocument& document, const std::string& description,
                       const SAdminInputs& inputs, bool) {
    return ChangeMembers(document, description, {inputs.country}, YellowShoesToBlack());
}

int DatabaseYellowShoes(CDatabaseDocument& document, const std::string& description,
                        const SAdminInputs&, bool) {
    return ChangeMembers(document, description, AllCountries(), YellowShoesToBlack());
}

int StaffNames(CDatabaseDocument& document, const std::string& description,
               const SAdminInputs& inputs, bool) {
    return RenameStaff(document, description, inputs.country, *inputs.names);
}

int StadiumNames(CDatabaseDocument& document, const std::string& description,
                 const SAdminInputs& inputs, bool) {
    return RenameStadiums(document, description, inputs.country);
}

int MatchRecords(CDatabaseDocument& document, const std::string& description,
                 const SAdminInputs& inputs, bool) {
    return ClearMatchRecords(document, description, inputs.country);
}

int LeagueStatistics(CDatabaseDocument& document, const std::string& description,
                     const SAdminInputs& inputs, bool) {
    return ClearFirstLeagueStatistics(document, description, inputs.country);
}

int Nicknames(CDatabaseDocument& document, const std::string& description,
              const SAdminInputs& inputs, bool reset) {
    return CopyNicknames(document, description, *inputs.other, reset);
}

int TacticalTraining(CDatabaseDocument& document, const std::string& description,
                     const SAdminInputs&, bool) {
    return ChangeMembers(document, description, AllCountries(), TacticalTrainingZeroToThree());
}

int BirthDates(CDatabaseDocument& document, const std::string& description, const SAdminInputs&,
               bool) {
    return ChangeMembers(document, description, AllCountries(), PlaceholderBirthDates());
}

int Staff(CDatabaseDocument& document, const std::string& description, const SAdminInputs&, bool) {
    return RemoveStaff(document, description);
}

constexpr std::string_view kShoesQuestion =
    "This option changes all yellow shoes of %s to black. Do you really want to do this?";
constexpr std::string_view kShoesResult = "Changed %i shoes to black";

// Captions in Windows-1252, in menu order.
constexpr std::array kItems{
    SAdminCommand{"club-yellow-shoes", "Alle gelben Schuhe durch schwarze ersetzen", G::kClub,
                  K::kBulk, T::kClub, kShoesQuestion, kShoesResult, ClubYellowShoes},
    SAdminCommand{"rename-staff",
                  "Mitarbeiterst\xE4"
                  "be des landes neu benennen",
                  G::kCountry, K::kBulk, T::kCountry,
                  "Do you really want to rename all staff in %s?",
                  "Renamed all staff in the country", StaffNames},
    SAdminCommand{"rename-stadiums", "Stadien neu benennen", G::kCountry, K::kBulk, T::kCountry,
                  "Do you really want to rename all stadiums in %s?", "Finished renaming stadiums",
                  StadiumNames},
    // Has no effect: no question, no result.
    SAdminCommand{"remove-unused-stadiums",
                  "Nicht verwendete Stadien entfernen",
                  G::kCountry,
                  K::kBulk,
                  T::kCountry,
                  {},
                  {}},
    SAdminCommand{"clear-match-records", "Historische Daten entfernen (Spielergebnisse)",
                  G::kCountry, K::kBulk, T::kCountry,
                  "This option clears all historical match records from the country %s. Do you "
                  "really want to clear the match records?",
                  "Cleared all club match history in the the country", MatchRecords},
    SAdminCommand{"clear-league-statistics", "Historische Daten entfernen (Statist. der 1. Liga)",
                  G::kCountry, K::kBulk, T::kCountry,
                  "This option clears all historical 1st league records from the country %s. Do "
                  "you really want to clear the 1st league records?",
                  "Cleared all club 1st league history in the the country", LeagueStatistics},
    SAdminCommand{"country-yellow-shoes", "Alle gelben Schuhe durch schwarze ersetzen", G::kCountry,
                  K::kBulk, T::kCountry, kShoesQuestion, kShoesResult, CountryYellowShoes},
    SAdminCommand{"map-club-ids", "Map Rakel Football 06 club IDs", G::kDatabase, K::kMapping,
                  T::kDatabase},
    SAdminCommand{"map-player-ids", "Map Rakel Football 06 player IDs", G::kDatabase, K::kMapping,
                  T::kDatabase},
    SAdminCommand{"map-face-ids", "Map Rakel Football 06 face IDs", G::kDatabase, K::kMapping,
                  T::kDatabase},
    SAdminCommand{"spain-nicknames", "Update spain nicknames from other DB", G::kDatabase, K::kBulk,
                  T::kOtherDatabase,
                  "This option replaces all nicknames from the spain league in %s with the "
                  "nicknames from %s. Do you want to reset all nicknames before replacing them?",
                  "Replaced %i Nicknames", Nicknames},
    SAdminCommand{"tactical-training", "Taktische Ausbildung von 0 auf 3 setzen", G::kDatabase,
                  K::kBulk, T::kDatabase,
                  "This option sets all players with tactical education = 0 to tactical "
                  "education = 3. Do you really want to do this?",
                  "Changed the tactical skill of %i players", TacticalTraining},
    SAdminCommand{"placeholder-birth-dates",
                  "\xDC"
                  "berpr\xFC"
                  "fe ung\xFC"
                  "ltige Geburtsdaten (1920 und 1900)",
                  G::kDatabase, K::kBulk, T::kDatabase,
                  "This option sets 1900-01-01 and 1920-01-01 birthdays to 1980-01-01. Do you "
                  "really want to change them?",
                  "Changed the birthday of %i players", BirthDates},
    // Exists only in a diagnostic build: answers so and changes nothing.
    SAdminCommand{"merge-club-names",
                  "Franz\xF6sische / Spanische Clubnamen zusammenf\xFCgen",
                  G::kDatabase,
                  K::kBulk,
                  T::kDatabase,
                  {},
                  "This function is only avaiable in debug build"},
    SAdminCommand{"remove-staff",
                  "Mitarbeiterstab l\xF6schen (bis auf Manager, Vorsitzender, Pr\xE4sident)",
                  G::kDatabase, K::kBulk, T::kDatabase,
                  "This option deletes all staffs except manager, trainer and presidents. Do you "
                  "really want to delete them?",
                  "Deleted %i staffs", Staff},
    SAdminCommand{"database-yellow-shoes", "Alle gelben Schuhe durch schwarze ersetzen",
                  G::kDatabase, K::kBulk, T::kDatabase,
                  "This option changes all yellow shoes of the database to black. Do you really "
                  "want to do this?",
                  kShoesResult, DatabaseYellowShoes},
    SAdminCommand{"map-ps2-face-ids", "Map PS2 Rakel Football 2003 face IDs", G::kMisc, K::kMapping,
                  T::kDatabase},
    SAdminCommand{"ps2-master", "DB f\xFCr PS2 erstellen", G::kMisc, K::kMasterBuild, T::kDatabase},
};

// `pattern` with its first "%s" or "%i" replaced by `value`.
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

const CClub* FindClub(const CWorld& world, std::uint32_t club) {
    const int country = ClubCountry(club);
    return IsRealCountry(country) ? world.Country(country).Club(club) : nullptr;
}

}  // namespace

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
                          const SAdminInputs& inputs, int language) {
    switch (command.target) {
        case T::kClub: {
            const CClub* club = FindClub(world, inputs.club);
            return Fill(command.question,
                        club != nullptr ? club->Name(language) : std::string_view());
        }
        case T::kCountry:
            return Fill(command.question, IsRealCountry(inputs.country)
                                              ? world.Country(inputs.country).Name(language)
                                              : std::string());
        case T::kOtherDatabase:
            // The folders' names are UTF-8, the questions Windows-1252.
            return Fill(Fill(command.question, Utf8ToCp1252(world.DirectoryName())),
                        inputs.other != nullptr ? Utf8ToCp1252(inputs.other->DirectoryName())
                                                : std::string());
        case T::kDatabase:
            break;
    }
    return std::string(command.question);
}

std::string AdminInputProblem(const SAdminCommand& command, const CWorld& world,
                              const SAdminInputs& inputs) {
    if (command.run == StaffNames && inputs.names == nullptr) {
        return "The name lists are not loaded";
    }
    switch (command.target) {
        case T::kClub: {
            const CClub* club = FindClub(world, inputs.club);
            if (club == nullptr || club->IsNationalTeam()) {
                return "This option needs a club (not a national team)";
            }
            break;
        }
        case T::kCountry:
            if (!IsRealCountry(inputs.country)) {
                return "This option needs a country from 1 to 206";
            }
            break;
        case T::kOtherDatabase:
            if (inputs.other == nullptr) {
                return "This option needs a second open database";
            }
            break;
        case T::kDatabase:
            break;
    }
    return {};
}

SAdminOutcome RunAdminCommand(const SAdminCommand& command, CDatabaseDocument& document,
                              const SAdminInputs& inputs, bool reset) {
    if (command.kind != K::kBulk) {
        return {false, "This option is not a bulk command"};
    }
    std::string problem = AdminInputProblem(command, document.World(), inputs);
    if (!problem.empty()) {
        return {false, std::move(problem)};
    }
    const int count = command.run != nullptr
                          ? command.run(document, std::string(command.caption), inputs, reset)
                          : 0;
    return {true, Fill(command.result, std::to_string(count))};
}

}  // namespace kw
