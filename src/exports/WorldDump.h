#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kw {

class CClub;
class CPlayer;
class CWorld;
struct SWorldScope;

// The model as JSON text (UTF-8, keys in a fixed order, two-blank indentation), so that two
// databases can be compared with ordinary diff tools: countries with their settings, clubs,
// persons, competitions, collections and player pool, then the players without club and the
// rules.
//
// It shows what the database files carry, the way they carry it: club references in the compact
// numbering a save would give them, so that a database and its saved copy dump alike; the ids of
// the players without club and of the managers are left out, since a load hands them out anew;
// and the team lists of level pools are left out, since the files do not keep them.
//
// With a country number 1 to 206 only that country is dumped (without players without club and
// rules); with 0 every country.
//
// Indented for people and diff tools; compact (the same values without any blanks or line
// breaks) where only programs read it.
enum class EDumpLayout { Indented, Compact };

std::string DumpWorldJson(const CWorld& world, int country = 0,
                          EDumpLayout layout = EDumpLayout::Indented);

// The rest of the whole dump: {"withoutClub": [...], "rules": {...}} as DumpWorldJson(world)
// carries them.
std::string DumpWithoutClubAndRulesJson(const CWorld& world,
                                        EDumpLayout layout = EDumpLayout::Indented);

// Single records and parts as the whole dump shows them (club references in the numbering of a
// save, built once): for readers of a few records of a large database, and for those that go
// through it a country at a time without holding the whole text.
class CRecordDump {
public:
    explicit CRecordDump(const CWorld& world);
    ~CRecordDump();
    CRecordDump(const CRecordDump&) = delete;
    CRecordDump& operator=(const CRecordDump&) = delete;

    // Compact, the club; without `withPersons` its list of persons is left empty.
    std::string Club(const CClub& club, bool withPersons = false) const;
    // A person, with the id when the dump shows it (for the persons of clubs).
    std::string Person(const CPlayer& person, bool withId) const;
    std::string Rules() const;
    // The country with its settings and collections, its competitions and clubs left out.
    std::string Country(int number) const;
    // The whole country, as DumpWorldJson(world, number, layout) gives it; with `keepClub`, only
    // the clubs it keeps.
    using ClubFilter = std::function<bool(const CClub&)>;
    std::string CountryPart(int number, EDumpLayout layout, const ClubFilter& keepClub = {}) const;

private:
    struct SNumbers;
    const CWorld& m_world;
    std::unique_ptr<SNumbers> m_numbers;
};

// What a scope leaves out of the world, part by part: each country it does not name ("country 12"),
// then the players without club and the rules unless it names them; compact, and with club
// references as the world holds them rather than as a save would number them, so that a club
// added to or removed from one country changes no other part. What the test programs and debug
// builds compare before and after every operation of a document (document/ScopeCheck.h).
using PartTexts = std::vector<std::pair<std::string, std::string>>;
PartTexts DumpOutsideScopeJson(const CWorld& world, const SWorldScope& scope);

}  // namespace kw
