// The change package's text: written in a fixed order, read back only when every part of it is
// what the format allows (a package comes from strangers).
#include "tools/ChangePackage.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "storage/Identifiers.h"

namespace kw {

namespace {

constexpr std::array<std::string_view, 5> kChangeKeys = {"field", "transfer", "added", "removed",
                                                         "unsupported"};
constexpr std::array<std::string_view, 8> kRecordKeys = {
    "country", "club", "person", "manager", "referee", "stadium", "rules", "competition"};

template <typename Enum, std::size_t N>
std::optional<Enum> EnumOf(const std::array<std::string_view, N>& keys, const DumpJson& value) {
    if (!value.is_string()) {
        return std::nullopt;
    }
    const auto found = std::find(keys.begin(), keys.end(), value.get<std::string>());
    if (found == keys.end()) {
        return std::nullopt;
    }
    return static_cast<Enum>(found - keys.begin());
}

DumpJson ChangeJson(const SPackageChange& change) {
    DumpJson json = DumpJson::object();
    json["change"] = ChangeKey(change.change);
    json["kind"] = PackageRecordKey(change.kind);
    json["country"] = change.country;
    json["record"] = change.record;
    switch (change.change) {
        case EChange::kField:
            json["field"] = change.field;
            json["old"] = change.oldValue;
            json["new"] = change.newValue;
            break;
        case EChange::kTransfer:
            json["old"] = change.oldValue;
            json["new"] = change.newValue;
            break;
        case EChange::kAdded:
        case EChange::kRemoved:
            json["fields"] = change.fields;
            if (change.change == EChange::kAdded && change.kind == EPackageRecord::kClub) {
                json["leagues"] = change.leagues.is_array() ? change.leagues : DumpJson::array();
            }
            break;
        case EChange::kUnsupported:
            json["what"] = change.what;
            json["fields"] = change.fields.is_array() ? change.fields : DumpJson::array();
            break;
    }
    return json;
}

// Reads one change; the message says what is wrong with it.
class CChangeReader {
public:
    explicit CChangeReader(const DumpJson& json) : m_json(json) {}

    std::optional<SPackageChange> Read(std::string& error) {
        if (!m_json.is_object()) {
            error = "a change is no object";
            return std::nullopt;
        }
        const auto change = EnumOf<EChange>(kChangeKeys, Get("change"));
        const auto kind = EnumOf<EPackageRecord>(kRecordKeys, Get("kind"));
        if (!change || !kind) {
            error = "unknown change \"" + Get("change").dump() + "\" or kind \"" +
                    Get("kind").dump() + "\"";
            return std::nullopt;
        }
        m_change.change = *change;
        m_change.kind = *kind;
        if (!ReadCountry() || !ReadIdentity()) {
            error = m_error;
            return std::nullopt;
        }
        bool ok = false;
        switch (*change) {
            case EChange::kField:
                ok = ReadField();
                break;
            case EChange::kTransfer:
                ok = ReadTransfer();
                break;
            case EChange::kAdded:
            case EChange::kRemoved:
                ok = ReadRecord();
                break;
            case EChange::kUnsupported:
                ok = ReadUnsupported();
                break;
        }
        if (ok && m_json.size() != m_keys) {
            ok = Refuse("members the format does not know");
        }
        if (!ok) {
            error = m_error;
            return std::nullopt;
        }
        return std::move(m_change);
    }

private:
    // Counts the members read, so that a change with further members is refused.
    const DumpJson& Get(const char* key) {
        static const DumpJson missing;
        const auto found = m_json.find(key);
        if (found == m_json.end()) {
            return missing;
        }
        ++m_keys;
        return *found;
    }

    bool Refuse(std::string message) {
        m_error = std::move(message);
        return false;
    }

    bool ReadCountry() {
        const DumpJson& country = Get("country");
        if (!country.is_number_integer() || country.get<std::int64_t>() < 0 ||
            country.get<std::int64_t>() > kCountryCount) {
            return Refuse("\"country\" must be 0 to 206");
        }
        m_change.country = country.get<int>();
        const bool none = m_change.country == 0;
        const bool mayBeNone = m_change.kind == EPackageRecord::kPerson;
        if (m_change.kind == EPackageRecord::kRules ? !none : none && !mayBeNone) {
            return Refuse("\"country\" does not fit the kind");
        }
        return true;
    }

