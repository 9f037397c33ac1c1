// libFuzzer harness of the other game's mapping lists ("database/rakel"): the first byte chooses
// the club, player, face or console face list, the rest is its text; each entry is then looked up
// as the mapping runs look it up.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "assets/RakelClubMapping.h"
#include "assets/RakelFaceMapping.h"
#include "assets/RakelPlayerMapping.h"
#include "assets/RakelPs2FaceTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 4) {
        case 0: {
            kw::CRakelClubMapping clubs;
            clubs.LoadFromText(text, "RakelClubs.txt");
            for (const kw::SRakelClub& club : clubs.Clubs()) {
                (void)clubs.Find(club.name);
            }
            break;
        }
        case 1: {
            kw::CRakelPlayerMapping players;
            players.LoadFromText(text, "RakelPlayers.txt");
            for (const kw::SRakelPlayer& player : players.Players()) {
                (void)players.FindByFullName(player.fullName);
                (void)players.FindByNickname(player.nickname);
            }
            break;
        }
        case 2: {
            kw::CRakelFaceMapping faces;
            faces.LoadFromText(text, "RakelFaces.txt");
            // The face list keeps no names to look up by: a line of the text stands in.
            (void)faces.FindFace(text.substr(0, text.find('\n')));
            break;
        }
        default: {
            kw::CRakelPs2FaceTable table;
            table.LoadFromText(text, "RakelPS2Faces.txt");
            for (const kw::SPs2Face& entry : table.Entries()) {
                (void)table.FindByFace(entry.face);
            }
            break;
        }
    }
    return 0;
}
