#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "demo/DemoGenerator.h"
#include "exports/master/MasterExport.h"
#include "exports/master/MasterFileReader.h"
#include "model/World.h"
#include "platform/FileFaults.h"
#include "platform/Random.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"

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

}  // namespace
}  // namespace kw
