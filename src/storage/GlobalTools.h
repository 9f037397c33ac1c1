#pragma once

#include <filesystem>

#include "storage/NameLists.h"

namespace kw {

// The shared tools of the installation that live for the whole run: the first-name and surname
// lists, with the badge archive and the ID mappings to follow as further members set up by Init.
// The application owns one and hands it to the tools that need it.
class CGlobalTools {
public:
    // Loads the name lists from "<installationDirectory>/database", each file found in any letter
    // case. True only when all three lists could be opened; the others still load when one is
    // missing.
    bool Init(const std::filesystem::path& installationDirectory);
    bool IsInitialised() const { return m_initialised; }

    const CNameList& MaleNames() const { return m_maleNames; }
    const CNameList& FemaleNames() const { return m_femaleNames; }
    const CNameList& Surnames() const { return m_surnames; }

private:
    CNameList m_maleNames;
    CNameList m_femaleNames;
    CNameList m_surnames;
    bool m_initialised = false;
};

}  // namespace kw
