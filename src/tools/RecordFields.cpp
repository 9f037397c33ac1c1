// The fields of persons, clubs, managers, referees and stadiums, in the order of their dump.
#include "tools/RecordFields.h"

#include "model/Club.h"
#include "model/Manager.h"
#include "model/Player.h"
#include "model/Referee.h"
#include "model/Stadium.h"
#include "tools/FieldTypes.h"

namespace kw {

namespace {

SFieldType ClubList(std::size_t length) {
    return ListType(ClubType(), length);
}

template <typename R>
SRecordField<R> ClubField(std::string name, void (R::*set)(std::uint32_t)) {
    return Custom<R>(std::move(name), ClubType(),
                     [set](R& record, const DumpJson& value) { (record.*set)(ClubValue(value)); });
}

SFieldType HistoryType() {
    return ListType(ObjectType({{"kind", TypeOf<std::uint8_t>()},
                                {"club", ClubType()},
                                {"from", DateType()},
                                {"until", DateType()},
                                {"games", TypeOf<std::uint16_t>()},
                                {"goals", TypeOf<std::uint16_t>()},
                                {"flag", TypeOf<std::uint8_t>()}}),
                    0);
}

void SetHistory(CPlayer& person, const DumpJson& value) {
    std::vector<SHistoryEntry> history;
    for (const DumpJson& entry : value) {
        SHistoryEntry station;
        station.kind = ValueAs<std::uint8_t>(entry["kind"]);
        station.club = ClubValue(entry["club"]);
        station.from = ValueAs<CDate>(entry["from"]);
        station.until = ValueAs<CDate>(entry["until"]);
        station.games = ValueAs<std::uint16_t>(entry["games"]);
        station.goals = ValueAs<std::uint16_t>(entry["goals"]);
        station.flag = ValueAs<std::uint8_t>(entry["flag"]);
        history.push_back(station);
    }
    person.History() = std::move(history);
}

RecordFields<CPlayer> MakePersonFields() {
    using P = CPlayer;
    RecordFields<P> f;
    f.push_back(Field<P>("firstName", &P::FirstName, &P::SetFirstName));
    f.push_back(Field<P>("surname", &P::Surname, &P::SetSurname));
    f.push_back(Field<P>("stageName", &P::StageName, &P::SetStageName));
    f.push_back(Field<P>("nickname", &P::Nickname, &P::SetNickname));
    f.push_back(Field<P>("kind", &P::Kind, &P::SetKind));
    f.push_back(Field<P>("teamFlag", &P::TeamFlag, &P::SetTeamFlag));
    f.push_back(Field<P>("nationality", &P::Nationality, &P::SetNationality));
    f.push_back(Field<P>("secondNationality", &P::SecondNationality, &P::SetSecondNationality));
    f.push_back(Field<P>("origin", &P::OriginByte, &P::SetOriginByte));
    f.push_back(Field<P>("birthDate", &P::BirthDate, &P::SetBirthDate));
    f.push_back(Field<P>("footAndForm", &P::FootAndForm, &P::SetFootAndForm));
    f.push_back(Field<P>("status", &P::StatusByte, &P::SetStatusByte));
    f.push_back(Field<P>("positions", &P::Positions, &P::SetPosition));
    f.push_back(Field<P>("abilities", &P::Abilities, &P::SetAbility));
    f.push_back(Field<P>("roleCode", &P::RoleCode, &P::SetRoleCode));
    f.push_back(Field<P>("morale", &P::Morale, &P::SetMorale));
    f.push_back(Field<P>("tacticalTraining", &P::TacticalTraining, &P::SetTacticalTraining));
    f.push_back(Field<P>("looks", &P::Looks, &P::SetLook));
    f.push_back(Field<P>("nationalExperience", &P::NationalExperience, &P::SetNationalExperience));
    f.push_back(Field<P>("internationalExperience", &P::InternationalExperience,
                         &P::SetInternationalExperience));
    f.push_back(Field<P>("shirtNumbers", &P::ShirtNumbers, &P::SetShirtNumber));
    f.push_back(Field<P>("specialFace", &P::SpecialFace, &P::SetSpecialFace));
    f.push_back(
        Field<P>("secondExternalNumber", &P::SecondExternalNumber, &P::SetSecondExternalNumber));
    f.push_back(ClubField<P>("currentClub", &P::SetCurrentClub));
    f.push_back(ClubField<P>("previousClub", &P::SetPreviousClub));
    f.push_back(Field<P>("clubSince", &P::ClubSince, &P::SetClubSince));
    f.push_back(Field<P>("contractUntil", &P::ContractUntil, &P::SetContractUntil));
    f.push_back(Field<P>("careerCounters", &P::CareerCounters, &P::SetCareerCounter));
    f.push_back(Field<P>("furtherCounters", &P::FurtherCounters, &P::SetFurtherCounter));
    f.push_back(Field<P>("languageLevels", &P::LanguageLevels, &P::SetLanguageLevel));
    f.push_back(Field<P>("languages", &P::Languages, &P::SetLanguage));
    f.push_back(ClubField<P>("firstClub", &P::SetFirstClub));
    f.push_back(ClubField<P>("fourthClub", &P::SetFourthClub));
    f.push_back(Field<P>("contractValue", &P::ContractValue, &P::SetContractValue));
    f.push_back(Field<P>("contractBytes", &P::ContractBytes, &P::SetContractByte));
    f.push_back(Field<P>("staffBytes", &P::StaffBytes, &P::SetStaffByte));
    f.push_back(ClubField<P>("loanClub", &P::SetLoanClub));
    f.push_back(Field<P>("contractStart", &P::ContractStart, &P::SetContractStart));
    f.push_back(Field<P>("contractEnd", &P::ContractEnd, &P::SetContractEnd));
    f.push_back(Field<P>("nationalTeamBytes", &P::NationalTeamBytes, &P::SetNationalTeamByte));
    f.push_back(Field<P>("furtherDates", &P::FurtherDates, &P::SetFurtherDate));
    f.push_back(Field<P>("shoeType", &P::ShoeType, &P::SetShoeType));
    f.push_back(Field<P>("sleeves", &P::Sleeves, &P::SetSleeves));
    f.push_back(Custom<P>("history", HistoryType(), SetHistory));
    f.push_back(Field<P>("note", &P::Note, &P::SetNote));
    f.push_back(Field<P>("youthFlag", &P::YouthFlag, &P::SetYouthFlag));
    return f;
}

// Names and abbreviations set their alternative forms too; a field holds one form only, so the
// other is kept.
template <std::size_t N>
SRecordField<CClub> ClubTexts(std::string name, const CLanguageTexts<N>& (CClub::*kept)() const,
                              void (CClub::*set)(int, std::string_view),
                              void (CClub::*restore)(int, std::string_view)) {
    SRecordField<CClub> field = Field<CClub>(std::move(name), kept, set);
    field.set = [kept, set, restore](CClub& club, const DumpJson& value) {
        const CLanguageTexts<N> other = (club.*kept)();
        for (int language = 0; language < kLanguageCount; ++language) {
            (club.*set)(language, ValueAs<std::string>(value[static_cast<std::size_t>(language)]));
            (club.*restore)(language, other[static_cast<std::size_t>(language)].View());
        }
    };
    return field;
}

// Rows of a per-language choice: three article choices, two sentence lists.
SRecordField<CClub> ChoiceRows(std::string name, std::size_t rows,
                               void (CClub::*set)(int, int, std::uint8_t)) {
    return Custom<CClub>(
        std::move(name), ListType(ListType(TypeOf<std::uint8_t>(), kLanguageCount), rows),
        [set](CClub& club, const DumpJson& value) {
            for (std::size_t row = 0; row < value.size(); ++row) {
                for (int language = 0; language < kLanguageCount; ++language) {
                    (club.*set)(
                        static_cast<int>(row), language,
                        ValueAs<std::uint8_t>(value[row][static_cast<std::size_t>(language)]));
                }
            }
        });
}

SRecordField<CClub> Records() {
    const SFieldType record = ObjectType({{"goalsFor", TypeOf<std::int8_t>()},
                                          {"goalsAgainst", TypeOf<std::int8_t>()},
                                          {"attendance", TypeOf<std::int32_t>()},
                                          {"opponent", TextType(CRecordResult::kOpponentSize - 1)},
                                          {"season", TypeOf<std::uint16_t>()}});
    return Custom<CClub>("records", ListType(record, CClub::kRecordCount),
                         [](CClub& club, const DumpJson& value) {
                             for (int which = 0; which < CClub::kRecordCount; ++which) {
                                 const DumpJson& r = value[static_cast<std::size_t>(which)];
                                 CRecordResult& result = club.RecordResult(which);
                                 result.SetGoalsFor(ValueAs<std::int8_t>(r["goalsFor"]));
                                 result.SetGoalsAgainst(ValueAs<std::int8_t>(r["goalsAgainst"]));
                                 result.SetAttendance(ValueAs<std::int32_t>(r["attendance"]));
                                 result.SetOpponent(ValueAs<std::string>(r["opponent"]));
                                 result.SetSeason(ValueAs<std::uint16_t>(r["season"]));
                             }
                         });
}

SRecordField<CClub> Kit() {
    using SKit = CClubKit::SKit;
    const SFieldType kit = ObjectType({{"design", TypeOf<std::uint8_t>()},
                                       {"secondStyle", TypeOf<std::uint8_t>()},
                                       {"thirdStyle", TypeOf<std::uint8_t>()},
                                       {"colours", TypeOf<decltype(SKit::colours)>()}});
    return Custom<CClub>("kit",
                         ObjectType({{"kits", ListType(kit, CClubKit::kKitCount)},
                                     {"shared", TypeOf<std::int32_t>()}}),
                         [](CClub& club, const DumpJson& value) {
                             for (int which = 0; which < CClubKit::kKitCount; ++which) {
                                 const DumpJson& k = value["kits"][static_cast<std::size_t>(which)];
                                 SKit& target = club.Kit().Kit(which);
                                 target.design = ValueAs<std::uint8_t>(k["design"]);
                                 target.secondStyle = ValueAs<std::uint8_t>(k["secondStyle"]);
                                 target.thirdStyle = ValueAs<std::uint8_t>(k["thirdStyle"]);
                                 target.colours = ValueAs<decltype(SKit::colours)>(k["colours"]);
                             }
                             club.Kit().SetSharedValue(ValueAs<std::int32_t>(value["shared"]));
                         });
}

SRecordField<CClub> Stadium() {
    RecordFields<CClub> parts;
    parts.push_back(Field<CClub>("number", &CClub::StadiumNumber, &CClub::SetStadiumNumber));
    parts.push_back(Field<CClub>("capacity", &CClub::StadiumCapacity, &CClub::SetStadiumCapacity));
    parts.push_back(Field<CClub>("names", &CClub::StadiumNames, &CClub::SetStadiumName));
    parts.push_back(Field<CClub>("type", &CClub::StadiumType, &CClub::SetStadiumType));
    parts.push_back(Field<CClub>("flags", &CClub::StadiumFlags, &CClub::SetStadiumFlags));
    return Custom<CClub>("stadium", ObjectType(parts), [parts](CClub& club, const DumpJson& value) {
        SetRecordFields(club, parts, value);
    });
}

RecordFields<CClub> MakeClubFields() {
    using C = CClub;
    RecordFields<C> f;
    f.push_back(ClubTexts("names", &C::AlternativeNames, &C::SetName, &C::SetAlternativeName));
    f.push_back(Field<C>("alternativeNames", &C::AlternativeNames, &C::SetAlternativeName));
    f.push_back(ClubTexts("abbreviations", &C::AlternativeAbbreviations, &C::SetAbbreviation,
                          &C::SetAlternativeAbbreviation));
    f.push_back(Field<C>("alternativeAbbreviations", &C::AlternativeAbbreviations,
                         &C::SetAlternativeAbbreviation));
    f.push_back(ChoiceRows("articles", 3, &C::SetArticleChoice));
    f.push_back(Field<C>("nameCodes", &C::NameCodes, &C::SetNameCode));
    f.push_back(ChoiceRows("sentences", 2, &C::SetSentenceChoice));
    f.push_back(Field<C>("cities", &C::Cities, &C::SetCity));
    f.push_back(Field<C>("fansName", &C::FansName, &C::SetFansName));
    f.push_back(Field<C>("secondFansName", &C::SecondFansName, &C::SetSecondFansName));
    f.push_back(Field<C>("mascot", &C::Mascot, &C::SetMascot));
    f.push_back(ClubField<C>("fanFriendship", &C::SetFanFriendship));
    f.push_back(Custom<C>("rivals", ClubList(C::kRivalCount), [](C& club, const DumpJson& value) {
        for (int slot = 0; slot < C::kRivalCount; ++slot) {
            club.SetRival(slot, ClubValue(value[static_cast<std::size_t>(slot)]));
        }
    }));
    f.push_back(Field<C>("foundingYear", &C::FoundingYear, &C::SetFoundingYear));
    f.push_back(Field<C>("status", &C::StatusFlags, &C::SetStatusFlags));
    // The assets alone: the credit line is a field of its own.
    SRecordField<C> assets = Field<C>("initialAssets", &C::InitialAssets, &C::SetInitialAssets);
    assets.set = [](C& club, const DumpJson& value) {
        const std::int32_t credit = club.CreditLine();
        club.SetInitialAssets(ValueAs<std::int32_t>(value));
        club.SetCreditLine(credit);
    };
    f.push_back(std::move(assets));
    f.push_back(Field<C>("creditLine", &C::CreditLine, &C::SetCreditLine));
    f.push_back(Field<C>("publicCompany", &C::PublicCompany, &C::SetPublicCompany));
    f.push_back(Field<C>("byteFlag", &C::ByteFlag, &C::SetByteFlag));
    f.push_back(Field<C>("pointsDeduction", &C::PointsDeduction, &C::SetPointsDeduction));
    f.push_back(Field<C>("address", &C::Address, &C::SetAddress));
    f.push_back(Field<C>("telephone", &C::Telephone, &C::SetTelephone));
    f.push_back(Field<C>("website", &C::Website, &C::SetWebsite));
    f.push_back(Field<C>("fanSites", &C::FanSites, &C::SetFanSites));
    f.push_back(Field<C>("newspaper", &C::Newspaper, &C::SetNewspaper));
    f.push_back(Custom<C>("attendance", ListType(TypeOf<std::int32_t>(), 3),
                          [](C& club, const DumpJson& value) {
                              club.SetBiggestMatchAttendance(ValueAs<std::int32_t>(value[0]));
                              club.SetAverageAttendance(ValueAs<std::int32_t>(value[1]));
                              club.SetSeasonTickets(ValueAs<std::int32_t>(value[2]));
                          }));
    f.push_back(Field<C>("statistics", &C::Statistics, &C::SetStatistic));
    f.push_back(Custom<C>(
        "successes", ListType(TextType(0), C::kSuccessCount), [](C& club, const DumpJson& value) {
            for (int which = 0; which < C::kSuccessCount; ++which) {
                club.SetSuccesses(which,
                                  ValueAs<std::string>(value[static_cast<std::size_t>(which)]));
            }
        }));
    f.push_back(Records());
    f.push_back(Field<C>("badgePath", &C::BadgePath, &C::SetBadgePath));
    f.push_back(Custom<C>("colours", ListType(TypeOf<std::uint8_t>(), 2),
                          [](C& club, const DumpJson& value) {
                              club.SetColour(0, ValueAs<std::uint8_t>(value[0]));
                              club.SetColour(1, ValueAs<std::uint8_t>(value[1]));
                          }));
    f.push_back(Field<C>("colourStyle", &C::ColourStyle, &C::SetColourStyle));
    f.push_back(Kit());
    f.push_back(Stadium());
    f.push_back(Field<C>("surroundings", &C::Surroundings, &C::SetSurrounding));
    f.push_back(Custom<C>("latitude", TypeOf<std::int32_t>(), [](C& club, const DumpJson& value) {
        club.SetLatitude(ValueAs<std::int32_t>(value));
    }));
    f.push_back(Custom<C>("longitude", TypeOf<std::int32_t>(), [](C& club, const DumpJson& value) {
        club.SetLongitude(ValueAs<std::int32_t>(value));
    }));
    f.push_back(Custom<C>("prestige", ListType(TypeOf<std::uint8_t>(), 2),
                          [](C& club, const DumpJson& value) {
                              club.SetPrestige(ValueAs<std::uint8_t>(value[0]));
                              club.SetSecondPrestige(ValueAs<std::uint8_t>(value[1]));
                          }));
    f.push_back(Field<C>("note", &C::Note, &C::SetNote));
    f.push_back(Custom<C>("preferredCountries", ListType(TypeOf<std::uint8_t>(), 2),
                          [](C& club, const DumpJson& value) {
                              club.SetPreferredCountry(0, ValueAs<std::uint8_t>(value[0]));
                              club.SetPreferredCountry(1, ValueAs<std::uint8_t>(value[1]));
                          }));
    f.push_back(Field<C>("youthCountry", &C::YouthCountry, &C::SetYouthCountry));
    f.push_back(Field<C>("externalNumber", &C::ExternalNumber, &C::SetExternalNumber));
    return f;
}

RecordFields<CManager> MakeManagerFields() {
    using M = CManager;
    RecordFields<M> f;
    f.push_back(Field<M>("firstName", &M::FirstName, &M::SetFirstName));
    f.push_back(Field<M>("surname", &M::Surname, &M::SetSurname));
    f.push_back(Field<M>("nickname", &M::Nickname, &M::SetNickname));
    f.push_back(Field<M>("nationality", &M::Nationality, &M::SetNationality));
    f.push_back(Field<M>("birthDate", &M::BirthDate, &M::SetBirthDate));
    f.push_back(Field<M>("training", &M::TrainingValues, &M::SetTrainingValue));
    f.push_back(Field<M>("languages", &M::Languages, &M::SetLanguage));
    f.push_back(Field<M>("nationalExperience", &M::NationalExperience, &M::SetNationalExperience));
    f.push_back(Field<M>("internationalExperience", &M::InternationalExperience,
                         &M::SetInternationalExperience));
    return f;
}

RecordFields<CReferee> MakeRefereeFields() {
    using R = CReferee;
    RecordFields<R> f;
    f.push_back(Field<R>("firstName", &R::FirstName, [](R& referee, std::string_view name) {
        referee.SetNames(name, referee.Surname().View());
    }));
    f.push_back(Field<R>("surname", &R::Surname, [](R& referee, std::string_view name) {
        referee.SetNames(referee.FirstName().View(), name);
    }));
    f.push_back(Field<R>("character", &R::Character, &R::SetCharacter));
    return f;
}

RecordFields<CStadium> MakeStadiumFields() {
    using S = CStadium;
    RecordFields<S> f;
    f.push_back(Field<S>("type", &S::Type, &S::SetType));
    f.push_back(Field<S>("name", &S::Name, &S::SetName));
    f.push_back(Field<S>("city", &S::City, &S::SetCity));
    f.push_back(Field<S>("flags", &S::Flags, &S::SetFlags));
    f.push_back(Custom<S>("stands", ListType(ListType(TypeOf<std::int32_t>(), 3), kStandCount),
                          [](S& stadium, const DumpJson& value) {
                              for (int stand = 0; stand < kStandCount; ++stand) {
                                  const DumpJson& places = value[static_cast<std::size_t>(stand)];
                                  stadium.SetSeats(stand, ValueAs<std::int32_t>(places[0]));
                                  stadium.SetStandingPlaces(stand,
                                                            ValueAs<std::int32_t>(places[1]));
                                  stadium.SetVipPlaces(stand, ValueAs<std::int32_t>(places[2]));
                              }
                          }));
    f.push_back(Field<S>("seasonTicketBlocks", &S::SeasonTicketBlocks, &S::SetSeasonTicketBlocks));
    f.push_back(
        Custom<S>("awayBlock", TypeOf<std::uint8_t>(), [](S& stadium, const DumpJson& value) {
            stadium.SetAwayBlock(ValueAs<std::uint8_t>(value));
        }));
    return f;
}

}  // namespace

const RecordFields<CPlayer>& PersonFields() {
    static const RecordFields<CPlayer> fields = MakePersonFields();
    return fields;
}

const RecordFields<CClub>& ClubFields() {
    static const RecordFields<CClub> fields = MakeClubFields();
    return fields;
}

const RecordFields<CManager>& ManagerFields() {
    static const RecordFields<CManager> fields = MakeManagerFields();
    return fields;
}

const RecordFields<CReferee>& RefereeFields() {
    static const RecordFields<CReferee> fields = MakeRefereeFields();
    return fields;
}

const RecordFields<CStadium>& StadiumFields() {
    static const RecordFields<CStadium> fields = MakeStadiumFields();
    return fields;
}

}  // namespace kw
