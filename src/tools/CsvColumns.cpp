#include "tools/CsvColumns.h"

#include <array>
#include <limits>

#include "model/Club.h"
#include "model/ClubNames.h"
#include "model/Player.h"
#include "model/World.h"
#include "tools/CsvCodeTexts.h"

namespace kw {

namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
const std::string kLanguageSuffixes[kLanguageCount] = {"De", "En", "Fr", "Es", "It"};

template <typename R>
SCsvColumn<R> Number(std::string name, std::int64_t min, std::int64_t max,
                     std::function<std::int64_t(const R&)> get,
                     std::function<void(R&, std::int64_t)> set) {
    SCsvColumn<R> column;
    column.name = std::move(name);
    column.min = min;
    column.max = max;
    column.number = std::move(get);
    column.setNumber = std::move(set);
    return column;
}

template <typename R>
SCsvColumn<R> Text(std::string name, std::size_t maxLength,
                   std::function<std::string(const R&)> get,
                   std::function<void(R&, std::string_view)> set) {
    SCsvColumn<R> column;
    column.name = std::move(name);
    column.value = ECsvValue::kText;
    column.maxLength = maxLength;
    column.text = std::move(get);
    column.setText = std::move(set);
    return column;
}

template <typename R>
SCsvColumn<R> ReadOnly(std::string name, std::function<std::string(const R&)> get) {
    SCsvColumn<R> column;
    column.name = std::move(name);
    column.value = ECsvValue::kReadOnly;
    column.text = std::move(get);
    return column;
}

template <typename R>
SCsvColumn<R> Date(std::string name, std::function<CDate(const R&)> get,
                   std::function<void(R&, CDate)> set) {
    SCsvColumn<R> column;
    column.name = std::move(name);
    column.value = ECsvValue::kDate;
    column.date = std::move(get);
    column.setDate = std::move(set);
    return column;
}

template <typename R>
void AddCountry(std::vector<SCsvColumn<R>>& columns, const std::string& name, std::int64_t min,
                std::function<std::int64_t(const R&)> get,
                std::function<void(R&, std::int64_t)> set) {
    columns.push_back(Number<R>(name, min, kCountryCount, get, set));
    columns.push_back(ReadOnly<R>(name + "Text", [get](const R& r) {
        return CsvCountryText(r.World(), static_cast<int>(get(r)));
    }));
}

std::uint8_t Byte(std::int64_t value) {
    return static_cast<std::uint8_t>(value);
}

// A number held by a plain getter and setter of the record.
template <typename R, typename T>
void AddNumber(std::vector<SCsvColumn<R>>& c, const std::string& name, std::int64_t min,
               std::int64_t max, T (R::*get)() const, void (R::*set)(T)) {
    c.push_back(Number<R>(
        name, min, max, [get](const R& r) { return (r.*get)(); },
        [set](R& r, std::int64_t v) { (r.*set)(static_cast<T>(v)); }));
}

// A fixed-size text of the record, as long as the field keeps.
template <typename R, std::size_t N>
void AddText(std::vector<SCsvColumn<R>>& c, const std::string& name,
             const CFixedText<N>& (R::*get)() const, void (R::*set)(std::string_view)) {
    c.push_back(Text<R>(
        name, N - 1, [get](const R& r) { return std::string((r.*get)().View()); },
        [set](R& r, std::string_view v) { (r.*set)(v); }));
}

// The name columns of players and staff.
void AddPersonNames(std::vector<SCsvColumn<CPlayer>>& c) {
    AddText(c, "firstName", &CPlayer::FirstName, &CPlayer::SetFirstName);
    AddText(c, "surname", &CPlayer::Surname, &CPlayer::SetSurname);
}

// One column for each of the first `count` bytes of an array of the person, named `name` and
// the byte's number counted from `firstNumber`.
template <std::size_t N>
void AddByteSlots(std::vector<SCsvColumn<CPlayer>>& c, const std::string& name, int firstNumber,
                  int count, std::int64_t min, std::int64_t max,
                  const std::array<std::uint8_t, N>& (CPlayer::*get)() const,
                  void (CPlayer::*set)(int, std::uint8_t)) {
    for (int slot = 0; slot < count; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        c.push_back(Number<CPlayer>(
            name + std::to_string(slot + firstNumber), min, max,
            [get, s](const CPlayer& p) { return (p.*get)()[s]; },
            [set, slot](CPlayer& p, std::int64_t v) { (p.*set)(slot, Byte(v)); }));
    }
}

void AddBirthDateAndNationality(std::vector<SCsvColumn<CPlayer>>& c) {
    c.push_back(Date<CPlayer>(
        "birthDate", [](const CPlayer& p) { return p.BirthDate(); },
        [](CPlayer& p, CDate d) { p.SetBirthDate(d); }));
    AddCountry<CPlayer>(
        c, "nationality", 1, [](const CPlayer& p) { return p.Nationality(); },
        [](CPlayer& p, std::int64_t v) { p.SetNationality(Byte(v)); });
}

void AddLanguages(std::vector<SCsvColumn<CPlayer>>& c) {
    AddByteSlots(c, "languageLevel", 1, kLanguageSlots, 0, 15, &CPlayer::LanguageLevels,
                 &CPlayer::SetLanguageLevel);
    AddByteSlots(c, "language", 1, kLanguageSlots, 0, 255, &CPlayer::Languages,
                 &CPlayer::SetLanguage);
}

std::vector<SCsvColumn<CPlayer>> MakePlayerColumns() {
    std::vector<SCsvColumn<CPlayer>> c;
    c.push_back(ReadOnly<CPlayer>("team", [](const CPlayer& p) {
        return std::string(p.TeamFlag() == 0 ? "1. Mannschaft" : "2. Mannschaft");
    }));
    AddPersonNames(c);
    AddText(c, "stageName", &CPlayer::StageName, &CPlayer::SetStageName);
    AddText(c, "nickname", &CPlayer::Nickname, &CPlayer::SetNickname);
    AddBirthDateAndNationality(c);
    AddCountry<CPlayer>(
        c, "secondNationality", 0, [](const CPlayer& p) { return p.SecondNationality(); },
        [](CPlayer& p, std::int64_t v) { p.SetSecondNationality(Byte(v)); });
    for (int slot = 0; slot < kPositionSlots; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        const std::string name = "position" + std::to_string(slot + 1);
        c.push_back(Number<CPlayer>(
            name, slot == 0 ? 1 : 0, kLastPosition,
            [s](const CPlayer& p) { return p.Positions()[s]; },
            [slot](CPlayer& p, std::int64_t v) { p.SetPosition(slot, Byte(v)); }));
        c.push_back(ReadOnly<CPlayer>(name + "Text", [s](const CPlayer& p) {
            return std::string(CsvPositionText(p.Positions()[s]));
        }));
    }
    AddNumber(c, "foot", 0, 2, &CPlayer::Foot, &CPlayer::SetFoot);
    c.push_back(ReadOnly<CPlayer>(
        "footText", [](const CPlayer& p) { return std::string(CsvFootText(p.Foot())); }));
    c.push_back(Number<CPlayer>(
        "talent", 0, 4, [](const CPlayer& p) { return p.FootAndForm() & 0x07; },
        [](CPlayer& p, std::int64_t v) {
            p.SetFootAndForm(static_cast<std::uint8_t>((p.FootAndForm() & ~0x07) | Byte(v)));
        }));
    AddByteSlots(c, "ability", 0, kAbilityCount, 0, 99, &CPlayer::Abilities, &CPlayer::SetAbility);
    AddNumber(c, "roleCode", 0, 255, &CPlayer::RoleCode, &CPlayer::SetRoleCode);
    AddNumber(c, "morale", 0, 255, &CPlayer::Morale, &CPlayer::SetMorale);
    AddNumber(c, "nationalExperience", 0, 6, &CPlayer::NationalExperience,
              &CPlayer::SetNationalExperience);
    AddNumber(c, "internationalExperience", 0, 4, &CPlayer::InternationalExperience,
              &CPlayer::SetInternationalExperience);
    AddByteSlots(c, "shirtNumber", 1, 2, 1, 99, &CPlayer::ShirtNumbers, &CPlayer::SetShirtNumber);
    const char* const lookNames[kLookCount] = {"hairColour", "face",   "hairCut",
                                               "beard",      "height", "weight"};
    const std::int64_t lookMin[kLookCount] = {0, 0, 0, 0, 100, 40};
    for (int index = 0; index < kLookCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        c.push_back(Number<CPlayer>(
            lookNames[index], lookMin[index], 255, [i](const CPlayer& p) { return p.Looks()[i]; },
            [index](CPlayer& p, std::int64_t v) { p.SetLook(index, Byte(v)); }));
    }
    AddNumber(c, "clubSince", 1980, 2100, &CPlayer::ClubSince, &CPlayer::SetClubSince);
    AddNumber(c, "contractUntil", 1980, 2100, &CPlayer::ContractUntil, &CPlayer::SetContractUntil);
    AddNumber(c, "contractValue", kInt32Min, kInt32Max, &CPlayer::ContractValue,
              &CPlayer::SetContractValue);
    AddLanguages(c);
    AddNumber(c, "shoeType", 0, 5, &CPlayer::ShoeType, &CPlayer::SetShoeType);
    AddNumber(c, "sleeves", 0, 255, &CPlayer::Sleeves, &CPlayer::SetSleeves);
    AddNumber(c, "youth", 0, 1, &CPlayer::YouthFlag, &CPlayer::SetYouthFlag);
    c.push_back(Text<CPlayer>(
        "note", 0, [](const CPlayer& p) { return p.Note(); },
        [](CPlayer& p, std::string_view v) { p.SetNote(std::string(v)); }));
    return c;
}

std::vector<SCsvColumn<CPlayer>> MakeStaffColumns() {
    std::vector<SCsvColumn<CPlayer>> c;
    c.push_back(ReadOnly<CPlayer>(
        "kind", [](const CPlayer& p) { return std::string(CsvStaffKindText(p.Kind())); }));
    AddPersonNames(c);
    AddBirthDateAndNationality(c);
    AddByteSlots(c, "staffByte", 1, 3, 0, 255, &CPlayer::StaffBytes, &CPlayer::SetStaffByte);
    AddLanguages(c);
    AddByteSlots(c, "contractByte", 1, 2, 0, 255, &CPlayer::ContractBytes,
                 &CPlayer::SetContractByte);
    return c;
}

template <std::size_t N>
void AddLanguageTexts(std::vector<SCsvColumn<CClub>>& c, const std::string& name,
                      const CLanguageTexts<N>& (CClub::*get)() const,
                      void (CClub::*set)(int, std::string_view)) {
    for (int language = 0; language < kLanguageCount; ++language) {
        const auto l = static_cast<std::size_t>(language);
        c.push_back(Text<CClub>(
            name + kLanguageSuffixes[language], N - 1,
            [get, l](const CClub& club) { return std::string((club.*get)()[l].View()); },
            [set, language](CClub& club, std::string_view v) { (club.*set)(language, v); }));
    }
}

void AddChoices(std::vector<SCsvColumn<CClub>>& c) {
    const char* const articleNames[3] = {"article", "fansArticle", "secondFansArticle"};
    for (int which = 0; which < 3; ++which) {
        for (int language = 0; language < kLanguageCount; ++language) {
            c.push_back(Number<CClub>(
                articleNames[which] + kLanguageSuffixes[language], 0, CsvArticleCount(language) - 1,
                [which, language](const CClub& club) {
                    return club.ArticleChoice(which, language);
                },
                [which, language](CClub& club, std::int64_t v) {
                    club.SetArticleChoice(which, language, Byte(v));
                }));
        }
    }
    for (int list = 0; list < 2; ++list) {
        for (int language = 0; language < kLanguageCount; ++language) {
            c.push_back(Number<CClub>(
                (list == 0 ? "sentence" : "secondSentence") + kLanguageSuffixes[language], 0,
                CsvSentenceCount(language) - 1,
                [list, language](const CClub& club) { return club.SentenceChoice(list, language); },
                [list, language](CClub& club, std::int64_t v) {
                    club.SetSentenceChoice(list, language, Byte(v));
                }));
        }
    }
}

void AddKits(std::vector<SCsvColumn<CClub>>& c) {
    for (int kit = 0; kit < CClubKit::kKitCount; ++kit) {
        const std::string prefix = "kit" + std::to_string(kit + 1);
        c.push_back(Number<CClub>(
            prefix + "Design", 0, CClubKit::kMaxDesign,
            [kit](const CClub& club) { return club.Kit().Kit(kit).design; },
            [kit](CClub& club, std::int64_t v) { club.Kit().Kit(kit).design = Byte(v); }));
        c.push_back(Number<CClub>(
            prefix + "SecondStyle", 0, CClubKit::kMaxSecondStyle,
            [kit](const CClub& club) { return club.Kit().Kit(kit).secondStyle; },
            [kit](CClub& club, std::int64_t v) { club.Kit().Kit(kit).secondStyle = Byte(v); }));
        c.push_back(Number<CClub>(
            prefix + "ThirdStyle", 0, CClubKit::kMaxThirdStyle,
            [kit](const CClub& club) { return club.Kit().Kit(kit).thirdStyle; },
            [kit](CClub& club, std::int64_t v) { club.Kit().Kit(kit).thirdStyle = Byte(v); }));
        for (int index = 0; index < CClubKit::kColourBytes; ++index) {
            const auto i = static_cast<std::size_t>(index);
            c.push_back(Number<CClub>(
                prefix + "Colour" + std::to_string(index + 1), 0, 255,
                [kit, i](const CClub& club) { return club.Kit().Kit(kit).colours[i]; },
                [kit, i](CClub& club, std::int64_t v) {
                    club.Kit().Kit(kit).colours[i] = Byte(v);
                }));
        }
    }
    c.push_back(Number<CClub>(
        "kitShared", kInt32Min, kInt32Max,
        [](const CClub& club) { return club.Kit().SharedValue(); },
        [](CClub& club, std::int64_t v) {
            club.Kit().SetSharedValue(static_cast<std::int32_t>(v));
        }));
}

std::vector<SCsvColumn<CClub>> MakeClubColumns() {
    std::vector<SCsvColumn<CClub>> c;
    AddLanguageTexts<30>(c, "name", &CClub::Names, &CClub::SetName);
    AddLanguageTexts<12>(c, "abbreviation", &CClub::Abbreviations, &CClub::SetAbbreviation);
    AddLanguageTexts<5>(c, "nameCode", &CClub::NameCodes, &CClub::SetNameCode);
    AddChoices(c);
    AddLanguageTexts<30>(c, "city", &CClub::Cities, &CClub::SetCity);
    AddText(c, "fansName", &CClub::FansName, &CClub::SetFansName);
    AddText(c, "secondFansName", &CClub::SecondFansName, &CClub::SetSecondFansName);
    AddText(c, "mascot", &CClub::Mascot, &CClub::SetMascot);
    AddNumber(c, "foundingYear", 0, 2100, &CClub::FoundingYear, &CClub::SetFoundingYear);
    AddNumber(c, "statusFlags", 0, 0xFFFF, &CClub::StatusFlags, &CClub::SetStatusFlags);
    // The raw field: the credit line has a column of its own.
    c.push_back(Number<CClub>(
        "initialAssets", kInt32Min, kInt32Max,
        [](const CClub& club) { return club.InitialAssets(); },
        [](CClub& club, std::int64_t v) {
            const std::int32_t credit = club.CreditLine();
            club.SetInitialAssets(static_cast<std::int32_t>(v));
            club.SetCreditLine(credit);
        }));
    AddNumber(c, "creditLine", kInt32Min, kInt32Max, &CClub::CreditLine, &CClub::SetCreditLine);
    AddNumber(c, "publicCompany", 0, 1, &CClub::PublicCompany, &CClub::SetPublicCompany);
    AddNumber(c, "byteFlag", 0, 255, &CClub::ByteFlag, &CClub::SetByteFlag);
    AddNumber(c, "pointsDeduction", 0, 6, &CClub::PointsDeduction, &CClub::SetPointsDeduction);
    c.back().allowed = [](std::int64_t v) { return v == 0 || v == 3 || v == 6; };
    AddText(c, "address", &CClub::Address, &CClub::SetAddress);
    AddText(c, "telephone", &CClub::Telephone, &CClub::SetTelephone);
    AddText(c, "website", &CClub::Website, &CClub::SetWebsite);
    AddText(c, "fanSites", &CClub::FanSites, &CClub::SetFanSites);
    AddText(c, "newspaper", &CClub::Newspaper, &CClub::SetNewspaper);
    AddNumber(c, "biggestMatchAttendance", 0, kInt32Max, &CClub::BiggestMatchAttendance,
              &CClub::SetBiggestMatchAttendance);
    AddNumber(c, "averageAttendance", 0, kInt32Max, &CClub::AverageAttendance,
              &CClub::SetAverageAttendance);
    AddNumber(c, "seasonTickets", 0, kInt32Max, &CClub::SeasonTickets, &CClub::SetSeasonTickets);
    const char* const statistics[CClub::kStatisticCount] = {"topPoints", "topGames", "topGoals",
                                                            "topGoalsAgainst", "topLeaderRounds"};
    for (int index = 0; index < CClub::kStatisticCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        c.push_back(Number<CClub>(
            statistics[index], kInt32Min, kInt32Max,
            [i](const CClub& club) { return club.Statistics()[i]; },
            [index](CClub& club, std::int64_t v) {
                club.SetStatistic(index, static_cast<std::int32_t>(v));
            }));
    }
    const char* const successes[CClub::kSuccessCount] = {
        "championships",    "cupWins",         "superCupWins",           "leagueCupWins",
        "championsCupWins", "europeanCupWins", "clubWorldChampionships", "worldCupWins"};
    for (int which = 0; which < CClub::kSuccessCount; ++which) {
        c.push_back(Text<CClub>(
            successes[which], 0, [which](const CClub& club) { return club.Successes(which); },
            [which](CClub& club, std::string_view v) {
                club.SetSuccesses(which, std::string(v));
            }));
    }
    AddText(c, "badgePath", &CClub::BadgePath, &CClub::SetBadgePath);
    for (int which = 0; which < 2; ++which) {
        c.push_back(Number<CClub>(
            "colour" + std::to_string(which + 1), 0, CClub::kMaxColour,
            [which](const CClub& club) { return club.Colour(which); },
            [which](CClub& club, std::int64_t v) { club.SetColour(which, Byte(v)); }));
    }
    AddNumber(c, "colourStyle", 0, CClub::kMaxColourStyle, &CClub::ColourStyle,
              &CClub::SetColourStyle);
    AddKits(c);
    AddNumber(c, "stadiumNumber", 0, CClub::kMaxStadiumNumber, &CClub::StadiumNumber,
              &CClub::SetStadiumNumber);
    AddNumber(c, "stadiumCapacity", 0, CClub::kMaxStadiumCapacity, &CClub::StadiumCapacity,
              &CClub::SetStadiumCapacity);
    AddLanguageTexts<30>(c, "stadiumName", &CClub::StadiumNames, &CClub::SetStadiumName);
    AddNumber(c, "stadiumType", 0, 2, &CClub::StadiumType, &CClub::SetStadiumType);
    c.push_back(ReadOnly<CClub>("stadiumTypeText", [](const CClub& club) {
        return std::string(CsvStadiumTypeText(club.StadiumType()));
    }));
    AddNumber(c, "stadiumFlags", 0, 255, &CClub::StadiumFlags, &CClub::SetStadiumFlags);
    for (int area = 0; area < CClub::kSurroundingCount; ++area) {
        const auto a = static_cast<std::size_t>(area);
        const std::string name = "surrounding" + std::to_string(area + 1);
        c.push_back(Number<CClub>(
            name, 0, 5, [a](const CClub& club) { return club.Surroundings()[a]; },
            [area](CClub& club, std::int64_t v) { club.SetSurrounding(area, Byte(v)); }));
        c.push_back(ReadOnly<CClub>(name + "Text", [a, area](const CClub& club) {
            return std::string(SurroundingLevelName(area, club.Surroundings()[a]));
        }));
    }
    AddNumber(c, "latitude", -(90LL << 16) - 59, (90LL << 16) + 59, &CClub::Latitude,
              &CClub::SetLatitude);
    AddNumber(c, "longitude", -(180LL << 16) - 59, (180LL << 16) + 59, &CClub::Longitude,
              &CClub::SetLongitude);
    AddNumber(c, "prestige", 0, 20, &CClub::Prestige, &CClub::SetPrestige);
    AddNumber(c, "secondPrestige", 0, 20, &CClub::SecondPrestige, &CClub::SetSecondPrestige);
    c.push_back(Text<CClub>(
        "note", 0, [](const CClub& club) { return club.Note(); },
        [](CClub& club, std::string_view v) { club.SetNote(std::string(v)); }));
    for (int slot = 0; slot < 2; ++slot) {
        AddCountry<CClub>(
            c, "preferredCountry" + std::to_string(slot + 1), 0,
            [slot](const CClub& club) { return club.PreferredCountry(slot); },
            [slot](CClub& club, std::int64_t v) { club.SetPreferredCountry(slot, Byte(v)); });
    }
    AddCountry<CClub>(
        c, "youthCountry", 1, [](const CClub& club) { return club.YouthCountry(); },
        [](CClub& club, std::int64_t v) { club.SetYouthCountry(Byte(v)); });
    AddNumber(c, "externalNumber", kInt32Min, kInt32Max, &CClub::ExternalNumber,
              &CClub::SetExternalNumber);
    return c;
}

}  // namespace

const std::vector<SCsvColumn<CPlayer>>& PlayerCsvColumns() {
    static const std::vector<SCsvColumn<CPlayer>> columns = MakePlayerColumns();
    return columns;
}

const std::vector<SCsvColumn<CPlayer>>& StaffCsvColumns() {
    static const std::vector<SCsvColumn<CPlayer>> columns = MakeStaffColumns();
    return columns;
}

const std::vector<SCsvColumn<CClub>>& ClubCsvColumns() {
    static const std::vector<SCsvColumn<CClub>> columns = MakeClubColumns();
    return columns;
}

}  // namespace kw
