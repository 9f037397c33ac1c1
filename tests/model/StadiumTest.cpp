#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "TempDir.h"
#include "model/Stadium.h"
#include "model/StadiumList.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

constexpr std::uint32_t kOldVersion = MakeRecordVersion(8195, 0xFFFF);

class Stadium : public ::testing::Test {
protected:
    static std::string Write(std::initializer_list<CStadium> stadiums) {
        const TempDir folder;
        CKLFile file;
        EXPECT_TRUE(file.OpenForWrite(folder / "stadiums.sav"));
        for (const CStadium& stadium : stadiums) {
            EXPECT_TRUE(stadium.Write(file));
        }
        EXPECT_TRUE(file.Close());
        return ReadFile(folder / "stadiums.sav");
    }

    // Every field different, so that a swapped or shifted value shows.
    static CStadium Filled() {
        CStadium stadium;
        stadium.SetType(2);
        stadium.SetName("Wiesenstadion");
        stadium.SetCity("Nebelhafen");
        stadium.SetFlags(3);
        for (int stand = 0; stand < kStandCount; ++stand) {
            stadium.SetSeats(stand, 1000 + stand);
            stadium.SetStandingPlaces(stand, 2000 + stand);
            stadium.SetVipPlaces(stand, 30 + stand);
        }
        stadium.SetSeasonTicketBlocks(0x05);
        stadium.SetAwayBlock(0x80);
        return stadium;
    }

    // type, name, city, then the fourth line and the places given, then the two masks.
    static std::string Section(const std::string& fourth, int places, const char* masks) {
        std::string text = "%INDEX%STADIUM\n5\nAlte M\374hle\nNordhafen\n" + fourth + "\n";
        for (int i = 0; i < places; ++i) {
            text += std::to_string(100 + i) + "\n";
        }
        return text + masks + "%INDEXEND%STADIUM\n";
    }
};

TEST_F(Stadium, SectionRoundTripsFieldByFieldAndByteForByte) {
    const CStadium filled = Filled();
    const CStadium small = CStadium::Template(0);
    const std::string written = Write({filled, small});
    // type, name, city, flag byte, stand 0's three numbers first; the away block of stand 7 is
    // the signed byte -128.
    EXPECT_EQ(
        written.rfind("%INDEX%STADIUM\r\n2\r\nWiesenstadion\r\nNebelhafen\r\n3\r\n1000\r\n2000\r\n"
                      "30\r\n1001\r\n",
                      0),
        0u);
    EXPECT_NE(written.find("\r\n5\r\n-128\r\n%INDEXEND%STADIUM\r\n"), std::string::npos);

    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(written));
    CStadium first;
    CStadium second;
    ASSERT_TRUE(first.Read(file));
    ASSERT_TRUE(second.Read(file));
    EXPECT_EQ(first, filled);
    EXPECT_EQ(second, small);
    EXPECT_TRUE(first.IsAwayBlock(7));
    EXPECT_EQ(Write({first, second}), written);
}

TEST_F(Stadium, OldRecordSkipsTheTextLineInPlaceOfTheFlagByte) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(Section("irgendein Text", 24, "3\n4\n")));
    file.SetRecordVersion(kOldVersion);
    CStadium stadium;
    stadium.SetFlags(9);
    ASSERT_TRUE(stadium.Read(file));
    EXPECT_EQ(stadium.Flags(), 0);
    EXPECT_EQ(stadium.Name().View(), "Alte M\374hle");
    EXPECT_EQ(stadium.City().View(), "Nordhafen");
    EXPECT_EQ(stadium.Seats(0), 100);
    EXPECT_EQ(stadium.VipPlaces(7), 123);
    EXPECT_EQ(stadium.SeasonTicketBlocks(), 3);
    EXPECT_EQ(stadium.AwayBlock(), 4);
    // Type 5 is not a type of today: it becomes the nearest one.
    EXPECT_EQ(stadium.Type(), 2);
}

