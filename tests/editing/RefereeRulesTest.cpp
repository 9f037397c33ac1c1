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

TEST(RefereeRules, TypedNamesAreCutToTheRecordsSizes) {
    SRefereeValues values;
    values.firstName = "Bartholomaeus-Maxim";  // 19 characters as typed
    values.surname = "Oberschiedsrichter-X";   // 20 characters
    values.trait = 4;
    const CReferee referee = RefereeWithValues(values);
    EXPECT_EQ(referee.FirstName().View(), "Bartholomaeus-M");
    EXPECT_EQ(referee.Surname().View(), "Oberschiedsrichter-");
    EXPECT_EQ(referee.Character(), 4);
}

TEST(RefereeRules, ShownValuesStoreTheRecordBack) {
    CReferee referee;
    referee.SetNames("J\366rg", "M\374ller");
    referee.SetCharacter(-2);  // as a file may hold it
    const SRefereeValues values = RefereeValuesOf(referee);
    EXPECT_EQ(values.firstName, "J\366rg");
    EXPECT_EQ(values.surname, "M\374ller");
    EXPECT_EQ(values.trait, -2);
    EXPECT_EQ(RefereeWithValues(values), referee);
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
