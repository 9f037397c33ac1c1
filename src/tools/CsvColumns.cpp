#include "tools/CsvColumns.h"

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

// Name columns and the fields every person record holds.
void AddPersonNames(std::vector<SCsvColumn<CPlayer>>& c) {
    c.push_back(Text<CPlayer>(
        "firstName", 15, [](const CPlayer& p) { return std::string(p.FirstName().View()); },
        [](CPlayer& p, std::string_view v) { p.SetFirstName(v); }));
    c.push_back(Text<CPlayer>(
        "surname", 19, [](const CPlayer& p) { return std::string(p.Surname().View()); },
        [](CPlayer& p, std::string_view v) { p.SetSurname(v); }));
}

void AddLanguages(std::vector<SCsvColumn<CPlayer>>& c) {
    for (int slot = 0; slot < kLanguageSlots; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        c.push_back(Number<CPlayer>(
            "languageLevel" + std::to_string(slot + 1), 0, 15,
            [s](const CPlayer& p) { return p.LanguageLevels()[s]; },
            [slot](CPlayer& p, std::int64_t v) { p.SetLanguageLevel(slot, Byte(v)); }));
    }
    for (int slot = 0; slot < kLanguageSlots; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        c.push_back(Number<CPlayer>(
            "language" + std::to_string(slot + 1), 0, 255,
            [s](const CPlayer& p) { return p.Languages()[s]; },
            [slot](CPlayer& p, std::int64_t v) { p.SetLanguage(slot, Byte(v)); }));
    }
}

