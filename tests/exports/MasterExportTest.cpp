#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <numeric>
#include "DemoInstallation.h"
#include "TempDir.h"
#include "demo/DemoGenerator.h"
#include "exports/JsonWriter.h"
#include "exports/WorldDump.h"
#include "exports/master/BinaryWriter.h"
#include "exports/master/MasterExport.h"
#include "exports/master/MasterFileReader.h"
#include "exports/master/NamePools.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "platform/FileFaults.h"
#include "platform/Random.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using Kind = CScriptedUserInterface::Message::Kind;

std::vector<std::uint8_t> Bytes(const fs::path& path) {
    const std::string text = test::ReadFile(path);
    return {text.begin(), text.end()};
}

std::string Text(int id) {
    return std::string(ResourceString(id));
}

// A small world built through the model: no country reaches 10 clubs.
TEST(MasterExport, NoCompleteCountryWritesNothingAndSaysSoAndPathsFollowTheMode) {
    test::TempDir install;
    CWorld world(install.Path());
    world.InitialiseCountries();
    for (int i = 0; i < 5; ++i) {
        world.Country(3).CreateClub();
    }
    SMasterRequest request;
    request.output = install / "Master.dat";
    request.sideFolder = install.Path();
    CScriptedUserInterface ui;
    CRecordingProgress progress;
    EXPECT_EQ(BuildMasterFile(world, request, progress, ui), EMasterResult::kNoCompleteCountry);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].kind, Kind::ErrorList);
    EXPECT_EQ(ui.Messages()[0].text, Text(ids::kErrorOccurred));
    EXPECT_EQ(ui.Messages()[0].lines,
              std::vector<std::string>{"Kein Land ist korrekt initialisiert!"});
    EXPECT_FALSE(fs::exists(request.output));

    // In batch mode the console gets the line instead.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> console(std::tmpfile(), &std::fclose);
    request.batch = true;
    request.console = console.get();
    EXPECT_EQ(BuildMasterFile(world, request, progress, ui), EMasterResult::kNoCompleteCountry);
    std::rewind(console.get());
    char line[64] = {};
    ASSERT_NE(std::fgets(line, sizeof line, console.get()), nullptr);
    EXPECT_STREQ(line, "No completed countries\n");
    EXPECT_EQ(ui.Messages().size(), 1u);
    EXPECT_FALSE(fs::exists(request.output));
    // Master file paths follow the mode and the language.
    EXPECT_EQ(MasterFilePath("/inst", "/db", 1, false, 1), fs::path("/inst/database/Master.dat"));
    EXPECT_EQ(MasterFilePath("/inst", "/db", 1, true, 1), fs::path("/db/Master1.dat"));
    EXPECT_EQ(MasterFilePath("/inst", "/db", 1, true, 0), fs::path("/db/Master.dat"));
}

// Whole worlds come from the small demo installation, generated once.
class MasterDemo : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_install = std::make_unique<test::TempDir>();
        CSilentProgress progress;
        ASSERT_TRUE(
            demo::GenerateDemoInstallation(s_install->Path(), demo::EDemoScale::kSmall, 1, progress)
                .ok);
    }
    static void TearDownTestSuite() { s_install.reset(); }

    void SetUp() override {
        world = std::make_unique<CWorld>(s_install->Path());
        world->InitialiseCountries();
        CSilentProgress progress;
        world->Load(s_install->Path() / "database", progress);
    }
    EMasterResult Build(std::uint32_t options, const fs::path& output, bool batch = true,
                        CFileFaults* faults = nullptr) {
        SMasterRequest request;
        request.language = 1;
        request.batch = batch;
        request.options = options;
        request.output = output;
        request.sideFolder = out.Path();
        request.write.faults = faults;
        return BuildMasterFile(*world, request, progress, ui);
    }

    static inline std::unique_ptr<test::TempDir> s_install;
    test::TempDir out;
    std::unique_ptr<CWorld> world;
    CScriptedUserInterface ui;
    CRecordingProgress progress;
};