    // The identity's members: each a text, or for those listed as optional text also null.
    bool Members(const DumpJson& record, std::initializer_list<const char*> texts,
                 std::initializer_list<const char*> textsOrNull, bool occurrence) {
        std::size_t expected = texts.size() + textsOrNull.size();
        for (const char* key : texts) {
            const auto found = record.find(key);
            if (found == record.end() || !found->is_string()) {
                return Refuse(std::string("the record's \"") + key + "\" must be a text");
            }
        }
        for (const char* key : textsOrNull) {
            const auto found = record.find(key);
            if (found == record.end() || !(found->is_string() || found->is_null())) {
                return Refuse(std::string("the record's \"") + key + "\" must be a text or null");
            }
        }
        const auto count = record.find("occurrence");
        if (occurrence && count != record.end()) {
            if (!count->is_number_integer() || count->get<std::int64_t>() < 2 ||
                count->get<std::int64_t>() > 1000000) {
                return Refuse("the record's \"occurrence\" must be 2 or more");
            }
            ++expected;
        }
        if (record.size() != expected) {
            return Refuse("the record holds members its kind does not have");
        }
        return true;
    }

    bool ReadIdentity() {
        const DumpJson& record = Get("record");
        if (!record.is_object()) {
            return Refuse("\"record\" must be an object");
        }
        m_change.record = record;
        switch (m_change.kind) {
            case EPackageRecord::kCountry:
            case EPackageRecord::kRules:
                return Members(record, {}, {}, false);
            case EPackageRecord::kClub:
                return Members(record, {"club"}, {}, false);
            case EPackageRecord::kPerson:
                return Members(record, {"firstName", "surname"}, {"club", "birthDate"}, true);
            case EPackageRecord::kManager:
                return Members(record, {"firstName", "surname"}, {"birthDate"}, true);
            case EPackageRecord::kReferee:
                return Members(record, {"firstName", "surname"}, {}, true);
            case EPackageRecord::kStadium:
                return Members(record, {"name", "city"}, {}, true);
            case EPackageRecord::kCompetition:
                return Members(record, {"competition"}, {}, false);
        }
        return false;
    }

    bool ReadField() {
        const auto kind = FieldKindOf(m_change.kind);
        const DumpJson& field = Get("field");
        if (!kind || !field.is_string()) {
            return Refuse("a field change needs a kind with fields and a \"field\"");
        }
        m_change.field = field.get<std::string>();
        const auto path = ParseFieldPath(m_change.field);
        const SFieldType* type = path ? TypeAtPath(RecordType(*kind), *path) : nullptr;
        if (type == nullptr) {
            return Refuse("unknown field \"" + m_change.field + "\" of a " +
                          std::string(PackageRecordKey(m_change.kind)));
        }
        m_change.oldValue = Get("old");
        m_change.newValue = Get("new");
        for (const DumpJson* value : {&m_change.oldValue, &m_change.newValue}) {
            if (auto fault = CheckValue(*type, *value, true, m_change.field)) {
                return Refuse(*fault);
            }
        }
        return true;
    }

    bool ReadTransfer() {
        m_change.oldValue = Get("old");
        m_change.newValue = Get("new");
        const auto holder = [](const DumpJson& value) {
            return value.is_null() || (value.is_string() && !value.get<std::string>().empty());
        };
        if (m_change.kind != EPackageRecord::kPerson || !holder(m_change.oldValue) ||
            !holder(m_change.newValue)) {
            return Refuse("a transfer moves a person between clubs or from or to none");
        }
        return true;
    }

    bool ReadLeagues() {
        const DumpJson& leagues = Get("leagues");
        if (!leagues.is_array()) {
            return Refuse("an added club needs its \"leagues\"");
        }
        for (const DumpJson& league : leagues) {
            const bool ok = league.is_object() && league.size() == 3 &&
                            league.value("competition", DumpJson()).is_string() &&
                            league.value("position", DumpJson()).is_number_unsigned() &&
                            league.value("position", 0u) < 100u &&
                            league.value("reserve", DumpJson()).is_boolean();
            if (!ok) {
                return Refuse("a league of an added club is malformed");
            }
        }
        m_change.leagues = leagues;
        return true;
    }

