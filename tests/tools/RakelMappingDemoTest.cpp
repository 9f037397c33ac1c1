// The mapping runs on the small demo with the demo's own lists: each report equals the one
// worked out from the rules for that world and those lists (tests/tools/data).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DemoDocumentTest.h"
#include "DemoInstallation.h"
#include "ReferenceCheck.h"
#include "TempDir.h"
#include "assets/GlobalTools.h"
#include "document/DatabaseDocument.h"
#include "exports/WorldDump.h"
#include "model/World.h"
#include "storage/TextTable.h"
#include "tools/RakelMapping.h"

namespace kw {
namespace {

const std::filesystem::path kExpected = KW_MAPPING_DATA;

class RakelMappingDemoTest : public test::DemoDocumentTest {
protected:
    RakelMappingDemoTest() : before(DumpWorldJson(document.World(), 0)) {
        tools.Init(test::SmallDemoInstallation());
        tables.LoadTextTables(test::SmallDemoInstallation() / "database", "ger");
    }

    SMappingOptions Options() const { return {true, folder / "report.txt"}; }

    // The report as written, byte for byte, against the expected file; the world stays sound,
    // and undoing the run gives the world as loaded.
    void ExpectReport(const SMappingOutcome& outcome, const char* expectedFile) {
        EXPECT_TRUE(outcome.Succeeded());
        EXPECT_TRUE(test::ReadFile(folder / "report.txt") ==
                    test::ReadFile(kExpected / expectedFile))
            << expectedFile;
        EXPECT_EQ(test::ReferenceFaults(document.World()), std::vector<std::string>());
        ASSERT_EQ(document.History().Count(), 1u);
        EXPECT_NE(DumpWorldJson(document.World(), 0), before) << "the run changed something";
        ASSERT_TRUE(document.Undo());
        EXPECT_EQ(DumpWorldJson(document.World(), 0), before);
    }

    test::TempDir folder;
    std::string before;
    CGlobalTools tools;
    CTextTables tables;
};

TEST_F(RakelMappingDemoTest, ClubReport) {
    ASSERT_TRUE(tools.ClubMapping().IsLoaded());
    ExpectReport(MapClubIds(document, tools.ClubMapping(), Options()), "demo_club_report.txt");
}

TEST_F(RakelMappingDemoTest, PlayerReport) {
    ASSERT_TRUE(tools.PlayerMapping().IsLoaded());
    ExpectReport(MapPlayerIds(document, tools.PlayerMapping(), Options()),
                 "demo_player_report.txt");
}

TEST_F(RakelMappingDemoTest, FaceReport) {
    ASSERT_TRUE(tables.Faces().WasRead());
    ExpectReport(MapFaceIds(document, tables.Faces(), tools.FaceMapping(), Options()),
                 "demo_face_report.txt");
}

TEST_F(RakelMappingDemoTest, Ps2FaceReport) {
    ASSERT_TRUE(tools.Ps2Faces().IsLoaded());
    ExpectReport(MapPs2FaceIds(document, tools.Ps2Faces(), Options()), "demo_ps2_face_report.txt");
}

}  // namespace
}  // namespace kw
