// The fields of a country (with its settings) and of the rules, in the order of their dump, and
// the record types of every kind.
#include <array>

#include "model/Country.h"
#include "model/PlayerPool.h"
#include "model/Rules.h"
#include "model/Sponsor.h"
#include "model/StaffEntry.h"
#include "tools/FieldTypes.h"
#include "tools/RecordFields.h"

namespace kw {

namespace {

using S = SCountrySettings;

SFieldType PersonNameType() {
    return TupleType({TypeOf<decltype(S::SPersonName::firstName)>(),
                      TypeOf<decltype(S::SPersonName::surname)>()});
}

S::SPersonName PersonNameValue(const DumpJson& value) {
    return {ValueAs<decltype(S::SPersonName::firstName)>(value[0]),
            ValueAs<decltype(S::SPersonName::surname)>(value[1])};
}

// Several plain members of the settings as one list of numbers.
template <typename... T>
SRecordField<S> Numbers(std::string name, T S::*... members) {
    return Custom<S>(std::move(name), TupleType({TypeOf<T>()...}),
                     [members...](S& settings, const DumpJson& value) {
                         std::size_t i = 0;
                         ((settings.*members = ValueAs<T>(value[i++])), ...);
                     });
}

// Several plain members of the settings as one object.
SRecordField<S> YouthLook() {
    RecordFields<S> parts;
    parts.push_back(Member("value", &S::lookValue));
    parts.push_back(Member("hairColours", &S::hairColours));
    parts.push_back(Member("haircuts", &S::haircuts));
    parts.push_back(Member("beards", &S::beards));
    parts.push_back(Member("faces", &S::faces));
    parts.push_back(Member("averageHeight", &S::averageHeight));
    parts.push_back(Member("averageWeight", &S::averageWeight));
    return Custom<S>("youthLook", ObjectType(parts), [parts](S& settings, const DumpJson& value) {
        SetRecordFields(settings, parts, value);
    });
}

RecordFields<S> MakeSettingsFields() {
    RecordFields<S> f;
    f.push_back(Member("associationName", &S::associationName));
    f.push_back(Member("languages", &S::languages));
    f.push_back(Member("languageShares", &S::languageShares));
    f.push_back(Member("leagueLevelLimit", &S::leagueLevelLimit));
    f.push_back(Member("levelLimitByte", &S::levelLimitByte));
    f.push_back(Member("setting8", &S::setting8));
    f.push_back(Member("settings2", &S::settings2));
    f.push_back(Member("settings4", &S::settings4));
    f.push_back(Custom<S>("president", PersonNameType(), [](S& settings, const DumpJson& value) {
        settings.president = PersonNameValue(value);
    }));
    f.push_back(Member("presidentBirthDate", &S::presidentBirthDate));
    f.push_back(Custom<S>("reporters", ListType(PersonNameType(), S::kReporterCount),
                          [](S& settings, const DumpJson& value) {
                              for (std::size_t i = 0; i < settings.reporters.size(); ++i) {
                                  settings.reporters[i] = PersonNameValue(value[i]);
                              }
                          }));
    f.push_back(Member("climate", &S::climate));
    f.push_back(Member("tieBreak", &S::tieBreak));
    f.push_back(Member("nonEuropeanLimit", &S::nonEuropeanLimit));
    f.push_back(Member("relegated", &S::relegated));
    f.push_back(Numbers("cardRules", &S::leagueYellowRule, &S::cupYellowRule, &S::redCardSettings,
                        &S::redCardStart, &S::suspensionScope, &S::yellowRedLevels));
    f.push_back(Member("optionFlags", &S::optionFlags));
    f.push_back(Member("optionValue", &S::optionValue));
    f.push_back(Member("cupOptions", &S::cupOptions));
    f.push_back(Member("abroadProbability", &S::abroadProbability));
    f.push_back(Member("cupFinalStadium", &S::cupFinalStadium));
    f.push_back(Member("slotValues", &S::slotValues));
    f.push_back(Member("nationalCupSetting", &S::nationalCupSetting));
    f.push_back(Member("leagueCupSettings", &S::leagueCupSettings));
    f.push_back(Member("superCupSetting", &S::superCupSetting));
    f.push_back(Member("reserveSwitch", &S::reserveSwitch));
    f.push_back(Member("transferPhases", &S::transferPhases));
    f.push_back(Member("averageStrength", &S::averageStrength));
    f.push_back(Member("newspaper", &S::newspaper));
    f.push_back(Member("notes", &S::notes));
    f.push_back(Member("titles", &S::titles));
    f.push_back(YouthLook());
    f.push_back(Custom<S>("nationalCoach", ObjectType(ManagerFields()),
                          [](S& settings, const DumpJson& value) {
                              SetRecordFields(settings.nationalCoach, ManagerFields(), value);
                          }));
    return f;
}

// A list of plain records without identity, each written through a table of its own.
template <typename Record>
SRecordField<CCountry> RecordList(std::string name, RecordFields<Record> fields,
                                  std::vector<Record>& (CCountry::*list)()) {
    return Custom<CCountry>(std::move(name), ListType(ObjectType(fields), 0),
                            [fields, list](CCountry& country, const DumpJson& value) {
                                std::vector<Record> records(value.size());
                                for (std::size_t i = 0; i < value.size(); ++i) {
                                    SetRecordFields(records[i], fields, value[i]);
                                }
                                (country.*list)() = std::move(records);
                            });
}

RecordFields<CSponsor> SponsorFields() {
    RecordFields<CSponsor> f;
    f.push_back(Field<CSponsor>("name", &CSponsor::Name, &CSponsor::SetName));
    f.back().type.maxLength = CSponsor::kNameLength;
    f.push_back(Field<CSponsor>("amount", &CSponsor::Amount, &CSponsor::SetAmount));
    f.push_back(Field<CSponsor>("secondText", &CSponsor::SecondText, &CSponsor::SetSecondText));
    f.back().type.maxLength = CSponsor::kSecondTextLength;
    f.push_back(Field<CSponsor>("thirdText", &CSponsor::ThirdText, &CSponsor::SetThirdText));
    f.back().type.maxLength = CSponsor::kThirdTextLength;
    return f;
}

RecordFields<CStaffEntry> StaffFields() {
    using E = CStaffEntry;
    RecordFields<E> f;
    f.push_back(Field<E>("firstName", &E::FirstName, &E::SetFirstName));
    f.push_back(Field<E>("surname", &E::Surname, &E::SetSurname));
    f.push_back(Field<E>("job", &E::Job, &E::SetJob));
    f.push_back(Field<E>("gradeA", &E::GradeA, &E::SetGradeA));
    f.push_back(Field<E>("gradeB", &E::GradeB, &E::SetGradeB));
    f.push_back(Field<E>("furtherBytes", &E::FurtherBytes, &E::SetFurtherByte));
    return f;
}

RecordFields<CPoolEntry> PoolFields() {
    using E = CPoolEntry;
    RecordFields<E> f;
    f.push_back(Field<E>("firstName", &E::FirstName, &E::SetFirstName));
    f.push_back(Field<E>("surname", &E::Surname, &E::SetSurname));
    f.push_back(Field<E>("thirdName", &E::ThirdName, &E::SetThirdName));
    f.push_back(Field<E>("nationality", &E::Nationality, &E::SetNationality));
    f.push_back(Field<E>("specialAbility", &E::SpecialAbility, &E::SetSpecialAbility));
    f.push_back(Field<E>("teamPart", &E::TeamPart, &E::SetTeamPart));
    f.push_back(Custom<E>("preferredClub", ClubType(), [](E& entry, const DumpJson& value) {
        entry.SetPreferredClub(ClubValue(value));
    }));
    return f;
}

// The dump lists the used entries only: they fill the pool from its first slot, the other slots
// stay empty, and the pool keeps its size unless it needs more.
SRecordField<CCountry> PlayerPool() {
    const RecordFields<CPoolEntry> fields = PoolFields();
    return Custom<CCountry>("playerPool", ListType(ObjectType(fields), 0),
                            [fields](CCountry& country, const DumpJson& value) {
                                std::vector<CPoolEntry>& pool = country.PlayerPool();
                                pool.resize(std::max(pool.size(), value.size()));
                                for (std::size_t i = 0; i < pool.size(); ++i) {
                                    pool[i].Reset();
                                    if (i < value.size()) {
                                        SetRecordFields(pool[i], fields, value[i]);
                                    }
                                }
                            });
}

RecordFields<CCountry> MakeCountryFields() {
    using C = CCountry;
    RecordFields<C> f;
    f.push_back(Custom<C>(
        "names", ListType(TextType(0), kLanguageCount), [](C& country, const DumpJson& value) {
            for (int language = 0; language < kLanguageCount; ++language) {
                country.SetName(language,
                                ValueAs<std::string>(value[static_cast<std::size_t>(language)]));
            }
        }));
    f.push_back(
        Custom<C>("shortNames", TypeOf<CLanguageTexts<4>>(), [](C& country, const DumpJson& value) {
            country.ShortNames() = ValueAs<CLanguageTexts<4>>(value);
        }));
    f.push_back(
        Custom<C>("continentByte", TypeOf<std::uint8_t>(), [](C& country, const DumpJson& value) {
            country.SetAttributes(country.FirstAttribute(), country.SecondAttribute(),
                                  ValueAs<std::uint8_t>(value));
        }));
    f.push_back(Field<C>("leagueScript", &C::LeagueScript, &C::SetLeagueScript));
    const RecordFields<S> settings = MakeSettingsFields();
    f.push_back(
        Custom<C>("settings", ObjectType(settings), [settings](C& country, const DumpJson& value) {
            SetRecordFields(country.Settings(), settings, value);
        }));
    f.push_back(Custom<C>(
        "levelNames", ListType(TypeOf<CLanguageTexts<CCountry::kLevelNameSize>>(), kLevelCount),
        [](C& country, const DumpJson& value) {
            for (int level = 0; level < kLevelCount; ++level) {
                for (int language = 0; language < kLanguageCount; ++language) {
                    country.SetLevelName(level, language,
                                         ValueAs<std::string>(value[static_cast<std::size_t>(
                                             level)][static_cast<std::size_t>(language)]));
                }
            }
        }));
    f.push_back(RecordList<CSponsor>("sponsors", SponsorFields(), &C::Sponsors));
    f.push_back(RecordList<CStaffEntry>("staff", StaffFields(), &C::Staff));
    f.push_back(PlayerPool());
    return f;
}

// One international competition of a continent: its names, title holder and final venue.
SFieldType RulesCompetitionType() {
    return ObjectType({{"names", TypeOf<CRules::Names>()},
                       {"titleHolder", ClubType()},
                       {"venue", TypeOf<std::uint32_t>()}});
}

RecordFields<CRules> MakeRulesFields() {
    using R = CRules;
    RecordFields<R> f;
    const SFieldType continent =
        ObjectType({{"competitions", ListType(RulesCompetitionType(), R::kCompetitionCount)},
                    {"thirdShortNames", TypeOf<R::ShortNames>()}});
    f.push_back(Custom<R>(
        "continents", ListType(continent, kContinentCount), [](R& rules, const DumpJson& value) {
            for (int c = 0; c < kContinentCount; ++c) {
                const DumpJson& part = value[static_cast<std::size_t>(c)];
                for (int competition = 0; competition < R::kCompetitionCount; ++competition) {
                    const DumpJson& entry =
                        part["competitions"][static_cast<std::size_t>(competition)];
                    for (int language = 0; language < kLanguageCount; ++language) {
                        rules.SetCompetitionName(
                            competition, c, language,
                            ValueAs<std::string>(
                                entry["names"][static_cast<std::size_t>(language)]));
                    }
                    rules.SetTitleHolder(competition, c, ClubValue(entry["titleHolder"]));
                    rules.SetVenue(competition, c, ValueAs<std::uint32_t>(entry["venue"]));
                }
                for (int language = 0; language < kLanguageCount; ++language) {
                    rules.SetThirdShortName(
                        c, language,
                        ValueAs<std::string>(
                            part["thirdShortNames"][static_cast<std::size_t>(language)]));
                }
            }
        }));
    f.push_back(Field<R>("worldNames", &R::WorldNames, &R::SetWorldName));
    f.push_back(Field<R>("worldShortNames", &R::WorldShortNames, &R::SetWorldShortName));
    f.push_back(Custom<R>("furtherTitleHolders", ListType(ClubType(), R::kFurtherTitleHolderCount),
                          [](R& rules, const DumpJson& value) {
                              for (int which = 0; which < R::kFurtherTitleHolderCount; ++which) {
                                  rules.SetFurtherTitleHolder(
                                      which, ClubValue(value[static_cast<std::size_t>(which)]));
                              }
                          }));
    f.push_back(Custom<R>("ruleValues", ListType(TypeOf<std::int32_t>(), R::kRuleCount),
                          [](R& rules, const DumpJson& value) {
                              for (int rule = 0; rule < R::kRuleCount; ++rule) {
                                  rules.SetRuleValue(
                                      rule,
                                      ValueAs<std::int32_t>(value[static_cast<std::size_t>(rule)]));
                              }
                          }));
    f.push_back(Custom<R>("substitutions", NumberType(0, R::kMaxSubstitutions),
                          [](R& rules, const DumpJson& value) {
                              rules.SetSubstitutions(ValueAs<std::int32_t>(value));
                          }));
    return f;
}

}  // namespace

const RecordFields<CCountry>& CountryFields() {
    static const RecordFields<CCountry> fields = MakeCountryFields();
    return fields;
}

const RecordFields<CRules>& RulesFields() {
    static const RecordFields<CRules> fields = MakeRulesFields();
    return fields;
}

const SFieldType& RecordType(ERecordKind kind) {
    static const std::array<SFieldType, 7> types = {
        ObjectType(CountryFields()), ObjectType(ClubFields()),    ObjectType(PersonFields()),
        ObjectType(ManagerFields()), ObjectType(RefereeFields()), ObjectType(StadiumFields()),
        ObjectType(RulesFields())};
    return types[static_cast<std::size_t>(kind)];
}

bool IsRecordKeyWithoutField(ERecordKind kind, std::string_view key) {
    switch (kind) {
        case ERecordKind::kCountry:
            return key == "number" || key == "complete" || key == "competitions" ||
                   key == "clubs" || key == "referees" || key == "stadiums" || key == "managers";
        case ERecordKind::kClub:
            return key == "id" || key == "persons";
        case ERecordKind::kPerson:
            return key == "id";
        default:
            return false;
    }
}

}  // namespace kw