    bool ReadRecord() {
        const auto kind = FieldKindOf(m_change.kind);
        const bool allowed =
            m_change.kind == EPackageRecord::kClub || m_change.kind == EPackageRecord::kPerson ||
            m_change.kind == EPackageRecord::kManager || m_change.kind == EPackageRecord::kReferee;
        if (!kind || !allowed) {
            return Refuse("records of this kind are neither added nor removed");
        }
        m_change.fields = Get("fields");
        if (auto fault = CheckValue(RecordType(*kind), m_change.fields, true, "fields")) {
            return Refuse(*fault);
        }
        if (m_change.change == EChange::kAdded && m_change.kind == EPackageRecord::kClub) {
            return ReadLeagues();
        }
        return true;
    }

    bool ReadUnsupported() {
        const DumpJson& what = Get("what");
        const DumpJson& fields = Get("fields");
        const bool known = what == "added" || what == "removed" || what == "changed";
        if (!known || !fields.is_array() ||
            !std::all_of(fields.begin(), fields.end(),
                         [](const DumpJson& field) { return field.is_string(); })) {
            return Refuse("an unsupported change needs \"what\" and the \"fields\" as texts");
        }
        m_change.what = what.get<std::string>();
        m_change.fields = fields;
        return true;
    }

    const DumpJson& m_json;
    SPackageChange m_change;
    std::size_t m_keys = 0;
    std::string m_error;
};

// Lists and objects nested deeper than any package's are refused before parsing, which would
// otherwise recurse once per level of a hostile text.
constexpr int kMaxDepth = 32;

bool NestsTooDeep(std::string_view text) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxDepth) {
                return true;
            }
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

}  // namespace

std::string_view ChangeKey(EChange change) {
    return kChangeKeys[static_cast<std::size_t>(change)];
}

std::string_view PackageRecordKey(EPackageRecord kind) {
    return kRecordKeys[static_cast<std::size_t>(kind)];
}

std::optional<ERecordKind> FieldKindOf(EPackageRecord kind) {
    switch (kind) {
        case EPackageRecord::kCountry:
            return ERecordKind::kCountry;
        case EPackageRecord::kClub:
            return ERecordKind::kClub;
        case EPackageRecord::kPerson:
            return ERecordKind::kPerson;
        case EPackageRecord::kManager:
            return ERecordKind::kManager;
        case EPackageRecord::kReferee:
            return ERecordKind::kReferee;
        case EPackageRecord::kStadium:
            return ERecordKind::kStadium;
        case EPackageRecord::kRules:
            return ERecordKind::kRules;
        case EPackageRecord::kCompetition:
            return std::nullopt;
    }
    return std::nullopt;
}

std::string ChangePackageText(const SChangePackage& package) {
    DumpJson json = DumpJson::object();
    json["format"] = kChangePackageFormat;
    json["version"] = kChangePackageVersion;
    DumpJson changes = DumpJson::array();
    for (const SPackageChange& change : package.changes) {
        changes.push_back(ChangeJson(change));
    }
    json["changes"] = std::move(changes);
    return json.dump(2) + "\n";
}

SPackageRead ReadChangePackage(std::string_view text) {
    if (NestsTooDeep(text)) {
        return {std::nullopt, "not a change package: nested too deeply"};
    }
    DumpJson json;
    try {
        json = DumpJson::parse(text);
    } catch (const DumpJson::exception& error) {
        return {std::nullopt,
                "not a readable package (damaged or cut short): " + std::string(error.what())};
    }
    if (!json.is_object() || json.value("format", DumpJson()) != kChangePackageFormat) {
        return {std::nullopt, "not a change package"};
    }
    const DumpJson version = json.value("version", DumpJson());
    if (version != kChangePackageVersion) {
        return {std::nullopt, "unknown package version " + version.dump() +
                                  " (this program reads " + std::to_string(kChangePackageVersion) +
                                  ")"};
    }
    const auto changes = json.find("changes");
    if (changes == json.end() || !changes->is_array() || json.size() != 3) {
        return {std::nullopt, "the package holds no list of changes"};
    }
    SChangePackage package;
    for (std::size_t i = 0; i < changes->size(); ++i) {
        std::string error;
        std::optional<SPackageChange> change = CChangeReader((*changes)[i]).Read(error);
        if (!change) {
            return {std::nullopt, "change " + std::to_string(i + 1) + ": " + error};
        }
        package.changes.push_back(std::move(*change));
    }
    return {std::move(package), {}};
}

}  // namespace kw
