#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "editing/EditChoice.h"

namespace kw {

class CCountry;

// The youth-player look of a country: which faces, haircuts, hair colours and beards a generated
// youth player may get (bit v of a 32-bit set allows the choice of value v), and the averages.

// A set has one bit per value, so only values 0..31 can be offered; the lists keep those choices
// of the full ones, in their order.
inline constexpr int kLookSetValues = 32;
std::vector<SEditChoice> LookSetChoices(std::span<const SEditChoice> choices);

// Whether the set allows the value; a value outside 0..31 is never in a set.
bool LookSetHas(std::uint32_t set, int value);
// The set of the selected values; values outside 0..31 are left out rather than shifted past the
// width of the set.
std::uint32_t LookSetOf(std::span<const int> values);

inline constexpr int kMinAverageHeight = 150;  // cm
inline constexpr int kMaxAverageHeight = 220;
inline constexpr int kMinAverageWeight = 50;  // kg
inline constexpr int kMaxAverageWeight = 150;

struct SImperialHeight {
    int feet = 0;
    int inches = 0;
    friend bool operator==(const SImperialHeight&, const SImperialHeight&) = default;
};
struct SImperialWeight {
    int stones = 0;
    int pounds = 0;
    friend bool operator==(const SImperialWeight&, const SImperialWeight&) = default;
};
// Whole feet and the inches left over; whole stones and the pounds left over (each cut, as the
// game's own conversion does).
SImperialHeight ImperialHeight(int centimetres);
SImperialWeight ImperialWeight(int kilograms);

// The page's values as the country holds them.
struct SCountryLookValues {
    std::uint32_t faces = 0;
    std::uint32_t haircuts = 0;
    std::uint32_t hairColours = 0;
    std::uint32_t beards = 0;
    int averageHeight = 0;
    int averageWeight = 0;
    friend bool operator==(const SCountryLookValues&, const SCountryLookValues&) = default;
};

SCountryLookValues ReadLookValues(const CCountry& country);
// Writes the values that differ between `loaded` and `edited` (what the controls showed after
// loading and what they show now), so a stored value the controls cannot show, such as an
// average of 0, stays until the user edits it. The averages are held to their ranges. True when
// anything was written.
bool StoreChangedLookValues(CCountry& country, const SCountryLookValues& loaded,
                            const SCountryLookValues& edited);

}  // namespace kw
