#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "DemoDocumentTest.h"
#include "editing/CountryPoolCommands.h"
#include "editing/CountryStaffCommands.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

// The youth pool and the other coaches of the small demo's default country as the country
// window's pages list and change them.
class CountryPersonListsTest : public test::DemoDocumentTest {
protected:
    const CCountry& Country() const { return World().Country(kCountry); }

    static CPoolEntry Entry(const char* firstName, const char* surname) {
        CPoolEntry entry = BlankPoolEntry(kCountry);
        entry.SetFirstName(firstName);
        entry.SetSurname(surname);
        return entry;
    }
    static CStaffEntry Staff(const char* surname, std::uint8_t job) {
        CStaffEntry entry;
        entry.SetFirstName("Uwe");
        entry.SetSurname(surname);
        entry.SetJob(job);
        return entry;
    }
    std::vector<std::size_t> ListedSlots() const {
        std::vector<std::size_t> slots;
        for (const SPoolRow& row : PoolRows(World(), kCountry, kDefaultLanguage)) {
            slots.push_back(row.slot);
        }
        return slots;
    }

    static constexpr int kCountry = kDefaultCountry;
};

TEST_F(CountryPersonListsTest, PoolRowsListTheUsedSlotsInSlotOrderWithTheirFiveColumns) {
    ASSERT_GE(Country().UsedPoolEntries(), 2);
    std::vector<std::size_t> used;
    for (std::size_t slot = 0; slot < Country().PlayerPool().size(); ++slot) {
        if (!Country().PlayerPool()[slot].Surname().Empty()) {
            used.push_back(slot);
        }
    }
    EXPECT_EQ(ListedSlots(), used);

    CPoolEntry entry = Entry("Anna", "Berg");
    entry.SetSpecialAbility(1);
    entry.SetTeamPart(4);
    entry.SetPreferredClub(CPoolEntry::kCreateAClub);
    ASSERT_FALSE(Country().Name(kDefaultLanguage).empty());
    EXPECT_EQ(PoolRowText(World(), entry, kDefaultLanguage),
              "Berg,A.\t" + Country().Name(kDefaultLanguage) +
                  "\tKopfball\tSt\374rmer\tCreate A Club Verein");
    entry.SetFirstName("");
    entry.SetNationality(0);
    entry.SetPreferredClub(0);
    EXPECT_EQ(PoolRowText(World(), entry, kDefaultLanguage), "Berg\t\tKopfball\tSt\374rmer\t");

    EXPECT_TRUE(PoolRows(World(), 0, kDefaultLanguage).empty());
    EXPECT_TRUE(PoolRows(World(), kCountryCount + 1, kDefaultLanguage).empty());
}

TEST_F(CountryPersonListsTest, NewPoolEntryTakesTheFirstUnusedSlotOrANewOneAsOneEdit) {
    const std::vector<std::size_t> before = ListedSlots();
    ASSERT_GE(before.size(), 2u);

    // A blank slot in the middle is taken first.
    ASSERT_TRUE(RemovePoolEntry(document, kCountry, before[1]));
    const auto reused = AddPoolEntry(document, kCountry, Entry("Anna", "Berg"));
    ASSERT_TRUE(reused.has_value());
    EXPECT_EQ(*reused, before[1]);
    EXPECT_EQ(ListedSlots(), before);
    EXPECT_EQ(Country().PlayerPool()[*reused].Surname().View(), "Berg");

    // With every slot used the pool grows by one.
    document.WorldForOperations().Country(kCountry).ResizePlayerPool(before.size());
    for (std::size_t slot = 0; slot < Country().PlayerPool().size(); ++slot) {
        ASSERT_TRUE(Country().PlayerPool()[slot].IsUsed());
    }
    const std::size_t size = Country().PlayerPool().size();
    const std::size_t edits = Edits();
    const auto appended = AddPoolEntry(document, kCountry, Entry("Bert", "Cramer"));
    ASSERT_TRUE(appended.has_value());
    EXPECT_EQ(*appended, size);
    EXPECT_EQ(Country().PlayerPool().size(), size + 1);
    EXPECT_EQ(Edits(), edits + 1);
    EXPECT_EQ(Country().PlayerPool()[size].Nationality(), kCountry);

    // An entry without surname would vanish from the list and the file: refused.
    EXPECT_FALSE(AddPoolEntry(document, kCountry, Entry("Carl", "")).has_value());
    EXPECT_FALSE(AddPoolEntry(document, 0, Entry("Carl", "Dorn")).has_value());
    EXPECT_EQ(Edits(), edits + 1);

    document.Undo();
    EXPECT_EQ(Country().PlayerPool().size(), size);
}

