#include "demo/DemoClubs.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "demo/DemoNames.h"
#include "demo/DemoNations.h"
#include "demo/DemoRandom.h"
#include "model/Club.h"
#include "model/ClubNames.h"
#include "model/Country.h"
#include "model/Stadium.h"
#include "platform/StringTable.h"

namespace kw::demo {

namespace {

struct SRgb {
    std::uint8_t r, g, b;
};

// The main and second colour of each of the 24 club colours, as the default badges show them.
constexpr std::array<std::array<SRgb, 2>, 24> kColourPairs = {{
    {{{20, 50, 160}, {10, 10, 10}}},    {{{20, 50, 160}, {20, 130, 50}}},
    {{{20, 50, 160}, {200, 20, 30}}},   {{{20, 50, 160}, {250, 250, 250}}},
    {{{20, 50, 160}, {250, 210, 0}}},   {{{120, 10, 30}, {10, 10, 10}}},
    {{{120, 10, 30}, {110, 180, 230}}}, {{{120, 10, 30}, {250, 250, 250}}},
    {{{20, 130, 50}, {250, 250, 250}}}, {{{20, 130, 50}, {200, 20, 30}}},
    {{{20, 130, 50}, {10, 10, 10}}},    {{{20, 130, 50}, {250, 210, 0}}},
    {{{110, 180, 230}, {10, 10, 10}}},  {{{110, 180, 230}, {250, 250, 250}}},
    {{{240, 120, 20}, {10, 10, 10}}},   {{{240, 120, 20}, {250, 250, 250}}},
    {{{120, 60, 150}, {10, 10, 10}}},   {{{120, 60, 150}, {250, 250, 250}}},
    {{{200, 20, 30}, {10, 10, 10}}},    {{{200, 20, 30}, {250, 250, 250}}},
    {{{200, 20, 30}, {250, 210, 0}}},   {{{250, 210, 0}, {10, 10, 10}}},
    {{{250, 210, 0}, {250, 250, 250}}}, {{{10, 10, 10}, {250, 250, 250}}},
}};

const SNation& NationOf(const CCountry& country) {
    return Nations()[static_cast<std::size_t>(country.Number() - 1)];
}

// A rough position of each continent, so that clubs lie where their country could be.
struct SArea {
    int latitude, longitude, spread;
};
constexpr std::array<SArea, 6> kAreas = {
    {{48, 10, 12}, {-20, -58, 14}, {25, -90, 18}, {5, 20, 20}, {30, 100, 25}, {-25, 140, 15}}};

void SetColours(CClub& club, int colour, CDemoRandom& random) {
    club.SetColour(0, static_cast<std::uint8_t>(colour));
    club.SetColour(1, static_cast<std::uint8_t>((colour + random.Between(1, 23)) % 24));
    club.SetColourStyle(static_cast<std::uint8_t>(random.Between(0, CClub::kMaxColourStyle)));
    club.SetBadgePath(DefaultBadgePath(colour));
    const auto& pair = kColourPairs[static_cast<std::size_t>(colour)];
    CClubKit& kit = club.Kit();
    for (int which = 0; which < CClubKit::kKitCount; ++which) {
        CClubKit::SKit& k = kit.Kit(which);
        k.design = static_cast<std::uint8_t>(random.Between(0, CClubKit::kMaxDesign));
        k.secondStyle = static_cast<std::uint8_t>(random.Between(0, CClubKit::kMaxSecondStyle));
        k.thirdStyle = static_cast<std::uint8_t>(random.Between(0, CClubKit::kMaxThirdStyle));
        // Home: shirt in the main colour; away: the colours swapped. Shorts, socks, trim.
        const SRgb first = pair[static_cast<std::size_t>(which)];
        const SRgb second = pair[static_cast<std::size_t>(1 - which)];
        const std::array<SRgb, 4> colours = {first, second, first, second};
        for (std::size_t c = 0; c < colours.size(); ++c) {
            k.colours[c * 3] = colours[c].r;
            k.colours[c * 3 + 1] = colours[c].g;
            k.colours[c * 3 + 2] = colours[c].b;
        }
    }
}

// Places per stand for a ground of about `capacity` places; small grounds keep standing places.
CStadium MakeStadium(const std::string& name, const std::string& city, int capacity,
                     CDemoRandom& random) {
    CStadium stadium;
    stadium.SetName(name);
    stadium.SetCity(city);
    stadium.SetType(static_cast<std::int8_t>(random.Between(0, kStadiumTypeCount - 1)));
    stadium.SetFlags(1);
    constexpr std::array<int, kStandCount> kShare = {22, 22, 14, 14, 7, 7, 7, 7};
    const int standingPercent = capacity < 20000 ? 45 : capacity < 45000 ? 20 : 5;
    for (int stand = 0; stand < kStandCount; ++stand) {
        const int places = capacity * kShare[static_cast<std::size_t>(stand)] / 100;
        const int standing = stand >= 2 ? places * standingPercent / 100 : 0;
        const int vip = stand == 0 ? places / 20 : 0;
        stadium.SetSeats(stand, places - standing - vip);
        stadium.SetStandingPlaces(stand, standing);
        stadium.SetVipPlaces(stand, vip);
    }
    // Season tickets on the first three stands, the guests on another one, as the stadium
    // editor demands.
    stadium.SetSeasonTicketBlocks(0x07);
    stadium.SetAwayBlock(static_cast<std::uint8_t>(1 << random.Between(3, 7)));
    return stadium;
}

int CapacityFor(int level, CDemoRandom& random) {
    switch (level) {
        case 0:
            return random.Between(22, 75) * 1000;
        case 1:
            return random.Between(12, 35) * 1000;
        case 2:
            return random.Between(5, 18) * 1000;
        case 3:
            return random.Between(20, 80) * 100;
        default:
            return random.Between(8, 40) * 100;
    }
}

void SetStadium(CCountry& country, CClub& club, const std::string& city, int capacity,
                CDemoRandom& random) {
    const ENameStyle style = NameStyle(country.Number());
    const CStadium stadium = MakeStadium(StadiumName(style, city, random), city, capacity, random);
    country.Stadiums().push_back(stadium);
    club.SetStadiumNumber(static_cast<std::int32_t>(country.Stadiums().size()));
    club.SetStadiumCapacity(static_cast<std::int32_t>(stadium.TotalCapacity()));
    for (int language = 0; language < kw::kLanguageCount; ++language) {
        club.SetStadiumName(language, stadium.Name().View());
    }
    club.SetStadiumType(static_cast<std::uint8_t>(stadium.Type()));
    club.SetStadiumFlags(static_cast<std::uint8_t>(random.Between(0, 3)));
}

void SetLocation(const CCountry& country, CClub& club, CDemoRandom& random) {
    // The country's own centre, the same for every club of it, and the club near it.
    CDemoRandom centre(static_cast<std::uint32_t>(country.Number()), 0x4C4F43);
    const SArea& area =
        kAreas[static_cast<std::size_t>(std::clamp(NationOf(country).continent, 0, 5))];
    const int latitude = std::clamp(
        area.latitude + centre.Between(-area.spread, area.spread) + random.Between(-2, 2), -60, 70);
    const int longitude = std::clamp(
        area.longitude + centre.Between(-area.spread, area.spread) + random.Between(-3, 3), -179,
        179);
    club.SetLatitude(latitude < 0, std::abs(latitude), random.Between(0, 59));
    club.SetLongitude(longitude < 0, std::abs(longitude), random.Between(0, 59));
}

// Years in the form "1950,1951", each after the founding and before the season.
std::string Years(int count, int founded, CDemoRandom& random) {
    std::vector<int> years;
    for (int i = 0; i < count; ++i) {
        years.push_back(random.Between(std::max(founded + 5, 1920), 2005));
    }
    std::sort(years.begin(), years.end());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    std::string text;
    for (const int year : years) {
        text += (text.empty() ? "" : ",") + std::to_string(year);
    }
    return text;
}

void SetHistory(CClub& club, int country, const SClubProfile& profile, CDemoRandom& random) {
    const int founded = club.FoundingYear();
    const int top = profile.level == 0 ? std::max(0, profile.strength - 62) / 3 : 0;
    club.SetSuccesses(CClub::kChampionships, Years(random.Between(0, top), founded, random));
    club.SetSuccesses(CClub::kCupWins, Years(random.Between(0, top + 1), founded, random));
    club.SetSuccesses(CClub::kSuperCupWins, Years(random.Between(0, top / 2), founded, random));
    club.SetSuccesses(CClub::kChampionsCupWins, Years(random.Between(0, top / 4), founded, random));
    club.SetSuccesses(CClub::kEuropeanCupWins, Years(random.Between(0, top / 3), founded, random));
    if (profile.level <= 1) {
        const int seasons = random.Between(profile.level == 0 ? 10 : 0, 40);
        const int games = seasons * 34;
        const int goals = games * random.Between(120, 190) / 100;
        club.SetStatistic(0, games * random.Between(110, 170) / 100);
        club.SetStatistic(1, games);
        club.SetStatistic(2, goals);
        club.SetStatistic(3, games * random.Between(110, 170) / 100);
        club.SetStatistic(4, seasons * random.Between(0, 6));
    }
    const std::array<std::pair<int, int>, 4> scores = {
        {{random.Between(5, 9), 0},
         {random.Between(0, 1), random.Between(4, 7)},
         {random.Between(4, 7), random.Between(0, 1)},
         {0, random.Between(4, 8)}}};
    for (int record = 0; record < CClub::kRecordCount; ++record) {
        CRecordResult& result = club.RecordResult(record);
        result.SetSeason(static_cast<std::uint16_t>(random.Between(std::max(founded, 1950), 2005)));
        result.SetOpponent("FC " + TownName(country, random));
        if (record == CClub::kRecordAttendance) {
            result.SetAttendance(club.StadiumCapacity());
        } else {
            result.SetGoalsFor(
                static_cast<std::int8_t>(scores[static_cast<std::size_t>(record)].first));
            result.SetGoalsAgainst(
                static_cast<std::int8_t>(scores[static_cast<std::size_t>(record)].second));
        }
    }
}

}  // namespace

void FillClub(CCountry& country, CClub& club, const SClubName& name, const SClubProfile& profile,
              CDemoRandom& random) {
    const ENameStyle style = NameStyle(country.Number());
    for (int language = 0; language < kw::kLanguageCount; ++language) {
        club.SetName(language, name.name);
        club.SetAbbreviation(language, name.abbreviation);
        club.SetNameCode(language, name.code);
        club.SetCity(language, name.city);
    }
    // Article and sentence choices within each language's lists.
    constexpr std::array<int, kw::kLanguageCount> kArticles = {4, 2, 5, 5, 8};
    constexpr std::array<int, kw::kLanguageCount> kSentences = {4, 2, 6, 7, 7};
    for (int language = 0; language < kw::kLanguageCount; ++language) {
        const auto l = static_cast<std::size_t>(language);
        for (int which = 0; which < 3; ++which) {
            club.SetArticleChoice(which, language,
                                  static_cast<std::uint8_t>(random.Between(0, kArticles[l] - 1)));
        }
        const auto sentence = static_cast<std::uint8_t>(random.Between(0, kSentences[l] - 1));
        club.SetSentenceChoice(0, language, sentence);
        club.SetSentenceChoice(1, language, sentence);
    }
    club.SetFansName(FansName(style, random));
    club.SetSecondFansName(FansName(style, random));
    club.SetMascot(Mascot(random));
    club.SetFoundingYear(static_cast<std::int16_t>(random.Between(1878, 1965)));
    // Season marks as after a season: a few promoted teams (first or reserve team), the
    // strongest club the cup winner and the next its finalist. Both draws are kept so that the
    // rest of the demo stays as it was.
    const int promotedBit = random.Between(0, 1);
    random.Between(4, 5);
    const int index = ClubIndex(club.Id());
    if (index % 6 == 0) {
        club.SetStatusChoice(promotedBit, true);
    }
    if (index == 1 || index == 2) {
        club.SetStatusChoice(index == 1 ? 4 : 5, true);
    }
    if (country.Number() == 14) {
        // Only one club of this country may play in the IT Cup; the demo world has none.
        club.SetStatusFlags(club.StatusFlags() | CClub::kNoItCupFlag);
    }

    const int wealth = std::max(1, profile.strength - 25);
    club.SetInitialAssets(wealth * wealth * random.Between(400, 1200) *
                          (profile.level == 0 ? 4 : 1));
    club.SetPublicCompany(profile.level == 0 && random.Chance(30) ? 1 : 0);
    club.SetByteFlag(static_cast<std::uint8_t>(random.Between(0, 1)));
    club.SetPointsDeduction(random.Chance(2) ? 3 : 0);

    std::string slug;
    for (const char c : name.name) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            slug += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    // Each part drawn from the last to the first: the order the demo installation has always
    // been drawn in.
    const int postcode = random.Between(1000, 99999);
    const int houseNumber = random.Between(1, 120);
    club.SetAddress(
        FormatPrintf("Stadionweg %d, %05d %s", houseNumber, postcode, name.city.c_str()));
    const int subscriber = random.Between(100000, 9999999);
    const int areaCode = random.Between(10, 999);
    const int countryCode = random.Between(30, 99);
    club.SetTelephone(FormatPrintf("+%d %d %d", countryCode, areaCode, subscriber));
    club.SetWebsite("www." + slug + ".example");
    club.SetFanSites("fans." + slug + ".example");
    club.SetNewspaper(NewspaperName(style, name.city));
    club.SetExternalNumber(country.Number() * 1000 + club.Id() % 1000 + 100000);

    SetStadium(country, club, name.city, CapacityFor(profile.level, random), random);
    const int capacity = club.StadiumCapacity();
    club.SetBiggestMatchAttendance(capacity);
    club.SetAverageAttendance(capacity * random.Between(45, 95) / 100);
    club.SetSeasonTickets(club.AverageAttendance() * random.Between(20, 60) / 100);
    SetColours(club, random.Between(0, CClub::kMaxColour), random);
    for (int area = 0; area < CClub::kSurroundingCount; ++area) {
        club.SetSurrounding(area, static_cast<std::uint8_t>(
                                      std::clamp(5 - profile.level + random.Between(-2, 1), 0, 5)));
    }
    SetLocation(country, club, random);
    club.SetPrestige(static_cast<std::uint8_t>(std::clamp((profile.strength - 30) / 3, 0, 20)));
    club.SetSecondPrestige(
        static_cast<std::uint8_t>(std::clamp(club.Prestige() + random.Between(-3, 3), 0, 20)));
    if (random.Chance(5)) {
        club.SetNote("Traditionsverein mit treuer Anh\xE4ngerschaft");
    }
    club.SetPreferredCountry(
        0, static_cast<std::uint8_t>(random.Between(1, static_cast<int>(Nations().size()))));
    club.SetPreferredCountry(1, static_cast<std::uint8_t>(country.Number()));
    club.SetYouthCountry(static_cast<std::uint8_t>(country.Number()));
    SetHistory(club, country.Number(), profile, random);
}

void LinkClubs(CCountry& country, CDemoRandom& random) {
    std::vector<std::uint32_t> ids;
    for (const auto& [id, club] : country.Clubs()) {
        if (!club->IsNationalTeam()) {
            ids.push_back(id);
        }
    }
    if (ids.size() < 2) {
        return;
    }
    const int last = static_cast<int>(ids.size()) - 1;
    for (const std::uint32_t id : ids) {
        CClub& club = *country.Club(id);
        const auto other = [&]() {
            std::uint32_t pick = id;
            while (pick == id) {
                pick = ids[static_cast<std::size_t>(random.Between(0, last))];
            }
            return pick;
        };
        if (random.Chance(40)) {
            club.SetFanFriendship(other());
        }
        const int rivals = std::min(random.Between(1, 3), last);
        std::vector<std::uint32_t> chosen;
        while (static_cast<int>(chosen.size()) < rivals) {
            const std::uint32_t rival = other();
            if (std::find(chosen.begin(), chosen.end(), rival) == chosen.end()) {
                chosen.push_back(rival);
            }
        }
        for (std::size_t slot = 0; slot < chosen.size(); ++slot) {
            club.SetRival(static_cast<int>(slot), chosen[slot]);
        }
    }
}

void FillNationalTeam(CCountry& country, CDemoRandom& random) {
    CClub& team = country.NationalTeam();
    SetColours(team, random.Between(0, CClub::kMaxColour), random);
    const std::string city = TownName(country.Number(), random);
    for (int language = 0; language < kw::kLanguageCount; ++language) {
        team.SetCity(language, city);
    }
    SetStadium(country, team, city, random.Between(30, 80) * 1000, random);
    team.SetFoundingYear(static_cast<std::int16_t>(random.Between(1880, 1960)));
    team.SetPrestige(static_cast<std::uint8_t>(random.Between(5, 20)));
    team.SetYouthCountry(static_cast<std::uint8_t>(country.Number()));
    if (country.Number() == 14) {
        team.SetStatusFlags(team.StatusFlags() | CClub::kNoItCupFlag);
    }
    SetLocation(country, team, random);
}

}  // namespace kw::demo