TEST_F(MasterDemo, TheReaderAcceptsTheFileASecondBuildIsIdenticalAndEveryCountryIsSummed) {
    ASSERT_EQ(Build(0, out / "a.dat"), EMasterResult::kWritten);
    const auto first = Bytes(out / "a.dat");
    const SMasterFileReport report = VerifyMasterFile(first, 0);
    EXPECT_TRUE(report.Ok()) << report.error;
    EXPECT_GT(report.completeCountries, 0);
    EXPECT_EQ(progress.maximum, 621);
    EXPECT_TRUE(ui.Messages().empty());
    // Every round of every cup format has its record.
    int rounds = 0;
    for (int number = 1; number < world->CupFormats().SlotCount(); ++number) {
        if (const CCupFormat* format = world->CupFormats().Format(number)) {
            rounds += format->RoundCount();
        }
    }
    EXPECT_GT(rounds, 0);
    EXPECT_EQ(report.cupRounds, rounds);

    SetUp();
    ASSERT_EQ(Build(0, out / "b.dat"), EMasterResult::kWritten);
    EXPECT_EQ(Bytes(out / "b.dat"), first);

    // A broken frame: a byte short, or another leading size.
    auto bytes = first;
    bytes.pop_back();
    EXPECT_FALSE(VerifyMasterFile(bytes, 0).Ok());
    bytes = first;
    bytes[0] ^= 1;
    EXPECT_FALSE(VerifyMasterFile(bytes, 0).Ok());

    // One language drops languages and offset fields.
    ASSERT_EQ(Build(1, out / "one.dat"), EMasterResult::kWritten);
    const auto one = Bytes(out / "one.dat");
    EXPECT_LT(one.size(), first.size());
    const SMasterFileReport oneReport = VerifyMasterFile(one, 1);
    EXPECT_TRUE(oneReport.Ok()) << oneReport.error;
    EXPECT_FALSE(VerifyMasterFile(one, 0).Ok());

    // An incomplete country still has its summary.
    std::size_t pos = 4;
    const auto text = [&] {
        const std::string value(reinterpret_cast<const char*>(&first[pos]));
        pos += value.size() + 1;
        return value;
    };
    int incomplete = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry& country = world->Country(number);
        const std::uint8_t leagues = first[pos++];
        for (int language = 0; language < kLanguageCount; ++language) {
            EXPECT_EQ(text(), country.Name(language));
        }
        const int levels = first[pos++];
        EXPECT_EQ(levels, country.LevelTable().UsedLevels());
        for (int i = 0; i < levels * kLanguageCount; ++i) {
            text();
        }
        if (!country.IsComplete()) {
            EXPECT_EQ(leagues, 0) << number;
            ++incomplete;
        } else {
            EXPECT_GT(leagues, 0) << number;
            pos += 32;
        }
        EXPECT_EQ(std::vector<std::uint8_t>(first.begin() + pos, first.begin() + pos + 4),
                  std::vector<std::uint8_t>(4, 0));
        pos += 4;
    }
    EXPECT_GT(incomplete, 0);
}

TEST_F(MasterDemo, SideOutputsGetEveryLineTwice) {
    ASSERT_EQ(Build(0x4 | 0x10 | 0x80000000, out / "a.dat"), EMasterResult::kWritten);
    for (const char* name : {"badges.txt", "stadium.txt", "MappingTeamIDs.txt"}) {
        const std::string content = test::ReadFile(out / name);
        ASSERT_FALSE(content.empty()) << name;
        ASSERT_EQ(content.size() % 2, 0u) << name;
        EXPECT_EQ(content.substr(0, content.size() / 2), content.substr(content.size() / 2))
            << name;
    }
    EXPECT_NE(test::ReadFile(out / "stadium.txt").find("Nationalmannschaftsstadion"),
              std::string::npos);
}

TEST_F(MasterDemo, AFailedWriteKeepsTheOldFileAndIsNotCalledSaved) {
    test::WriteFile(out / "a.dat", "old");
    CFileFaults faults(FailFromCallNumber(1, EFileCall::kWrite));
    ui.QueueAnswer(true);
    EXPECT_EQ(Build(0, out / "a.dat", false, &faults), EMasterResult::kWriteFailed);
    EXPECT_EQ(test::ReadFile(out / "a.dat"), "old");
    EXPECT_EQ(ui.Texts(Kind::Error), std::vector<std::string>{Text(ids::kSaveFailed)});
    EXPECT_TRUE(ui.Texts(Kind::Information).empty());

    // Declining the list of complete countries writes nothing either.
    EXPECT_EQ(Build(0, out / "a.dat", false), EMasterResult::kNotConfirmed);
    EXPECT_EQ(test::ReadFile(out / "a.dat"), "old");
    ui.QueueAnswer(true);
    EXPECT_EQ(Build(0, out / "a.dat", false), EMasterResult::kWritten);
    EXPECT_EQ(ui.Texts(Kind::Information), std::vector<std::string>{Text(ids::kDatabaseSaved)});
}

