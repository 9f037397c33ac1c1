#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "assets/OrvelBig.h"
#include "storage/NameLists.h"

namespace kw {

// The shared tools of the installation that live for the whole run: the first-name and surname
// lists and the badge archive, with the ID mappings to follow as further members set up by Init.
// The application owns one and hands it to the tools that need it.
class CGlobalTools {
public:
    // Loads the name lists from "<installationDirectory>/database", each file found in any letter
    // case, and opens the badge archive "badges.big" without messages (an installation may lack
    // it). True only when all three lists could be opened; the others still load when one is
    // missing.
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

    // All four sizes of the club badge path ("...\Badge256\...") exist, loose or in the archive.
    bool BadgeExists(std::string_view relativePath) const;
    // The badge image converted to a 24-bit bitmap file image, loose file first.
    std::optional<std::vector<std::uint8_t>> LoadBadgeBitmap(std::string_view relativePath) const;

private:
    CNameList m_maleNames;
    CNameList m_femaleNames;
    CNameList m_surnames;
    COrvelBig m_badgeArchive;
    std::filesystem::path m_badgeDirectory;
    bool m_initialised = false;
};

}  // namespace kw
