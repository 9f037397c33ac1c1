#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

#include "DemoInstallation.h"
#include "ReferenceCheck.h"
#include "TempDir.h"
#include "TestWorld.h"
#include "demo/DemoGenerator.h"
#include "exports/WorldDump.h"
#include "model/CountryCopy.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "platform/Progress.h"

namespace kw::test {

using Json = nlohmann::json;

// Countries of the small demo: Germany has 60 clubs in four leagues with a relegation round and
// 61 stadiums, England and Spain 22 clubs in two leagues and 23 stadiums; all three are complete.
inline constexpr int kGermany = 14;
inline constexpr int kEngland = 50;
inline constexpr int kSpain = 170;

// The settings that belong to the competitions (league system, cups, cup-final stadium); every
// other one is the general page's.
inline const std::set<std::string>& CompetitionSettings() {
    static const std::set<std::string> keys = {
        "leagueLevelLimit",  "tieBreak",        "nonEuropeanLimit",
        "relegated",         "reserveSwitch",   "nationalCupSetting",
        "leagueCupSettings", "superCupSetting", "cupFinalStadium"};
    return keys;
}

// The small demo made with seed 2: the same countries with other clubs, persons and stadiums.
inline const std::filesystem::path& SecondDemoInstallation() {
    static const std::unique_ptr<TempDir> folder = [] {
        auto made = std::make_unique<TempDir>();
        CSilentProgress progress;
        const demo::SDemoResult result =
            demo::GenerateDemoInstallation(made->Path(), demo::EDemoScale::kSmall, 2, progress);
        if (!result.ok) {
            throw std::runtime_error("second demo installation: " + result.message);
        }
        return made;
    }();
    return folder->Path();
}

inline std::unique_ptr<CWorld> LoadDemo(const std::filesystem::path& install) {
    auto world = std::make_unique<CWorld>(install);
    world->InitialiseCountries();
    CSilentProgress progress;
    EXPECT_TRUE(world->Load(install / "database", progress));
    return world;
}

inline Json CountryJson(const CWorld& world, int number) {
    return Json::parse(DumpWorldJson(world, number))["countries"][0];
}

inline std::uint32_t MovedClub(std::uint32_t id, int from, int to) {
    return id != 0 && !IsNationalTeam(id) && ClubCountry(id) == from
               ? MakeClubId(to, ClubIndex(id)) | (id & kSecondTeamFlag)
               : id;
}

// Club references (a number or a list of them) of country `from` as those of `to`.
inline void MoveClubs(Json& value, int from, int to) {
    if (value.is_array()) {
        for (Json& element : value) {
            MoveClubs(element, from, to);
        }
    } else if (value.is_number()) {
        value = MovedClub(value.get<std::uint32_t>(), from, to);
    }
}

// A club of the source as its copy shows it: its references moved, its persons without their
// ids, which the target's database hands out.
inline Json AsCopiedClub(Json club, int from, int to) {
    for (const char* key : {"id", "fanFriendship", "rivals"}) {
        MoveClubs(club[key], from, to);
    }
    for (Json& person : club["persons"]) {
        person.erase("id");
        for (const char* key :
             {"currentClub", "previousClub", "firstClub", "fourthClub", "loanClub"}) {
            MoveClubs(person[key], from, to);
        }
        for (Json& station : person["history"]) {
            MoveClubs(station["club"], from, to);
        }
    }
    return club;
}

inline Json WithoutPersonIds(Json club) {
    for (Json& person : club["persons"]) {
        person.erase("id");
    }
    return club;
}

inline void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// The source's competitions as the target's: every competition id and team of `from` in `to`.
inline Json AsCopiedCompetitions(const Json& competitions, int from, int to) {
    std::string text = competitions.dump();
    ReplaceAll(text, "\"{ " + std::to_string(from) + ", ", "\"{ " + std::to_string(to) + ", ");
    Json moved = Json::parse(text);
    for (Json& node : moved) {
        if (node.contains("teams")) {
            MoveClubs(node["teams"], from, to);
        }
        for (Json& entry : node["script"]) {
            const auto competition = entry["competition"].get<std::uint32_t>();
            if (static_cast<int>(competition >> 24) == from) {
                entry["competition"] = (competition & 0x00FFFFFF) | (std::uint32_t(to) << 24);
            }
        }
    }
    return moved;
}

// A stadium number the list lacks is 0.
inline void FitStadiums(Json& country) {
    const auto count = static_cast<std::int64_t>(country["stadiums"].size());
    const auto fit = [count](Json& number) {
        const auto value = number.get<std::int64_t>();
        if (value < 1 || value > count) {
            number = 0;
        }
    };
    for (Json& club : country["clubs"]) {
        fit(club["stadium"]["number"]);
    }
    fit(country["settings"]["cupFinalStadium"]);
}

// The dump of the target country after a copy from a source of another country, worked out
// from the two dumps before it.
inline Json ExpectedCopy(const Json& before, const Json& source, std::uint32_t flags) {
    const int from = source["number"];
    const int to = before["number"];
    Json expected = before;
    Json& settings = expected["settings"];
    if ((flags & countrycopy::kGeneral) != 0) {
        for (const auto& [key, value] : source["settings"].items()) {
            if (!CompetitionSettings().contains(key)) {
                settings[key] = value;
            }
        }
    }
    const bool clubs = (flags & countrycopy::kClubs) != 0;
    if (clubs) {
        for (const std::string& key : CompetitionSettings()) {
            settings[key] = source["settings"][key];
        }
        for (const char* key : {"levelNames", "leagueScript", "complete"}) {
            expected[key] = source[key];
        }
        expected["competitions"] = AsCopiedCompetitions(source["competitions"], from, to);
        Json copies = Json::array();
        for (const Json& club : source["clubs"]) {
            if (!IsNationalTeam(club["id"].get<std::uint32_t>())) {
                copies.push_back(AsCopiedClub(club, from, to));
            }
        }
        // The national team, last by id, stays the target's.
        copies.push_back(WithoutPersonIds(before["clubs"].back()));
        expected["clubs"] = std::move(copies);
    } else {
        Json kept = Json::array();
        for (const Json& club : before["clubs"]) {
            kept.push_back(WithoutPersonIds(club));
        }
        expected["clubs"] = std::move(kept);
    }
    // The pool's clubs are the target's former ones or the source's; only copied clubs exist.
    if ((flags & countrycopy::kYouth) != 0) {
        expected["playerPool"] = source["playerPool"];
    }
    for (Json& entry : expected["playerPool"]) {
        const auto club = entry["preferredClub"].get<std::uint32_t>();
        const bool copied = (flags & countrycopy::kYouth) != 0;
        if (club != 0 && !IsNationalTeam(club) && (copied || clubs)) {
            entry["preferredClub"] = copied && clubs ? MovedClub(club, from, to) : 0;
        }
    }
    for (const auto& [flag, key] : {std::pair{countrycopy::kReferees, "referees"},
                                    std::pair{countrycopy::kStadiums, "stadiums"},
                                    std::pair{countrycopy::kManagers, "managers"}}) {
        if ((flags & flag) != 0) {
            expected[key] = source[key];
        }
    }
    if ((flags & (countrycopy::kStadiums | countrycopy::kClubs)) != 0) {
        FitStadiums(expected);
    }
    return expected;
}

// The dump of the target country with the ids of its persons left out.
inline Json WithoutPersonIds(const CWorld& world, int number) {
    Json country = CountryJson(world, number);
    for (Json& club : country["clubs"]) {
        club = WithoutPersonIds(club);
    }
    return country;
}

// Two databases loaded from the small demo made with seeds 1 and 2.
class DemoWorlds : public ::testing::Test {
protected:
    DemoWorlds()
        : first(LoadDemo(SmallDemoInstallation())), second(LoadDemo(SecondDemoInstallation())) {}

    // target.CopyFrom(source, flags) with the scope of the copy taken before: exchanged back,
    // the target's database dumps as before the copy, exchanged again as after it.
    void CopyUndoably(int target, CWorld& targetWorld, int source, const CWorld& sourceWorld,
                      std::uint32_t flags) {
        const std::string before = DumpWorldJson(targetWorld);
        CWorldPart part = CWorldPart::Capture(
            targetWorld,
            CountryCopyScope(targetWorld.Country(target), sourceWorld.Country(source), flags));
        targetWorld.Country(target).CopyFrom(sourceWorld.Country(source), flags);
        const std::string after = DumpWorldJson(targetWorld);
        part.Exchange(targetWorld);
        EXPECT_TRUE(DumpWorldJson(targetWorld) == before) << "undone";
        part.Exchange(targetWorld);
        EXPECT_TRUE(DumpWorldJson(targetWorld) == after) << "redone";
    }

    std::unique_ptr<CWorld> first;
    std::unique_ptr<CWorld> second;
};

}  // namespace kw::test
