#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

class CDatabaseDocument;
class CWorld;

// Copying continents, countries and clubs from one open database into another by dragging a node
// of one database's tree onto a node of the other's (or of the same one).

enum class ESyncKind { Continent, Country, Club };

// What a tree node stands for. The kind follows from the record alone: a continent has no
// country, a country no club.
struct SSyncItem {
    static constexpr std::uint16_t kNoCountry = 0xFFFF;
    static constexpr std::uint32_t kNoClub = 0xFFFFFFFF;

    std::int32_t slot = 0;
    std::uint16_t continent = 0;
    std::uint16_t country = kNoCountry;
    std::uint32_t club = kNoClub;

    static SSyncItem Continent(int slot, int continent);
    static SSyncItem Country(int slot, int continent, int country);
    static SSyncItem Club(int slot, int continent, int country, std::uint32_t club);

    ESyncKind Kind() const;
    friend bool operator==(const SSyncItem&, const SSyncItem&) = default;
};

// One node of a database's tree: its record, its name (Windows-1252) and its children.
struct SSyncNode {
    SSyncItem item;
    std::string name;
    std::vector<SSyncNode> children;
};

// Every group of the club copy and of the country copy.
inline constexpr std::uint32_t kAllClubCopyGroups = 0x7FFE;
inline constexpr std::uint32_t kAllCountryCopyGroups = 0x7E;

// How a database choice names a slot: the last component of its folder (after the last
// back-slash, else the last slash), separators at the end aside.
std::string SlotDisplayName(std::string_view directory);

// The tree of the database in `slot`: the six continents, below each its countries 1..206 (a
// country on a continent number of 6 or more is not shown), below each country its clubs without
// the national team; names in the document's language, children sorted alphabetically (letter
// case and accents aside) at every level.
std::vector<SSyncNode> SyncTree(const CDatabaseDocument& document, int slot);

enum class EDropAction {
    Nothing,      // a node dropped on itself
    Refuse,       // the message says why
    CopyClub,     // club onto the club `target`, after the club copy dialog
    NewClub,      // a new club in the country `target`, every group copied
    CopyCountry,  // the country copy dialog, then each of `countries` copied
};

// A country of the dragged database and the country of the target database it is copied onto.
struct SCountryCopy {
    int from = 0;
    int to = 0;
    friend bool operator==(const SCountryCopy&, const SCountryCopy&) = default;
};

struct SDropDecision {
    EDropAction action = EDropAction::Nothing;
    std::string message;  // Windows-1252, for Refuse
    SSyncItem target;  // the node the copy goes into (a club found by name for club onto country)
    std::vector<SCountryCopy> countries;
};

// What dropping `dragged` (a node of `dragging`) on `target` (a node of `targeted`) does; a club
// dropped on a country finds its namesake by the names each document shows.
SDropDecision DecideDrop(const SSyncItem& dragged, const SSyncItem& target,
                         const CDatabaseDocument& dragging, const CDatabaseDocument& targeted);

// Carries out a copy decision as one undoable change of the target document; `source` is only
// read (it may be the target document's own world). `mask` is the club mask for CopyClub, the
// country mask for CopyCountry; a new club always gets every group. Returns the node to show
// afterwards (the new club for NewClub), nothing when nothing changed.
std::optional<SSyncItem> CarryOutDrop(const SDropDecision& decision, const SSyncItem& dragged,
                                      const CWorld& source, CDatabaseDocument& target,
                                      std::uint32_t mask);

}  // namespace kw
