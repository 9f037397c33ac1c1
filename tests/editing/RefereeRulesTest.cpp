#include <gtest/gtest.h>

#include <string>

#include "editing/RefereeRules.h"
#include "model/Referee.h"

namespace kw {
namespace {

TEST(RefereeRules, SevenTraitsInTheRecordsOrder) {
    EXPECT_EQ(RefereeTraitName(0), "Weltklasse-Schiedsrichter");
    EXPECT_EQ(RefereeTraitName(2), "l\344sst das Spiel laufen");
    EXPECT_EQ(RefereeTraitName(3), "mag Zurufe durch Trainer nicht");
    EXPECT_EQ(RefereeTraitName(5), "ist ein Feigling");
    EXPECT_EQ(RefereeTraitName(CReferee::kNoCharacter), "keine");
    for (int trait = 0; trait < kRefereeTraitCount; ++trait) {
        EXPECT_FALSE(RefereeTraitName(trait).empty()) << trait;
    }
    EXPECT_TRUE(RefereeTraitName(-1).empty());
    EXPECT_TRUE(RefereeTraitName(7).empty());
}

TEST(RefereeRules, TypedNamesAreCutToTheRecordsSizesAndShownValuesStoreItBack) {
    SRefereeValues values;
    values.firstName = "Bartholomaeus-Maxim";  // 19 characters as typed
    values.surname = "Oberschiedsrichter-X";   // 20 characters
    values.trait = 4;
    const CReferee typed = RefereeWithValues(values);
    EXPECT_EQ(typed.FirstName().View(), "Bartholomaeus-M");
    EXPECT_EQ(typed.Surname().View(), "Oberschiedsrichter-");
    EXPECT_EQ(typed.Character(), 4);

    // Shown values store the record back, also a trait as a file may hold it.
    CReferee referee;
    referee.SetNames("J\366rg", "M\374ller");
    referee.SetCharacter(-2);
    const SRefereeValues shown = RefereeValuesOf(referee);
    EXPECT_EQ(shown.firstName, "J\366rg");
    EXPECT_EQ(shown.surname, "M\374ller");
    EXPECT_EQ(shown.trait, -2);
    EXPECT_EQ(RefereeWithValues(shown), referee);
}

TEST(RefereeRules, AListRowIsTheShortNameAndTheTrait) {
    CReferee referee;
    referee.SetNames("Anton", "Berger");
    referee.SetCharacter(1);
    EXPECT_EQ(RefereeListRow(referee), "Berger, A.\tgreift gnadenlos durch");
    referee.SetNames("", "Berger");
    referee.SetCharacter(9);
    EXPECT_EQ(RefereeListRow(referee), "Berger\t");
}

}  // namespace
}  // namespace kw
