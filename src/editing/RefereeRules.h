#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Referee.h"

namespace kw {

// What the referee editor shows and collects.

// "Vorname" and "Nachname" accept this many characters as typed; the record keeps at most 15 of
// the first name and 19 of the surname.
inline constexpr int kRefereeNameTypingLength = 19;

// The traits the radio buttons offer, 0 "Weltklasse-Schiedsrichter" ... 6 "keine".
inline constexpr int kRefereeTraitCount = 7;
// The trait's text (Windows-1252); empty for a value outside 0..6, which a record read from a file
// may hold.
std::string_view RefereeTraitName(int trait);

struct SRefereeValues {
    std::string firstName;  // Windows-1252, as typed
    std::string surname;
    std::int8_t trait = CReferee::kNoCharacter;

    friend bool operator==(const SRefereeValues&, const SRefereeValues&) = default;
};

SRefereeValues RefereeValuesOf(const CReferee& referee);
// The record the values make: names cut to the record's sizes, the trait as chosen.
CReferee RefereeWithValues(const SRefereeValues& values);

// A row of the referee list: "Name" (the short name) and "Besonderheit" (the trait), separated by
// a tab.
std::string RefereeListRow(const CReferee& referee);

}  // namespace kw