TEST_F(Stadium, OldTypeCodesAreConverted) {
    const std::pair<int, int> types[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {127, 2}, {-1, 0}};
    for (const auto& [old, converted] : types) {
        EXPECT_EQ(ConvertOldStadiumType(old), converted) << old;
    }
    // A record of today keeps its type and reads the fourth line as the flag byte.
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(Section("7", 24, "0\n1\n")));
    CStadium current;
    current.Read(file);
    EXPECT_EQ(current.Type(), 5);
    EXPECT_EQ(current.Flags(), 7);
    EXPECT_EQ(current.Seats(0), 100);
}

TEST_F(Stadium, RecordCutShortReadsZerosKeepsTextsAndLeavesTheNextIntact) {
    const std::string text = "%INDEX%STADIUM\n1\nArena\n%INDEXEND%STADIUM\n" + Write({Filled()});
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(text));
    CStadium cut = Filled();
    cut.SetCity("Altstadt");
    ASSERT_TRUE(cut.Read(file));
    EXPECT_EQ(cut.Type(), 1);
    EXPECT_EQ(cut.Name().View(), "Arena");
    EXPECT_EQ(cut.City().View(), "Altstadt");
    EXPECT_EQ(cut.Flags(), 0);
    EXPECT_EQ(cut.TotalCapacity(), 0);
    EXPECT_EQ(cut.SeasonTicketBlocks(), 0);
    EXPECT_EQ(cut.AwayBlock(), 0);

    CStadium next;
    ASSERT_TRUE(next.Read(file));
    EXPECT_EQ(next, Filled());
}

TEST_F(Stadium, NegativePlacesReadAndSetAsZero) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory("%INDEX%STADIUM\n0\nA\nB\n0\n-5\n7\n" +
                                           std::string("%INDEXEND%STADIUM\n")));
    CStadium stadium;
    stadium.Read(file);
    EXPECT_EQ(stadium.Seats(0), 0);
    EXPECT_EQ(stadium.StandingPlaces(0), 7);
    stadium.SetVipPlaces(3, -1);
    EXPECT_EQ(stadium.VipPlaces(3), 0);
    EXPECT_EQ(stadium.TotalCapacity(), 7);
}

TEST_F(Stadium, TotalCapacityIsTheSumOfAllPlaces) {
    EXPECT_EQ(CStadium().TotalCapacity(), 0);
    EXPECT_EQ(Filled().TotalCapacity(), 8 * 3030 + 3 * 28);
    EXPECT_EQ(CStadium::Template(0).TotalCapacity(), 4 * 1000 + 8 * 500);
    EXPECT_EQ(CStadium::Template(1).TotalCapacity(), 2 * 9650 + 2 * 5760 + 4 * 2880);
    CStadium huge;
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    for (int stand = 0; stand < kStandCount; ++stand) {
        huge.SetSeats(stand, kMax);
        huge.SetStandingPlaces(stand, kMax);
        huge.SetVipPlaces(stand, kMax);
    }
    EXPECT_EQ(huge.TotalCapacity(), std::int64_t{24} * kMax);
}

TEST_F(Stadium, TemplatesAreTheTwoBuiltInStadiums) {
    const CStadium small = CStadium::Template(0);
    const CStadium large = CStadium::Template(1);
    for (const CStadium* stadium : {&small, &large}) {
        EXPECT_EQ(stadium->Name().View(), "Stadion");
        EXPECT_TRUE(stadium->City().Empty());
        EXPECT_EQ(stadium->Type(), 1);
        EXPECT_EQ(stadium->Flags(), 1);
        EXPECT_EQ(stadium->SeasonTicketBlocks(), 0x07);
        EXPECT_EQ(stadium->AwayBlock(), 0x40);
        for (int stand = 0; stand < kStandCount; ++stand) {
            EXPECT_EQ(stadium->IsSeasonTicketBlock(stand), stand <= 2);
            EXPECT_EQ(stadium->IsAwayBlock(stand), stand == 6);
            EXPECT_EQ(stadium->VipPlaces(stand), 0);
        }
    }
    EXPECT_EQ(small.Seats(3), 1000);
    EXPECT_EQ(small.Seats(4), 0);
    EXPECT_EQ(small.StandingPlaces(7), 500);
    EXPECT_EQ(large.Seats(0), 9650);
    EXPECT_EQ(large.Seats(2), 5760);
    EXPECT_EQ(large.Seats(7), 2880);
    EXPECT_EQ(large.StandingPlaces(0), 0);
}

