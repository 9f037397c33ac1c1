#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "CountriesData.h"
#include "KLText.h"
#include "TestWorld.h"
#include "competition/League.h"
#include "model/World.h"
#include "storage/KLFile.h"

namespace kw::test {

inline constexpr int kCountry = 5;

inline constexpr std::uint32_t Club(std::uint32_t index) {
    return MakeClubId(kCountry, index);
}

// The hand-made database of these tests.
inline std::filesystem::path FixtureDatabase() {
    return CountriesData() / "database";
}

// The value lines of the first section of that tag (nested sections included); empty when the
// text has none.
inline std::vector<std::string> SectionLines(std::string_view text, std::string_view tag) {
    const std::vector<std::string> lines = Lines(text);
    std::vector<std::string> section;
    bool inside = false;
    for (const std::string& line : lines) {
        if (!inside) {
            inside = line == "%INDEX%" + std::string(tag);
        } else if (line == "%INDEXEND%" + std::string(tag)) {
            break;
        } else {
            section.push_back(line);
        }
    }
    return section;
}

// The database of TestWorld with helpers that build country 5.
class CountriesTest : public TestWorld {
protected:
    CCountry& Country() { return world.Country(kCountry); }

    void AddClubs(std::initializer_list<std::uint16_t> indexes) {
        for (const std::uint16_t index : indexes) {
            Country().AddClub(index);
        }
    }

    CDBLeague& AddLeague(int index, int level, std::initializer_list<std::uint32_t> teams) {
        auto league = std::make_unique<CDBLeague>(MakeCompetitionId(kCountry, kLeagueType, index),
                                                  MakeCompetitionId(kCountry, kRootType, 0));
        league->SetLevel(static_cast<std::int8_t>(level));
        league->SetLeagueSize(static_cast<std::int32_t>(teams.size()));
        for (const std::uint32_t team : teams) {
            league->AddTeam(team);
        }
        return static_cast<CDBLeague&>(world.RegisterCompetition(std::move(league)));
    }

    CPlayer& AddPlayer(CClub& club) {
        CPlayer& person = world.CreatePerson(0, false);
        person.SetNationality(static_cast<std::uint8_t>(club.Country()));
        club.AddPerson(person);
        return person;
    }

    // The country file as written after the numbering was built.
    std::string WrittenCountry() {
        Country().RebuildNumbering();
        const TempDir folder;
        CKLFile file;
        EXPECT_TRUE(file.OpenForWrite(folder / "country.sav"));
        EXPECT_TRUE(Country().Write(file));
        EXPECT_TRUE(file.Close());
        return ReadFile(folder / "country.sav");
    }

    // Reads the text into the country of another world made like this one.
    static bool ReadCountry(CWorld& target, std::string_view text, int country = kCountry) {
        CKLFile file;
        file.OpenForReadFromMemory(text);
        return target.Country(country).Read(file);
    }
};

}  // namespace kw::test
