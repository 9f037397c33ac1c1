#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "storage/FixedText.h"

namespace kw {

class CKLFile;
class CCompetitionRegistry;

// Competition id: ((country << 8) + type) << 16 + index; the international root is 0xFA000000.
inline constexpr std::uint32_t kInternationalRootId = 0xFA000000;
inline constexpr int kInternationalCountry = 250;

// Competition types, the middle byte of an id.
enum ECompetitionType : int {
    kRootType = 0,
    kLeagueType = 1,
    kFaCupType = 3,
    kLeagueCupType = 4,
    kChallengeShieldType = 5,
    kConferenceCupType = 6,
    kSupercupType = 7,
    kRelegationType = 8,
    kChampionsLeagueType = 9,
    kUefaCupType = 10,
    kToyotaType = 11,
    kEuroSupercupType = 12,
    kWorldClubChampType = 13,
    kUicType = 14,
    kQualiWcType = 15,
    kQualiEcType = 16,
    kWorldCupType = 17,
    kEuroCupType = 18,
    kRel1Type = 19,
    kRel2Type = 20,
    kRel3Type = 21,
    kIndoorType = 22,
    kFriendlyType = 23,
    kPoolType = 24,
    // The special relegation cup; like type 2 it has no name in text.
    kRelSwitzerlandType = 26,
};

// Node kinds, the keyword that opens every node in text.
enum ENodeKind : int {
    kRootKind = 0,
    kLeagueKind = 1,
    kSpareKind = 2,
    kCupKind = 3,
    kRoundKind = 4,
    kPoolKind = 5,
};

constexpr std::uint32_t MakeCompetitionId(int country, int type, int index) {
    return ((static_cast<std::uint32_t>(country & 0xFF) << 8) +
            static_cast<std::uint32_t>(type & 0xFF))
               << 16 |
           static_cast<std::uint32_t>(index & 0xFFFF);
}
constexpr int CompetitionCountry(std::uint32_t id) {
    return static_cast<int>(id >> 24);
}
constexpr int CompetitionType(std::uint32_t id) {
    return static_cast<int>((id >> 16) & 0xFF);
}
constexpr int CompetitionIndex(std::uint32_t id) {
    return static_cast<int>(id & 0xFFFF);
}
constexpr std::uint32_t WithCountry(std::uint32_t id, int country) {
    return (id & 0x00FFFFFF) | (static_cast<std::uint32_t>(country & 0xFF) << 24);
}
// The id in country `to` when it is one of country `from`; any other id, and 0, as it is.
constexpr std::uint32_t MovedCompetitionId(std::uint32_t id, int from, int to) {
    return id != 0 && CompetitionCountry(id) == from ? WithCountry(id, to) : id;
}

// Fault bits of a check; 0 means sound.
inline constexpr std::uint32_t kFaultFixtureIncomplete = 0x10000;
inline constexpr std::uint32_t kFaultMatchdayCount = 0x20000;
inline constexpr std::uint32_t kFaultTeamCount = 0x40000;
inline constexpr std::uint32_t kFaultReserveTeams = 0x80000;

// Writing for the node's own country rather than for another one.
inline constexpr int kOwnCountry = -1;

// A node of a competition tree, kept in the world's registry by id. Parent, source and
// sub-competition links are ids; operations that follow them look the nodes up in the world and
// never follow a link twice, so a hand-made cycle cannot run away.
class CDBCompetition {
public:
    static constexpr int kNameSize = 128;
    static constexpr int kCalendarCount = 2;
    static constexpr int kCalendarDays = 735;
    static constexpr int kSeasonDays = 365;
    static constexpr int kMaxLinks = 10;
    static constexpr int kValueCount = 4;
    static constexpr std::int32_t kNoScript = -1;

    using Calendar = std::array<std::int32_t, kCalendarDays>;
    using Links = std::array<std::uint32_t, kMaxLinks>;
    using Values = std::array<std::int32_t, kValueCount>;

    CDBCompetition(std::uint32_t id, int kind, std::uint32_t parentId);
    virtual ~CDBCompetition();
    CDBCompetition& operator=(const CDBCompetition&) = delete;

