#include "model/Rules.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

#include "model/World.h"
#include "platform/Paths.h"
#include "platform/ResourceTable.h"
#include "storage/Identifiers.h"
#include "storage/KLFile.h"
#include "storage/LanguageTextsIO.h"
#include "storage/RecordVersion.h"

namespace kw {

namespace {

constexpr char kRulesTag[] = "RULES_AND_MISC";
constexpr char kRulesFile[] = "Rules.sav";
// From this version on every continent has all its names, title holders and venues in the file.
constexpr std::uint32_t kFullLayoutMajor = 8197;
constexpr std::uint32_t kFullLayoutMinor = 5;

constexpr const char* kContinentNames[kContinentCount] = {
    KW_RESOURCE_TEXT("kw::Rules", "Europa"),      KW_RESOURCE_TEXT("kw::Rules", "Südamerika"),
    KW_RESOURCE_TEXT("kw::Rules", "Nordamerika"), KW_RESOURCE_TEXT("kw::Rules", "Afrika"),
    KW_RESOURCE_TEXT("kw::Rules", "Asien"),       KW_RESOURCE_TEXT("kw::Rules", "Ozeanien"),
};

// Club ids and stadium references use at most 25 bits and so fit a signed line; anything larger
// is written as its two's complement, which the reader turns back into the same bits.
bool WriteReference(CKLFile& file, std::uint32_t value) {
    return file.WriteNumber(static_cast<std::int32_t>(value));
}

}  // namespace

std::string_view ContinentName(int continent) {
    return continent >= 0 && continent < kContinentCount
               ? ShownText("kw::Rules", kContinentNames[continent])
               : std::string_view();
}

const CRules::Names& CRules::CompetitionNames(int competition, int continent) const {
    switch (competition) {
        case 0:
            return m_first.at(Cont(continent));
        case 1:
            return m_second.at(Cont(continent));
        case 2:
            return m_third.at(Cont(continent));
        default:
            throw std::out_of_range("competition " + std::to_string(competition));
    }
}

CRules::Names& CRules::MutableNames(int competition, int continent) {
    return const_cast<Names&>(std::as_const(*this).CompetitionNames(competition, continent));
}

void CRules::SetCompetitionName(int competition, int continent, int language,
                                std::string_view name) {
    MutableNames(competition, continent).at(Lang(language)).Set(name);
}

void CRules::SetThirdShortName(int continent, int language, std::string_view name) {
    m_thirdShort.at(Cont(continent)).at(Lang(language)).Set(name);
}

void CRules::SetWorldName(int language, std::string_view name) {
    m_worldName.at(Lang(language)).Set(name);
}

void CRules::SetWorldShortName(int language, std::string_view name) {
    m_worldShort.at(Lang(language)).Set(name);
}

std::uint32_t CRules::TitleHolder(int competition, int continent) const {
    return m_titleHolders.at(static_cast<std::size_t>(competition)).at(Cont(continent));
}

void CRules::SetTitleHolder(int competition, int continent, std::uint32_t clubId) {
    m_titleHolders.at(static_cast<std::size_t>(competition)).at(Cont(continent)) = clubId;
}

std::uint32_t CRules::Venue(int competition, int continent) const {
    return m_venues.at(static_cast<std::size_t>(competition)).at(Cont(continent));
}

void CRules::SetVenue(int competition, int continent, std::uint32_t stadiumRef) {
    m_venues.at(static_cast<std::size_t>(competition)).at(Cont(continent)) = stadiumRef;
}

void CRules::SetSubstitutions(std::int32_t count) {
    m_substitutions = std::clamp(count, std::int32_t{0}, kMaxSubstitutions);
}

bool CRules::Write(CKLFile& file, const ClubIdExport& exportClubId) const {
    const auto club = [&](std::uint32_t id) { return exportClubId ? exportClubId(id) : id; };
    bool ok = file.BeginSection(kRulesTag) && WriteVersionSection(file);
    for (std::size_t continent = 0; ok && continent < kContinentCount; ++continent) {
        ok = WriteLanguageTexts(file, m_first[continent]) &&
             WriteLanguageTexts(file, m_second[continent]);
    }
    ok = ok && WriteLanguageTexts(file, m_worldName);
    for (std::size_t continent = 0; ok && continent < kContinentCount; ++continent) {
        ok = WriteLanguageTexts(file, m_third[continent]) &&
             WriteLanguageTexts(file, m_thirdShort[continent]);
    }
    ok = ok && WriteLanguageTexts(file, m_worldShort);
    for (std::size_t continent = 0; ok && continent < kContinentCount; ++continent) {
        for (std::size_t competition = 0; ok && competition < kCompetitionCount; ++competition) {
            ok = WriteReference(file, club(m_titleHolders[competition][continent])) &&
                 WriteReference(file, m_venues[competition][continent]);
        }
    }
    for (std::size_t which = 0; ok && which < kFurtherTitleHolderCount; ++which) {
        ok = WriteReference(file, club(m_furtherTitleHolders[which]));
    }
    for (std::size_t rule = 0; ok && rule < kRuleCount; ++rule) {
        ok = file.WriteNumber(m_ruleValues[rule]);
    }
    return ok && file.WriteNumber(m_substitutions) && file.EndSection(kRulesTag);
}

void CRules::ReadCurrentLayout(CKLFile& file) {
    for (std::size_t continent = 0; continent < kContinentCount; ++continent) {
        ReadLanguageTexts(file, m_first[continent]);
        ReadLanguageTexts(file, m_second[continent]);
    }
    ReadLanguageTexts(file, m_worldName);
    for (std::size_t continent = 0; continent < kContinentCount; ++continent) {
        ReadLanguageTexts(file, m_third[continent]);
        ReadLanguageTexts(file, m_thirdShort[continent]);
    }
    ReadLanguageTexts(file, m_worldShort);
    for (std::size_t continent = 0; continent < kContinentCount; ++continent) {
        for (std::size_t competition = 0; competition < kCompetitionCount; ++competition) {
            file.ReadNumber(m_titleHolders[competition][continent]);
            file.ReadNumber(m_venues[competition][continent]);
        }
    }
}

// Older files knew only the first two competitions of Europe, the first of South America and
// the third of both, and the title holders and venues of the first competition of the first
// three continents.
void CRules::ReadOldLayout(CKLFile& file) {
    ReadLanguageTexts(file, m_first[0]);
    ReadLanguageTexts(file, m_second[0]);
    ReadLanguageTexts(file, m_first[1]);
    ReadLanguageTexts(file, m_worldName);
    ReadLanguageTexts(file, m_third[0]);
    ReadLanguageTexts(file, m_thirdShort[0]);
    ReadLanguageTexts(file, m_third[1]);
    ReadLanguageTexts(file, m_worldShort);
    constexpr std::size_t kOldContinents = 3;
    for (std::size_t continent = 0; continent < kOldContinents; ++continent) {
        file.ReadNumber(m_titleHolders[0][continent]);
    }
    for (std::size_t continent = 0; continent < kOldContinents; ++continent) {
        file.ReadNumber(m_venues[0][continent]);
    }
}

bool CRules::Read(CKLFile& file) {
    Reset();
    if (!file.FindSection(kRulesTag)) {
        return false;
    }
    ReadVersionSection(file);
    if (file.RecordVersion() >= MakeRecordVersion(kFullLayoutMajor, kFullLayoutMinor)) {
        ReadCurrentLayout(file);
    } else {
        ReadOldLayout(file);
    }
    for (std::uint32_t& holder : m_furtherTitleHolders) {
        file.ReadNumber(holder);
    }
    for (std::int32_t& value : m_ruleValues) {
        file.ReadNumber(value);
    }
    file.ReadNumber(m_substitutions);
    file.SkipToSectionEnd(kRulesTag);
    return true;
}

bool CRules::Save(const std::filesystem::path& directory, const ClubIdExport& exportClubId) const {
    CKLFile file;
    if (!file.OpenForWrite(PathForWriting(directory, kRulesFile))) {
        return false;
    }
    const bool written = Write(file, exportClubId);
    const bool closed = file.Close();
    return written && closed;
}

bool CRules::Load(const std::filesystem::path& directory, std::uint32_t* recordVersion) {
    Reset();
    const auto path = FindExisting(directory, kRulesFile);
    CKLFile file;
    if (!path || !file.OpenForRead(*path)) {
        return false;
    }
    const bool read = Read(file);
    if (recordVersion != nullptr) {
        *recordVersion = file.RecordVersion();
    }
    return read;
}

void CRules::Complete(const CWorld& world) {
    const auto holder = [&](std::uint32_t id) -> std::uint32_t {
        if (IsNationalTeam(id)) {
            // Passes as it is, but only as a real country's team: anything else would index
            // past the country table wherever the reference is used.
            return (id >> 25) == 0 && IsRealCountry(ClubCountry(id)) ? id : 0;
        }
        return world.ExportClubId(id);
    };
    const auto venue = [&](std::uint32_t ref) -> std::uint32_t {
        const int country = StadiumRefCountry(ref);
        if ((ref >> 24) != 0 || !IsRealCountry(country) || !world.IsLoaded()) {
            return 0;
        }
        const auto stadiums = world.Country(country).Stadiums().size();
        return static_cast<std::size_t>(StadiumRefNumber(ref)) <= stadiums ? ref : 0;
    };
    for (std::size_t competition = 0; competition < kCompetitionCount; ++competition) {
        for (std::size_t continent = 0; continent < kContinentCount; ++continent) {
            m_titleHolders[competition][continent] = holder(m_titleHolders[competition][continent]);
            m_venues[competition][continent] = venue(m_venues[competition][continent]);
        }
    }
    for (std::uint32_t& id : m_furtherTitleHolders) {
        id = holder(id);
    }
    SetSubstitutions(m_substitutions);
}

}  // namespace kw
