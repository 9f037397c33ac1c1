#include "editing/SeasonMarks.h"

#include "model/Club.h"
#include "model/Country.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

struct STeamBits {
    int promoted;
    int relegated;
    int cupWinner;
    int cupFinalist;
};
constexpr STeamBits kFirstTeam{0, 2, 4, 5};
constexpr STeamBits kReserveTeam{1, 3, 6, 7};

const STeamBits& BitsOf(bool reserveTeam) {
    return reserveTeam ? kReserveTeam : kFirstTeam;
}

bool Has(const CClub& club, int bit) {
    return (club.StatusFlags() & (1u << bit)) != 0;
}

// Clears one cup mark from both teams of every club of the country.
void ClearCupMarkEverywhere(CCountry& country, bool winner) {
    for (const auto& entry : country.Clubs()) {
        CClub& club = *entry.second;
        for (const STeamBits* bits : {&kFirstTeam, &kReserveTeam}) {
            club.SetStatusChoice(winner ? bits->cupWinner : bits->cupFinalist, false);
        }
    }
}

}  // namespace

void ApplySeasonMark(CCountry& country, std::uint32_t team, ESeasonMark mark) {
    CClub* club = country.Club(team & kClubIdMask);
    if (club == nullptr) {
        return;
    }
    const STeamBits& bits = BitsOf((team & kSecondTeamFlag) != 0);
    switch (mark) {
        case ESeasonMark::kCupWinner:
            ClearCupMarkEverywhere(country, true);
            club->SetStatusChoice(bits.cupWinner, true);
            break;
        case ESeasonMark::kCupFinalist:
            ClearCupMarkEverywhere(country, false);
            club->SetStatusChoice(bits.cupFinalist, true);
            break;
        case ESeasonMark::kPromoted:
            club->SetStatusChoice(bits.promoted, true);
            break;
        case ESeasonMark::kRelegated:
            club->SetStatusChoice(bits.relegated, true);
            break;
        case ESeasonMark::kNoLeagueMark:
            club->SetStatusChoice(bits.promoted, false);
            club->SetStatusChoice(bits.relegated, false);
            break;
    }
}

std::string_view LeagueMarkText(const CClub& club, bool reserveTeam) {
    const STeamBits& bits = BitsOf(reserveTeam);
    return Has(club, bits.promoted)    ? ShownText("kw::SeasonMarks", "Aufsteiger")
           : Has(club, bits.relegated) ? ShownText("kw::SeasonMarks", "Absteiger")
                                       : "";
}

std::string_view CupMarkText(const CClub& club, bool reserveTeam) {
    const STeamBits& bits = BitsOf(reserveTeam);
    return Has(club, bits.cupWinner)     ? ShownText("kw::SeasonMarks", "Pokalsieger")
           : Has(club, bits.cupFinalist) ? ShownText("kw::SeasonMarks", "Pokalfinalist")
                                         : "";
}

}  // namespace kw
