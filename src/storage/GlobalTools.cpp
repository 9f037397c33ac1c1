#include "storage/GlobalTools.h"

#include <string>
#include <string_view>

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

}  // namespace

bool CGlobalTools::Init(const std::filesystem::path& installationDirectory) {
    // Each list loads even when an earlier one is missing.
    const bool male = LoadNameList(m_maleNames, installationDirectory, "MaleNames.txt");
    const bool female = LoadNameList(m_femaleNames, installationDirectory, "FemaleNames.txt");
    const bool surnames = LoadNameList(m_surnames, installationDirectory, "Surnames.txt");
    m_initialised = true;
    return male && female && surnames;
}

}  // namespace kw
