#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "competition/CompetitionRegistry.h"
#include "competition/InternationalStructures.h"
#include "model/Country.h"
#include "model/Manager.h"
#include "model/Player.h"
#include "model/Rules.h"
#include "model/WithoutClub.h"
#include "platform/LEcuyerRandom.h"
#include "platform/Random.h"
#include "platform/WriteOptions.h"

namespace kw {

class CDBCompetition;
class CKLFile;
class IProgress;
class IUserInterface;

// One whole database in memory: 207 countries (1 to 206 real, 0 unused), the table of every
// person, the players without club, the rules, the cup formats and the competition registry.
// All paths are formed from the installation folder given at construction and the database
// folder set by Load or SetDirectory, never from the process's working directory.
class CWorld final : public IClubReferences {
public:
    explicit CWorld(std::filesystem::path installDirectory = {});
    ~CWorld() override;
    CWorld(const CWorld&) = delete;
    CWorld& operator=(const CWorld&) = delete;

    // Destroys every country, person, competition and remap entry; clears the loaded flag.
    void Empty();
    // Empties the world, builds the 207 countries and reads "database/countries.sav" of the
    // installation. A missing list leaves the countries numbered but nameless (returns false).
    // Then the international structure files of the installation's "script" folder are read
    // under the international root; missing ones are skipped.
    bool InitialiseCountries();
    bool IsLoaded() const { return m_loaded; }
    // Counts how often the world was emptied or loaded, so that the owner of a world that an
    // operation may have read anew (an import) can tell.
    std::uint64_t Generation() const { return m_generation; }

    // Reads the database in `directory` over the initialised countries. Returns the result of
    // reading "Without.sav". Country files that exist but cannot be read, or end before their
    // country section does, are named (in `language`) in one message to `ui` and remembered
    // (DamagedCountries). Every open of a database comes here: a save that was interrupted in the
    // folder is first completed or undone, and its leftover temporary files are removed.
    bool Load(const std::filesystem::path& directory, IProgress& progress, IUserInterface& ui,
              int language = kDefaultLanguage);
    // The same without a message (tests, benchmarks); DamagedCountries still lists them.
    bool Load(const std::filesystem::path& directory, IProgress& progress);
    // Writes every file into the database folder as one unit: when any file cannot be written
    // none replaces its previous version. One error message when it failed; returns whether it
    // succeeded. The progress names the countries in `language`.
    bool Save(IProgress& progress, IUserInterface& ui, const SWriteOptions& options = {},
              int language = kDefaultLanguage);

    // "<documents>/database/<name>": asks before replacing an existing one, then creates it,
    // makes it this world's folder and writes the description into "Database.txt". The name is
    // the folder's UTF-8 file name; the description is Windows-1252.
    bool CreateDatabaseDirectory(const std::filesystem::path& documents, const std::string& name,
                                 const std::string& description, IUserInterface& ui,
                                 const SWriteOptions& options = {});

    void SetDirectory(const std::filesystem::path& directory);
    const std::filesystem::path& Directory() const { return m_directory; }
    std::filesystem::path BadgeDirectory() const { return m_directory / "Badge"; }
    // Last component of the database folder in UTF-8, as the file system spells it (Utf8ToCp1252
    // before it goes into a message).
    std::string DirectoryName() const;
    const std::filesystem::path& InstallDirectory() const { return m_installDirectory; }

    CCountry& Country(int number);
    const CCountry& Country(int number) const;
    // The country's name in `language`; empty for a number that names no country.
    std::string CountryName(int number, int language) const;

    CRules& Rules() { return m_rules; }
    const CRules& Rules() const { return m_rules; }

    // Countries 1 to 206 whose file the last Load read.
    int CountryCount() const { return m_countriesRead; }

    // Countries whose file the last Load found but could not read whole, in number order. Until
    // confirmed, every save keeps such a file's bytes as they were found instead of writing the
    // country from memory (which holds at most part of it): left in place in the folder it came
    // from, copied into any other folder.
    std::vector<int> DamagedCountries() const;
    // One line per damaged country: its name in `language` and its file.
    std::string DamagedCountryNames(int language) const;
    // The user accepts that these countries are written from memory from now on.
    void ConfirmDamagedCountries(const std::vector<int>& numbers);

    // A club reference as the files store it: through the compact numbering of the club's
    // country; national teams pass unchanged, unknown clubs give 0.
    std::uint32_t ExportClubId(std::uint32_t clubId) const override;

    // The players without club ("Without.sav").
    CWithoutClubList& WithoutClub() { return m_withoutClub; }
    const CWithoutClubList& WithoutClub() const { return m_withoutClub; }

    // The manager registry: the further managers of every country, by id. Ids are handed out
    // like person ids (the smallest unused value from the count + 1 upward); the files do not
    // keep them, so a load hands them out anew in country order.
    std::uint32_t CreateManager();
    CManager* Manager(std::uint32_t id);
    const CManager* Manager(std::uint32_t id) const;
    void RemoveManager(std::uint32_t id);
    const std::map<std::uint32_t, std::unique_ptr<CManager>>& Managers() const {
        return m_managers;
    }

    // Keeps the country at `limit` clubs: deletes, in ascending index, clubs that no competition
    // of the country lists (with their persons) while the country has more. When the
    // competitions alone use more clubs than the limit, says so and changes nothing (false).
    bool LimitClubs(int country, int limit, IUserInterface& ui);

