#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

class CDatabaseDocument;
class CRules;
class CWorld;

// "Kontinentale Einstellungen": which of a continent's competitions its tab shows and how their
// title holders and final venues read.

// A competition row of a continent's tab: the rules record's competition 0..2, its label, whether
// the tab shows it and whether it has a final venue.
struct SContinentalCompetition {
    int competition = 0;
    std::string_view label;  // Windows-1252, in the interface language
    bool visible = true;
    bool hasVenue = false;
};
// Europe: "Meisterrunde" and "Europapokal" with their venues and, hidden, the qualification; every
// other continent its one cup.
std::vector<SContinentalCompetition> ContinentalCompetitions(int continent);

// "Titelverteidiger <label>" and "Endspielort <label>".
std::string TitleHolderLabel(const SContinentalCompetition& row);
std::string VenueLabel(const SContinentalCompetition& row);

// The club a title holder names, as the field shows it in `language`; empty for none.
std::string TitleHolderText(const CWorld& world, std::uint32_t club, int language);
// "<stadium> (<country>)" in the language (the German country name when that is empty); empty
// for no venue or one the world does not have.
std::string VenueText(const CWorld& world, std::uint32_t venue, int language);

// The country the five-year ranking opens for from a continent's tab: the first country of the
// continent, the default country when the continent has none.
int ContinentRankingCountry(const CWorld& world, int continent);

// "Kontinentale Einstellungen" confirmed: the world's rules become `edited` as one edit of the
// document. Nothing is recorded when they equal the stored rules.
bool StoreContinentalSettings(CDatabaseDocument& document, const CRules& edited);

}  // namespace kw
