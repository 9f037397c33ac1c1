#include "demo/DemoRakelLists.h"

#include <set>
#include <string>
#include <vector>

#include "demo/DemoTableData.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/TextHelpers.h"

namespace kw::demo {

namespace {

namespace fs = std::filesystem;

// The other game's numbers start far from anything the world holds.
constexpr int kFirstRakelClub = 20000;
constexpr int kFirstRakelPlayer = 100000;
constexpr int kRepeatedPlayerOffset = 500000;
constexpr int kFirstConsoleFace = 500;
// Faces the face list leaves unused at the end of the face table.
constexpr int kUnusedFaces = 10;

std::vector<const CClub*> MappedClubs(const CWorld& world) {
    std::vector<const CClub*> clubs;
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : world.Country(number).Clubs()) {
            if (!entry.second->IsNationalTeam()) {
                clubs.push_back(entry.second.get());
            }
        }
    }
    return clubs;
}

std::vector<const CPlayer*> MappedPlayers(const CWorld& world) {
    std::vector<const CPlayer*> players;
    for (const CClub* club : MappedClubs(world)) {
        for (const std::uint32_t id : club->PersonIds()) {
            const CPlayer* person = world.Person(id);
            if (person != nullptr && person->IsPlayer()) {
                players.push_back(person);
            }
        }
    }
    return players;
}

// Every seventh club is missing; two clubs exist only in the other game, and the first club is
// listed twice under two numbers.
std::string ClubList(const CWorld& world) {
    std::string text = "# Rakel clubs: id;name;second name\r\n";
    const std::vector<const CClub*> clubs = MappedClubs(world);
    for (std::size_t c = 0; c < clubs.size(); ++c) {
        if (c % 7 != 3) {
            text +=
                FormatPrintf("%d;%s;%s\r\n", kFirstRakelClub + static_cast<int>(c),
                             std::string(clubs[c]->Name(0)).c_str(), clubs[c]->Cities()[0].CStr());
        }
    }
    if (!clubs.empty()) {
        text += FormatPrintf("%d;%s;%s\r\n", kFirstRakelClub + 9997,
                             std::string(clubs.front()->Name(0)).c_str(), "Zweitverein");
    }
    text += FormatPrintf("%d;Rakel Rovers;Nebelhafen\r\n", kFirstRakelClub + 9998);
    text += FormatPrintf("%d;Sporting Ventommo;Ventommo\r\n", kFirstRakelClub + 9999);
    return text;
}

// Every 97th player is missing; every other player with a nickname carries another surname there
// (found by his nickname only); every 101st is listed twice.
std::string PlayerList(const CWorld& world) {
    std::string text = "# Rakel players: id;first name;surname;nickname\r\n";
    const std::vector<const CPlayer*> players = MappedPlayers(world);
    for (std::size_t p = 0; p < players.size(); ++p) {
        if (p % 97 == 5) {
            continue;
        }
        const CPlayer& player = *players[p];
        std::string surname(player.Surname().View());
        if (!player.Nickname().View().empty() && p % 2 == 0) {
            surname += "inho";
        }
        const int id = kFirstRakelPlayer + static_cast<int>(p);
        const std::string line = FormatPrintf(";%s;%s;%s\r\n", player.FirstName().CStr(),
                                              surname.c_str(), player.Nickname().CStr());
        text += std::to_string(id) + line;
        if (p % 101 == 11) {
            text += std::to_string(id + kRepeatedPlayerOffset) + line;
        }
    }
    return text;
}

// Every fourth player gets a face, in the face table's order, until all but the last
// kUnusedFaces faces are given and the first two once more.
std::string FaceList(const CWorld& world) {
    std::string text = "# Rakel faces: face number;first name;surname\r\n";
    const std::vector<const CPlayer*> players = MappedPlayers(world);
    const int given = kFaceCount - kUnusedFaces;
    for (std::size_t p = 0, q = 0; p < players.size() && q < static_cast<std::size_t>(given) + 2;
         p += 4, ++q) {
        text += FormatPrintf("%d;%s;%s\r\n", kFirstFaceId + static_cast<int>(q) % given,
                             players[p]->FirstName().CStr(), players[p]->Surname().CStr());
    }
    return text;
}

// A console face for every face a player has and for the table's last face; two faces share one.
std::string ConsoleFaceList(const CWorld& world) {
    std::string text = "# Rakel PS2 faces: PS2 face number;face number;text\r\n";
    std::set<std::int32_t> faces = {kFirstFaceId + kFaceCount - 1};
    for (const CPlayer* player : MappedPlayers(world)) {
        if (player->SpecialFace() != 0) {
            faces.insert(player->SpecialFace());
        }
    }
    for (const std::int32_t face : faces) {
        const int console = kFirstConsoleFace + (face - kFirstFaceId) / 2;
        text +=
            FormatPrintf("%d;%d;Konsolengesicht %d (Gesicht %d)\r\n", console, face, console, face);
    }
    return text;
}

}  // namespace

bool WriteDemoRakelLists(const CWorld& world, const fs::path& installDirectory) {
    const fs::path folder = installDirectory / "database" / "rakel";
    return WriteFileCreatingDirs(folder / "RakelClubs.txt", ClubList(world), true) &&
           WriteFileCreatingDirs(folder / "RakelPlayers.txt", PlayerList(world), true) &&
           WriteFileCreatingDirs(folder / "RakelFaces.txt", FaceList(world), true) &&
           WriteFileCreatingDirs(folder / "RakelPS2Faces.txt", ConsoleFaceList(world), true);
}

}  // namespace kw::demo