    // A copy of the node of its own kind (edits keep the nodes they replace).
    virtual std::unique_ptr<CDBCompetition> Clone() const = 0;
    // A copy of the node under another id (a league system renumbered), not yet registered.
    std::unique_ptr<CDBCompetition> CloneAs(std::uint32_t id) const;

    // How a copied node's teams read in its new place; 0 drops a team.
    using TeamMap = std::function<std::uint32_t(std::uint32_t team)>;
    // A copy of the node (registered in `source`) for country `to` of `target`, which may be the
    // same registry: every competition id of country `from` it holds (its own, its parent, its
    // links, the competitions a pool checks, the references of its script) names `to` instead,
    // its teams pass through `teams`, and its script list is appended to `target`'s table.
    std::unique_ptr<CDBCompetition> CopyForCountry(const CCompetitionRegistry& source,
                                                   CCompetitionRegistry& target, int from, int to,
                                                   const TeamMap& teams) const;

    std::uint32_t Id() const { return m_id; }
    int Country() const { return CompetitionCountry(m_id); }
    int Type() const { return CompetitionType(m_id); }
    int Index() const { return CompetitionIndex(m_id); }
    int Kind() const { return m_kind; }
    std::uint32_t ParentId() const { return m_parentId; }
    void SetParentId(std::uint32_t id) { m_parentId = id; }

    CLanguageTexts<kNameSize>& Names() { return m_names; }
    const CLanguageTexts<kNameSize>& Names() const { return m_names; }

    // First entry of the node's list in the world's script table; kNoScript for none.
    std::int32_t ScriptStart() const { return m_scriptStart; }
    void SetScriptStart(std::int32_t start) { m_scriptStart = start; }

    std::int8_t RoundName() const { return m_roundName; }
    void SetRoundName(std::int8_t round) { m_roundName = round; }
    std::uint8_t BaseSetting() const { return m_baseSetting; }
    void SetBaseSetting(std::uint8_t setting) { m_baseSetting = setting; }
    std::int8_t Level() const { return m_level; }
    void SetLevel(std::int8_t level) { m_level = level; }
    std::array<std::int32_t, 2>& FurtherValues() { return m_furtherValues; }
    const std::array<std::int32_t, 2>& FurtherValues() const { return m_furtherValues; }

    // Source and sub-competition lists: up to 10 ids, the first 0 ends a list.
    const Links& Sources() const { return m_sources; }
    const Links& SubCompetitions() const { return m_subs; }
    int SourceCount() const { return LinkCount(m_sources); }
    int SubCompetitionCount() const { return LinkCount(m_subs); }
    // False when the id is 0 or the list is full.
    bool AddSource(std::uint32_t id) { return AddLink(m_sources, id); }
    bool AddSubCompetition(std::uint32_t id) { return AddLink(m_subs, id); }
    void ClearSources() { m_sources.fill(0); }
    void ClearSubCompetitions() { m_subs.fill(0); }

    // The four values (ops 17 to 20); indexes outside 0..3 are ignored and read as 0.
    const Values& FourValues() const { return m_values; }
    void SetFourValues(const Values& values) { m_values = values; }
    std::int32_t Value(int i) const;
    void SetValue(int i, std::int32_t value);

    // --- calendars: slot d of calendar c holds the matchday number played on day d, or 0.
    // Matchdays are always numbered 1, 2, ... in day order: adding or removing one renumbers
    // every following matchday, so the calendar stays what its text form can express.
    std::int32_t CalendarValue(int calendar, int day) const;
    // False when the day is taken, is day 0 or lies outside the calendar.
    bool AddMatchday(int calendar, int day);
    // False when there is no matchday on that day.
    bool RemoveMatchday(int calendar, int day);
    // Number of the last matchday before a day (searched from the day before downward); -1 if none.
    int LastMatchdayBefore(int calendar, int day) const;
    // Day of matchday n (0-based); 0 when there is none.
    int DayOfMatchday(int calendar, int n) const;
    // Number of days that carry a matchday.
    int EnteredMatchdays(int calendar) const;
    void ClearCalendar(int calendar);
    // The node's own value, or when it has none there the value of the first sub-competition
    // without a level or with the node's level (followed down the chain).
    std::int32_t InheritedCalendarValue(const CCompetitionRegistry& registry, int calendar,
                                        int day) const;
    // The node itself or any sub-competition below it has a matchday on the day.
    bool PlaysOnDay(const CCompetitionRegistry& registry, int calendar, int day) const;

