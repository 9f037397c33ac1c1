#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/PlayerPool.h"

namespace kw {

class CDatabaseDocument;
class CWorld;

// The page "Jugendspieler": the used entries of a country's player pool and the commands on
// them, each one undoable edit of the country. An entry without surname is neither listed nor
// saved, so no command stores one: it would vanish without a word. Nothing else in the database
// refers to a pool entry, so deleting one touches only its slot.

struct SPoolRow {
    std::size_t slot = 0;
    // Short name, nationality, special ability, team part and preferred club, tab-separated
    // (Windows-1252).
    std::string text;
};

// The list's row of one entry, names in `language`.
std::string PoolRowText(const CWorld& world, const CPoolEntry& entry, int language);
// The used entries in slot order (the order the country file keeps them in); none for a country
// outside 1..206.
std::vector<SPoolRow> PoolRows(const CWorld& world, int country, int language);

// What "Neu" starts from: an empty entry of the country's nationality, as a fresh slot is.
CPoolEntry BlankPoolEntry(int country);

// "Neu": the entry takes the first unused slot, or a new slot at the end when all are used.
// Returns its slot; nothing for an entry without surname or a country outside 1..206.
std::optional<std::size_t> AddPoolEntry(CDatabaseDocument& document, int country,
                                        const CPoolEntry& entry);
// "Ändern": the used slot gets `entry`. Nothing recorded for an unused or missing slot, an entry
// without surname or one equal to the slot's.
bool ReplacePoolEntry(CDatabaseDocument& document, int country, std::size_t slot,
                      const CPoolEntry& entry);
// "Löschen": the used slot becomes blank again (BlankPoolEntry); the other entries keep their
// slots.
bool RemovePoolEntry(CDatabaseDocument& document, int country, std::size_t slot);

}  // namespace kw
