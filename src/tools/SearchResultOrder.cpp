#include "tools/SearchResultOrder.h"

#include <algorithm>

#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

// Negative, zero or positive as `a` sorts before, with or after `b` in the column, ascending.
int CompareInColumn(const SSearchRow& a, const SSearchRow& b, int column) {
    switch (column) {
        case searchcolumn::kFirstName:
            return CollateText(a.firstName, b.firstName);
        case searchcolumn::kStageName:
            return CollateText(a.stageName, b.stageName);
        case searchcolumn::kPosition:
            return a.position - b.position;
        case searchcolumn::kBirthDate:
            return a.birthDate.Value() < b.birthDate.Value()   ? -1
                   : a.birthDate.Value() > b.birthDate.Value() ? 1
                                                               : 0;
        case searchcolumn::kClub:
            return CollateText(a.clubName, b.clubName);
        case searchcolumn::kCountry:
            return CollateText(a.countryName, b.countryName);
        default:
            return CollateText(a.surname, b.surname);
    }
}

}  // namespace

SSearchRow MakeSearchRow(const CWorld& world, const SSearchHit& hit, int language) {
    SSearchRow row;
    row.hit = hit;
    if (const CPlayer* person = world.Person(hit.personId)) {
        row.firstName = person->FirstName().View();
        row.surname = person->Surname().View();
        row.stageName = person->StageName().View();
        row.position = person->MainPosition();
        row.birthDate = person->BirthDate();
    }
    const int country = ClubCountry(hit.clubId);
    if (hit.clubId != 0 && country >= 1 && country <= kCountryCount) {
        if (const CClub* club = world.Country(country).Club(hit.clubId)) {
            row.clubName = club->Name(language);
            row.countryName = world.Country(country).Name(language);
        }
    }
    return row;
}

void CSearchOrder::Click(int column) {
    if (column == m_column) {
        m_descending = !m_descending;
        return;
    }
    m_column = column;
    m_descending = false;
}

void SortSearchRows(std::vector<SSearchRow>& rows, const CSearchOrder& order) {
    const int column = order.Column();
    const bool descending = order.Descending();
    std::stable_sort(rows.begin(), rows.end(),
                     [column, descending](const SSearchRow& a, const SSearchRow& b) {
                         const int result = CompareInColumn(a, b, column);
                         return descending ? result > 0 : result < 0;
                     });
}

}  // namespace kw
