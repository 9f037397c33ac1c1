#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kw {

class CClub;
class CPlayer;
class CWorld;

// The duplicate finder: club players who share surname and first name.

// One player of a club, with the club and the club's country.
struct SDuplicateCandidate {
    const CPlayer* player = nullptr;
    const CClub* club = nullptr;
    int country = 0;
};

// Every player (person kind 0) of every club of the countries 1 to 206, national teams left
// out; players without club are no candidates. Taken in world order (countries ascending, clubs
// by id, persons in the club's list order) and then stably sorted by surname, then first name,
// both compared byte by byte: case and accents count, and equal names stay in world order, so
// the pairs come out the same on every run.
std::vector<SDuplicateCandidate> DuplicateCandidates(const CWorld& world);

enum class EDuplicateScope { All, Country, Club };

struct SDuplicateFilter {
    EDuplicateScope scope = EDuplicateScope::All;
    int country = 0;         // for EDuplicateScope::Country
    std::uint32_t club = 0;  // for EDuplicateScope::Club
    bool sameBirthDate = false;
};

struct SDuplicatePair {
    SDuplicateCandidate first;
    SDuplicateCandidate second;
};

// The neighbours of the sorted candidates with equal names (byte by byte) that the filter lets
// through, in candidate order: three players of one name give two pairs (first with second,
// second with third). A pair is within a club's or a country's scope when either of its players
// is. The club is compared without the second-team bit.
std::vector<SDuplicatePair> FindDuplicatePairs(const std::vector<SDuplicateCandidate>& candidates,
                                               const SDuplicateFilter& filter);

// The scopes the dialog offers for the country and club shown in the main window: a country
// outside 1..206 offers no country scope, no club or a national team (or a club not of that
// country) no club scope. The preselection is the narrowest offered.
struct SDuplicateScopes {
    bool country = false;
    bool club = false;
    EDuplicateScope preselected = EDuplicateScope::All;
};
SDuplicateScopes OfferedDuplicateScopes(const CWorld& world, int country, std::uint32_t club);

inline constexpr int kDuplicateColumnCount = 7;
using DuplicateRowTexts = std::array<std::string, kDuplicateColumnCount>;

// The column headings (Windows-1252): "Name", "Verein" twice, "Geburtstag" twice, "Pos" twice.
DuplicateRowTexts DuplicateColumnHeadings();
// A row (Windows-1252): "surname, first name", "club (country)" of each player in `language`,
// each birth date as "dd.mm.yyyy", each main position's abbreviation.
DuplicateRowTexts DuplicateRowCells(const SDuplicatePair& pair, const CWorld& world, int language);

// The list's order: a click on a header sorts ascending by that column, a second click on the
// same header descending. Column 0 orders by the first player's surname, then first name; 1 and 2
// by club name, then country name (both CollateTexts, in `language`); 3 and 4 by birth date; 5 and
// 6 by main position code. Equal keys keep the pairs' order.
class CDuplicateOrder {
public:
    int Column() const { return m_column; }
    bool Ascending() const { return m_ascending; }
    void ClickColumn(int column);
    void Sort(std::vector<SDuplicatePair>& pairs, const CWorld& world, int language) const;

private:
    int m_column = 0;
    bool m_ascending = true;
};

}  // namespace kw
