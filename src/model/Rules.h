#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

#include "storage/FixedText.h"

namespace kw {

class CKLFile;
class CWorld;

// Continents 0..5: "Europa", "Südamerika", "Nordamerika", "Afrika", "Asien", "Ozeanien".
inline constexpr int kContinentCount = 6;
std::string_view ContinentName(int continent);  // Windows-1252; empty outside 0..5

// A stadium anywhere in the world: country in bits 16..23, stadium number (1-based position in
// the country's stadium list) in bits 0..15.
constexpr std::uint32_t MakeStadiumRef(int country, int number) {
    return (static_cast<std::uint32_t>(country & 0xFF) << 16) |
           static_cast<std::uint32_t>(number & 0xFFFF);
}
constexpr int StadiumRefCountry(std::uint32_t ref) {
    return static_cast<int>((ref >> 16) & 0xFF);
}
constexpr int StadiumRefNumber(std::uint32_t ref) {
    return static_cast<int>(ref & 0xFFFF);
}

// The database-wide rules, saved as "Rules.sav": the names of the three international
// competitions of each continent and of the world competition, their title holders and final
// venues, the points rules and the substitutions allowed in friendlies.
class CRules {
public:
    static constexpr int kCompetitionCount = 3;  // per continent
    static constexpr int kFurtherTitleHolderCount = 2;
    static constexpr int kRuleCount = 5;
    static constexpr std::size_t kNameSize = 30;
    static constexpr std::size_t kShortNameSize = 17;
    static constexpr std::int32_t kMaxSubstitutions = 7;
    static constexpr std::int32_t kDefaultSubstitutions = 6;

    using Names = CLanguageTexts<kNameSize>;
    using ShortNames = CLanguageTexts<kShortNameSize>;
    // Translates a club reference for the file; an empty function writes references as held.
    using ClubIdExport = std::function<std::uint32_t(std::uint32_t clubId)>;

    // Back to the defaults: everything empty or zero, six substitutions.
    void Reset() { *this = CRules(); }
    // The rules dialog edits a copy and writes it back on OK.
    void CopyFrom(const CRules& other) { *this = other; }

    // Competition 0..2 of a continent 0..5 in a language 0..4. Indexes outside those ranges are
    // programming errors and throw std::out_of_range.
    const Names& CompetitionNames(int competition, int continent) const;
    std::string_view CompetitionName(int competition, int continent, int language) const {
        return CompetitionNames(competition, continent).at(Lang(language)).View();
    }
    void SetCompetitionName(int competition, int continent, int language, std::string_view name);
    // Only the third competition of a continent has a short name.
    const ShortNames& ThirdShortNames(int continent) const {
        return m_thirdShort.at(Cont(continent));
    }
    std::string_view ThirdShortName(int continent, int language) const {
        return ThirdShortNames(continent).at(Lang(language)).View();
    }
    void SetThirdShortName(int continent, int language, std::string_view name);
    const Names& WorldNames() const { return m_worldName; }
    std::string_view WorldName(int language) const { return m_worldName.at(Lang(language)).View(); }
    void SetWorldName(int language, std::string_view name);
    const ShortNames& WorldShortNames() const { return m_worldShort; }
    std::string_view WorldShortName(int language) const {
        return m_worldShort.at(Lang(language)).View();
    }
    void SetWorldShortName(int language, std::string_view name);

    // "Titelverteidiger" (a club id) and "Endspielort" (a stadium reference) per competition.
    std::uint32_t TitleHolder(int competition, int continent) const;
    void SetTitleHolder(int competition, int continent, std::uint32_t clubId);
    std::uint32_t Venue(int competition, int continent) const;
    void SetVenue(int competition, int continent, std::uint32_t stadiumRef);
    std::uint32_t FurtherTitleHolder(int which) const {
        return m_furtherTitleHolders.at(static_cast<std::size_t>(which));
    }
    void SetFurtherTitleHolder(int which, std::uint32_t clubId) {
        m_furtherTitleHolders.at(static_cast<std::size_t>(which)) = clubId;
    }

    // Rule 0: points for a win (0 two, 1 three, other four); rule 1: points for an away win,
    // same coding; rule 2: extra point for beating the title holder (0 on, other off); rule 3:
    // extra point for more than three goals (same); rule 4: kept as given.
    std::int32_t RuleValue(int rule) const {
        return m_ruleValues.at(static_cast<std::size_t>(rule));
    }
    void SetRuleValue(int rule, std::int32_t value) {
        m_ruleValues.at(static_cast<std::size_t>(rule)) = value;
    }
    // "Erlaubte Auswechslungen in Freundschaftsspielen", 0..7; the setter clamps.
    std::int32_t Substitutions() const { return m_substitutions; }
    void SetSubstitutions(std::int32_t count);

    // RULES_AND_MISC section. Title holders go through exportClubId, so that they follow the
    // compact club numbering of the country files written in the same save.
    bool Write(CKLFile& file, const ClubIdExport& exportClubId = {}) const;
    // Resets, then reads the current layout or the one older than (8197,5). False without a
    // RULES_AND_MISC section (the rules stay at their defaults).
    bool Read(CKLFile& file);

    // "<directory>/Rules.sav", replaced atomically. True only when every line reached the disk.
    bool Save(const std::filesystem::path& directory, const ClubIdExport& exportClubId = {}) const;
    // Resets, then reads "Rules.sav" of the directory (any letter case) if there is one. False
    // when there is none or it holds no rules. `recordVersion` receives the file's record
    // version when it was read.
    bool Load(const std::filesystem::path& directory, std::uint32_t* recordVersion = nullptr);

    // After a load, with the world's compact numbering rebuilt from the loaded clubs: title
    // holders of clubs that no longer exist become 0 (national teams of real countries pass),
    // venues must name a stadium the country has, and the substitutions are clamped to 0..7.
    void Complete(const CWorld& world);

    friend bool operator==(const CRules&, const CRules&) = default;

private:
    static std::size_t Lang(int language) { return static_cast<std::size_t>(language); }
    static std::size_t Cont(int continent) { return static_cast<std::size_t>(continent); }
    Names& MutableNames(int competition, int continent);
    void ReadCurrentLayout(CKLFile& file);
    void ReadOldLayout(CKLFile& file);

    using PerContinent = std::array<std::uint32_t, kContinentCount>;

    std::array<Names, kContinentCount> m_first;
    std::array<Names, kContinentCount> m_second;
    Names m_worldName;
    ShortNames m_worldShort;
    std::array<Names, kContinentCount> m_third;
    std::array<ShortNames, kContinentCount> m_thirdShort;
    std::array<PerContinent, kCompetitionCount> m_titleHolders{};
    std::array<PerContinent, kCompetitionCount> m_venues{};
    std::array<std::uint32_t, kFurtherTitleHolderCount> m_furtherTitleHolders{};
    std::array<std::int32_t, kRuleCount> m_ruleValues{};
    std::int32_t m_substitutions = kDefaultSubstitutions;
};

}  // namespace kw
