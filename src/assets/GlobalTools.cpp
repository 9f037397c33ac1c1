#include "assets/GlobalTools.h"

#include <string>
#include <string_view>

#include "assets/BadgeFiles.h"
#include "assets/RakelListFile.h"
#include "platform/Paths.h"

namespace kw {

namespace {

bool LoadNameList(CNameList& list, const std::filesystem::path& installationDirectory,
                  std::string_view file) {
    // The folder as well as the file may come in any letter case ("Database", "surnames.txt").
    const auto path = FindExisting(installationDirectory, "database/" + std::string(file));
    if (!path) {
        list.Clear();
        return false;
    }
    return list.Load(*path);
}

// A list the installation lacks loads as empty.
template <typename List>
void LoadRakelList(List& list, const std::filesystem::path& installationDirectory,
                   std::string_view file) {
    const auto path = FindExisting(installationDirectory, "database/rakel/" + std::string(file));
    list.Load(path.value_or(installationDirectory / "database/rakel" / file));
}

}  // namespace

bool CGlobalTools::Init(const std::filesystem::path& installationDirectory) {
    // Each list loads even when an earlier one is missing.
    const bool male = LoadNameList(m_maleNames, installationDirectory, "MaleNames.txt");
    const bool female = LoadNameList(m_femaleNames, installationDirectory, "FemaleNames.txt");
    const bool surnames = LoadNameList(m_surnames, installationDirectory, "Surnames.txt");
    m_badgeDirectory =
        FindExisting(installationDirectory, "badges").value_or(installationDirectory / "badges");
    const bool wasQuiet = m_badgeArchive.IsQuiet();
    m_badgeArchive.SetQuiet(true);
    m_badgeArchive.Open(installationDirectory / "badges.big");
    m_badgeArchive.SetQuiet(wasQuiet);
    LoadRakelList(m_clubMapping, installationDirectory, kRakelClubsFile);
    LoadRakelList(m_playerMapping, installationDirectory, kRakelPlayersFile);
    LoadRakelList(m_faceMapping, installationDirectory, kRakelFacesFile);
    LoadRakelList(m_ps2Faces, installationDirectory, kRakelPs2FacesFile);
    m_initialised = true;
    return male && female && surnames;
}

bool CGlobalTools::BadgeExists(std::string_view relativePath) const {
    return BadgeExistsInAllSizes(m_badgeDirectory, m_badgeArchive, relativePath);
}

std::optional<std::vector<std::uint8_t>> CGlobalTools::LoadBadgeBitmap(
    std::string_view relativePath) const {
    return kw::LoadBadgeBitmap(m_badgeDirectory, m_badgeArchive, relativePath);
}

}  // namespace kw