    CPlayer* Person(std::uint32_t id);
    const CPlayer* Person(std::uint32_t id) const;
    const std::unordered_map<std::uint32_t, std::unique_ptr<CPlayer>>& Persons() const {
        return m_persons;
    }
    // With `fresh`, an id of 0 or one already taken is replaced by NextFreePersonId and the pair
    // is entered in the id remap table; without it the id is kept unless another person holds
    // it, since two persons never share an id.
    CPlayer& CreatePerson(std::uint32_t id, bool fresh);
    void RemovePerson(std::uint32_t id);
    std::uint32_t NextFreePersonId() const;
    const std::map<std::uint32_t, std::uint32_t>& IdRemap() const { return m_idRemap; }

    // The competition registry with the script table and the cup formats.
    CCompetitionRegistry& Registry() { return m_registry; }
    const CCompetitionRegistry& Registry() const { return m_registry; }
    // --- parts of the database exchanged with copies held elsewhere (by the edit history)
    std::unique_ptr<CCountry> ExchangeCountry(int number, std::unique_ptr<CCountry> country);
    // Out of the person table and back in under its own id; nothing for an unknown id.
    std::unique_ptr<CPlayer> TakePerson(std::uint32_t id);
    void PutPerson(std::unique_ptr<CPlayer> person);
    std::unique_ptr<CManager> TakeManager(std::uint32_t id);
    void PutManager(std::uint32_t id, std::unique_ptr<CManager> manager);

    CDBCompetition* Competition(std::uint32_t id) { return m_registry.Competition(id); }
    const CDBCompetition* Competition(std::uint32_t id) const { return m_registry.Competition(id); }
    CDBCompetition& RegisterCompetition(std::unique_ptr<CDBCompetition> node) {
        return m_registry.RegisterCompetition(std::move(node));
    }
    const std::map<std::uint32_t, std::unique_ptr<CDBCompetition>>& Competitions() const {
        return m_registry.Competitions();
    }
    void RemoveCompetition(std::uint32_t id) { m_registry.RemoveCompetition(id); }
    void RemoveCompetitionTree(std::uint32_t id) { m_registry.RemoveCompetitionTree(id); }
    CScriptTable& Scripts() { return m_registry.Scripts(); }
    const CScriptTable& Scripts() const { return m_registry.Scripts(); }
    CCupFormatTable& CupFormats() { return m_registry.CupFormats(); }
    const CCupFormatTable& CupFormats() const { return m_registry.CupFormats(); }
    // Reads the cup formats from "script/CupAlloc.txt" of the installation, once per world: the
    // initialisation of the countries reads them, later calls (a load, a new slot) keep them. A
    // missing file leaves the world without formats (false).
    bool LoadCupFormats();
    // The day-occupancy tables of the international structure files, one pair per file.
    const InternationalDayTables& InternationalDays() const { return m_internationalDays; }

    // "Club %d" of the next new club: counts up for the whole life of the database.
    int NextNewClubNumber() { return ++m_newClubs; }

    // The generator that loading (defaults of old records) and master builds draw from.
    CRandom& Random() { return m_random; }
    // The editor's random abilities draw from this one; a draw is an edit of the document that
    // swaps the generator's state along with the abilities (undo takes the draw back).
    const CLEcuyerRandom& AbilityRandom() const { return m_abilityRandom; }
    CLEcuyerRandom& AbilityRandom() { return m_abilityRandom; }
    // The squad lists draw from a generator of their own, of the same formula as Random.
    CRandom& SquadListRandom() { return m_squadListRandom; }

private:
    bool ReadCountriesList();
    // "Rules.sav": read if present (else the defaults), then completed against the loaded
    // clubs and stadiums; written with the title holders in the compact numbering. Returns the
    // record version the file was read in, which "Without.sav" follows.
    std::uint32_t LoadRules();
    bool SaveRules() const;
    // "Without.sav" of the database folder.
    bool LoadWithout(std::uint32_t recordVersion) {
        return m_withoutClub.Load(m_directory, recordVersion);
    }
    bool SaveWithout() const { return m_withoutClub.Save(m_directory); }
    // A country file that exists but did not read whole, as it was found.
    struct SDamagedFile {
        std::filesystem::path path;
        // Nothing when the file could not be read at all.
        std::optional<std::string> bytes;
    };
    void RememberDamaged(int number, const std::filesystem::path& path);
    // Writes the country's file into the database folder, or keeps a damaged one's bytes.
    bool SaveCountry(int number) const;
    void ReportDamaged(IUserInterface& ui, int language) const;

    bool m_loaded = false;
    std::uint64_t m_generation = 0;
    std::filesystem::path m_installDirectory;
    std::filesystem::path m_directory = "database";
    std::vector<std::unique_ptr<CCountry>> m_countries;
    // Looked up for every squad entry, record and master-file reference: hashed, not ordered.
    std::unordered_map<std::uint32_t, std::unique_ptr<CPlayer>> m_persons;
    CWithoutClubList m_withoutClub{*this};
    std::map<std::uint32_t, std::unique_ptr<CManager>> m_managers;
    CCompetitionRegistry m_registry{*this};
    // Whether "CupAlloc.txt" was read since the world was last emptied, once it was tried.
    std::optional<bool> m_cupFormatsRead;
    InternationalDayTables m_internationalDays{};
    std::map<std::uint32_t, std::uint32_t> m_idRemap;
    CRules m_rules;
    int m_countriesRead = 0;
    std::map<int, SDamagedFile> m_damaged;
    CRandom m_random;
    CLEcuyerRandom m_abilityRandom;
    CRandom m_squadListRandom;
    int m_newClubs = 0;
};

}  // namespace kw
