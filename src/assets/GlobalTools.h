#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "assets/OrvelBig.h"
#include "assets/RakelClubMapping.h"
#include "assets/RakelFaceMapping.h"
#include "assets/RakelPlayerMapping.h"
#include "assets/RakelPs2FaceTable.h"
#include "storage/NameLists.h"

namespace kw {

// The shared tools of the installation that live for the whole run: the first-name and surname
// lists, the badge archive and the other game's lists the mapping tools match against. The
// application owns one and hands it to the tools that need it.
class CGlobalTools {
public:
    // Loads the name lists from "<installationDirectory>/database", each file found in any letter
    // case, and opens the badge archive "badges.big" without messages (an installation may lack
    // it). True only when all three lists could be opened; the others still load when one is
    // missing. The other game's lists come from "<installationDirectory>/database/rakel"
    // (docs/MAPPING_FILES.md); a missing list stays empty, and the tools refuse to map with it.
    bool Init(const std::filesystem::path& installationDirectory);
    bool IsInitialised() const { return m_initialised; }

    const CNameList& MaleNames() const { return m_maleNames; }
    const CNameList& FemaleNames() const { return m_femaleNames; }
    const CNameList& Surnames() const { return m_surnames; }

    // The archive stays open for the whole run; its messages go to the interface set on it.
    COrvelBig& BadgeArchive() { return m_badgeArchive; }
    const COrvelBig& BadgeArchive() const { return m_badgeArchive; }
    // "<installation>/badges", where loose badge files lie.
    const std::filesystem::path& BadgeDirectory() const { return m_badgeDirectory; }

    const CRakelClubMapping& ClubMapping() const { return m_clubMapping; }
    const CRakelPlayerMapping& PlayerMapping() const { return m_playerMapping; }
    const CRakelFaceMapping& FaceMapping() const { return m_faceMapping; }
    const CRakelPs2FaceTable& Ps2Faces() const { return m_ps2Faces; }

    // All four sizes of the club badge path ("...\Badge256\...") exist, loose or in the archive.
    bool BadgeExists(std::string_view relativePath) const;
    // The badge image converted to a 24-bit bitmap file image, loose file first.
    std::optional<std::vector<std::uint8_t>> LoadBadgeBitmap(std::string_view relativePath) const;

private:
    CNameList m_maleNames;
    CNameList m_femaleNames;
    CNameList m_surnames;
    COrvelBig m_badgeArchive;
    CRakelClubMapping m_clubMapping;
    CRakelPlayerMapping m_playerMapping;
    CRakelFaceMapping m_faceMapping;
    CRakelPs2FaceTable m_ps2Faces;
    std::filesystem::path m_badgeDirectory;
    bool m_initialised = false;
};

}  // namespace kw
