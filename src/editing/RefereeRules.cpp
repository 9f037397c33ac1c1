#include "editing/RefereeRules.h"

#include "platform/ResourceTable.h"

namespace kw {

namespace {

constexpr const char* kTraitNames[kRefereeTraitCount] = {
    KW_RESOURCE_TEXT("kw::Referee", "Weltklasse-Schiedsrichter"),
    KW_RESOURCE_TEXT("kw::Referee", "greift gnadenlos durch"),
    KW_RESOURCE_TEXT("kw::Referee", "lässt das Spiel laufen"),
    KW_RESOURCE_TEXT("kw::Referee", "mag Zurufe durch Trainer nicht"),
    KW_RESOURCE_TEXT("kw::Referee", "trifft mutige Entscheidungen"),
    KW_RESOURCE_TEXT("kw::Referee", "ist ein Feigling"),
    KW_RESOURCE_TEXT("kw::Referee", "keine"),
};

}  // namespace

std::string_view RefereeTraitName(int trait) {
    return trait >= 0 && trait < kRefereeTraitCount ? ShownText("kw::Referee", kTraitNames[trait])
                                                    : std::string_view();
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
