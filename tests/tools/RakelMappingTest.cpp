#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "DemoDocumentTest.h"
#include "DemoInstallation.h"
#include "KLText.h"
#include "ReferenceCheck.h"
#include "TempDir.h"
#include "assets/GlobalTools.h"
#include "assets/RakelClubMapping.h"
#include "assets/RakelFaceMapping.h"
#include "assets/RakelPlayerMapping.h"
#include "assets/RakelPs2FaceTable.h"
#include "document/DatabaseDocument.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "storage/TextTable.h"
#include "tools/RakelMapping.h"
#include "tools/RakelMappingTexts.h"

namespace kw {
namespace {

// A small world in a document: clubs in the first and the last country, players and a trainer.
class RakelMappingTest : public ::testing::Test {
protected:
    RakelMappingTest() : document(MakeWorld(install.Path())) {}

    static std::unique_ptr<CWorld> MakeWorld(const std::filesystem::path& path) {
        auto world = std::make_unique<CWorld>(path);
        world->InitialiseCountries();
        return world;
    }

    CWorld& World() { return document.WorldForOperations(); }

    CClub& AddClub(int country, std::uint16_t index, const std::string& name,
                   std::int32_t externalNumber) {
        CClub& club = World().Country(country).AddClub(index);
        for (int language = 0; language < kLanguageCount; ++language) {
            club.SetName(language, name);
        }
        club.SetExternalNumber(externalNumber);
        return club;
    }

    CPlayer& AddPerson(CClub& club, int kind, const std::string& first, const std::string& surname,
                       const std::string& nickname = "") {
        CPlayer& person = World().CreatePerson(World().NextFreePersonId(), false);
        person.Reset(kind, club.Country());
        person.SetFirstName(first);
        person.SetSurname(surname);
        person.SetNickname(nickname);
        person.SetCurrentClub(club.Id());
        club.AddPerson(person);
        return person;
    }

    SMappingOptions Options(bool zeroUnmatched) const {
        return {zeroUnmatched, install / "report.txt"};
    }

    std::vector<std::string> Report() const {
        const std::string text = test::ReadFile(install / "report.txt");
        EXPECT_EQ(test::JoinLines(test::Lines(text)), text) << "every line ends with CR LF";
        return test::Lines(text);
    }

    void ExpectSound() {
        EXPECT_EQ(test::ReferenceFaults(document.World()), std::vector<std::string>());
    }

