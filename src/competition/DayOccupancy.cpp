#include "competition/DayOccupancy.h"

namespace kw {

namespace {

constexpr std::uint8_t kUicCode = 34;
constexpr int kFinalRound = 15;

// The code a node of this type writes into the table; 0 for none.
std::uint8_t OccupancyCode(const CDBCompetition& node, int calendar) {
    const int round = node.RoundName();
    switch (node.Type()) {
        case kChampionsLeagueType:
            return static_cast<std::uint8_t>(round == kFinalRound ? 31 : round);
        case kUefaCupType:
            return static_cast<std::uint8_t>(round == kFinalRound ? 32 : round);
        case kToyotaType:
            return 0;
        case kEuroSupercupType:
            return 30;
        case kWorldClubChampType:
            return 33;
        case kUicType:
            return kUicCode;
        case kQualiWcType:
        case kQualiEcType:
            return 29;
        case kWorldCupType:
        case kEuroCupType:
            return calendar == 1 ? 29 : 0;
        default:
            return static_cast<std::uint8_t>(round);
    }
}

void Mark(std::uint8_t& slot, std::uint8_t code) {
    // UIC days give way to any later node.
    if (slot == kUicCode) {
        slot = 0;
    }
    if (slot == 0) {
        slot = code;
    }
}

}  // namespace

void SDayOccupancy::Clear() {
    for (auto& table : tables) {
        table.fill(0);
    }
}

void MarkDayOccupancy(const CDBCompetition& node, SDayOccupancy& occupancy,
                      bool firstCalendarOnly) {
    if (node.RoundName() < 1) {
        return;
    }
    for (int day = 1; day < SDayOccupancy::kDays; ++day) {
        if (node.CalendarValue(0, day) != 0) {
            Mark(occupancy.tables[0][static_cast<std::size_t>(day)], OccupancyCode(node, 0));
        }
    }
    if (firstCalendarOnly) {
        return;
    }
    // The second calendar runs over two seasons; days of the later one fold onto the season.
    const int firstDay = node.Type() == kQualiEcType ? SDayOccupancy::kDays : 1;
    for (int day = firstDay; day < CDBCompetition::kCalendarDays; ++day) {
        if (node.CalendarValue(1, day) != 0) {
            const int slot = day >= SDayOccupancy::kDays ? day - SDayOccupancy::kDays : day;
            // A calendar runs a few days past two seasons; those days have no slot to mark.
            if (slot >= SDayOccupancy::kDays) {
                continue;
            }
            Mark(occupancy.tables[1][static_cast<std::size_t>(slot)], OccupancyCode(node, 1));
        }
    }
}

}  // namespace kw
