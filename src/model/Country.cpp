#include "model/Country.h"

#include <algorithm>

#include "competition/CompetitionList.h"
#include "competition/Cup.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "model/World.h"

namespace kw {

namespace {

constexpr int kCheckedIndexes = 6;
constexpr int kLastCheckedType = 23;
constexpr int kLeagueCupCount = 4;

}  // namespace

int SLevelTable::UsedLevels() const {
    int levels = 0;
    while (levels < kLevelCount && leagues[static_cast<std::size_t>(levels)] > 0) {
        ++levels;
    }
    return levels;
}

CCountry::CCountry(CWorld& world, int number) : m_world(world), m_number(number) {
    AddClub(kNationalTeamIndex);
}

// The world's registries (persons, managers, competitions) are emptied by the world itself.
CCountry::~CCountry() = default;

std::unique_ptr<CCountry> CCountry::Clone() const {
    auto copy = std::make_unique<CCountry>(m_world, m_number);
    std::copy(std::begin(m_names), std::end(m_names), std::begin(copy->m_names));
    copy->m_shortNames = m_shortNames;
    copy->m_firstAttribute = m_firstAttribute;
    copy->m_firstAttributeCopy = m_firstAttributeCopy;
    copy->m_secondAttribute = m_secondAttribute;
    copy->m_continentByte = m_continentByte;
    copy->m_leagueScript = m_leagueScript;
    copy->m_settings = m_settings;
    copy->m_levelNames = m_levelNames;
    copy->m_clubs.clear();
    for (const auto& [id, club] : m_clubs) {
        copy->m_clubs[id] = std::make_unique<CClub>(*club);
    }
    copy->m_stadiums = m_stadiums;
    copy->m_referees = m_referees;
    copy->m_sponsors = m_sponsors;
    copy->m_staff = m_staff;
    copy->m_pool = m_pool;
    copy->m_managerIds = m_managerIds;
    copy->m_numbering = m_numbering;
    return copy;
}

void CCountry::SetAttributes(std::uint8_t first, std::uint8_t second, std::uint8_t continentByte) {
    m_firstAttribute = first;
    m_firstAttributeCopy = first;
    m_secondAttribute = second;
    m_continentByte = continentByte;
}

const CLanguageTexts<CCountry::kLevelNameSize>& CCountry::LevelNames(int level) const {
    return m_levelNames.at(static_cast<std::size_t>(level));
}

void CCountry::SetLevelName(int level, int language, std::string_view name) {
    if (level >= 0 && level < kLevelCount && language >= 0 && language < kLanguageCount) {
        m_levelNames[static_cast<std::size_t>(level)][static_cast<std::size_t>(language)].Set(name);
    }
}

// --- clubs

CClub* CCountry::Club(std::uint32_t id) {
    const auto found = m_clubs.find(id & kClubIdMask);
    return found == m_clubs.end() ? nullptr : found->second.get();
}

const CClub* CCountry::Club(std::uint32_t id) const {
    const auto found = m_clubs.find(id & kClubIdMask);
    return found == m_clubs.end() ? nullptr : found->second.get();
}

CClub& CCountry::NationalTeam() {
    return *m_clubs.at(MakeClubId(m_number, kNationalTeamIndex));
}

const CClub& CCountry::NationalTeam() const {
    return *m_clubs.at(MakeClubId(m_number, kNationalTeamIndex));
}

CClub& CCountry::AddClub(std::uint16_t index) {
    const std::uint32_t id = MakeClubId(m_number, index);
    auto& slot = m_clubs[id];
    if (!slot) {
        slot = std::make_unique<CClub>(m_world, id);
    }
    return *slot;
}

CClub* CCountry::CreateClub() {
    if (ClubCount() >= kMaxClubs) {
        return nullptr;
    }
    std::uint32_t index = 1;
    for (const auto& [id, club] : m_clubs) {
        if (ClubIndex(id) != index) {
            break;
        }
        ++index;
    }
    if (index >= kNationalTeamIndex) {
        return nullptr;
    }
    CClub& club = AddClub(static_cast<std::uint16_t>(index));
    club.MakeNew();
    return &club;
}

void CCountry::RemoveClub(std::uint32_t id) {
    if (IsNationalTeam(id)) {
        return;
    }
    const auto found = m_clubs.find(id & kClubIdMask);
    if (found == m_clubs.end()) {
        return;
    }
    // The world's person table owns the persons; they would outlive the club unseen.
    for (const std::uint32_t person : found->second->PersonIds()) {
        m_world.RemovePerson(person);
    }
    m_clubs.erase(found);
    RemoveClubReferences(id);
}

void CCountry::RemoveClubReferences(std::uint32_t id) {
    for (auto& entry : m_clubs) {
        entry.second->MapClubReferences(
            [id](std::uint32_t club) { return SameClub(club, id) ? 0u : club; });
    }

    std::vector<std::uint32_t> nodes;
    for (const auto& [key, node] : m_world.Competitions()) {
        if (node->Country() == m_number) {
            nodes.push_back(key);
        }
    }
    for (const std::uint32_t key : nodes) {
        CDBCompetition* node = m_world.Competition(key);
        if (auto* league = dynamic_cast<CDBLeagueBase*>(node)) {
            const std::vector<std::uint32_t> teams = league->Teams();
            for (const std::uint32_t team : teams) {
                if (SameClub(team, id)) {
                    league->RemoveTeam(team);
                }
            }
        } else if (auto* pool = dynamic_cast<CDBPool*>(node)) {
            std::erase_if(pool->Teams(), [id](std::uint32_t team) { return SameClub(team, id); });
        }
    }
}

void CCountry::ClearClubWorkCounters() {
    for (auto& [id, club] : m_clubs) {
        club->SetWorkCounter(0);
    }
}

void CCountry::CopyNamesToNationalTeam() {
    CClub& team = NationalTeam();
    for (int language = 0; language < kLanguageCount; ++language) {
        team.SetName(language, m_names[language]);
        team.SetAbbreviation(language, m_shortNames[language].View());
    }
}

// --- collections

void CCountry::ResizePlayerPool(std::size_t slots) {
    CPoolEntry stamped;
    stamped.SetNationality(static_cast<std::uint8_t>(m_number));
    m_pool.resize(slots, stamped);
}

int CCountry::UsedPoolEntries() const {
    return static_cast<int>(std::count_if(m_pool.begin(), m_pool.end(),
                                          [](const CPoolEntry& e) { return e.IsUsed(); }));
}

std::uint32_t CCountry::AddManager() {
    const std::uint32_t id = m_world.CreateManager();
    m_managerIds.push_back(id);
    std::sort(m_managerIds.begin(), m_managerIds.end());
    return id;
}

void CCountry::RemoveManager(std::uint32_t id) {
    const auto found = std::find(m_managerIds.begin(), m_managerIds.end(), id);
    if (found != m_managerIds.end()) {
        m_managerIds.erase(found);
        m_world.RemoveManager(id);
    }
}

// --- competitions

SLevelTable CCountry::LevelTable() const {
    SLevelTable table;
    int highest = -1;
    for (int index = 0; index < kMaxListedLeagues; ++index) {
        const CDBCompetition* league =
            m_world.Competition(MakeCompetitionId(m_number, kLeagueType, index));
        if (league == nullptr) {
            break;
        }
        const int level = league->Level();
        if (level < 0 || level >= kLevelCount) {
            continue;
        }
        const auto l = static_cast<std::size_t>(level);
        if (level > highest) {
            highest = level;
            table.firstLeague[l] = index;
            table.leagues[l] = 1;
        } else {
            // A league listed out of level order still counts for its level.
            if (table.firstLeague[l] < 0) {
                table.firstLeague[l] = index;
            }
            ++table.leagues[l];
        }
    }
    return table;
}

bool CCountry::IsComplete() const {
    if (m_clubs.size() < static_cast<std::size_t>(kCompleteClubEntries)) {
        return false;
    }
    const auto* top = dynamic_cast<const CDBLeagueBase*>(
        m_world.Competition(MakeCompetitionId(m_number, kLeagueType, 0)));
    if (top == nullptr || top->LeagueSize() < kCompleteTopLeagueSize) {
        return false;
    }
    const int limit = m_settings.leagueLevelLimit;
    for (int type = kLeagueType; type <= kLastCheckedType; ++type) {
        for (int index = 0; index < kCheckedIndexes; ++index) {
            const CDBCompetition* node =
                m_world.Competition(MakeCompetitionId(m_number, type, index));
            if (node != nullptr && (node->Check(m_world.Registry(), 0, limit) != 0 ||
                                    node->Check(m_world.Registry(), 1, limit) != 0)) {
                return false;
            }
        }
    }
    return true;
}

void CCountry::RefreshDerivedData() {
    const auto exists = [this](int type, int index) {
        return m_world.Competition(MakeCompetitionId(m_number, type, index)) != nullptr;
    };
    if (!exists(kFaCupType, 0)) {
        m_settings.nationalCupSetting = 0;
    }
    for (int cup = 0; cup < kLeagueCupCount; ++cup) {
        if (!exists(kLeagueCupType, cup)) {
            m_settings.leagueCupSettings &= ~(0xFFu << (8 * cup));
        }
    }
    if (!exists(kSupercupType, 0)) {
        m_settings.superCupSetting = 0;
    }
}

void CCountry::ResetCompetitions(bool brandNew) {
    const std::uint32_t root = MakeCompetitionId(m_number, kRootType, 0);
    m_world.RemoveCompetitionTree(root);
    m_world.RemoveCompetitionTree(MakeCompetitionId(m_number, kFaCupType, 0));
    for (int cup = 0; cup < kLeagueCupCount; ++cup) {
        m_world.RemoveCompetitionTree(MakeCompetitionId(m_number, kLeagueCupType, cup));
    }
    m_world.RemoveCompetitionTree(MakeCompetitionId(m_number, kSupercupType, 0));
    m_leagueScript = 0;
    m_settings.nationalCupSetting = 0;
    m_settings.leagueCupSettings = 0;
    m_settings.superCupSetting = 0;
    m_levelNames = {};
    m_world.RegisterCompetition(std::make_unique<CDBRoot>(m_number));
    if (brandNew) {
        auto cup = std::make_unique<CDBCup>(MakeCompetitionId(m_number, kFaCupType, 0), root);
        cup->SetSetting32(1);
        m_world.RegisterCompetition(std::move(cup));
        m_settings.nationalCupSetting = 1;
    }
}

// --- numbering

void CCountry::RebuildNumbering() {
    m_numbering.clear();
    std::uint16_t next = 1;
    for (const auto& [id, club] : m_clubs) {
        if (ClubIndex(id) < kNationalTeamIndex) {
            m_numbering[id & kClubIdMask] = next++;
        }
    }
}

std::uint32_t CCountry::ExportId(std::uint32_t clubId) const {
    if (IsNationalTeam(clubId)) {
        return clubId;
    }
    const auto found = m_numbering.find(clubId & kClubIdMask);
    if (found == m_numbering.end()) {
        return 0;
    }
    return (MakeClubId(m_number, found->second)) | (clubId & kSecondTeamFlag);
}

}  // namespace kw