TEST_F(CountryPersonListsTest, ChangingOrDeletingAPoolEntryRecordsOnlyARealChangeOfAUsedSlot) {
    const std::string original = Dump();
    const std::size_t slot = ListedSlots().front();
    CPoolEntry entry = Country().PlayerPool()[slot];
    EXPECT_FALSE(ReplacePoolEntry(document, kCountry, slot, entry));

    entry.SetFirstName("Friedrich-Wilhelm");     // 17 letters into 15
    entry.SetSurname("Schwarzenberg-Lindenau");  // 22 letters into 19
    ASSERT_TRUE(ReplacePoolEntry(document, kCountry, slot, entry));
    EXPECT_EQ(Country().PlayerPool()[slot].FirstName().View(), "Friedrich-Wilhe");
    EXPECT_EQ(Country().PlayerPool()[slot].Surname().View(), "Schwarzenberg-Linde");
    EXPECT_EQ(Edits(), 1u);

    CPoolEntry nameless = entry;
    nameless.SetSurname("");
    EXPECT_FALSE(ReplacePoolEntry(document, kCountry, slot, nameless));
    const auto unused = std::find_if(Country().PlayerPool().begin(), Country().PlayerPool().end(),
                                     [](const CPoolEntry& e) { return !e.IsUsed(); });
    if (unused != Country().PlayerPool().end()) {
        EXPECT_FALSE(ReplacePoolEntry(
            document, kCountry, static_cast<std::size_t>(unused - Country().PlayerPool().begin()),
            Entry("Anna", "Berg")));
    }
    EXPECT_FALSE(
        ReplacePoolEntry(document, kCountry, Country().PlayerPool().size(), Entry("Anna", "Berg")));
    EXPECT_EQ(Edits(), 1u);

    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), original);

    // Deleting blanks the slot and keeps the others.
    const std::vector<std::size_t> before = ListedSlots();
    ASSERT_GE(before.size(), 3u);
    const CPoolEntry last = Country().PlayerPool()[before.back()];

    ASSERT_TRUE(RemovePoolEntry(document, kCountry, before[1]));
    EXPECT_EQ(Country().PlayerPool()[before[1]], BlankPoolEntry(kCountry));
    EXPECT_EQ(Country().PlayerPool()[before.back()], last);
    std::vector<std::size_t> expected = before;
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(ListedSlots(), expected);

    // A blank slot has nothing left to delete.
    EXPECT_FALSE(RemovePoolEntry(document, kCountry, before[1]));
    EXPECT_EQ(Edits(), 1u);  // the undone change is gone
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), original);
}

TEST_F(CountryPersonListsTest, StaffRowsListTheFurtherManagersThenTheStaffPool) {
    const std::vector<SCountryStaffRow> rows = CountryStaffRows(World(), kCountry);
    const std::size_t managers = Country().ManagerIds().size();
    ASSERT_GE(managers, 1u);
    ASSERT_GE(Country().Staff().size(), 1u);
    ASSERT_EQ(rows.size(), managers + Country().Staff().size());
    for (std::size_t row = 0; row < managers; ++row) {
        const std::uint32_t id = Country().ManagerIds()[row];
        EXPECT_EQ(rows[row].ref, (SCountryStaffRef{ECountryStaffRecord::kManager, id}));
        EXPECT_EQ(rows[row].text, World().Manager(id)->ShortName() + "\tTrainer");
    }
    EXPECT_TRUE(std::is_sorted(Country().ManagerIds().begin(), Country().ManagerIds().end()));
    for (std::size_t index = 0; index < Country().Staff().size(); ++index) {
        EXPECT_EQ(rows[managers + index].ref,
                  (SCountryStaffRef{ECountryStaffRecord::kStaffEntry,
                                    static_cast<std::uint32_t>(index)}));
    }

    CWorld& live = document.WorldForOperations();
    live.Country(kCountry).Staff().front() = Staff("Otto", 9);
    EXPECT_EQ(CountryStaffRows(World(), kCountry)[managers].text,
              "Otto, U.\tSpezialist (K\366chel)");
    EXPECT_EQ(StaffJobName(0), "keine");
    EXPECT_EQ(StaffJobName(16), "Fanbeauftragter");
    EXPECT_TRUE(StaffJobName(17).empty());
    EXPECT_TRUE(StaffJobName(-1).empty());
}

