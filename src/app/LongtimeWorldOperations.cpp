#include "app/LongtimeWorldOperations.h"

#include <string>

#include "exports/archive/WorldArchive.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

void SetExportTexts(IProgress& progress, const std::filesystem::path& path) {
    const std::string description(ResourceString(ids::kExportDescription));
    progress.SetCaption(ResourceString(ids::kExportCaption));
    progress.SetDescription(FormatPrintf(description.c_str(), path.c_str()));
    progress.SetStatus(ResourceString(ids::kExportStatus));
}

}  // namespace

CLongtimeExportSave::CLongtimeExportSave(CWorld& world, IUserInterface& ui,
                                         const std::filesystem::path& path, int language)
    : m_world(world), m_ui(ui), m_language(language) {
    SetExportTexts(Progress(), path);
}

void CLongtimeExportSave::Execute(IProgress& progress) {
    m_saved = m_world.Save(progress, m_ui, {}, m_language);
}

CLongtimeExportWorld::CLongtimeExportWorld(CWorld& world, IUserInterface& ui,
                                           std::filesystem::path archive,
                                           std::filesystem::path documents, int language)
    : m_world(world),
      m_ui(ui),
      m_archive(std::move(archive)),
      m_documents(std::move(documents)),
      m_language(language) {
    SetExportTexts(Progress(), m_archive);
}

void CLongtimeExportWorld::Execute(IProgress& progress) {
    ExportWorld(m_world, m_archive, m_documents, progress, m_ui, {}, m_language);
    if (progress.IsCancelled()) {
        std::error_code error;
        std::filesystem::remove(m_archive, error);
    }
}

CLongtimeImportWorld::CLongtimeImportWorld(CWorld& world, IUserInterface& ui,
                                           std::filesystem::path archive, bool ask, int language)
    : m_world(world), m_ui(ui), m_archive(std::move(archive)), m_ask(ask), m_language(language) {
    // File names keep their case here, so the path is shown as chosen.
    const std::string description(ResourceString(ids::kImportDescription));
    Progress().SetCaption(ResourceString(ids::kImportCaption));
    Progress().SetDescription(FormatPrintf(description.c_str(), m_archive.c_str()));
    Progress().SetStatus(ResourceString(ids::kImportStatus));
    Progress().EnableCancel(false);
}

void CLongtimeImportWorld::Execute(IProgress& progress) {
    m_imported = ImportWorld(m_world, m_archive, m_ask, progress, m_ui, {}, m_language);
}

}  // namespace kw