    test::TempDir install;
    CDatabaseDocument document;
};

TEST_F(RakelMappingTest, ClubsOfEveryCountryAreMappedByNameAndReported) {
    CClub& first = AddClub(1, 1, "Victoria Nordstadt", 5);
    CClub& last = AddClub(206, 1, "FC Inselhafen", 6);
    const std::uint32_t unknown = AddClub(206, 2, "Eintracht Nirgendwo", 7).Id();
    CClub& twin = AddClub(2, 1, "fc inselhafen", 8);
    CRakelClubMapping clubs;
    clubs.LoadFromText(
        "# id;name;second name\r\n"
        "101;VICTORIA NORDSTADT;Nordstadt\r\n"
        "102;FC Inselhafen;Inselhafen\r\n"
        "103;Zebras Sued;Sued\r\n"
        "104;Adler Ost;Ost\r\n"
        "bad;Kaputt;Line\r\n",
        "RakelClubs.txt");
    ASSERT_EQ(clubs.Clubs().size(), 4u);

    const SClubMappingResult result = MapClubIds(document, clubs, Options(false));

    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(first.ExternalNumber(), 101);
    EXPECT_EQ(last.ExternalNumber(), 102) << "country 206 is walked too";
    EXPECT_EQ(twin.ExternalNumber(), 102);
    EXPECT_EQ(World().Country(206).Club(unknown)->ExternalNumber(), 7)
        << "No keeps the number of an unmatched club";
    EXPECT_EQ(World().Country(1).NationalTeam().ExternalNumber(), 0);
    EXPECT_EQ(Report(), (std::vector<std::string>{
                            "Club mapping statistics",
                            "Success: 3, Failure: 1",
                            "Unmapped: 2, Too much mapped: 1",
                            "Unmapped:",
                            "Adler Ost (Ost) - RakelID: 104",
                            "Zebras Sued (Sued) - RakelID: 103",
                            "Overmapped:",
                            "FC Inselhafen (Inselhafen) (2 Times)- RakelID: 102",
                        }));
    EXPECT_EQ(result.reportLines, Report());
    ExpectSound();

    ASSERT_EQ(document.History().Count(), 1u);
    EXPECT_EQ(document.UndoDescription(), std::string(kMapClubIdsCommand));
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(document.World().Country(1).Clubs().at(first.Id())->ExternalNumber(), 5);
    ExpectSound();

    // Yes gives an unmatched club 0; a report that cannot be written is a failure, but the
    // mapping stands.
    const SClubMappingResult unreported =
        MapClubIds(document, clubs, {true, install / "missing folder" / "report.txt"});
    EXPECT_TRUE(unreported.mapped);
    EXPECT_FALSE(unreported.reportWritten);
    EXPECT_FALSE(unreported.Succeeded());
    EXPECT_EQ(World().Country(206).Club(unknown)->ExternalNumber(), 0);
    EXPECT_EQ(World().Country(1).Club(MakeClubId(1, 1))->ExternalNumber(), 101);
    EXPECT_EQ(document.History().Count(), 1u);
    ExpectSound();
}

TEST_F(RakelMappingTest, PlayersMatchByNormalisedNameThenNicknameThenStageName) {
    CClub& club = AddClub(206, 1, "FC Inselhafen", 0);
    CPlayer& spaced = AddPerson(club, 0, "Jan  Peter", "Muster");
    CPlayer& nick = AddPerson(club, 0, "Carlos", "Unbekannt", "Carlito");
    CPlayer& stage = AddPerson(club, 0, "Rui", "Fremd");
    stage.SetStageName("Ruizinho");
    CPlayer& lost = AddPerson(club, 0, "Otto", "Niemand", "Otti");
    lost.SetSecondExternalNumber(77);
    CPlayer& trainer = AddPerson(club, 1, "Jan Peter", "Muster");
    CRakelPlayerMapping players;
    players.LoadFromText(
        "11;Jan Peter;MUSTER;\n"
        "12;Carl;Anders;Carlito\n"
        "13;Rui;Fremdo;ruizinho\n"
        "14;Rui;Fremdo;Ruizinho\n"
        "15;jan peter;Muster;JP\n",
        "RakelPlayers.txt");

    SPlayerMappingResult result = MapPlayerIds(document, players, Options(false));

    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(spaced.SecondExternalNumber(), 11) << "first of two equal names";
    EXPECT_EQ(nick.SecondExternalNumber(), 12);
    EXPECT_EQ(stage.SecondExternalNumber(), 13);
    EXPECT_EQ(lost.SecondExternalNumber(), 77) << "No keeps the old identifier";
    EXPECT_EQ(trainer.SecondExternalNumber(), 0) << "staff are no players";
    EXPECT_EQ(Report(), (std::vector<std::string>{
                            "Rakel ID Report - Set complete world from file RakelPlayers.txt",
                            "Number of Rakel Players: 5",
                            "Stat:",
                            "Success: 3",
                            "Failed: 1",
                            "Unnormalized players: 1",
                            "Same names: 2, Same nicks: 1",
                            "Failures:",
                            "   Niemand, Otto [nick: Otti]",
                            "Unnormalized Players in the KW-Database",
                            "   Muster, Jan  Peter [nick: ]",
                            "Double names:",
                            "   Jan Peter MUSTER",
                            "   Rui Fremdo",
                            "Double nicks:",
                            "   ruizinho",
                        }));
    ExpectSound();

    result = MapPlayerIds(document, players, Options(true));
    EXPECT_EQ(lost.SecondExternalNumber(), 0) << "Yes gives an unmatched player 0";
    EXPECT_EQ(document.History().Count(), 2u);
    ExpectSound();
}

// A list that is empty, unloaded or missing (a face table filled in for a missing file) maps
// nothing: no change, no history, no report. Then the face table as "faceIDs.txt" gives it (count
// line, then text and number per entry) maps the players listed with a face.
TEST_F(RakelMappingTest, FacesFollowTheListAndEmptyOrMissingListsChangeNothing) {
    CBaseTextFile faces({6000, true, true, false, 789, 0});
    faces.LoadFromMemory("4\nFace A\n10\nFace B\n11\nFace C\n12\nFace D\n13\n");
    CClub& club = AddClub(206, 1, "FC Inselhafen", 5);
    CPlayer& anna = AddPerson(club, 0, "Anton", "Alt");
    anna.SetSecondExternalNumber(4);
    CPlayer& bert = AddPerson(club, 0, "Bert", "Berg");
    CPlayer& carl = AddPerson(club, 0, "Carl", "Carstens");
    CPlayer& dirk = AddPerson(club, 0, "Dirk", "Dorn");
    dirk.SetSpecialFace(12);
    CPlayer& emil = AddPerson(club, 0, "Emil", "Eck");
    emil.SetSpecialFace(13);
    CRakelFaceMapping list;
    list.LoadFromText("10;Anton;Alt\n11;bert;berg\n11;Carl;Carstens\n99;Emil;Eck\n",
                      "RakelFaces.txt");

    CRakelClubMapping unloaded;
    CRakelClubMapping empty;
    empty.LoadFromText("# nothing but a comment\n\n", "RakelClubs.txt");
    CRakelClubMapping missing;
    EXPECT_FALSE(missing.Load(install / "no such file.txt"));
    for (const CRakelClubMapping* clubs : {&unloaded, &empty, &missing}) {
        const SClubMappingResult result = MapClubIds(document, *clubs, Options(true));
        EXPECT_FALSE(result.mapped);
        EXPECT_FALSE(result.Succeeded());
    }
    CRakelPlayerMapping players;
    players.LoadFromText("", "RakelPlayers.txt");
    EXPECT_FALSE(MapPlayerIds(document, players, Options(true)).mapped);
    CBaseTextFile missingFaces({6000, true, true, false, 789, 0});
    missingFaces.Load(install / "faceIDs.txt");
    ASSERT_GT(missingFaces.GetCount(), 1) << "the missing file's dummy entries";
    EXPECT_FALSE(MapFaceIds(document, missingFaces, list, Options(true)).mapped);
    EXPECT_FALSE(MapFaceIds(document, faces, CRakelFaceMapping(), Options(true)).mapped);
    EXPECT_FALSE(MapPs2FaceIds(document, CRakelPs2FaceTable(), Options(true)).mapped);
    EXPECT_EQ(club.ExternalNumber(), 5);
    EXPECT_EQ(std::tuple(anna.SpecialFace(), dirk.SpecialFace()), std::tuple(0, 12));
    EXPECT_EQ(anna.SecondExternalNumber(), 4);
    EXPECT_EQ(document.History().Count(), 0u);
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(std::filesystem::exists(install / "report.txt"));

    const SFaceMappingResult result = MapFaceIds(document, faces, list, Options(false));

    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(anna.SpecialFace(), 10);
    EXPECT_EQ(bert.SpecialFace(), 11);
    EXPECT_EQ(carl.SpecialFace(), 11);
    EXPECT_EQ(dirk.SpecialFace(), 12) << "No keeps an unlisted player's face";
    EXPECT_EQ(emil.SpecialFace(), 13) << "a face the table lacks is no match";
    // The report's form is pinned by the demo's face report.
    EXPECT_EQ(result.reportLines, Report());
    ExpectSound();

    MapFaceIds(document, faces, list, Options(true));
    EXPECT_EQ(dirk.SpecialFace(), 0);
    EXPECT_EQ(emil.SpecialFace(), 0);

    // Console faces replace the faces they stand for.
    anna.SetSpecialFace(1001);
    bert.SetSpecialFace(1002);
    CRakelPs2FaceTable table;
    table.LoadFromText("7;1001;Konsole hell\n8;1003;Konsole dunkel\n9;0;keines\n",
                       "RakelPS2Faces.txt");
    ASSERT_EQ(table.Entries().size(), 2u) << "face 0 stands for none";

    MapPs2FaceIds(document, table, Options(true));

    EXPECT_EQ(anna.SpecialFace(), 7);
    EXPECT_EQ(bert.SpecialFace(), 0);
    EXPECT_EQ(dirk.SpecialFace(), 0);
    EXPECT_EQ(Report().at(6), "Konsole dunkel");
    ExpectSound();
}

// The mapping runs on the small demo with the demo's own lists: each report equals the one
// worked out from the rules for that world and those lists (tests/tools/data).
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

// Each run is undone before the next; a list that failed to load would give another report.
TEST_F(RakelMappingDemoTest, ClubPlayerFaceAndConsoleFaceReports) {
    ExpectReport(MapClubIds(document, tools.ClubMapping(), Options()), "demo_club_report.txt");
    ExpectReport(MapPlayerIds(document, tools.PlayerMapping(), Options()),
                 "demo_player_report.txt");
    ExpectReport(MapFaceIds(document, tables.Faces(), tools.FaceMapping(), Options()),
                 "demo_face_report.txt");
    ExpectReport(MapPs2FaceIds(document, tools.Ps2Faces(), Options()), "demo_ps2_face_report.txt");
}

}  // namespace
}  // namespace kw
