#include "model/Club.h"

#include <algorithm>
#include <cstdlib>

#include "model/CheckedIndex.h"
#include "model/ClubNames.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr int kItCupCountry = 14;
constexpr std::int32_t kItCupExternalNumber = 13;
constexpr std::int32_t kSmallestCapacity = 11;
constexpr std::int32_t kDefaultCapacity = 8000;
constexpr int kMaxMinutes = 59;
constexpr int kMaxLongitude = 180;
constexpr int kMaxLatitude = 90;
// The editors' limit of the abbreviation that is filled from the name.
constexpr std::size_t kFilledAbbreviationLength = 11;

// Out-of-range positions are clamped: degrees to 0..limit, minutes to 0..59, and minutes are 0
// at the limit itself. A southern or western value at 180 degrees becomes 179 degrees, as the
// game keeps the date line to the east. The sign stays.
std::int32_t NormaliseCoordinate(std::int32_t value, int limit, bool awayFromDateLine) {
    SCoordinate c = SplitCoordinate(value);
    if (c.degrees <= limit && c.minutes <= kMaxMinutes) {
        return value;
    }
    c.degrees = std::clamp(c.degrees, 0, limit);
    c.minutes = std::clamp(c.minutes, 0, kMaxMinutes);
    if (c.degrees == limit) {
        c.minutes = 0;
        if (awayFromDateLine && c.negative) {
            c.degrees = limit - 1;
        }
    }
    return MakeCoordinate(c.negative, c.degrees, c.minutes);
}

// The national stadium grows with the country's league system.
std::int32_t NationalStadiumCapacity(int clubCount) {
    if (clubCount < 8) {
        return 25000;
    }
    if (clubCount < 12) {
        return 35000;
    }
    if (clubCount < 40) {
        return 55000;
    }
    return 75000;
}

bool IsFirstTeamPlayer(const CPlayer& person) {
    return person.IsPlayer() && person.TeamFlag() == 0;
}
bool IsSecondTeamPlayer(const CPlayer& person) {
    return person.IsPlayer() && person.TeamFlag() != 0;
}
bool IsStaff(const CPlayer& person) {
    return !person.IsPlayer();
}

bool InCopiedGroup(const CPlayer& person, std::uint32_t mask) {
    return ((mask & clubcopy::kFirstTeam) != 0 && IsFirstTeamPlayer(person)) ||
           ((mask & clubcopy::kSecondTeam) != 0 && IsSecondTeamPlayer(person)) ||
           ((mask & clubcopy::kStaff) != 0 && IsStaff(person));
}

bool ValidLanguage(int language) {
    return language >= 0 && language < kLanguageCount;
}

std::size_t LanguageIndex(int language) {
    return static_cast<std::size_t>(language);
}

}  // namespace

