#pragma once

#include <filesystem>

#include "app/LongtimeOperation.h"

namespace kw {

class CWorld;
class IUserInterface;

// The long-running operations on a whole database. Each sets its initial texts on construction
// and works on the world and the user interface it was given; `ui` must be usable from the worker
// thread (the dialog hands in one that forwards to the user-interface thread). Their progress and
// messages name countries and clubs in `language`.

// Saves the world into its database folder.
class CLongtimeExportSave final : public CLongtimeOperation {
public:
    // `path` only fills the initial description (callers pass an empty one).
    CLongtimeExportSave(CWorld& world, IUserInterface& ui, const std::filesystem::path& path,
                        int language);
    ~CLongtimeExportSave() override { Wait(); }

    // Whether every file was written; read once the operation has ended.
    bool Saved() const { return m_saved; }

private:
    void Execute(IProgress& progress) override;

    CWorld& m_world;
    IUserInterface& m_ui;
    int m_language;
    bool m_saved = false;
};

// Exports the world into an archive; a cancelled export leaves no archive behind.
class CLongtimeExportWorld final : public CLongtimeOperation {
public:
    CLongtimeExportWorld(CWorld& world, IUserInterface& ui, std::filesystem::path archive,
                         std::filesystem::path documents, int language);
    ~CLongtimeExportWorld() override { Wait(); }

private:
    void Execute(IProgress& progress) override;

    CWorld& m_world;
    IUserInterface& m_ui;
    std::filesystem::path m_archive;
    std::filesystem::path m_documents;
    int m_language;
};

// Imports an archive into the world, asking first when `ask` is set. It cannot be cancelled.
class CLongtimeImportWorld final : public CLongtimeOperation {
public:
    CLongtimeImportWorld(CWorld& world, IUserInterface& ui, std::filesystem::path archive, bool ask,
                         int language);
    ~CLongtimeImportWorld() override { Wait(); }

    // Once finished: whether every file of the archive replaced its old one. The import has
    // reported any failure itself.
    bool Imported() const { return m_imported; }

private:
    void Execute(IProgress& progress) override;

    CWorld& m_world;
    IUserInterface& m_ui;
    std::filesystem::path m_archive;
    bool m_ask;
    int m_language;
    bool m_imported = false;
};

}  // namespace kw