std::vector<SCsvColumn<CPlayer>> MakePlayerColumns() {
    std::vector<SCsvColumn<CPlayer>> c;
    c.push_back(ReadOnly<CPlayer>("team", [](const CPlayer& p) {
        return std::string(p.TeamFlag() == 0 ? "1. Mannschaft" : "2. Mannschaft");
    }));
    AddPersonNames(c);
    c.push_back(Text<CPlayer>(
        "stageName", 19, [](const CPlayer& p) { return std::string(p.StageName().View()); },
        [](CPlayer& p, std::string_view v) { p.SetStageName(v); }));
    c.push_back(Text<CPlayer>(
        "nickname", 19, [](const CPlayer& p) { return std::string(p.Nickname().View()); },
        [](CPlayer& p, std::string_view v) { p.SetNickname(v); }));
    c.push_back(Date<CPlayer>(
        "birthDate", [](const CPlayer& p) { return p.BirthDate(); },
        [](CPlayer& p, CDate d) { p.SetBirthDate(d); }));
    AddCountry<CPlayer>(
        c, "nationality", 1, [](const CPlayer& p) { return p.Nationality(); },
        [](CPlayer& p, std::int64_t v) { p.SetNationality(Byte(v)); });
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
    c.push_back(Number<CPlayer>(
        "foot", 0, 2, [](const CPlayer& p) { return p.Foot(); },
        [](CPlayer& p, std::int64_t v) { p.SetFoot(static_cast<int>(v)); }));
    c.push_back(ReadOnly<CPlayer>(
        "footText", [](const CPlayer& p) { return std::string(CsvFootText(p.Foot())); }));
    c.push_back(Number<CPlayer>(
        "talent", 0, 4, [](const CPlayer& p) { return p.FootAndForm() & 0x07; },
        [](CPlayer& p, std::int64_t v) {
            p.SetFootAndForm(static_cast<std::uint8_t>((p.FootAndForm() & ~0x07) | Byte(v)));
        }));
    for (int index = 0; index < kAbilityCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        c.push_back(Number<CPlayer>(
            "ability" + std::to_string(index), 0, 99,
            [i](const CPlayer& p) { return p.Abilities()[i]; },
            [index](CPlayer& p, std::int64_t v) { p.SetAbility(index, Byte(v)); }));
    }
    c.push_back(Number<CPlayer>(
        "roleCode", 0, 255, [](const CPlayer& p) { return p.RoleCode(); },
        [](CPlayer& p, std::int64_t v) { p.SetRoleCode(Byte(v)); }));
    c.push_back(Number<CPlayer>(
        "morale", 0, 255, [](const CPlayer& p) { return p.Morale(); },
        [](CPlayer& p, std::int64_t v) { p.SetMorale(Byte(v)); }));
    c.push_back(Number<CPlayer>(
        "nationalExperience", 0, 6, [](const CPlayer& p) { return p.NationalExperience(); },
        [](CPlayer& p, std::int64_t v) { p.SetNationalExperience(static_cast<std::int8_t>(v)); }));
    c.push_back(Number<CPlayer>(
        "internationalExperience", 0, 4,
        [](const CPlayer& p) { return p.InternationalExperience(); },
        [](CPlayer& p, std::int64_t v) {
            p.SetInternationalExperience(static_cast<std::int8_t>(v));
        }));
    for (int slot = 0; slot < 2; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        c.push_back(Number<CPlayer>(
            "shirtNumber" + std::to_string(slot + 1), 1, 99,
            [s](const CPlayer& p) { return p.ShirtNumbers()[s]; },
            [slot](CPlayer& p, std::int64_t v) { p.SetShirtNumber(slot, Byte(v)); }));
    }
    const char* const lookNames[kLookCount] = {"hairColour", "face",   "hairCut",
                                               "beard",      "height", "weight"};
    const std::int64_t lookMin[kLookCount] = {0, 0, 0, 0, 100, 40};
    for (int index = 0; index < kLookCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        c.push_back(Number<CPlayer>(
            lookNames[index], lookMin[index], 255, [i](const CPlayer& p) { return p.Looks()[i]; },
            [index](CPlayer& p, std::int64_t v) { p.SetLook(index, Byte(v)); }));
    }
    c.push_back(Number<CPlayer>(
        "clubSince", 1980, 2100, [](const CPlayer& p) { return p.ClubSince(); },
        [](CPlayer& p, std::int64_t v) { p.SetClubSince(static_cast<std::uint16_t>(v)); }));
    c.push_back(Number<CPlayer>(
        "contractUntil", 1980, 2100, [](const CPlayer& p) { return p.ContractUntil(); },
        [](CPlayer& p, std::int64_t v) { p.SetContractUntil(static_cast<std::uint16_t>(v)); }));
    c.push_back(Number<CPlayer>(
        "contractValue", kInt32Min, kInt32Max, [](const CPlayer& p) { return p.ContractValue(); },
        [](CPlayer& p, std::int64_t v) { p.SetContractValue(static_cast<std::int32_t>(v)); }));
    AddLanguages(c);
    c.push_back(Number<CPlayer>(
        "shoeType", 0, 5, [](const CPlayer& p) { return p.ShoeType(); },
        [](CPlayer& p, std::int64_t v) { p.SetShoeType(Byte(v)); }));
    c.push_back(Number<CPlayer>(
        "sleeves", 0, 255, [](const CPlayer& p) { return p.Sleeves(); },
        [](CPlayer& p, std::int64_t v) { p.SetSleeves(Byte(v)); }));
    c.push_back(Number<CPlayer>(
        "youth", 0, 1, [](const CPlayer& p) { return p.YouthFlag(); },
        [](CPlayer& p, std::int64_t v) { p.SetYouthFlag(Byte(v)); }));
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
    c.push_back(Date<CPlayer>(
        "birthDate", [](const CPlayer& p) { return p.BirthDate(); },
        [](CPlayer& p, CDate d) { p.SetBirthDate(d); }));
    AddCountry<CPlayer>(
        c, "nationality", 1, [](const CPlayer& p) { return p.Nationality(); },
        [](CPlayer& p, std::int64_t v) { p.SetNationality(Byte(v)); });
    for (int index = 0; index < 3; ++index) {
        const auto i = static_cast<std::size_t>(index);
        c.push_back(Number<CPlayer>(
            "staffByte" + std::to_string(index + 1), 0, 255,
            [i](const CPlayer& p) { return p.StaffBytes()[i]; },
            [index](CPlayer& p, std::int64_t v) { p.SetStaffByte(index, Byte(v)); }));
    }
    AddLanguages(c);
    for (int index = 0; index < 2; ++index) {
        const auto i = static_cast<std::size_t>(index);
        c.push_back(Number<CPlayer>(
            "contractByte" + std::to_string(index + 1), 0, 255,
            [i](const CPlayer& p) { return p.ContractBytes()[i]; },
            [index](CPlayer& p, std::int64_t v) { p.SetContractByte(index, Byte(v)); }));
    }
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

template <std::size_t N>
void AddClubText(std::vector<SCsvColumn<CClub>>& c, const std::string& name,
                 const CFixedText<N>& (CClub::*get)() const, void (CClub::*set)(std::string_view)) {
    c.push_back(Text<CClub>(
        name, N - 1, [get](const CClub& club) { return std::string((club.*get)().View()); },
        [set](CClub& club, std::string_view v) { (club.*set)(v); }));
}

void AddClubInt(std::vector<SCsvColumn<CClub>>& c, const std::string& name, std::int64_t min,
                std::int64_t max, std::int32_t (CClub::*get)() const,
                void (CClub::*set)(std::int32_t)) {
    c.push_back(Number<CClub>(
        name, min, max, [get](const CClub& club) { return (club.*get)(); },
        [set](CClub& club, std::int64_t v) { (club.*set)(static_cast<std::int32_t>(v)); }));
}

void AddClubByte(std::vector<SCsvColumn<CClub>>& c, const std::string& name, std::int64_t max,
                 std::uint8_t (CClub::*get)() const, void (CClub::*set)(std::uint8_t)) {
    c.push_back(Number<CClub>(
        name, 0, max, [get](const CClub& club) { return (club.*get)(); },
        [set](CClub& club, std::int64_t v) { (club.*set)(Byte(v)); }));
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
    AddClubText<20>(c, "fansName", &CClub::FansName, &CClub::SetFansName);
    AddClubText<20>(c, "secondFansName", &CClub::SecondFansName, &CClub::SetSecondFansName);
    AddClubText<20>(c, "mascot", &CClub::Mascot, &CClub::SetMascot);
    c.push_back(Number<CClub>(
        "foundingYear", 0, 2100, [](const CClub& club) { return club.FoundingYear(); },
        [](CClub& club, std::int64_t v) { club.SetFoundingYear(static_cast<std::int16_t>(v)); }));
    c.push_back(Number<CClub>(
        "statusFlags", 0, 0xFFFF, [](const CClub& club) { return club.StatusFlags(); },
        [](CClub& club, std::int64_t v) { club.SetStatusFlags(static_cast<std::uint16_t>(v)); }));
    // The raw field: the credit line has a column of its own.
    c.push_back(Number<CClub>(
        "initialAssets", kInt32Min, kInt32Max,
        [](const CClub& club) { return club.InitialAssets(); },
        [](CClub& club, std::int64_t v) {
            const std::int32_t credit = club.CreditLine();
            club.SetInitialAssets(static_cast<std::int32_t>(v));
            club.SetCreditLine(credit);
        }));
    AddClubInt(c, "creditLine", kInt32Min, kInt32Max, &CClub::CreditLine, &CClub::SetCreditLine);
    AddClubByte(c, "publicCompany", 1, &CClub::PublicCompany, &CClub::SetPublicCompany);
    AddClubByte(c, "byteFlag", 255, &CClub::ByteFlag, &CClub::SetByteFlag);
    AddClubByte(c, "pointsDeduction", 6, &CClub::PointsDeduction, &CClub::SetPointsDeduction);
    c.back().allowed = [](std::int64_t v) { return v == 0 || v == 3 || v == 6; };
    AddClubText<120>(c, "address", &CClub::Address, &CClub::SetAddress);
    AddClubText<20>(c, "telephone", &CClub::Telephone, &CClub::SetTelephone);
    AddClubText<128>(c, "website", &CClub::Website, &CClub::SetWebsite);
    AddClubText<256>(c, "fanSites", &CClub::FanSites, &CClub::SetFanSites);
    AddClubText<30>(c, "newspaper", &CClub::Newspaper, &CClub::SetNewspaper);
    AddClubInt(c, "biggestMatchAttendance", 0, kInt32Max, &CClub::BiggestMatchAttendance,
               &CClub::SetBiggestMatchAttendance);
    AddClubInt(c, "averageAttendance", 0, kInt32Max, &CClub::AverageAttendance,
               &CClub::SetAverageAttendance);
    AddClubInt(c, "seasonTickets", 0, kInt32Max, &CClub::SeasonTickets, &CClub::SetSeasonTickets);
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
    AddClubText<40>(c, "badgePath", &CClub::BadgePath, &CClub::SetBadgePath);
    for (int which = 0; which < 2; ++which) {
        c.push_back(Number<CClub>(
            "colour" + std::to_string(which + 1), 0, CClub::kMaxColour,
            [which](const CClub& club) { return club.Colour(which); },
            [which](CClub& club, std::int64_t v) { club.SetColour(which, Byte(v)); }));
    }
    AddClubByte(c, "colourStyle", CClub::kMaxColourStyle, &CClub::ColourStyle,
                &CClub::SetColourStyle);
    AddKits(c);
    AddClubInt(c, "stadiumNumber", 0, CClub::kMaxStadiumNumber, &CClub::StadiumNumber,
               &CClub::SetStadiumNumber);
    AddClubInt(c, "stadiumCapacity", 0, CClub::kMaxStadiumCapacity, &CClub::StadiumCapacity,
               &CClub::SetStadiumCapacity);
    AddLanguageTexts<30>(c, "stadiumName", &CClub::StadiumNames, &CClub::SetStadiumName);
    AddClubByte(c, "stadiumType", 2, &CClub::StadiumType, &CClub::SetStadiumType);
    c.push_back(ReadOnly<CClub>("stadiumTypeText", [](const CClub& club) {
        return std::string(CsvStadiumTypeText(club.StadiumType()));
    }));
    AddClubByte(c, "stadiumFlags", 255, &CClub::StadiumFlags, &CClub::SetStadiumFlags);
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
    c.push_back(Number<CClub>(
        "latitude", -(90LL << 16) - 59, (90LL << 16) + 59,
        [](const CClub& club) { return club.Latitude(); },
        [](CClub& club, std::int64_t v) { club.SetLatitude(static_cast<std::int32_t>(v)); }));
    c.push_back(Number<CClub>(
        "longitude", -(180LL << 16) - 59, (180LL << 16) + 59,
        [](const CClub& club) { return club.Longitude(); },
        [](CClub& club, std::int64_t v) { club.SetLongitude(static_cast<std::int32_t>(v)); }));
    AddClubByte(c, "prestige", 20, &CClub::Prestige, &CClub::SetPrestige);
    AddClubByte(c, "secondPrestige", 20, &CClub::SecondPrestige, &CClub::SetSecondPrestige);
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
    AddClubInt(c, "externalNumber", kInt32Min, kInt32Max, &CClub::ExternalNumber,
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
