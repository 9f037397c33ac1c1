#pragma once

#include <filesystem>

namespace kw {

class CDatabaseDocument;
class CInstallationData;
class CRenderManager;

// What the person pages share: the document whose live persons they edit (every store is an edit
// of the document, so the dialog around them can make one undoable edit of all it did), the
// installation's tables and folders, and the renderer for the look preview.
struct SPlayerEditContext {
    CDatabaseDocument& document;
    const CInstallationData& installation;
    // Null without the renderer plug-in: the look page shows no preview.
    CRenderManager* renderer = nullptr;
    // The installation folder, below which the player pictures are looked for.
    std::filesystem::path installDirectory;
};

}  // namespace kw
