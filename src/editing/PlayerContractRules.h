#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editing/DateFields.h"
#include "model/Date.h"

namespace kw {

class CPlayer;
class CWorld;

// The contract page's fields in the person record. The record names most of them only as
// "settings of the contract editor"; the game's file decides the season-start state:
// - contract byte 4, bits 2 to 5: the state, one exclusive bit each (injury, league ban, career
//   end, on loan), as the game reads the injury dates for bit 2 and the loan club for bit 5;
// - contract byte 1, bit 0 and bit 1: the club's and the player's option on a further year;
// - contract byte 3: the number of matches of a league ban;
// - the contract value: the basic salary;
// - the further dates: the injury period; the contract start and end: every other state's period;
// - the loan club: "Geliehen von"; the fourth club reference: the favourite club.
// The fixed transfer fee, the estimated market value, the club a player never moves to and the
// favourite country have no field in the record.

enum class ESeasonStart { kNone = 0, kInjury = 1, kLeagueBan = 2, kCareerEnd = 3, kOnLoan = 4 };
inline constexpr int kSeasonStartCount = 5;

// The state contract byte 4 stands for: of several state bits the one loading keeps (bit 5, 3, 2,
// 4 in this order).
ESeasonStart SeasonStartOf(std::uint8_t contractByte4);
// Contract byte 4 with the state's bit alone among bits 2 to 5; the other bits kept.
std::uint8_t WithSeasonStart(std::uint8_t contractByte4, ESeasonStart state);

// The controls a state enables.
struct SSeasonStartControls {
    bool dates = false;
    bool loanClub = false;
    bool matches = false;
};
SSeasonStartControls ControlsFor(ESeasonStart state);
// The injury uses the injury period; every other state the other period.
inline bool UsesInjuryPeriod(ESeasonStart state) {
    return state == ESeasonStart::kInjury;
}

inline constexpr int kContractOptionsByte = 0;
inline constexpr std::uint8_t kClubOptionBit = 0x01;
inline constexpr std::uint8_t kPlayerOptionBit = 0x02;
inline constexpr int kBanMatchesByte = 2;
inline constexpr int kSeasonStartByte = 3;
inline constexpr int kMaxBanMatches = 20;

struct SContractPeriod {
    CDate start;
    CDate end;

    friend bool operator==(const SContractPeriod&, const SContractPeriod&) = default;
};

SContractPeriod InjuryPeriod(const CPlayer& player);
void SetInjuryPeriod(CPlayer& player, const SContractPeriod& period);
SContractPeriod OtherPeriod(const CPlayer& player);
void SetOtherPeriod(CPlayer& player, const SContractPeriod& period);

// The periods as the page shows them: an injury period that ends before 1 July 2005 becomes
// 1 July 2005 to 1 November 2005, another period that ends before then 1 July 2005 to 30 June
// 2006; a later period stays.
SContractPeriod InjuryPeriodAsShown(const SContractPeriod& stored);
SContractPeriod OtherPeriodAsShown(const SContractPeriod& stored);
// Writes both periods as shown. The game may rely on these resets, but showing a person must not
// change it: the page applies them only when the user stores an edit.
void ApplyPeriodResets(CPlayer& player);

// The years of the period dates.
inline constexpr SYearRange kPeriodYears{1980, 2015};

// "Vertrag gültig bis": the years from the game's current year to 2015 (only 2015 once the
// current year is past it).
inline constexpr int kLastContractYear = 2015;
SYearRange ContractEndYears(int currentYear);
// A contract end not after the current year is drawn when the game starts.
inline bool ContractEndIsDrawn(int year, int currentYear) {
    return year <= currentYear;
}

// An amount as typed into a field of at most nine digits: its leading digits (after blanks); 0
// for text that is no number.
inline constexpr int kAmountDigits = 9;
std::int32_t AmountOfText(std::string_view text);

// A club's name in `language` as the page shows it: its name (a second team's name for the team
// flag), at most 30 characters; empty for no club or one the world lacks.
inline constexpr std::size_t kShownClubNameLength = 30;
// A club chosen for one of a person's club references. The references name a club, not one of
// its teams (the file has no room for the team), so a second team's entry gives its club.
std::uint32_t RecordClubReference(std::uint32_t chosen);
std::string ShownClubName(const CWorld& world, std::uint32_t club, int language);

}  // namespace kw
