#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "DemoInstallation.h"
#include "exports/JsonWriter.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

using Json = nlohmann::ordered_json;

// Every Windows-1252 byte but NUL, and what JSON must escape.
std::string AwkwardCp1252() {
    std::string text = "\"quoted\" back\\slash\ttab\nline\rreturn\bbell\f";
    for (int byte = 1; byte < 256; ++byte) {
        text.push_back(static_cast<char>(byte));
    }
    return text;
}

void WriteEveryShape(CJsonWriter& w) {
    w.BeginObject();
    w.Key("empty object");
    w.BeginObject();
    w.EndObject();
    w.Key("empty array");
    w.BeginArray();
    w.EndArray();
    w.Key("nested");
    w.BeginArray();
    w.BeginArray();
    w.EndArray();
    w.BeginObject();
    w.Member("one", 1);
    w.EndObject();
    w.NumberList(std::int8_t{-128}, std::uint8_t{255}, std::int16_t{-1});
    w.EndArray();
    w.Member("smallest", std::numeric_limits<std::int64_t>::min());
    w.Member("largest", std::numeric_limits<std::uint64_t>::max());
    w.Member("zero", 0u);
    w.Key("flags");
    w.BeginArray();
    w.Bool(true);
    w.Bool(false);
    w.Null();
    w.EndArray();
    w.Key("utf8 \"key\"");
    w.String("\xC3\xA4\xE2\x82\xAC \x01\x1F\x7F \"\\");
    w.Key("cp1252");
    w.Cp1252String(AwkwardCp1252());
    w.EndObject();
}

Json EveryShape() {
    Json json;
    json["empty object"] = Json::object();
    json["empty array"] = Json::array();
    json["nested"] = Json{Json::array(), Json{{"one", 1}},
                          Json{std::int8_t{-128}, std::uint8_t{255}, std::int16_t{-1}}};
    json["smallest"] = std::numeric_limits<std::int64_t>::min();
    json["largest"] = std::numeric_limits<std::uint64_t>::max();
    json["zero"] = 0u;
    json["flags"] = Json{true, false, nullptr};
    json["utf8 \"key\""] = "\xC3\xA4\xE2\x82\xAC \x01\x1F\x7F \"\\";
    json["cp1252"] = Cp1252ToUtf8(AwkwardCp1252());
    return json;
}

TEST(JsonWriter, WritesWhatTheLibraryDumpsInEveryLayoutAndTopLevelValues) {
    for (const int indent : {-1, 0, 2, 4}) {
        CJsonWriter writer(indent);
        WriteEveryShape(writer);
        EXPECT_EQ(writer.Take(), EveryShape().dump(indent)) << "indent " << indent;
    }
    // Top-level values, and a writer reused after Take.
    CJsonWriter reused(2);
    reused.BeginArray();
    reused.EndArray();
    EXPECT_EQ(reused.Take(), "[]");
    reused.String("alone");
    EXPECT_EQ(reused.Take(), "\"alone\"");
    reused.Number(-7);
    EXPECT_EQ(reused.Take(), "-7");
}

// A whole database, its texts made awkward: the dump parses, the library gives it back byte for
// byte in both layouts, and both layouts carry the same values.
TEST(WorldDumpText, IsTheLibrarysTextOfTheSameValuesInBothLayouts) {
    const std::unique_ptr<CWorld> world = test::LoadSmallDemo();
    const CClub& club = *world->Country(kDefaultCountry).Clubs().begin()->second;
    CPlayer& player = *world->Person(club.PersonIds().front());
    player.SetNote(AwkwardCp1252());
    player.SetSurname("M\xFCller \"der \\ Zweite\"");

    const std::string indented = DumpWorldJson(*world);
    const std::string compact = DumpWorldJson(*world, 0, EDumpLayout::Compact);
    const Json parsed = Json::parse(indented);
    EXPECT_EQ(indented, parsed.dump(2) + "\n");
    EXPECT_EQ(compact, parsed.dump() + "\n");
    EXPECT_NE(indented.find(Json(Cp1252ToUtf8(AwkwardCp1252())).dump()), std::string::npos);

    std::string countries;
    const CRecordDump parts(*world);
    for (int number = 1; number <= kCountryCount; ++number) {
        const Json one = Json::parse(parts.CountryPart(number, EDumpLayout::Compact));
        ASSERT_EQ(one["countries"].size(), 1u);
        countries += one["countries"][0].dump() + ",";
    }
    countries.pop_back();
    const Json rest = Json::parse(DumpWithoutClubAndRulesJson(*world, EDumpLayout::Compact));
    EXPECT_EQ("{\"countries\":[" + countries + "]," + rest.dump().substr(1) + "\n", compact);
}

}  // namespace
}  // namespace kw
