#include "model/Country.h"

#include <algorithm>
#include <cstring>

#include "competition/CompetitionList.h"
#include "competition/Cup.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"
#include "storage/LanguageTextsIO.h"
#include "storage/OneLineText.h"
#include "storage/RecordVersion.h"

// The country file's COUNTRY record: writing it, and reading it back into the country.
namespace kw {

namespace {

constexpr char kCountryTag[] = "COUNTRY";
constexpr char kCompetitionPartTag[] = "COMPETITIONPART";
constexpr char kCompetitionTag[] = "COMPETITION";
constexpr char kClubsTag[] = "CLUBS";
constexpr char kRefereesTag[] = "REFEREES";
constexpr char kSponsorsTag[] = "SPONSORS";
constexpr char kStaffsTag[] = "STAFFS";
constexpr char kStadiumsTag[] = "STADIUMS";
constexpr char kManagersTag[] = "ADDMANAGER";
constexpr char kPoolTag[] = "PLAYERPOOL";
constexpr char kMistTag[] = "COUNTRY_MIST";

// COMPETITIONPART is written once the country has 8 clubs besides its national team.
constexpr std::size_t kCompetitionPartClubs = 9;
constexpr int kCompetitionPartTeams = 8;
constexpr std::uint16_t kPoolReserveTeams = 32768;
constexpr std::uint8_t kMaxAverageStrength = 100;
// Memory slot of each title line of the file.
constexpr std::array<int, 4> kTitleFileOrder = {
    SCountrySettings::kContinentalTitles, SCountrySettings::kWorldChampionships,
    SCountrySettings::kContinentalFinals, SCountrySettings::kWorldCupFinals};

template <std::size_t N>
void ReadFixed(CKLFile& file, CFixedText<N>& text) {
    char buffer[N] = {};
    file.ReadText(buffer, N);
    text.Set(std::string_view(buffer, strnlen(buffer, N)));
}

void ReadString(CKLFile& file, std::string& text) {
    if (!file.ReadLine(text)) {
        text.clear();
    }
}

void SkipLines(CKLFile& file, int count) {
    std::string dropped;
    for (int i = 0; i < count; ++i) {
        file.ReadLine(dropped);
    }
}

bool WriteName(CKLFile& file, const SCountrySettings::SPersonName& name) {
    return file.WriteText(name.firstName.View()) && file.WriteText(name.surname.View());
}

void ReadName(CKLFile& file, SCountrySettings::SPersonName& name) {
    ReadFixed(file, name.firstName);
    ReadFixed(file, name.surname);
}

// A count read from a file is trusted only as far as records follow it; this keeps a damaged
// count from reserving memory for records that are not there.
template <typename T>
void ReadRecords(CKLFile& file, std::string_view tag, std::vector<T>& records) {
    records.clear();
    if (!file.FindChildSection(tag)) {
        return;
    }
    std::int32_t count = 0;
    file.ReadNumber(count);
    for (std::int32_t i = 0; i < count; ++i) {
        T record;
        if (!record.Read(file)) {
            break;
        }
        records.push_back(std::move(record));
    }
    file.SkipToSectionEnd(tag);
}

template <typename T>
bool WriteRecords(CKLFile& file, std::string_view tag, const std::vector<T>& records) {
    bool ok = file.BeginSection(tag) && file.WriteNumber(static_cast<std::int32_t>(records.size()));
    for (const T& record : records) {
        ok = ok && record.Write(file);
    }
    return ok && file.EndSection(tag);
}

}  // namespace

// --- writing

bool CCountry::Write(CKLFile& file) const {
    bool ok = file.BeginSection(kCountryTag) && WriteVersionSection(file) &&
              file.WriteNumber(static_cast<std::int32_t>(IsComplete() ? 1 : 0));
    ok = ok && WriteCompetitionPart(file) && WriteCompetitionSection(file) && WriteClubs(file) &&
         WriteCollections(file) && WriteMist(file);
    return ok && file.EndSection(kCountryTag);
}

bool CCountry::WriteCompetitionPart(CKLFile& file) const {
    if (m_clubs.size() < kCompetitionPartClubs) {
        return true;
    }
    bool ok = file.BeginSection(kCompetitionPartTag);
    const auto* top = dynamic_cast<const CDBLeagueBase*>(
        m_world.Competition(MakeCompetitionId(m_number, kLeagueType, 0)));
    if (top != nullptr) {
        ok = ok && WriteLanguageTexts(file, top->Names());
        const CDBCompetition* cup = m_world.Competition(MakeCompetitionId(m_number, kFaCupType, 0));
        ok = ok &&
             WriteLanguageTexts(
                 file, cup != nullptr ? cup->Names() : CLanguageTexts<CDBCompetition::kNameSize>{});
        for (int position = 0; position < kCompetitionPartTeams; ++position) {
            ok = ok && file.WriteHex(m_world.ExportClubId(top->Team(position)));
        }
    } else {
        ok = ok && file.WriteText(ResourceString(ids::kFirstLeague)) &&
             file.WriteText(ResourceString(ids::kNationalCup));
        for (int index = 1; index <= kCompetitionPartTeams; ++index) {
            ok = ok &&
                 file.WriteHex(ExportId(MakeClubId(m_number, static_cast<std::uint32_t>(index))));
        }
    }
    return ok && file.EndSection(kCompetitionPartTag);
}

bool CCountry::WriteCompetitionSection(CKLFile& file) const {
    bool ok = file.BeginSection(kCompetitionTag) &&
              WriteCountryCompetitions(file, m_world.Registry(), m_number);
    const int levels = LevelTable().UsedLevels();
    ok = ok && file.WriteNumber(static_cast<std::int32_t>(levels));
    for (int level = 0; level < levels; ++level) {
        ok = ok && WriteLanguageTexts(file, m_levelNames[static_cast<std::size_t>(level)]);
    }
    return ok && file.EndSection(kCompetitionTag);
}

bool CCountry::WriteClubs(CKLFile& file) const {
    bool ok =
        file.BeginSection(kClubsTag) && file.WriteNumber(static_cast<std::int32_t>(ClubCount()));
    int running = 1;
    for (const auto& [id, club] : m_clubs) {
        if (!IsNationalTeam(id)) {
            ok = ok && club->Write(file, running++);
        }
    }
    ok = ok && NationalTeam().Write(file, kNationalTeamIndex);
    return ok && file.EndSection(kClubsTag);
}

bool CCountry::WriteCollections(CKLFile& file) const {
    bool ok = WriteRecords(file, kRefereesTag, m_referees) &&
              WriteRecords(file, kSponsorsTag, m_sponsors) &&
              WriteRecords(file, kStaffsTag, m_staff) &&
              WriteRecords(file, kStadiumsTag, m_stadiums);

    // Ids whose manager is gone are empty entries: left out, and not counted either, so that the
    // reader does not make managers out of nothing.
    std::vector<const CManager*> managers;
    for (const std::uint32_t id : m_managerIds) {
        if (const CManager* manager = m_world.Manager(id)) {
            managers.push_back(manager);
        }
    }
    ok = ok && file.BeginSection(kManagersTag) &&
         file.WriteNumber(static_cast<std::int32_t>(managers.size()));
    for (const CManager* manager : managers) {
        ok = ok && manager->Write(file);
    }
    ok = ok && file.EndSection(kManagersTag);

    ok = ok && file.BeginSection(kPoolTag) &&
         file.WriteNumber(static_cast<std::int32_t>(UsedPoolEntries()));
    for (const CPoolEntry& entry : m_pool) {
        if (entry.IsUsed()) {
            ok = ok && entry.Write(file, m_world);
        }
    }
    return ok && file.EndSection(kPoolTag);
}

std::int32_t CCountry::CupFinalStadiumOrdinal() const {
    // The list has no gaps: the ordinal is the number itself, as far as the list reaches.
    return std::clamp<std::int32_t>(m_settings.cupFinalStadium, 0,
                                    static_cast<std::int32_t>(m_stadiums.size()));
}

bool CCountry::WriteMist(CKLFile& file) const {
    const SCountrySettings& s = m_settings;
    const auto signedByte = [&file](std::uint8_t value) {
        return file.WriteNumber(static_cast<std::int8_t>(value));
    };
    bool ok = file.BeginSection(kMistTag);
    // Name, short name and continent only tell a reader of the file which country it is.
    ok = ok && file.WriteText(m_names[0]) && file.WriteText(m_shortNames[0].View()) &&
         file.WriteNumber(m_continentByte);
    ok = ok && file.WriteNumber(m_leagueScript);
    ok = ok && file.WriteText(s.associationName.View());
    ok = ok && file.WriteByteList(s.languages.data(), 4) &&
         file.WriteByteList(s.languageShares.data(), 4);
    ok = ok && file.WriteNumber(s.leagueLevelLimit) && file.WriteNumber(s.levelLimitByte);
    ok = ok && WriteName(file, s.president) && s.presidentBirthDate.Write(file);
    for (const auto& reporter : s.reporters) {
        ok = ok && WriteName(file, reporter);
    }
    ok = ok && signedByte(s.leagueYellowRule) && signedByte(s.cupYellowRule) &&
         signedByte(s.redCardSettings) && signedByte(s.redCardStart) &&
         signedByte(s.suspensionScope) && signedByte(s.yellowRedLevels);
    for (std::size_t level = 0; level < kLevelCount; ++level) {
        ok = ok && file.WriteNumber(s.tieBreak[level]) &&
             file.WriteNumber(s.nonEuropeanLimit[level]) && file.WriteNumber(s.relegated[level]);
    }
    ok = ok && file.WriteNumber(s.nationalCupSetting) && file.WriteNumber(s.cupOptions);
    ok = ok && file.WriteNumber(CupFinalStadiumOrdinal());
    ok = ok && file.WriteNumber(s.superCupSetting) &&
         file.WriteNumber(static_cast<std::int32_t>(s.leagueCupSettings));
    ok = ok && file.WriteNumber(s.setting8) && file.WriteNumber(s.settings2[0]) &&
         file.WriteNumber(s.settings2[1]);
    for (const std::uint8_t value : s.settings4) {
        ok = ok && file.WriteNumber(value);
    }
    ok = ok && file.WriteNumber(s.optionFlags) && file.WriteNumber(s.optionValue);
    ok = ok && file.WriteNumber(s.reserveSwitch) && file.WriteNumber(s.climate);
    for (const std::uint16_t value : s.slotValues) {
        ok = ok && file.WriteNumber(value);
    }
    ok = ok && file.WriteNumber(s.abroadProbability);
    ok = ok && file.WriteNumber(s.transferPhases[0]) && file.WriteNumber(s.transferPhases[1]);
    ok = ok && s.nationalCoach.Write(file);
    ok = ok && file.WriteNumber(s.averageStrength);
    ok = ok && file.WriteNumber(s.lookValue) &&
         file.WriteNumber(static_cast<std::int32_t>(s.hairColours)) &&
         file.WriteNumber(static_cast<std::int32_t>(s.haircuts)) &&
         file.WriteNumber(static_cast<std::int32_t>(s.beards)) &&
         file.WriteNumber(static_cast<std::int32_t>(s.faces));
    ok = ok && file.WriteNumber(s.averageHeight) && file.WriteNumber(s.averageWeight);
    ok = ok && file.WriteText(s.newspaper);
    for (const int title : kTitleFileOrder) {
        ok = ok && file.WriteNumber(s.titles[static_cast<std::size_t>(title)]);
    }
    ok = ok && file.WriteText(MultiLineToLine(s.notes));
    return ok && file.EndSection(kMistTag);
}

// --- reading

void CCountry::ClearContent() {
    ResetCompetitions(false);
    for (auto& [id, club] : m_clubs) {
        for (const std::uint32_t person : club->PersonIds()) {
            m_world.RemovePerson(person);
        }
    }
    m_clubs.clear();
    AddClub(kNationalTeamIndex);
    m_stadiums.clear();
    m_referees.clear();
    m_sponsors.clear();
    m_staff.clear();
    m_pool.clear();
    for (const std::uint32_t id : m_managerIds) {
        m_world.RemoveManager(id);
    }
    m_managerIds.clear();
    m_settings = SCountrySettings();
    m_numbering.clear();
}

bool CCountry::Read(CKLFile& file) {
    if (!file.FindSection(kCountryTag)) {
        return false;
    }
    const std::uint32_t version = ReadVersionSection(file);
    ClearContent();

    // COMPETITIONPART only summarises what follows; FindChildSection passes over it.
    if (file.FindChildSection(kCompetitionTag)) {
        ReadCompetitionSection(file);
        file.SkipToSectionEnd(kCompetitionTag);
    }
    ReadClubs(file);
    // Every club record made its own version the loaded one; the rest is the country's.
    file.SetRecordVersion(version);
    ReadCollections(file);
    if (file.FindChildSection(kMistTag)) {
        ReadMist(file, version);
        file.SkipToSectionEnd(kMistTag);
    }
    // Without its end marker the file was cut: what it held is read, but it is not whole.
    const bool complete = file.SkipToSectionEnd(kCountryTag);

    if ((version >> 16) < 8198) {
        RebuildLevelPools();
    }
    ClearClubWorkCounters();
    return complete;
}

void CCountry::ReadCompetitionSection(CKLFile& file) {
    ReadCountryCompetitions(file, m_world.Registry(), m_number);
    std::int32_t levels = 0;
    file.ReadNumber(levels);
    levels = std::clamp<std::int32_t>(levels, 0, kLevelCount);
    for (std::int32_t level = 0; level < levels; ++level) {
        ReadLanguageTexts(file, m_levelNames[static_cast<std::size_t>(level)]);
    }
}

void CCountry::ReadClubs(CKLFile& file) {
    if (file.FindChildSection(kClubsTag)) {
        std::int32_t count = 0;
        file.ReadNumber(count);
        count = std::clamp<std::int32_t>(count, 0, kNationalTeamIndex - 1);
        for (std::int32_t i = 1; i <= count; ++i) {
            const std::uint32_t id = MakeClubId(m_number, static_cast<std::uint32_t>(i));
            auto club = std::make_unique<CClub>(m_world, id);
            // A count larger than the records present makes no clubs out of nothing.
            if (!club->Read(file, i)) {
                break;
            }
            m_clubs[id] = std::move(club);
        }
        NationalTeam().Read(file, kNationalTeamIndex);
        file.SkipToSectionEnd(kClubsTag);
    }
    CopyNamesToNationalTeam();
}

void CCountry::ReadCollections(CKLFile& file) {
    ReadRecords(file, kRefereesTag, m_referees);
    ReadRecords(file, kSponsorsTag, m_sponsors);
    // The staff pool is read like the others: skipping it would empty the pool on every load and
    // lose it with the next save.
    ReadRecords(file, kStaffsTag, m_staff);
    ReadRecords(file, kStadiumsTag, m_stadiums);

    if (file.FindChildSection(kManagersTag)) {
        std::int32_t count = 0;
        file.ReadNumber(count);
        for (std::int32_t i = 0; i < count; ++i) {
            CManager manager;
            if (!manager.Read(file)) {
                break;
            }
            const std::uint32_t id = AddManager();
            *m_world.Manager(id) = manager;
        }
        file.SkipToSectionEnd(kManagersTag);
    }
    ReadPlayerPool(file);
}

void CCountry::ReadPlayerPool(CKLFile& file) {
    m_pool.clear();
    ResizePlayerPool(kPoolSlotsPerClub * m_clubs.size());
    if (!file.FindChildSection(kPoolTag)) {
        return;
    }
    std::int32_t count = 0;
    file.ReadNumber(count);
    for (std::int32_t i = 0; i < count; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        CPoolEntry entry;
        // The pool grows to the count only as far as entries follow it.
        if (!entry.Read(file)) {
            break;
        }
        if (slot >= m_pool.size()) {
            ResizePlayerPool(slot + 1);
        }
        m_pool[slot] = entry;
    }
    file.SkipToSectionEnd(kPoolTag);
}

void CCountry::ReadMist(CKLFile& file, std::uint32_t version) {
    SCountrySettings& s = m_settings;
    const std::uint32_t major = version >> 16;
    // Name, short name and continent come from the countries list.
    SkipLines(file, 3);
    if (major >= 8198) {
        file.ReadNumber(m_leagueScript);
    } else {
        SkipLines(file, 2);
    }
    ReadFixed(file, s.associationName);
    file.ReadByteList(s.languages.data(), 4);
    file.ReadByteList(s.languageShares.data(), 4);
    file.ReadNumber(s.leagueLevelLimit);
    file.ReadNumber(s.levelLimitByte);
    ReadName(file, s.president);
    s.presidentBirthDate = CDate::Read(file);
    for (auto& reporter : s.reporters) {
        ReadName(file, reporter);
    }
    // Written as signed bytes; the low 8 bits are the value.
    file.ReadNumber(s.leagueYellowRule);
    file.ReadNumber(s.cupYellowRule);
    file.ReadNumber(s.redCardSettings);
    file.ReadNumber(s.redCardStart);
    file.ReadNumber(s.suspensionScope);
    file.ReadNumber(s.yellowRedLevels);
    for (std::size_t level = 0; level < kLevelCount; ++level) {
        if (major < 8198) {
            SkipLines(file, 4);
        }
        file.ReadNumber(s.tieBreak[level]);
        file.ReadNumber(s.nonEuropeanLimit[level]);
        file.ReadNumber(s.relegated[level]);
    }
    file.ReadNumber(s.nationalCupSetting);
    file.ReadNumber(s.cupOptions);
    file.ReadNumber(s.cupFinalStadium);
    file.ReadNumber(s.superCupSetting);
    file.ReadNumber(s.leagueCupSettings);
    if (version >= MakeRecordVersion(8197, 2)) {
        file.ReadNumber(s.setting8);
        file.ReadNumber(s.settings2[0]);
        file.ReadNumber(s.settings2[1]);
        for (std::uint8_t& value : s.settings4) {
            file.ReadNumber(value);
        }
    }
    file.ReadNumber(s.optionFlags);
    if (major < 8197) {
        SkipLines(file, 1);
    }
    file.ReadNumber(s.optionValue);
    file.ReadNumber(s.reserveSwitch);
    file.ReadNumber(s.climate);
    for (std::uint16_t& value : s.slotValues) {
        file.ReadNumber(value);
    }
    file.ReadNumber(s.abroadProbability);
    file.ReadNumber(s.transferPhases[0]);
    file.ReadNumber(s.transferPhases[1]);
    s.nationalCoach.Read(file);

    std::int32_t strength = 0;
    file.ReadNumber(strength);
    if (major < 8198) {
        // Older files kept a third of the value.
        strength *= 3;
    }
    s.averageStrength = strength >= 0 && strength <= kMaxAverageStrength
                            ? static_cast<std::uint8_t>(strength)
                            : kMaxAverageStrength;

    file.ReadNumber(s.lookValue);
    file.ReadNumber(s.hairColours);
    file.ReadNumber(s.haircuts);
    file.ReadNumber(s.beards);
    file.ReadNumber(s.faces);
    file.ReadNumber(s.averageHeight);
    file.ReadNumber(s.averageWeight);
    ReadString(file, s.newspaper);
    for (const int title : kTitleFileOrder) {
        file.ReadNumber(s.titles[static_cast<std::size_t>(title)]);
    }
    std::string notes;
    ReadString(file, notes);
    s.notes = MultiLineFromLine(notes);
}

// Files older than major 8198 know no level pools; the pools get the teams the leagues have.
void CCountry::RebuildLevelPools() {
    const SLevelTable table = LevelTable();
    const std::uint32_t root = MakeCompetitionId(m_number, kRootType, 0);
    for (int level = 0; level < kLevelCount; ++level) {
        if (table.leagues[static_cast<std::size_t>(level)] == 0) {
            continue;
        }
        const std::uint32_t id = MakeCompetitionId(m_number, kPoolType, level);
        m_world.RemoveCompetitionTree(id);
        auto& pool =
            static_cast<CDBPool&>(m_world.RegisterCompetition(std::make_unique<CDBPool>(id, root)));
        const bool reserves = ((m_settings.reserveSwitch >> level) & 1) != 0;
        pool.SetLevel(static_cast<std::int8_t>(level));
        pool.SetSortMode(reserves ? kPoolReserveTeams : 0);
        for (int index = 0; index < kMaxListedLeagues; ++index) {
            const auto* league = dynamic_cast<const CDBLeagueBase*>(
                m_world.Competition(MakeCompetitionId(m_number, kLeagueType, index)));
            if (league == nullptr) {
                break;
            }
            if (league->Level() != level) {
                continue;
            }
            for (const std::uint32_t team : league->Teams()) {
                const bool isReserve = (team & kSecondTeamFlag) != 0;
                if ((isReserve && !reserves) || std::find(pool.Teams().begin(), pool.Teams().end(),
                                                          team) != pool.Teams().end()) {
                    continue;
                }
                pool.Teams().push_back(team);
            }
        }
        pool.SetPoolSize(static_cast<std::uint16_t>(pool.Teams().size()));
    }
}

void CCountry::AfterLoad() {
    for (auto& [id, club] : m_clubs) {
        club->Normalise();
    }
}

}  // namespace kw
