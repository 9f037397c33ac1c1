#include <gtest/gtest.h>

#include <string>

#include "DemoInstallation.h"
#include "exports/WorldDump.h"
#include "model/World.h"
#include "tools/RecordFields.h"

namespace kw {
namespace {

using Json = DumpJson;
using EKind = SFieldType::EKind;

// The least value of the type.
Json Sample(const SFieldType& type) {
    switch (type.kind) {
        case EKind::kNumber:
            return type.min;
        case EKind::kText:
            return "";
        case EKind::kBool:
            return false;
        case EKind::kClub:
            return 0;
        case EKind::kList: {
            Json list = Json::array();
            for (std::size_t i = 0; i < type.length; ++i) {
                list.push_back(Sample(type.Element(i)));
            }
            return list;
        }
        case EKind::kObject: {
            Json object = Json::object();
            for (const auto& [name, member] : type.members) {
                object[name] = Sample(member);
            }
            return object;
        }
        default:
            return nullptr;
    }
}

// Another value of the type than `value`: every number, text, date and club reference of it
// changed, an empty list of any length given one entry. `club` is a club of the world.
Json Changed(const SFieldType& type, const Json& value, std::uint32_t club) {
    switch (type.kind) {
        case EKind::kNumber: {
            const std::int64_t number = value.get<std::int64_t>();
            return number < type.max ? number + 1 : type.min;
        }
        case EKind::kText:
            return value == "Zz" ? "Yy" : "Zz";
        case EKind::kDate:
            return value == "2001-02-03" ? "2002-03-04" : "2001-02-03";
        case EKind::kBool:
            return !value.get<bool>();
        case EKind::kClub:
            return value == 0 ? club : 0u;
        case EKind::kList: {
            if (type.length == 0 && value.empty()) {
                return Json::array({Changed(type.Element(0), Sample(type.Element(0)), club)});
            }
            Json list = Json::array();
            for (std::size_t i = 0; i < value.size(); ++i) {
                list.push_back(Changed(type.Element(i), value[i], club));
            }
            return list;
        }
        case EKind::kObject: {
            Json object = Json::object();
            for (const auto& [name, member] : type.members) {
                object[name] = Changed(member, value[name], club);
            }
            return object;
        }
    }
    return value;
}

const Json& CountryOf(const Json& dump) {
    return dump["countries"][0];
}

// Every key of a dumped record is a field of its kind or one the kind names as none, and each
// field, set to another value through its table, reads back from the dump as that value.
template <typename R>
void ExpectWrittenBack(ERecordKind kind, const RecordFields<R>& fields, R& record,
                       const std::function<Json()>& dumped, std::uint32_t club) {
    const Json before = dumped();
    for (const auto& [key, value] : before.items()) {
        EXPECT_TRUE(RecordType(kind).Member(key) != nullptr || IsRecordKeyWithoutField(kind, key))
            << key;
    }
    Json changed = Json::object();
    for (const SRecordField<R>& field : fields) {
        ASSERT_TRUE(before.contains(field.name)) << field.name;
        changed[field.name] = Changed(field.type, before[field.name], club);
        EXPECT_FALSE(CheckValue(field.type, changed[field.name], false)) << field.name;
    }
    SetRecordFields(record, fields, changed);
    const Json after = dumped();
    for (const SRecordField<R>& field : fields) {
        EXPECT_EQ(after[field.name], changed[field.name]) << field.name;
    }
}

TEST(RecordFields, EveryFieldOfEveryKindIsWrittenBackWhole) {
    // Freshly loaded, clubs hold the ids their dump gives them.
    const auto world = test::LoadSmallDemo();
    int number = 1;
    while (world->Country(number).ClubCount() < 2 || world->Country(number).Referees().empty() ||
           world->Country(number).Stadiums().empty() ||
           world->Country(number).ManagerIds().empty()) {
        ++number;
    }
    CCountry& country = world->Country(number);
    CClub& club = *std::next(country.Clubs().begin())->second;
    const std::uint32_t other = country.Clubs().begin()->first;
    const auto dump = [&] { return Json::parse(DumpWorldJson(*world, number)); };
    const auto clubPosition = [&] {
        return std::distance(country.Clubs().begin(), country.Clubs().find(club.Id()));
    };

    ExpectWrittenBack(
        ERecordKind::kCountry, CountryFields(), country, [&] { return CountryOf(dump()); }, other);
    ExpectWrittenBack(
        ERecordKind::kClub, ClubFields(), club,
        [&] { return CountryOf(dump())["clubs"][clubPosition()]; }, other);
    ExpectWrittenBack(
        ERecordKind::kPerson, PersonFields(), *world->Person(club.PersonIds()[0]),
        [&] { return CountryOf(dump())["clubs"][clubPosition()]["persons"][0]; }, other);
    ExpectWrittenBack(
        ERecordKind::kManager, ManagerFields(), *world->Manager(country.ManagerIds()[0]),
        [&] { return CountryOf(dump())["managers"][0]; }, other);
    ExpectWrittenBack(
        ERecordKind::kReferee, RefereeFields(), country.Referees()[0],
        [&] { return CountryOf(dump())["referees"][0]; }, other);
    ExpectWrittenBack(
        ERecordKind::kStadium, StadiumFields(), country.Stadiums()[0],
        [&] { return CountryOf(dump())["stadiums"][0]; }, other);
    ExpectWrittenBack(
        ERecordKind::kRules, RulesFields(), world->Rules(),
        [&] { return Json::parse(DumpWithoutClubAndRulesJson(*world))["rules"]; }, other);
}

// Values outside their type are named with their path.
TEST(RecordFields, ValuesThatDoNotFitAreNamed) {
    const SFieldType& person = RecordType(ERecordKind::kPerson);
    const struct {
        const char* path;
        Json value;
        const char* fault;
    } cases[] = {
        {"abilities[3]", 256, "abilities[3]: 256 is outside 0 to 255"},
        {"abilities[3]", "7", "a whole number expected"},
        {"firstName", "Sechzehn Zeichen!", "text longer than 15 characters"},
        {"surname", "\u0141ukasz", "characters outside Windows-1252"},
        {"birthDate", "2001-02-30", "a date"},
        {"currentClub", 12, "a club's identity or 0 expected"},
        {"positions", Json::array({1, 2}), "a list of 2 entries"},
    };
    for (const auto& c : cases) {
        const auto path = ParseFieldPath(c.path);
        ASSERT_TRUE(path) << c.path;
        const auto fault = CheckValue(*TypeAtPath(person, *path), c.value, true, c.path);
        ASSERT_TRUE(fault) << c.path;
        EXPECT_NE(fault->find(c.fault), std::string::npos) << *fault;
    }
    for (const char* malformed : {"", "[1]", "abilities[", "abilities[x]", "a..b", "abilities]"}) {
        EXPECT_FALSE(ParseFieldPath(malformed)) << malformed;
    }
    EXPECT_EQ(TypeAtPath(person, *ParseFieldPath("abilities[43]")), nullptr);
    EXPECT_EQ(TypeAtPath(person, *ParseFieldPath("wingspan")), nullptr);
}

}  // namespace
}  // namespace kw
