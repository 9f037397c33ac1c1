#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "KLText.h"
#include "TempDir.h"
#include "competition/CompetitionList.h"
#include "competition/CupFormat.h"
#include "model/World.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw::test {

inline constexpr int kCountry = 5;
inline constexpr std::uint32_t kRoot = MakeCompetitionId(kCountry, kRootType, 0);

// Format 1: a first round, a two-legged quarter-final and a final (4 matchdays). Format 2: a
// two-legged final (2 matchdays).
inline void AddCupFormats(CWorld& world) {
    CCupFormat rounds;
    rounds.SetCategory(kCupCategoryFa);
    rounds.AddRound(SCupRound{.flags = 1, .roundName = 5});
    rounds.AddRound(SCupRound{.flags = 2, .roundName = 13});
    rounds.AddRound(SCupRound{.flags = 1, .roundName = 15});
    world.CupFormats().Set(1, rounds);
    CCupFormat final;
    final.SetCategory(kCupCategorySupercup);
    final.AddRound(SCupRound{.flags = 4, .roundName = 15});
    world.CupFormats().Set(2, final);
}

// The minimal countries, country 5 with clubs 1 to 20 (so that saved numbers equal the
// indexes), and the two cup formats.
inline void PrepareWorld(CWorld& world) {
    world.InitialiseCountries();
    for (std::uint16_t index = 1; index <= 20; ++index) {
        world.Country(kCountry).AddClub(index);
    }
    world.Country(kCountry).RebuildNumbering();
    AddCupFormats(world);
}

template <typename T>
T& AddNode(CWorld& world, std::uint32_t id, std::uint32_t parent = kRoot) {
    return static_cast<T&>(world.RegisterCompetition(std::make_unique<T>(id, parent)));
}

// A node list of one node given by its lines (kind line first), read under the country's root.
// Reads the lines as one node list of a file of `version`.
inline int ReadNodeLines(CWorld& world, const std::vector<std::string>& lines,
                         int country = kCountry, SDayOccupancy* occupancy = nullptr,
                         std::uint32_t version = kDataVersion) {
    std::vector<std::string> all = {"1", "%INDEX%COMP0"};
    all.insert(all.end(), lines.begin(), lines.end());
    all.push_back("%INDEXEND%COMP0");
    CKLFile file;
    file.OpenForReadFromMemory(JoinLines(all));
    file.SetRecordVersion(version);
    return ReadCompetitionList(file, world.Registry(), MakeCompetitionId(country, kRootType, 0),
                               "COMP", occupancy);
}

inline std::string NodeText(const CWorld& world, const CDBCompetition& node,
                            int exportCountry = kOwnCountry) {
    return WriteRecord(
        [&](CKLFile& file) { return node.WriteText(file, world.Registry(), exportCountry); });
}

class CompetitionTest : public ::testing::Test {
protected:
    CompetitionTest() { PrepareWorld(world); }

    template <typename T>
    T& Add(std::uint32_t id, std::uint32_t parent = kRoot) {
        return AddNode<T>(world, id, parent);
    }

    CWorld world;
};

}  // namespace kw::test
