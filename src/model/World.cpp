#include "model/World.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "competition/Competition.h"
#include "competition/CupAlloc.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "model/CountriesList.h"
#include "model/DatabaseName.h"
#include "platform/AtomicFile.h"
#include "platform/AtomicFileBatch.h"
#include "platform/CommitRecovery.h"
#include "platform/Cp1252.h"
#include "platform/FileContents.h"
#include "platform/Paths.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "platform/TakeFromMap.h"
#include "platform/UserInterface.h"
#include "storage/KLFile.h"

namespace kw {

namespace {

std::string CountryFileName(int number) {
    return FormatPrintf("Country%d.sav", number);
}

// A database name becomes one folder: it must not climb out of the databases folder.
bool IsPlainFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

}  // namespace

CWorld::CWorld(std::filesystem::path installDirectory)
    : m_installDirectory(std::move(installDirectory)) {}

CWorld::~CWorld() = default;

void CWorld::Empty() {
    ++m_generation;
    m_countries.clear();
    m_withoutClub.Clear();
    m_persons.clear();
    m_managers.clear();
    m_registry.Clear();
    m_cupFormatsRead.reset();
    for (SDayOccupancy& days : m_internationalDays) {
        days.Clear();
    }
    m_idRemap.clear();
    m_rules.Reset();
    m_countriesRead = 0;
    m_damaged.clear();
    m_loaded = false;
}

bool CWorld::InitialiseCountries() {
    Empty();
    m_countries.reserve(kCountryCount + 1);
    for (int number = 0; number <= kCountryCount; ++number) {
        m_countries.push_back(std::make_unique<CCountry>(*this, number));
    }
    const bool listRead = ReadCountriesList();
    for (int number = 1; number <= kCountryCount; ++number) {
        Country(number).CopyNamesToNationalTeam();
        RegisterCompetition(std::make_unique<CDBRoot>(number));
    }
    // International cups name their formats: the formats must be known before the cups are read.
    LoadCupFormats();
    ReadInternationalStructures(m_registry, m_installDirectory, m_internationalDays);
    m_loaded = true;
    return listRead;
}

bool CWorld::ReadCountriesList() {
    const auto path = FindExisting(m_installDirectory, "database/countries.sav");
    if (!path) {
        return false;
    }
    const std::vector<SCountriesListEntry> entries =
        ParseCountriesList(ReadFileText(*path).value_or(""));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SCountriesListEntry& entry = entries[i];
        CCountry& country = Country(static_cast<int>(i) + 1);
        for (int language = 0; language < kLanguageCount; ++language) {
            country.SetName(language, entry.names[language]);
            country.ShortNames()[language].Set(entry.shortNames[language]);
        }
        country.SetAttributes(entry.firstAttribute, entry.secondAttribute, entry.continentByte);
    }
    return true;
}

bool CWorld::Load(const std::filesystem::path& directory, IProgress& progress, IUserInterface& ui,
                  int language) {
    const bool withoutRead = Load(directory, progress);
    if (!m_damaged.empty()) {
        ReportDamaged(ui, language);
    }
    return withoutRead;
}

bool CWorld::Load(const std::filesystem::path& directory, IProgress& progress) {
    ++m_generation;
    if (!m_loaded) {
        InitialiseCountries();
    }
    m_idRemap.clear();
    m_damaged.clear();
    SetDirectory(directory);
    // A save that died between its renames is finished before anything is read, so the files
    // read are all of one state.
    RecoverDatabaseFolder(m_directory);
    m_countriesRead = 0;
    progress.SetRange(0, kCountryCount);
    for (int number = 1; number <= kCountryCount; ++number) {
        progress.SetPos(number);
        // A missing file is an empty country: sparse databases are normal.
        const auto path = FindExisting(m_directory, CountryFileName(number));
        if (!path) {
            continue;
        }
        CKLFile file;
        if (file.OpenForRead(*path) && Country(number).Read(file)) {
            ++m_countriesRead;
        } else {
            RememberDamaged(number, *path);
        }
    }
    // Normalising needs every country read: persons check that their clubs exist.
    for (int number = 1; number <= kCountryCount; ++number) {
        Country(number).AfterLoad();
    }
    for (int number = 1; number <= kCountryCount; ++number) {
        Country(number).RebuildNumbering();
    }
    return LoadWithout(LoadRules());
}

bool CWorld::LoadCupFormats() {
    // Their scripts join the world-wide table, which only grows: a second read would leave the
    // first one's entries behind, orphaned.
    if (m_cupFormatsRead) {
        return *m_cupFormatsRead;
    }
    const auto path = FindExisting(m_installDirectory, kCupAllocFile);
    CKLFile file;
    m_cupFormatsRead = path && file.OpenForRead(*path);
    if (*m_cupFormatsRead) {
        ReadCupFormats(file, CupFormats(), Scripts());
    }
    return *m_cupFormatsRead;
}