void WriteSample(CBinaryWriter& out) {
    out.U8(0x01);
    out.U16(0x0302);
    out.U32(0x07060504);
    out.String("ab");
    const std::vector<std::uint8_t> block = {9, 8};
    out.Block(block);
}

// Collects what the writing pass hands over, piece by piece.
struct SCollector {
    std::vector<std::uint8_t> bytes;
    int calls = 0;
    bool accept = true;

    CBinaryWriter::Sink Sink() {
        return [this](std::span<const std::uint8_t> piece) {
            ++calls;
            bytes.insert(bytes.end(), piece.begin(), piece.end());
            return accept;
        };
    }
};

TEST(BinaryWriter, BothPassesMustAgreeAndValuesAreLittleEndian) {
    CBinaryWriter out;
    WriteSample(out);
    EXPECT_EQ(out.RunningSize(), 1u + 2 + 4 + 3 + 4 + 2);
    SCollector file;
    ASSERT_TRUE(out.BeginWriting(file.Sink()));
    WriteSample(out);
    ASSERT_TRUE(out.FinishWriting());
    const std::vector<std::uint8_t> expected = {1, 2, 3, 4, 5, 6, 7, 'a', 'b', 0, 2, 0, 0, 0, 9, 8};
    EXPECT_EQ(file.bytes, expected);

    // A writing pass longer than the count fails without overrun; a shorter one is no file.
    for (const bool longer : {true, false}) {
        CBinaryWriter counted;
        counted.U32(0);
        SCollector collector;
        ASSERT_TRUE(counted.BeginWriting(collector.Sink()));
        counted.U16(1);
        if (longer) {
            counted.U32(2);  // two bytes more than counted
            EXPECT_EQ(counted.Position(), 2u);
            EXPECT_LE(collector.bytes.size(), 4u);
        }
        EXPECT_EQ(counted.Failed(), longer);
        EXPECT_FALSE(counted.FinishWriting());
    }
}

