#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/DumpIdentities.h"

namespace kw {

class CClub;
class CCountry;
class CManager;
class CPlayer;
class CReferee;
class CRules;
class CStadium;
struct SCountrySettings;

// Every field of the records the JSON dump (exports/WorldDump.h) shows, by its key there, with
// what it holds and how a whole value is written back into the record. The dump is how a field is
// read; this is how it is written, so that a value taken from one database's dump can be put into
// another database's record. Values are as the dump holds them (texts UTF-8, dates "YYYY-MM-DD"
// or null), except that club references are club ids of the world written into.

// What a value holds, with its limits. Texts are measured in Windows-1252 bytes, the most a field
// keeps without its terminating zero (0: no limit). A club reference is an id in the model; in a
// change package it is a club's identity (a text, tools/DumpIdentities.h) or 0 for none.
struct SFieldMember;

struct SFieldType {
    enum class EKind { kNumber, kText, kDate, kBool, kClub, kList, kObject };
    EKind kind = EKind::kNumber;
    std::int64_t min = 0;
    std::int64_t max = 0;
    std::size_t maxLength = 0;
    // Lists: the length, or 0 for lists of any length up to kMaxListItems.
    std::size_t length = 0;
    // Lists: one type for every entry, or one for each position of a list of fixed length.
    std::vector<SFieldType> element;
    std::vector<SFieldMember> members;  // objects, in dump order

    const SFieldType* Member(std::string_view name) const;
    const SFieldType& Element(std::size_t position) const {
        return element.size() == 1 ? element.front() : element.at(position);
    }
};

// A member of an object type.
struct SFieldMember {
    std::string name;
    SFieldType type;
};

inline constexpr std::size_t kMaxListItems = 100000;

// Why a value does not fit its type ("abilities[3]: 300 is above 255"); nothing when it does.
// With `clubsAsIdentities` club references must be identity texts or 0, else ids.
std::optional<std::string> CheckValue(const SFieldType& type, const DumpJson& value,
                                      bool clubsAsIdentities, const std::string& path = {});

template <typename R>
struct SRecordField {
    std::string name;
    SFieldType type;
    // The value fits `type`; club references are ids.
    std::function<void(R&, const DumpJson&)> set;
};
template <typename R>
using RecordFields = std::vector<SRecordField<R>>;

// The kinds of records, each with its table.
enum class ERecordKind { kCountry, kClub, kPerson, kManager, kReferee, kStadium, kRules };

const RecordFields<CPlayer>& PersonFields();
const RecordFields<CClub>& ClubFields();
const RecordFields<CManager>& ManagerFields();
const RecordFields<CReferee>& RefereeFields();
const RecordFields<CStadium>& StadiumFields();
// The country's own values: names, league data, settings and its lists without identity
// (sponsors, the staff pool and the player pool). Its clubs, competitions, referees, stadiums and
// managers are records of their own; "complete" is worked out from the competitions, not set.
const RecordFields<CCountry>& CountryFields();
const RecordFields<CRules>& RulesFields();

// A kind's record as one object type: its fields as members.
const SFieldType& RecordType(ERecordKind kind);

// The dump keys of a kind that are no field: ids, and the records held inside (a club's persons,
// a country's clubs, competitions, referees, stadiums and managers), and what is worked out.
bool IsRecordKeyWithoutField(ERecordKind kind, std::string_view key);

// Writes each member of `values` that the table names into the record, in the table's order;
// members it does not name are left alone.
template <typename R>
void SetRecordFields(R& record, const RecordFields<R>& fields, const DumpJson& values) {
    for (const SRecordField<R>& field : fields) {
        const auto found = values.find(field.name);
        if (found != values.end()) {
            field.set(record, *found);
        }
    }
}

// A field path as the dump's keys and list positions spell it: "abilities[3]", "stadium.names[0]",
// "settings.nationalCoach.languages[1]". Nothing when it is malformed.
struct SPathStep {
    std::string key;  // empty for a list position
    std::size_t index = 0;
};
std::optional<std::vector<SPathStep>> ParseFieldPath(std::string_view path);
std::string FieldPathText(const std::vector<SPathStep>& steps);
// The type at the path below an object type; null when the path names nothing there.
const SFieldType* TypeAtPath(const SFieldType& root, const std::vector<SPathStep>& steps);
// The value at the path; null when the value has no such member or position.
const DumpJson* ValueAtPath(const DumpJson& root, const std::vector<SPathStep>& steps);
DumpJson* ValueAtPath(DumpJson& root, const std::vector<SPathStep>& steps);

// Every club reference of a value of that type passed through `map` (ids to identities or back).
DumpJson MapClubReferences(const SFieldType& type, const DumpJson& value,
                           const std::function<DumpJson(const DumpJson&)>& map);

}  // namespace kw