std::int32_t MakeCoordinate(bool negative, int degrees, int minutes) {
    const std::int64_t magnitude =
        std::int64_t{std::clamp(degrees, 0, 0x7FFF)} * 65536 + std::clamp(minutes, 0, 0xFFFF);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

SCoordinate SplitCoordinate(std::int32_t value) {
    const std::int64_t magnitude = std::llabs(std::int64_t{value});
    return {value < 0, static_cast<int>(magnitude >> 16), static_cast<int>(magnitude & 0xFFFF)};
}

CClub::CClub(CWorld& world, std::uint32_t id) : m_world(&world), m_id(id) {
    m_data.youthCountry = static_cast<std::uint8_t>(ClubCountry(id));
}

void CClub::MakeNew() {
    const std::string name = FormatPrintf("Club %d", m_world->NextNewClubNumber());
    for (int language = 0; language < kLanguageCount; ++language) {
        SetName(language, name);
        SetAbbreviation(language, name);
    }
    m_data.youthCountry = static_cast<std::uint8_t>(Country());
}

// --- names

std::string_view CClub::Name(int language) const {
    return ValidLanguage(language) ? m_data.names[LanguageIndex(language)].View()
                                   : std::string_view();
}

void CClub::SetName(int language, std::string_view name) {
    if (ValidLanguage(language)) {
        m_data.names[LanguageIndex(language)].Set(name);
        m_data.alternativeNames[LanguageIndex(language)].Set(name);
    }
}

void CClub::SetAbbreviation(int language, std::string_view abbreviation) {
    if (ValidLanguage(language)) {
        m_data.abbreviations[LanguageIndex(language)].Set(abbreviation);
        m_data.alternativeAbbreviations[LanguageIndex(language)].Set(abbreviation);
    }
}

void CClub::SetAlternativeName(int language, std::string_view name) {
    if (ValidLanguage(language)) {
        m_data.alternativeNames[LanguageIndex(language)].Set(name);
    }
}

void CClub::SetAlternativeAbbreviation(int language, std::string_view abbreviation) {
    if (ValidLanguage(language)) {
        m_data.alternativeAbbreviations[LanguageIndex(language)].Set(abbreviation);
    }
}

std::string CClub::SecondTeamName(int language) const {
    return FillPattern(SecondTeamPattern(Country()), Name(language));
}

std::uint8_t CClub::ArticleChoice(int which, int language) const {
    if (which < 0 || which >= 3 || !ValidLanguage(language)) {
        return 0;
    }
    return m_data.articles[static_cast<std::size_t>(which)][LanguageIndex(language)];
}

void CClub::SetArticleChoice(int which, int language, std::uint8_t choice) {
    if (which >= 0 && which < 3 && ValidLanguage(language)) {
        m_data.articles[static_cast<std::size_t>(which)][LanguageIndex(language)] = choice;
    }
}

void CClub::NextArticle(int which, int language) {
    SetArticleChoice(which, language,
                     NextChoice(ArticleChoice(which, language), ClubArticles(language).size()));
}

void CClub::SetNameCode(int language, std::string_view code) {
    if (ValidLanguage(language)) {
        m_data.nameCodes[LanguageIndex(language)].Set(code);
    }
}

std::uint8_t CClub::SentenceChoice(int list, int language) const {
    if (list < 0 || list >= 2 || !ValidLanguage(language)) {
        return 0;
    }
    return m_data.sentences[static_cast<std::size_t>(list)][LanguageIndex(language)];
}

void CClub::SetSentenceChoice(int list, int language, std::uint8_t choice) {
    if (list >= 0 && list < 2 && ValidLanguage(language)) {
        m_data.sentences[static_cast<std::size_t>(list)][LanguageIndex(language)] = choice;
    }
}

void CClub::NextSentence(int language) {
    const std::uint8_t next =
        NextChoice(SentenceChoice(0, language), FirstSentenceForms(language).size());
    SetSentenceChoice(0, language, next);
    SetSentenceChoice(1, language, next);
}

void CClub::SetCity(int language, std::string_view city) {
    if (ValidLanguage(language)) {
        m_data.cities[LanguageIndex(language)].Set(city);
    }
}

void CClub::SetRival(int slot, std::uint32_t club) {
    SetElement(m_data.rivals, slot, club);
}

void CClub::MapClubReferences(const std::function<std::uint32_t(std::uint32_t)>& map) {
    SData& d = m_data;
    if (d.fanFriendship != 0) {
        d.fanFriendship = map(d.fanFriendship);
    }
    bool changed = false;
    for (std::uint32_t& rival : d.rivals) {
        if (rival != 0) {
            const std::uint32_t mapped = map(rival);
            changed |= mapped != rival;
            rival = mapped;
        }
    }
    if (changed) {
        std::stable_partition(d.rivals.begin(), d.rivals.end(),
                              [](std::uint32_t rival) { return rival != 0; });
    }
}

void CClub::SetStatusChoice(int bit, bool set) {
    if (bit < 0 || bit > 15) {
        return;
    }
    constexpr int kPartner[8] = {2, 3, 0, 1, 5, 4, 7, 6};
    if (set) {
        if (bit < 8) {
            m_data.status &= static_cast<std::uint16_t>(~(1u << kPartner[bit]));
        }
        m_data.status |= static_cast<std::uint16_t>(1u << bit);
    } else {
        m_data.status &= static_cast<std::uint16_t>(~(1u << bit));
    }
}

void CClub::SetInitialAssets(std::int32_t assets) {
    m_data.initialAssets = assets;
    m_data.creditLine = assets < 0 ? 0 : assets / 2;
}

void CClub::SetStatistic(int index, std::int32_t value) {
    SetElement(m_data.statistics, index, value);
}

const std::string& CClub::Successes(int which) const {
    return m_data.successes.at(static_cast<std::size_t>(which));
}

void CClub::SetSuccesses(int which, std::string years) {
    m_data.successes.at(static_cast<std::size_t>(which)) = std::move(years);
}

const CRecordResult& CClub::RecordResult(int which) const {
    return m_data.records.at(static_cast<std::size_t>(which));
}

CRecordResult& CClub::RecordResult(int which) {
    return m_data.records.at(static_cast<std::size_t>(which));
}

std::uint8_t CClub::Colour(int which) const {
    return Element(m_data.colours, which);
}

void CClub::SetColour(int which, std::uint8_t colour) {
    SetElement(m_data.colours, which, colour);
}

void CClub::SetStadiumName(int language, std::string_view name) {
    if (ValidLanguage(language)) {
        m_data.stadiumNames[LanguageIndex(language)].Set(name);
    }
}

void CClub::SetSurrounding(int area, std::uint8_t level) {
    SetElement(m_data.surroundings, area, level);
}

void CClub::SetLatitude(bool south, int degrees, int minutes) {
    m_data.latitude = MakeCoordinate(south, degrees, minutes);
}

void CClub::SetLongitude(bool west, int degrees, int minutes) {
    m_data.longitude = MakeCoordinate(west, degrees, minutes);
}

std::uint8_t CClub::PreferredCountry(int slot) const {
    return Element(m_data.preferredCountries, slot);
}

void CClub::SetPreferredCountry(int slot, std::uint8_t country) {
    SetElement(m_data.preferredCountries, slot, country);
}

// --- persons

bool CClub::HasPerson(std::uint32_t id) const {
    return std::find(m_persons.begin(), m_persons.end(), id) != m_persons.end();
}

bool CClub::AddPerson(const CPlayer& person) {
    const std::uint32_t id = person.Id();
    if (HasPerson(id)) {
        return true;
    }
    if (m_persons.size() >= kMaxPersons) {
        m_world->RemovePerson(id);
        return false;
    }
    m_persons.push_back(id);
    return true;
}

void CClub::RemovePerson(std::uint32_t id) {
    m_persons.erase(std::remove(m_persons.begin(), m_persons.end(), id), m_persons.end());
}

std::vector<CPlayer*> CClub::PersonsWhere(bool (*belongs)(const CPlayer&)) const {
    std::vector<CPlayer*> persons;
    for (const std::uint32_t id : m_persons) {
        CPlayer* person = m_world->Person(id);
        if (person != nullptr && belongs(*person)) {
            persons.push_back(person);
        }
    }
    return persons;
}

int CClub::PlayerCount() const {
    return static_cast<int>(
        PersonsWhere([](const CPlayer& person) { return person.IsPlayer(); }).size());
}

std::vector<CPlayer*> CClub::FirstTeam() const {
    return PersonsWhere(IsFirstTeamPlayer);
}

std::vector<CPlayer*> CClub::SecondTeam() const {
    return PersonsWhere(IsSecondTeamPlayer);
}

std::vector<CPlayer*> CClub::Staff() const {
    return PersonsWhere(IsStaff);
}

// --- copy

void CClub::CopyFrom(const CClub& other, std::uint32_t mask) {
    // Copying onto itself would first destroy the very persons it is to copy.
    if (&other == this) {
        return;
    }
    SData& d = m_data;
    const SData& o = other.m_data;
    if ((mask & clubcopy::kGeneral) != 0) {
        d.names = o.names;
        d.alternativeNames = o.alternativeNames;
        d.abbreviations = o.abbreviations;
        d.alternativeAbbreviations = o.alternativeAbbreviations;
        d.articles = o.articles;
        d.sentences = o.sentences;
        d.nameCodes = o.nameCodes;
        d.cities = o.cities;
        d.fansName = o.fansName;
        d.secondFansName = o.secondFansName;
        d.mascot = o.mascot;
        d.fanFriendship = o.fanFriendship;
        d.rivals = o.rivals;
        d.foundingYear = o.foundingYear;
        d.status = o.status;
        d.prestige = o.prestige;
        d.secondPrestige = o.secondPrestige;
        d.note = o.note;
        d.byteFlag = o.byteFlag;
    }
    if ((mask & clubcopy::kFinances) != 0) {
        d.initialAssets = o.initialAssets;
        d.creditLine = o.creditLine;
        d.publicCompany = o.publicCompany;
    }
    if ((mask & clubcopy::kAddress) != 0) {
        d.address = o.address;
        d.telephone = o.telephone;
        d.website = o.website;
        d.fanSites = o.fanSites;
        d.newspaper = o.newspaper;
    }
    if ((mask & clubcopy::kAttendance) != 0) {
        d.biggestMatch = o.biggestMatch;
        d.averageAttendance = o.averageAttendance;
        d.seasonTickets = o.seasonTickets;
    }
    if ((mask & clubcopy::kBadge) != 0) {
        d.badgePath = o.badgePath;
        d.colours = o.colours;
        d.colourStyle = o.colourStyle;
    }
    if ((mask & clubcopy::kKit) != 0) {
        d.kit = o.kit;
    }
    if ((mask & clubcopy::kStadium) != 0) {
        d.stadiumNumber = o.stadiumNumber;
        d.stadiumCapacity = o.stadiumCapacity;
        d.stadiumNames = o.stadiumNames;
        d.stadiumType = o.stadiumType;
        d.stadiumFlags = o.stadiumFlags;
    }
    if ((mask & clubcopy::kLocation) != 0) {
        d.youthCountry = o.youthCountry;
        d.latitude = o.latitude;
        d.longitude = o.longitude;
    }
    if ((mask & clubcopy::kSurroundings) != 0) {
        d.surroundings = o.surroundings;
    }
    if ((mask & clubcopy::kTransfers) != 0) {
        d.preferredCountries = o.preferredCountries;
    }
    if ((mask & clubcopy::kHistory) != 0) {
        d.statistics = o.statistics;
        d.successes = o.successes;
        d.records = o.records;
    }
    CopyPersons(other, mask);
}

void CClub::CopyPersons(const CClub& other, std::uint32_t mask) {
    constexpr std::uint32_t kPersonGroups =
        clubcopy::kFirstTeam | clubcopy::kSecondTeam | clubcopy::kStaff;
    if ((mask & kPersonGroups) == 0) {
        return;
    }
    std::vector<std::uint32_t> kept;
    for (const std::uint32_t id : m_persons) {
        const CPlayer* person = m_world->Person(id);
        if (person != nullptr && InCopiedGroup(*person, mask)) {
            m_world->RemovePerson(id);
        } else {
            kept.push_back(id);
        }
    }
    m_persons = std::move(kept);

    for (const std::uint32_t id : other.m_persons) {
        const CPlayer* source = other.m_world->Person(id);
        if (source == nullptr || !InCopiedGroup(*source, mask)) {
            continue;
        }
        // Within one world the id is taken by the source itself; the world then gives the
        // duplicate a free one.
        CPlayer& duplicate = m_world->CreatePerson(id, false);
        duplicate.CopyFrom(*source, -1);
        AddPerson(duplicate);
    }
}

// --- normalisation

void CClub::Normalise() {
    SData& d = m_data;
    for (int language = 1; language < kLanguageCount; ++language) {
        const std::size_t l = LanguageIndex(language);
        if (d.abbreviations[l].Empty()) {
            d.abbreviations[l].Set(d.names[l].View().substr(0, kFilledAbbreviationLength));
        }
        if (d.alternativeAbbreviations[l].Empty()) {
            d.alternativeAbbreviations[l].Set(
                d.alternativeNames[l].View().substr(0, kFilledAbbreviationLength));
        }
    }

    for (std::uint8_t& country : d.preferredCountries) {
        if (country > kCountryCount) {
            country = static_cast<std::uint8_t>(kDefaultCountry);
        }
    }
    if (d.youthCountry > kCountryCount) {
        d.youthCountry = static_cast<std::uint8_t>(kDefaultCountry);
    }

    d.colours[0] = std::min(d.colours[0], kMaxColour);
    d.colourStyle = std::min(d.colourStyle, kMaxColourStyle);
    if (d.badgePath.Empty()) {
        d.badgePath.Set(DefaultBadgePath(d.colours[0]));
    }

    const int country = Country();
    for (const std::uint32_t id : m_persons) {
        if (CPlayer* person = m_world->Person(id)) {
            person->Normalise(country);
        }
    }

    for (std::uint8_t& level : d.surroundings) {
        if (level > kMaxSurroundingLevel) {
            level = 0;
        }
    }
    d.kit.ClampStyles();
    NormaliseReferences();

    d.longitude = NormaliseCoordinate(d.longitude, kMaxLongitude, true);
    d.latitude = NormaliseCoordinate(d.latitude, kMaxLatitude, false);

    if (d.stadiumCapacity < kSmallestCapacity) {
        d.stadiumCapacity = kDefaultCapacity;
        if (IsNationalTeam()) {
            NormaliseNationalStadium();
        }
    }
    if (IsNationalTeam()) {
        d.statistics.fill(0);
    }
    if (country == kItCupCountry && d.externalNumber != kItCupExternalNumber) {
        d.status |= kNoItCupFlag;
    }
}

void CClub::NormaliseReferences() {
    SData& d = m_data;
    const int country = Country();
    if (ClubCountry(d.fanFriendship) != country) {
        d.fanFriendship = 0;
    }
    for (std::uint32_t& rival : d.rivals) {
        if (ClubCountry(rival) != country) {
            rival = 0;
        }
    }
    std::stable_partition(d.rivals.begin(), d.rivals.end(),
                          [](std::uint32_t rival) { return rival != 0; });
}

void CClub::NormaliseNationalStadium() {
    const int country = Country();
    int clubCount = 0;
    if (m_world->IsLoaded() && country >= 1 && country <= kCountryCount) {
        clubCount = m_world->Country(country).ClubCount();
    }
    m_data.stadiumCapacity = NationalStadiumCapacity(clubCount);
    for (int language = 0; language < kLanguageCount; ++language) {
        const std::size_t l = LanguageIndex(language);
        m_data.stadiumNames[l].Set(NationalStadiumName(language, m_data.cities[l].View()));
    }
}

}  // namespace kw
