#pragma once

#include <filesystem>

namespace kw {

class CInstallationData;
class CRenderManager;

// What the country window's pages need beyond the document: the installation's tables and, for
// the person pages, the renderer and the folder of the pictures.
struct SCountryWindowContext {
    const CInstallationData& installation;
    CRenderManager* renderer = nullptr;
    std::filesystem::path installDirectory;
};

}  // namespace kw