bool CWorld::Save(IProgress& progress, IUserInterface& ui, const SWriteOptions& options,
                  int language) {
    progress.SetVisible(true);
    progress.ShowTimes(true);
    progress.SetRange(0, kCountryCount + 1);
    progress.EnableCancel(false);
    progress.SetCaption(ResourceString(ids::kSaveTitle));
    progress.SetDescription(ResourceString(ids::kSaveText));

    for (int number = 1; number <= kCountryCount; ++number) {
        Country(number).RebuildNumbering();
    }
    bool failed = false;
    // The whole save is one unit on disk, and costs one flush instead of one per file.
    CAtomicFileBatch batch(m_directory, options);
    const std::string phase(ResourceString(ids::kSavePhase));
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry& country = Country(number);
        progress.SetStatus(FormatPrintf(phase.c_str(), 1, country.Name(language).c_str()));
        progress.SetPos(number);
        // Once a file failed nothing will be replaced: the rest need not be written.
        failed = failed || !SaveCountry(number);
    }
    failed = failed || !SaveRules() || !SaveWithout();
    // A failed save leaves the batch uncommitted, which removes every temporary file.
    failed = failed || !batch.Commit();
    for (int number = 1; number <= kCountryCount; ++number) {
        Country(number).ClearNumbering();
    }
    if (failed) {
        ui.ShowError(ResourceString(ids::kSaveFailed));
    }
    return !failed;
}

bool CWorld::SaveCountry(int number) const {
    const std::filesystem::path target = PathForWriting(m_directory, CountryFileName(number));
    if (const auto damaged = m_damaged.find(number); damaged != m_damaged.end()) {
        const SDamagedFile& original = damaged->second;
        std::error_code error;
        if (std::filesystem::equivalent(original.path, target, error)) {
            return true;
        }
        return original.bytes && WriteFileAtomically(target, *original.bytes);
    }
    CKLFile file;
    if (!file.OpenForWrite(target)) {
        return false;
    }
    const bool written = Country(number).Write(file);
    return file.Close() && written;
}

void CWorld::RememberDamaged(int number, const std::filesystem::path& path) {
    SDamagedFile& damaged = m_damaged[number];
    damaged.path = path;
    // The bytes as found, for saves into other folders; an absurdly large file is not held.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size <= CKLFile::kMaxFileSize) {
        damaged.bytes = ReadFileText(path);
    }
}

std::string CWorld::DamagedCountryNames(int language) const {
    std::string names;
    for (const auto& [number, damaged] : m_damaged) {
        const std::string name(Country(number).Name(language));
        const std::string file = damaged.path.filename().string();
        names += (names.empty() ? "" : "\n") + (name.empty() ? file : name + " (" + file + ")");
    }
    return names;
}

void CWorld::ReportDamaged(IUserInterface& ui, int language) const {
    const std::string message(ResourceString(ids::kDamagedCountries));
    ui.ShowError(FormatPrintf(message.c_str(), DamagedCountryNames(language).c_str()));
}

std::vector<int> CWorld::DamagedCountries() const {
    std::vector<int> numbers;
    for (const auto& [number, damaged] : m_damaged) {
        numbers.push_back(number);
    }
    return numbers;
}

void CWorld::ConfirmDamagedCountries(const std::vector<int>& numbers) {
    for (const int number : numbers) {
        m_damaged.erase(number);
    }
}

std::uint32_t CWorld::LoadRules() {
    std::uint32_t version = kDataVersion;
    m_rules.Load(m_directory, &version);
    m_rules.Complete(*this);
    return version;
}

bool CWorld::SaveRules() const {
    return m_rules.Save(m_directory, [this](std::uint32_t id) { return ExportClubId(id); });
}

bool CWorld::CreateDatabaseDirectory(const std::filesystem::path& documents,
                                     const std::string& name, const std::string& description,
                                     IUserInterface& ui, const SWriteOptions& options) {
    if (documents.empty() || !IsPlainFolderName(name)) {
        return false;
    }
    std::error_code error;
    const std::filesystem::path databases = PathForWriting(documents, "database");
    std::filesystem::create_directories(databases, error);
    if (error) {
        return false;
    }
    const std::filesystem::path directory = databases / name;
    if (std::filesystem::exists(directory, error)) {
        // A link under the name would have the removal reach outside the databases folder.
        const std::string question(ResourceString(ids::kDatabaseExists));
        if (!IsDatabaseFolderOf(databases, directory) ||
            !ui.AskYesNo(FormatPrintf(question.c_str(), Utf8ToCp1252(name).c_str())) ||
            !RemoveRecursively(directory)) {
            return false;
        }
    }
    if (!std::filesystem::create_directory(directory, error)) {
        return false;
    }
    SetDirectory(directory);
    return WriteFileAtomically(directory / "Database.txt", description, options);
}

void CWorld::SetDirectory(const std::filesystem::path& directory) {
    m_directory = directory;
}

std::string CWorld::DirectoryName() const {
    std::string text = m_directory.string();
    while (text.size() > 1 && (text.back() == '/' || text.back() == '\\')) {
        text.pop_back();
    }
    const std::size_t separator = text.find_last_of("/\\");
    return separator == std::string::npos ? text : text.substr(separator + 1);
}