TEST_F(CountryPersonListsTest, ANewCoachSpeaksTheCountrysLanguagesAndJoinsAsOneEdit) {
    CWorld& live = document.WorldForOperations();
    live.Country(kCountry).Settings().languages = {19, 14, 17, 0};
    CManager blank = BlankCountryManager(World(), kCountry);
    EXPECT_EQ(blank.Nationality(), kCountry);
    EXPECT_EQ(blank.Languages(), (std::array<std::uint8_t, 4>{19, 14, 0, 0}));
    live.Country(kCountry).Settings().languages = {19, 19, 0, 0};
    EXPECT_EQ(BlankCountryManager(World(), kCountry).Languages(),
              (std::array<std::uint8_t, 4>{19, 0, 0, 0}));
    const std::string prepared = Dump();

    EXPECT_FALSE(AddCountryManager(document, kCountry, blank).has_value());
    blank.SetSurname("Kuhn");
    const auto added = AddCountryManager(document, kCountry, blank);
    ASSERT_TRUE(added.has_value());
    EXPECT_EQ(added->record, ECountryStaffRecord::kManager);
    ASSERT_NE(World().Manager(added->key), nullptr);
    EXPECT_EQ(World().Manager(added->key)->Surname().View(), "Kuhn");
    const std::vector<SCountryStaffRow> rows = CountryStaffRows(World(), kCountry);
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                            [&added](const SCountryStaffRow& row) { return row.ref == *added; }));
    EXPECT_EQ(Edits(), 1u);

    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(World().Manager(added->key), nullptr);
    EXPECT_EQ(Dump(), prepared);
}

TEST_F(CountryPersonListsTest, StaffEntriesAreAppendedChangedAndDeletedWithTheOthersMovingUp) {
    const std::string original = Dump();
    const std::size_t count = Country().Staff().size();
    ASSERT_GE(count, 2u);

    EXPECT_FALSE(AddCountryStaffEntry(document, kCountry, Staff("", 3)).has_value());
    const auto added = AddCountryStaffEntry(document, kCountry, Staff("Vogt", 3));
    ASSERT_TRUE(added.has_value());
    EXPECT_EQ(added->key, count);
    EXPECT_EQ(Country().Staff().back(), Staff("Vogt", 3));

    EXPECT_FALSE(ReplaceCountryStaffEntry(document, kCountry, count, Staff("Vogt", 3)));
    EXPECT_FALSE(ReplaceCountryStaffEntry(document, kCountry, count, Staff("", 3)));
    EXPECT_FALSE(ReplaceCountryStaffEntry(document, kCountry, count + 1, Staff("Wolf", 3)));
    ASSERT_TRUE(ReplaceCountryStaffEntry(document, kCountry, count, Staff("Wolf", 4)));
    EXPECT_EQ(Country().Staff().back(), Staff("Wolf", 4));

    const CStaffEntry second = Country().Staff()[1];
    ASSERT_TRUE(DeleteCountryStaff(document, kCountry, {ECountryStaffRecord::kStaffEntry, 0}));
    EXPECT_EQ(Country().Staff().size(), count);
    EXPECT_EQ(Country().Staff().front(), second);
    EXPECT_FALSE(DeleteCountryStaff(
        document, kCountry, {ECountryStaffRecord::kStaffEntry, static_cast<std::uint32_t>(count)}));
    EXPECT_EQ(Edits(), 3u);

    while (document.Undo()) {
    }
    EXPECT_EQ(Dump(), original);
}

TEST_F(CountryPersonListsTest, ACoachIsChangedAndDeletedOnlyWhileTheCountryHoldsHim) {
    const std::string original = Dump();
    const std::uint32_t id = Country().ManagerIds().front();
    CManager coach = *World().Manager(id);
    EXPECT_FALSE(ReplaceCountryManager(document, kCountry, id, coach));
    coach.SetNickname("Der Tiger");
    ASSERT_TRUE(ReplaceCountryManager(document, kCountry, id, coach));
    EXPECT_EQ(World().Manager(id)->Nickname().View(), "Der Tiger");

    // A manager of another country is not this page's to change or delete.
    int other = 0;
    for (int number = 1; number <= kCountryCount && other == 0; ++number) {
        if (number != kCountry && !World().Country(number).ManagerIds().empty()) {
            other = number;
        }
    }
    ASSERT_NE(other, 0);
    const std::uint32_t foreign = World().Country(other).ManagerIds().front();
    EXPECT_FALSE(ReplaceCountryManager(document, kCountry, foreign, coach));
    EXPECT_FALSE(DeleteCountryStaff(document, kCountry, {ECountryStaffRecord::kManager, foreign}));

    ASSERT_TRUE(DeleteCountryStaff(document, kCountry, {ECountryStaffRecord::kManager, id}));
    EXPECT_EQ(World().Manager(id), nullptr);
    const auto& ids = Country().ManagerIds();
    EXPECT_EQ(std::find(ids.begin(), ids.end(), id), ids.end());
    EXPECT_FALSE(ReplaceCountryManager(document, kCountry, id, coach));
    EXPECT_EQ(Edits(), 2u);

    while (document.Undo()) {
    }
    EXPECT_EQ(Dump(), original);
    ASSERT_NE(World().Manager(id), nullptr);
}

}  // namespace
}  // namespace kw
