#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "DemoInstallation.h"
#include "ReferenceCheck.h"
#include "document/DatabaseDocument.h"
#include "editing/PersonPlacement.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"

namespace kw::test {

// The small demo database as an open document, loaded anew for each test. What is tested goes
// through `document`; `Live()` arranges a case outside the history.
class DemoDocumentTest : public ::testing::Test {
protected:
    DemoDocumentTest() : document(LoadSmallDemo()) {}

    const CWorld& World() const { return document.World(); }
    CWorld& Live() { return document.WorldForOperations(); }
    std::size_t Edits() const { return document.History().Count(); }
    std::string Dump() const { return DumpWorldJson(document.World()); }

    // A club with two or more first-team players and room for more persons: in `country` (any
    // when 0), other than `except`, and not in `otherThanCountry`.
    CClub& ClubWithPlayers(int country = 0, std::uint32_t except = 0, int otherThanCountry = 0) {
        for (int number = 1; number <= kCountryCount; ++number) {
            if ((country != 0 && number != country) || number == otherThanCountry) {
                continue;
            }
            for (const auto& entry : Live().Country(number).Clubs()) {
                const CClub& club = *entry.second;
                if (!club.IsNationalTeam() && entry.first != except &&
                    club.FirstTeam().size() >= 2 && club.PersonIds().size() < 60) {
                    return *entry.second;
                }
            }
        }
        throw std::runtime_error("the demo lacks such a club");
    }

    // Fills the club with new players up to `count` persons.
    void FillClub(CClub& club, std::size_t count) {
        while (club.PersonIds().size() < count) {
            CPlayer& person = Live().CreatePerson(Live().NextFreePersonId(), false);
            person.Reset(0, club.Country());
            club.AddPerson(person);
        }
    }

    // Every reference of the database resolves.
    void ExpectReferencesSound() const { ExpectNone(ReferenceFaults(document.World())); }
    // Every person is placed as its club and kind say.
    void ExpectPlacementSound() const { ExpectNone(PersonPlacementFaults(document.World())); }

    CDatabaseDocument document;

private:
    static void ExpectNone(const std::vector<std::string>& faults) {
        EXPECT_TRUE(faults.empty()) << (faults.empty() ? "" : faults.front());
    }
};

// Three clubs of the demo with players: `home`, `neighbour` in its country and `abroad` in
// another. An undo may put other country objects in place: after one, look the clubs up anew.
class DemoClubsTest : public DemoDocumentTest {
protected:
    CClub* home = &ClubWithPlayers();
    CClub* neighbour = &ClubWithPlayers(home->Country(), home->Id());
    CClub* abroad = &ClubWithPlayers(0, 0, home->Country());
};

}  // namespace kw::test