// Files far larger than the stream's buffer arrive whole and in order, and a sink that stops
// taking bytes fails the pass instead of being skipped over.
TEST(BinaryWriter, LargeFilesArriveInOrderAndAFailingSinkFailsThePass) {
    std::vector<std::uint8_t> large(3 * 1024 * 1024 + 17);
    for (std::size_t i = 0; i < large.size(); ++i) {
        large[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    }
    const auto write = [&](CBinaryWriter& out) {
        for (std::uint32_t i = 0; i < 100000; ++i) {
            out.U32(i);
        }
        out.Raw(large);
        out.Zeros(700000);
        out.U8(0xAB);
    };
    std::vector<std::uint8_t> expected;
    for (std::uint32_t i = 0; i < 100000; ++i) {
        for (int shift = 0; shift < 32; shift += 8) {
            expected.push_back(static_cast<std::uint8_t>(i >> shift));
        }
    }
    expected.insert(expected.end(), large.begin(), large.end());
    expected.resize(expected.size() + 700000, 0);
    expected.push_back(0xAB);

    CBinaryWriter out;
    write(out);
    ASSERT_EQ(out.RunningSize(), expected.size());
    SCollector file;
    ASSERT_TRUE(out.BeginWriting(file.Sink()));
    write(out);
    ASSERT_TRUE(out.FinishWriting());
    EXPECT_TRUE(file.bytes == expected);
    EXPECT_GT(file.calls, 1);

    CBinaryWriter refused;
    write(refused);
    SCollector full;
    full.accept = false;
    ASSERT_TRUE(refused.BeginWriting(full.Sink()));
    write(refused);
    EXPECT_TRUE(refused.Failed());
    EXPECT_FALSE(refused.FinishWriting());
    EXPECT_EQ(full.calls, 1);  // nothing more is offered once the sink failed
}

using namespace namekind;

std::vector<std::uint8_t> Table(const CNamePools& pools, int group, int kind) {
    CBinaryWriter out;
    pools.WriteTable(out, group, kind);
    EXPECT_EQ(out.RunningSize(), pools.TableSize(group, kind));
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(out.BeginWriting([&bytes](std::span<const std::uint8_t> piece) {
        bytes.insert(bytes.end(), piece.begin(), piece.end());
        return true;
    }));
    pools.WriteTable(out, group, kind);
    EXPECT_TRUE(out.FinishWriting());
    return bytes;
}

TEST(NamePools, APoolWithOnlyTheSpaceKeepsItsCountAndNameFilesAreRead) {
    CNamePools pools;
    pools.ResetWeightedGroups();
    pools.FinaliseWeights();
    EXPECT_EQ(pools.Pool(7, kSurname).counts, std::vector<std::uint32_t>{1});
    // 3 words, " " and its zero, weight 1, then the 4 announced bytes beyond the entry as zero.
    const std::vector<std::uint8_t> expected = {1, 0,   0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                0, ' ', 0, 1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Table(pools, 7, kSurname), expected);
    // Groups from 63 on are not reset: empty tables of 12 bytes.
    EXPECT_EQ(pools.TableSize(100, kMaleFirst), 12u);
    // Name files keep spaces, cut long lines and skip empty ones.
    CNamePools loaded;
    loaded.ResetWeightedGroups();
    loaded.LoadNameFile(kMaleFirst,
                        "Anton\r\n\r\n%3\n  Jean  Luc\n"
                        "Abcdefghijklmnopqrstuvwxyz0123456789\n%200\nLost\n");
    EXPECT_EQ(loaded.Pool(0, kMaleFirst).names, (std::vector<std::string>{" ", "Anton"}));
    EXPECT_EQ(loaded.Pool(0, kMaleFirst).fileCount, 2u);
    const auto& group3 = loaded.Pool(3, kMaleFirst);
    ASSERT_EQ(group3.names.size(), 3u);
    EXPECT_EQ(group3.names[1], "  Jean  Luc");
    EXPECT_EQ(group3.names[2], "Abcdefghijklmnopqrstuvwxyz01234");
    EXPECT_EQ(group3.fileCount, 3u);
    // Lookups compare exactly and count uses; the empty name is 0 and never stored.
    EXPECT_EQ(loaded.Add(3, kMaleFirst, "  Jean  Luc"), 1);
    EXPECT_EQ(loaded.Add(3, kMaleFirst, "jean luc"), 3);
    EXPECT_EQ(loaded.Add(3, kMaleFirst, ""), 0);
    EXPECT_EQ(group3.counts, (std::vector<std::uint32_t>{1, 2, 1, 1}));
}

TEST(NamePools, WeightsOfFileNamesAddUpTo16534AndZerosAreRaisedWhileShort) {
    CNamePools pools;
    pools.ResetWeightedGroups();
    pools.LoadNameFile(kSurname, "%2\nA\nB\nC\n");
    pools.Add(2, kSurname, "A");
    pools.Add(2, kSurname, "A");
    pools.Add(2, kSurname, "New");
    pools.Add(2, kSurname, "New");
    pools.FinaliseWeights();
    // Counts 3, 1, 1 of 5: floors 9920, 3306, 3306 (16532); the raising walk adds 1 to A and B.
    EXPECT_EQ(pools.Pool(2, kSurname).counts, (std::vector<std::uint32_t>{1, 9921, 3307, 3306, 1}));
    // Zero weights are raised only while the sum is short.
    CNamePools raised;
    raised.ResetWeightedGroups();
    std::string file;
    for (int i = 0; i < 20; ++i) {
        file += "N" + std::to_string(i) + "\n";
    }
    raised.LoadNameFile(kFemaleFirst, file);
    for (int i = 0; i < 100000; ++i) {
        raised.Add(0, kFemaleFirst, "N0");
    }
    raised.FinaliseWeights();
    // 100001 of 100020 uses: N0 floors to 16530, the 19 others to 0; the first four of those get
    // 1 and the sum is reached, so the rest stay 0.
    const auto& counts = raised.Pool(0, kFemaleFirst).counts;
    EXPECT_EQ(counts[1], 16530u);
    EXPECT_EQ(std::vector<std::uint32_t>(counts.begin() + 2, counts.begin() + 7),
              (std::vector<std::uint32_t>{1, 1, 1, 1, 0}));
    EXPECT_EQ(std::accumulate(counts.begin() + 1, counts.end(), 0u), CNamePools::kWeightTotal);
}

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
