#include "editing/RefereeRules.h"

namespace kw {

namespace {

// Windows-1252 (\344 is the a with umlaut).
constexpr std::string_view kTraitNames[kRefereeTraitCount] = {
    "Weltklasse-Schiedsrichter",
    "greift gnadenlos durch",
    "l\344sst das Spiel laufen",
    "mag Zurufe durch Trainer nicht",
    "trifft mutige Entscheidungen",
    "ist ein Feigling",
    "keine",
};

}  // namespace

std::string_view RefereeTraitName(int trait) {
    return trait >= 0 && trait < kRefereeTraitCount ? kTraitNames[trait] : std::string_view();
}

SRefereeValues RefereeValuesOf(const CReferee& referee) {
    return {std::string(referee.FirstName().View()), std::string(referee.Surname().View()),
            referee.Character()};
}

CReferee RefereeWithValues(const SRefereeValues& values) {
    CReferee referee;
    referee.SetNames(values.firstName, values.surname);
    referee.SetCharacter(values.trait);
    return referee;
}

std::string RefereeListRow(const CReferee& referee) {
    return referee.ShortName() + '\t' + std::string(RefereeTraitName(referee.Character()));
}

}  // namespace kw
