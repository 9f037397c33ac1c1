#pragma once

#include <filesystem>

namespace kw {

class CClub;
class CInstallationData;
class CRenderManager;
class CWorld;

// What the pages of the club editor share: the working copy they load from and store into, the
// database it belongs to (read only: the country's other clubs, country names), the installation's
// tables and the language the texts are edited in. The copy reaches the database only when the
// editor ends with OK.
struct SClubEditContext {
    CClub& club;
    const CWorld& world;
    const CInstallationData& installation;
    // Null without the renderer plug-in: the kit page shows no preview.
    CRenderManager* renderer = nullptr;
    // "<installation>/city", where the city pictures lie.
    std::filesystem::path cityDirectory;
    // The interface language the per-language texts are edited in (0 German ... 4 Italian); the
    // general page's language choice changes it for every page.
    int language = 0;
};

}  // namespace kw