CCountry& CWorld::Country(int number) {
    return *m_countries.at(static_cast<std::size_t>(number));
}

const CCountry& CWorld::Country(int number) const {
    return *m_countries.at(static_cast<std::size_t>(number));
}

std::string CWorld::CountryName(int number, int language) const {
    return IsRealCountry(number) ? Country(number).Name(language) : std::string();
}

std::uint32_t CWorld::ExportClubId(std::uint32_t clubId) const {
    if (IsNationalTeam(clubId)) {
        return clubId;
    }
    const int country = ClubCountry(clubId);
    if (country < 1 || country > kCountryCount || m_countries.empty()) {
        return 0;
    }
    return Country(country).ExportId(clubId);
}

std::uint32_t CWorld::CreateManager() {
    auto id = static_cast<std::uint32_t>(m_managers.size() + 1);
    while (m_managers.contains(id)) {
        ++id;
    }
    m_managers[id] = std::make_unique<CManager>();
    return id;
}

CManager* CWorld::Manager(std::uint32_t id) {
    const auto found = m_managers.find(id);
    return found == m_managers.end() ? nullptr : found->second.get();
}

const CManager* CWorld::Manager(std::uint32_t id) const {
    const auto found = m_managers.find(id);
    return found == m_managers.end() ? nullptr : found->second.get();
}

void CWorld::RemoveManager(std::uint32_t id) {
    m_managers.erase(id);
}

bool CWorld::LimitClubs(int country, int limit, IUserInterface& ui) {
    if (country < 1 || country > kCountryCount || m_countries.empty()) {
        return false;
    }
    // Every club of the country that a team list of its competitions names, either team.
    std::set<std::uint16_t> used;
    const auto mark = [&](const std::vector<std::uint32_t>& teams) {
        for (const std::uint32_t team : teams) {
            if (ClubCountry(team) == country && !IsNationalTeam(team) && ClubIndex(team) != 0) {
                used.insert(ClubIndex(team));
            }
        }
    };
    for (const auto& [id, node] : Competitions()) {
        if (node->Country() != country) {
            continue;
        }
        if (const auto* league = dynamic_cast<const CDBLeagueBase*>(node.get())) {
            mark(league->Teams());
        } else if (const auto* pool = dynamic_cast<const CDBPool*>(node.get())) {
            mark(pool->Teams());
        }
    }
    if (static_cast<int>(used.size()) > limit) {
        ui.ShowError(ResourceString(ids::kTooManyTeams));
        return false;
    }
    // In ascending index over every club, so that a club beyond the count (after gaps) is not
    // passed over.
    CCountry& target = Country(country);
    std::vector<std::uint32_t> unused;
    for (const auto& [id, club] : target.Clubs()) {
        if (!IsNationalTeam(id) && !used.contains(ClubIndex(id))) {
            unused.push_back(id);
        }
    }
    for (const std::uint32_t id : unused) {
        if (target.ClubCount() <= limit) {
            break;
        }
        target.RemoveClub(id);
    }
    return true;
}

CPlayer* CWorld::Person(std::uint32_t id) {
    const auto found = m_persons.find(id);
    return found == m_persons.end() ? nullptr : found->second.get();
}

const CPlayer* CWorld::Person(std::uint32_t id) const {
    const auto found = m_persons.find(id);
    return found == m_persons.end() ? nullptr : found->second.get();
}

CPlayer& CWorld::CreatePerson(std::uint32_t id, bool fresh) {
    const bool taken = id == 0 || m_persons.contains(id);
    // Two persons can never share an id: even an id meant to be kept is replaced when taken.
    const std::uint32_t finalId = taken ? NextFreePersonId() : id;
    if (fresh) {
        m_idRemap[id] = finalId;
    }
    // Made before it is entered, so that its default names number it count + 1.
    auto person = std::make_unique<CPlayer>(*this, finalId);
    auto& slot = m_persons[finalId];
    slot = std::move(person);
    return *slot;
}

void CWorld::RemovePerson(std::uint32_t id) {
    m_persons.erase(id);
}

std::uint32_t CWorld::NextFreePersonId() const {
    auto id = static_cast<std::uint32_t>(m_persons.size() + 1);
    while (m_persons.contains(id)) {
        ++id;
    }
    return id;
}

std::unique_ptr<CCountry> CWorld::ExchangeCountry(int number, std::unique_ptr<CCountry> country) {
    std::swap(m_countries.at(static_cast<std::size_t>(number)), country);
    return country;
}

std::unique_ptr<CPlayer> CWorld::TakePerson(std::uint32_t id) {
    return TakeFromMap(m_persons, id);
}

void CWorld::PutPerson(std::unique_ptr<CPlayer> person) {
    const std::uint32_t id = person->Id();
    m_persons[id] = std::move(person);
}

std::unique_ptr<CManager> CWorld::TakeManager(std::uint32_t id) {
    return TakeFromMap(m_managers, id);
}

void CWorld::PutManager(std::uint32_t id, std::unique_ptr<CManager> manager) {
    m_managers[id] = std::move(manager);
}

}  // namespace kw
