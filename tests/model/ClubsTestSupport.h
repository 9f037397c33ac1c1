#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "KLText.h"
#include "TestWorld.h"
#include "model/Club.h"
#include "model/World.h"
#include "storage/KLFile.h"

namespace kw::test {

inline constexpr int kCountry = 5;
inline constexpr std::uint32_t kClub1 = MakeClubId(kCountry, 1);
inline constexpr std::uint32_t kClub2 = MakeClubId(kCountry, 2);
inline constexpr std::uint32_t kClub3 = MakeClubId(kCountry, 3);
inline constexpr std::uint32_t kNationalTeam = MakeClubId(kCountry, kNationalTeamIndex);

// A world whose country 5 has clubs 1 to 3 (so compact numbers equal indexes) and three
// stadiums, country 6 a club 1, both numberings built.
class ClubsTest : public TestWorld {
protected:
    ClubsTest() { AddClubs(world); }

    static void SetUpWorld(CWorld& target) {
        Prepare(target);
        AddClubs(target);
    }

    static void AddClubs(CWorld& target) {
        CCountry& country = target.Country(kCountry);
        for (std::uint16_t index = 1; index <= 3; ++index) {
            country.AddClub(index);
        }
        country.Stadiums().resize(3);
        country.RebuildNumbering();
        target.Country(6).AddClub(1);
        target.Country(6).RebuildNumbering();
    }

    CClub& Club(std::uint32_t id) { return *world.Country(ClubCountry(id)).Club(id); }

    // A new person of the world in the club; kind 0 is a player of team `teamFlag`.
    CPlayer& AddPerson(CClub& club, std::int8_t kind, std::int8_t teamFlag = 0) {
        CPlayer& person = world.CreatePerson(0, false);
        person.SetKind(kind);
        person.SetTeamFlag(teamFlag);
        person.SetNationality(static_cast<std::uint8_t>(club.Country()));
        club.AddPerson(person);
        return person;
    }
};

}  // namespace kw::test
