#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Date.h"
#include "tools/PlayerSearch.h"

namespace kw {

class CWorld;

// One line of the search result list with the keys its columns sort by.
struct SSearchRow {
    SSearchHit hit;
    std::string firstName;
    std::string surname;
    std::string stageName;
    int position = 0;  // main position code
    CDate birthDate;
    std::string clubName;     // empty without club
    std::string countryName;  // the club's country in `language`; empty without club
};

// The columns of the result list, numbered as shown.
namespace searchcolumn {
inline constexpr int kFirstName = 0;
inline constexpr int kSurname = 1;
inline constexpr int kStageName = 2;
inline constexpr int kPosition = 3;
inline constexpr int kBirthDate = 4;
inline constexpr int kClub = 5;
inline constexpr int kCountry = 6;
inline constexpr int kCount = 7;
}  // namespace searchcolumn

// The row of a hit, its club and country names in `language`. Empty names for a person or club the
// world no longer has.
SSearchRow MakeSearchRow(const CWorld& world, const SSearchHit& hit, int language);

// The order of the list: a click on a column sorts by it ascending, a second click on the same
// column reverses. It starts by surname, ascending.
class CSearchOrder {
public:
    void Click(int column);
    int Column() const { return m_column; }
    bool Descending() const { return m_descending; }

private:
    int m_column = searchcolumn::kSurname;
    bool m_descending = false;
};

// Sorts stably by the order's column: names, club and country names by CollateText, position by
// code, birth date by day. Equal keys keep the search order.
void SortSearchRows(std::vector<SSearchRow>& rows, const CSearchOrder& order);

}  // namespace kw
