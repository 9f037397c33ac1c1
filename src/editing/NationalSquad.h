#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "editing/SquadChoices.h"
#include "model/Date.h"

namespace kw {

class CDatabaseDocument;
class CWorld;

// The dialog's countries: every country, by name (CollateText).
std::vector<SChoiceEntry> NationalTeamCountries(const CWorld& world, int language);

// A row of the national squad.
struct SNationalSquadRow {
    std::uint32_t personId = 0;
    std::uint32_t clubId = 0;
    std::string shortName;
    std::string clubName;  // in the list's language
    int mainPosition = 0;
    double strength = 0.0;  // at the main position
    int age = 0;
    int talent = 0;
    // The record has no field for caps: the list shows 0 for every player.
    int caps = 0;
};

// The national squad of `country`: every player (person kind 0) of every club of every country,
// in the order of countries, clubs and their persons, whose nationality is `country` and whose
// national-team flag is set. National teams are passed over: their lists name players of other
// clubs, who are found in their own club. Ages are measured on `today`.
std::vector<SNationalSquadRow> NationalSquad(const CWorld& world, int country, int language,
                                             CDate today);

// The columns, in the list's order.
enum class ENationalSquadColumn { kName, kClub, kPosition, kStrength, kAge, kTalent, kCaps };
inline constexpr int kNationalSquadColumnCount = 7;

// The list's order: it starts by name ascending; a click on another column sorts ascending by
// it, a second click on the same column reverses the order.
class CNationalSquadOrder {
public:
    void Click(ENationalSquadColumn column);
    ENationalSquadColumn Column() const { return m_column; }
    bool Ascending() const { return m_ascending; }

private:
    ENationalSquadColumn m_column = ENationalSquadColumn::kName;
    bool m_ascending = true;
};

// Name and club by CollateText, the others as numbers. Stable: equal keys keep the order they
// had.
void SortNationalSquad(std::vector<SNationalSquadRow>& rows, const CNationalSquadOrder& order);
// The row's cells: short name, club, position abbreviation, strength (whole number), age,
// talent text, caps; tab-separated.
std::string NationalSquadRowText(const SNationalSquadRow& row);

// "Aus Nationalmannschaft entfernen": clears the national-team flag of the persons, from the
// last to the first, as one edit of the document over the countries of their clubs (and the
// players without club for a person without one). Nothing else of a person changes. False, and
// nothing recorded, when none of them had the flag.
bool RemoveFromNationalSquad(CDatabaseDocument& document, std::span<const std::uint32_t> personIds);

}  // namespace kw
