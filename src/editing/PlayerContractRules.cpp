#include "editing/PlayerContractRules.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

constexpr std::uint8_t kStateBits = 0x3C;

// The state bit of each state (none has none).
constexpr std::array<std::uint8_t, kSeasonStartCount> kStateBit = {0x00, 0x04, 0x08, 0x10, 0x20};

const CDate kResetStart = CDate::FromYmd(2005, 7, 1);
const CDate kInjuryResetEnd = CDate::FromYmd(2005, 11, 1);
const CDate kOtherResetEnd = CDate::FromYmd(2006, 6, 30);

SContractPeriod AsShown(const SContractPeriod& stored, CDate resetEnd) {
    if (stored.end < kResetStart) {
        return {kResetStart, resetEnd};
    }
    return stored;
}

}  // namespace

ESeasonStart SeasonStartOf(std::uint8_t contractByte4) {
    for (ESeasonStart state : {ESeasonStart::kOnLoan, ESeasonStart::kLeagueBan,
                               ESeasonStart::kInjury, ESeasonStart::kCareerEnd}) {
        if ((contractByte4 & kStateBit[static_cast<std::size_t>(state)]) != 0) {
            return state;
        }
    }
    return ESeasonStart::kNone;
}

std::uint8_t WithSeasonStart(std::uint8_t contractByte4, ESeasonStart state) {
    const auto index = static_cast<std::size_t>(state);
    const std::uint8_t bit = index < kStateBit.size() ? kStateBit[index] : 0;
    return static_cast<std::uint8_t>((contractByte4 & ~kStateBits) | bit);
}

SSeasonStartControls ControlsFor(ESeasonStart state) {
    switch (state) {
        case ESeasonStart::kInjury:
            return {true, false, false};
        case ESeasonStart::kLeagueBan:
            return {false, false, true};
        case ESeasonStart::kOnLoan:
            return {true, true, false};
        case ESeasonStart::kNone:
        case ESeasonStart::kCareerEnd:
            break;
    }
    return {};
}

SContractPeriod InjuryPeriod(const CPlayer& player) {
    return {player.FurtherDates()[0], player.FurtherDates()[1]};
}

void SetInjuryPeriod(CPlayer& player, const SContractPeriod& period) {
    player.SetFurtherDate(0, period.start);
    player.SetFurtherDate(1, period.end);
}

SContractPeriod OtherPeriod(const CPlayer& player) {
    return {player.ContractStart(), player.ContractEnd()};
}

void SetOtherPeriod(CPlayer& player, const SContractPeriod& period) {
    player.SetContractStart(period.start);
    player.SetContractEnd(period.end);
}

SContractPeriod InjuryPeriodAsShown(const SContractPeriod& stored) {
    return AsShown(stored, kInjuryResetEnd);
}

SContractPeriod OtherPeriodAsShown(const SContractPeriod& stored) {
    return AsShown(stored, kOtherResetEnd);
}

void ApplyPeriodResets(CPlayer& player) {
    SetInjuryPeriod(player, InjuryPeriodAsShown(InjuryPeriod(player)));
    SetOtherPeriod(player, OtherPeriodAsShown(OtherPeriod(player)));
}

SYearRange ContractEndYears(int currentYear) {
    return {std::min(currentYear, kLastContractYear), kLastContractYear};
}

std::int32_t AmountOfText(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size() && (text[position] == ' ' || text[position] == '\t')) {
        ++position;
    }
    std::int32_t amount = 0;
    for (int digits = 0; position < text.size() && digits < kAmountDigits; ++position, ++digits) {
        const auto character = static_cast<unsigned char>(text[position]);
        if (std::isdigit(character) == 0) {
            break;
        }
        amount = amount * 10 + (character - '0');
    }
    return amount;
}

std::string ShownClubName(const CWorld& world, std::uint32_t club, int language) {
    const int country = ClubCountry(club);
    if (club == 0 || !world.IsLoaded() || country < 1 || country > kCountryCount) {
        return {};
    }
    const CClub* found = world.Country(country).Club(club & kClubIdMask);
    if (found == nullptr) {
        return {};
    }
    std::string name = (club & kSecondTeamFlag) != 0 ? found->SecondTeamName(language)
                                                     : std::string(found->Name(language));
    if (name.size() > kShownClubNameLength) {
        name.resize(kShownClubNameLength);
    }
    return name;
}

std::uint32_t RecordClubReference(std::uint32_t chosen) {
    return chosen & kClubIdMask;
}

}  // namespace kw