    // Number of matchdays the node needs (base: none).
    virtual int MatchdayCount(const CCompetitionRegistry& registry) const;
    // Label of matchday n (1-based): the number in decimal.
    virtual std::string MatchdayLabel(const CCompetitionRegistry& registry, int matchday) const;
    // Team position in the node (base: 0; team lists give -1 when absent).
    virtual int PositionOfTeam(std::uint32_t team) const;

    // Fault bits of the node, ORed with those of its first sub-competition (and so on down).
    std::uint32_t Check(const CCompetitionRegistry& registry, int calendar, int levelLimit) const;

    // Text form inside a numbered section. Writing for another country replaces the country of
    // every competition id the node writes (its own, sources, sub-competitions, pool checks).
    virtual bool WriteText(CKLFile& file, const CCompetitionRegistry& registry,
                           int exportCountry) const;
    // Reads the text after the head (kind and id lines). Never fails hard: missing values read
    // as zero, indexes read are range-checked.
    virtual void ReadText(CKLFile& file, CCompetitionRegistry& registry);
    // The keyword that opens the node in text.
    virtual std::string_view KindKeyword() const;

    // Same class and every field equal but the script start, which is only a table position.
    virtual bool HasSameData(const CDBCompetition& other) const;

protected:
    CDBCompetition(const CDBCompetition&) = default;
    // The parts of CopyForCountry that node kinds with more ids extend.
    virtual void MoveCountry(int from, int to);
    virtual void MapTeams(const TeamMap& teams);
    virtual std::uint32_t OwnFaults(const CCompetitionRegistry& registry, int calendar,
                                    int levelLimit) const;

    void SetSlot(int calendar, int day, std::int32_t value);
    void Renumber(int calendar);
    const Calendar& CalendarSlots(int calendar) const { return m_calendars[calendar]; }

    // --- text helpers shared by the node classes.
    std::uint32_t ExportedId(std::uint32_t id, int exportCountry) const;
    bool WriteHead(CKLFile& file, int exportCountry) const;
    bool WriteNames(CKLFile& file) const;
    // The names line and, for older files, the dropped second line of short names.
    void ReadNames(CKLFile& file, bool isCup);
    bool WriteCalendars(CKLFile& file, int lastDay, int padTo) const;
    // MATCHDAYS and MATCHDAYS2; at most `cap` entries each (negative: no limit).
    void ReadCalendars(CKLFile& file, int lastDay, int cap);
    bool WriteTail(CKLFile& file, const CCompetitionRegistry& registry, int exportCountry) const;
    void ReadTail(CKLFile& file, CCompetitionRegistry& registry);

private:
    static int LinkCount(const Links& links);
    static bool AddLink(Links& links, std::uint32_t id);
    bool WriteCalendar(CKLFile& file, int calendar, int lastDay, int padTo) const;
    void ReadCalendarLine(std::string_view line, int calendar, int lastDay, int cap);

    CLanguageTexts<kNameSize> m_names;
    std::int32_t m_scriptStart = kNoScript;
    std::uint32_t m_id;
    std::array<Calendar, kCalendarCount> m_calendars{};
    std::int8_t m_roundName = 0;
    int m_kind;
    std::uint8_t m_baseSetting = 3;
    std::uint32_t m_parentId;
    std::array<std::int32_t, 2> m_furtherValues{};
    Links m_sources{};
    Links m_subs{};
    Values m_values{};
    std::int8_t m_level = -1;
};

// The root of a country's competition tree (type 0, index 0); its id is the parent id of the
// country's top nodes. It is never written as a node.
class CDBRoot : public CDBCompetition {
public:
    explicit CDBRoot(int country)
        : CDBCompetition(MakeCompetitionId(country, kRootType, 0), kRootKind, 0),
          m_country(static_cast<std::uint8_t>(country)) {}

    std::uint8_t CountryByte() const { return m_country; }
    std::unique_ptr<CDBCompetition> Clone() const override {
        return std::make_unique<CDBRoot>(*this);
    }

protected:
    void MoveCountry(int from, int to) override;

private:
    std::uint8_t m_country;
};

}  // namespace kw
