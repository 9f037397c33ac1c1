#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Stadium.h"

namespace kw {

// What the stadium editor shows and collects: the texts, the type and one row per stand.

// One row of the stand table: the three place counts and the two block check boxes.
struct SStandRow {
    std::int32_t seats = 0;
    std::int32_t standing = 0;
    std::int32_t vip = 0;
    bool seasonTicketBlock = false;
    bool awayBlock = false;

    friend bool operator==(const SStandRow&, const SStandRow&) = default;
};

using StandTable = std::array<SStandRow, kStandCount>;

// "Name" and "Ort" take this many characters as typed; the record keeps them with their zero.
inline constexpr int kStadiumTextLength = static_cast<int>(CStadium::kTextSize) - 1;

struct SStadiumValues {
    std::string name;  // Windows-1252
    std::string city;
    std::int8_t type = 0;
    StandTable stands{};

    friend bool operator==(const SStadiumValues&, const SStadiumValues&) = default;
};

// The stand table of a record: bit i of each mask is the check box of stand i.
StandTable StandTableOf(const CStadium& stadium);
SStadiumValues StadiumValuesOf(const CStadium& stadium);

// The record after the dialog's values are stored into a copy of `original`: texts cut to the
// record's fields, the two masks built from the check boxes; the flag byte stays as it was.
CStadium StadiumWithValues(const CStadium& original, const SStadiumValues& values);

// A place count as typed: a decimal number that saturates at 2,147,483,647 however many digits
// are typed, and never below 0 (the record holds no negative count); text that is no number is 0.
std::int32_t PlacesFromText(std::string_view text);

// "Gesamtkapazität": the sum of the 24 counts, wide enough for 24 times the largest count.
std::int64_t TotalPlaces(const StandTable& stands);

// The block rules, as string ids of their messages in this order: more than three season-ticket
// blocks (487), not exactly one away block (488), a stand that is both (489). Empty when the
// layout is valid.
std::vector<int> StandBlockFaults(const StandTable& stands);

// A row of the stadium list: the number clubs name the stadium by (its position from 1), name,
// city and total capacity, separated by tabs.
std::string StadiumListRow(const CStadium& stadium, int number);

}  // namespace kw