TEST_F(Stadium, StandsAndTheirBlocks) {
    EXPECT_EQ(StandName(0), "Haupttrib\374ne");
    EXPECT_EQ(StandName(3), "S\374dtrib\374ne");
    EXPECT_EQ(StandName(7), "S-E Kurve");
    EXPECT_EQ(StandName(8), "");
    EXPECT_EQ(StandName(-1), "");

    CStadium stadium;
    stadium.SetSeasonTicketBlock(5, true);
    stadium.SetSeasonTicketBlock(0, true);
    stadium.SetSeasonTicketBlock(5, false);
    EXPECT_EQ(stadium.SeasonTicketBlocks(), 0x01);
    stadium.SetAwayBlock(7, true);
    EXPECT_EQ(stadium.AwayBlock(), 0x80);
    EXPECT_THROW(stadium.SetAwayBlock(8, true), std::out_of_range);
    EXPECT_THROW((void)stadium.IsSeasonTicketBlock(-1), std::out_of_range);
    EXPECT_THROW(stadium.SetSeats(8, 1), std::out_of_range);
    stadium.SetName(std::string(40, 'N'));
    EXPECT_EQ(stadium.Name().View().size(), 29u);
}

class StadiumList : public ::testing::Test {
protected:
    TempDir database;
    CStadiumList list;
};

TEST_F(StadiumList, ReadsCountThenNameFlagAndNumberInAnyLetterCase) {
    WriteFile(database / "GER" / "stadiumlist.TXT",
              "3\r\nNebel Arena\r\n1\r\n12\r\n; ein Kommentar\r\nS\374dstadion\r\n0\r\n"
              "300\r\nHafenstadion\r\n-2\r\n0\r\n");
    ASSERT_TRUE(list.Load(database.Path(), "ger"));
    ASSERT_EQ(list.Entries().size(), 3u);
    EXPECT_EQ(list.Entries()[0], (CStadiumList::SEntry{"Nebel Arena", true, 12}));
    EXPECT_EQ(list.Entries()[1], (CStadiumList::SEntry{"S\374dstadion", false, 44}));
    EXPECT_EQ(list.Entries()[2], (CStadiumList::SEntry{"Hafenstadion", true, 0}));
    EXPECT_EQ(list.Templates()[0], CStadium::Template(0));
    EXPECT_EQ(list.Templates()[1], CStadium::Template(1));
}

// The default folder is the interface language's; a missing file leaves the list empty with
// the templates.
TEST_F(StadiumList, DefaultFolderIsTheInterfaceLanguagesAndAMissingFileEmptiesTheList) {
    WriteFile(database / "ger" / "StadiumList.txt", "1\nArena\n1\n2\n");
    ASSERT_TRUE(list.Load(database.Path()));
    ASSERT_EQ(list.Entries().size(), 1u);
    EXPECT_EQ(list.Entries()[0].name, "Arena");
    EXPECT_FALSE(list.Load(database.Path(), "eng"));
    EXPECT_TRUE(list.Entries().empty());
    EXPECT_EQ(list.Templates()[1], CStadium::Template(1));
    EXPECT_EQ(CStadiumList().Templates()[0], CStadium::Template(0));
}

TEST_F(StadiumList, CountBeyondTheEntriesTakesThoseThatExist) {
    WriteFile(database / "ger" / "StadiumList.txt", "2000000000\nArena\n1\n");
    ASSERT_TRUE(list.Load(database.Path(), "ger"));
    ASSERT_EQ(list.Entries().size(), 1u);
    // The last entry's missing number reads as 0.
    EXPECT_EQ(list.Entries()[0], (CStadiumList::SEntry{"Arena", true, 0}));

    WriteFile(database / "ger" / "StadiumList.txt", "-4\nArena\n1\n2\n");
    ASSERT_TRUE(list.Load(database.Path(), "ger"));
    EXPECT_TRUE(list.Entries().empty());
}

}  // namespace
}  // namespace kw
