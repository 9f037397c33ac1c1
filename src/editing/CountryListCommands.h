#pragma once

#include <cstddef>

namespace kw {

class CDatabaseDocument;
class CReferee;
class CStadium;

// The changes of the stadium and referee editors, each one undoable edit of the country. Each
// returns whether it recorded an edit: a change that would leave the records as they are, a
// country outside 1..206 or a position beyond the list records nothing.

// Stadium `index` of the country's list becomes `stadium`. Stadiums are neither added nor removed
// here: clubs and the cup final name them by their position in the list.
bool ReplaceStadium(CDatabaseDocument& document, int country, std::size_t index,
                    const CStadium& stadium);

bool ReplaceReferee(CDatabaseDocument& document, int country, std::size_t index,
                    const CReferee& referee);
// Appends the referee to the end of the country's list.
bool AddReferee(CDatabaseDocument& document, int country, const CReferee& referee);
bool RemoveReferee(CDatabaseDocument& document, int country, std::size_t index);

}  // namespace kw
