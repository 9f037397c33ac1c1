#include "editing/StadiumRules.h"

#include <algorithm>
#include <bit>

#include "forms/SpinEditValue.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

std::uint8_t Mask(const StandTable& stands, bool SStandRow::*flag) {
    std::uint8_t mask = 0;
    for (int stand = 0; stand < kStandCount; ++stand) {
        if (stands[static_cast<std::size_t>(stand)].*flag) {
            mask = static_cast<std::uint8_t>(mask | (1u << stand));
        }
    }
    return mask;
}

// More than this many season-ticket blocks are refused.
constexpr int kMaxSeasonTicketBlocks = 3;

}  // namespace

StandTable StandTableOf(const CStadium& stadium) {
    StandTable stands;
    for (int stand = 0; stand < kStandCount; ++stand) {
        SStandRow& row = stands[static_cast<std::size_t>(stand)];
        row.seats = stadium.Seats(stand);
        row.standing = stadium.StandingPlaces(stand);
        row.vip = stadium.VipPlaces(stand);
        row.seasonTicketBlock = stadium.IsSeasonTicketBlock(stand);
        row.awayBlock = stadium.IsAwayBlock(stand);
    }
    return stands;
}

SStadiumValues StadiumValuesOf(const CStadium& stadium) {
    return {std::string(stadium.Name().View()), std::string(stadium.City().View()), stadium.Type(),
            StandTableOf(stadium)};
}

CStadium StadiumWithValues(const CStadium& original, const SStadiumValues& values) {
    CStadium stadium = original;
    stadium.SetName(values.name);
    stadium.SetCity(values.city);
    stadium.SetType(values.type);
    for (int stand = 0; stand < kStandCount; ++stand) {
        const SStandRow& row = values.stands[static_cast<std::size_t>(stand)];
        stadium.SetSeats(stand, row.seats);
        stadium.SetStandingPlaces(stand, row.standing);
        stadium.SetVipPlaces(stand, row.vip);
    }
    stadium.SetSeasonTicketBlocks(Mask(values.stands, &SStandRow::seasonTicketBlock));
    stadium.SetAwayBlock(Mask(values.stands, &SStandRow::awayBlock));
    return stadium;
}

std::int32_t PlacesFromText(std::string_view text) {
    return std::max(ParseSpinText(text), 0);
}

std::int64_t TotalPlaces(const StandTable& stands) {
    std::int64_t total = 0;
    for (const SStandRow& row : stands) {
        total += std::int64_t{row.seats} + row.standing + row.vip;
    }
    return total;
}

std::vector<int> StandBlockFaults(const StandTable& stands) {
    const std::uint8_t seasonTickets = Mask(stands, &SStandRow::seasonTicketBlock);
    const std::uint8_t away = Mask(stands, &SStandRow::awayBlock);
    std::vector<int> faults;
    if (std::popcount(seasonTickets) > kMaxSeasonTicketBlocks) {
        faults.push_back(ids::kTooManySeasonTicketBlocks);
    }
    if (std::popcount(away) != 1) {
        faults.push_back(ids::kNotOneAwayBlock);
    }
    if ((seasonTickets & away) != 0) {
        faults.push_back(ids::kSeasonTicketAwayBlock);
    }
    return faults;
}

std::string StadiumListRow(const CStadium& stadium, int number) {
    return std::to_string(number) + '\t' + std::string(stadium.Name().View()) + '\t' +
           std::string(stadium.City().View()) + '\t' +
           std::to_string(TotalPlaces(StandTableOf(stadium)));
}

}  // namespace kw
