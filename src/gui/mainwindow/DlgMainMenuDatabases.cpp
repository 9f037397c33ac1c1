// The main window's commands that open, name and synchronise databases.
#include <algorithm>
#include <filesystem>
#include <iterator>

#include "app/DatabaseSlots.h"
#include "app/UnsavedChanges.h"
#include "document/DatabaseDocument.h"
#include "gui/mainwindow/DlgDatabaseCopy.h"
#include "gui/mainwindow/DlgMainMenu.h"
#include "gui/mainwindow/DlgNewDatabase.h"
#include "gui/mainwindow/DlgSelectDatabase.h"
#include "gui/mainwindow/RecentDatabasesMenu.h"
#include "model/World.h"
#include "platform/Environment.h"
#include "platform/Progress.h"

namespace kw {

namespace {

bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace

std::vector<std::filesystem::path> DlgMainMenu::OpenFolders() const {
    std::vector<std::filesystem::path> folders;
    for (int index = 0; index < m_slots->Count(); ++index) {
        folders.push_back(m_slots->Slot(index)->World().Directory());
    }
    return folders;
}

void DlgMainMenu::OpenDatabaseFolder() {
    const std::optional<std::filesystem::path> documents = DocumentsDirectory();
    if (m_slots->Count() >= CDatabaseSlots::kMaxSlots || !documents) {
        return;
    }
    CDlgSelectDatabase dialog(*documents, m_ui, OpenFolders(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.Folder().empty()) {
        return;
    }
    OpenFolder(dialog.Folder());
}

void DlgMainMenu::OpenFolder(const std::filesystem::path& folder) {
    m_recent->Opened(folder);
    // A database open in a slot is shown, not read a second time beside its unsaved changes.
    const std::vector<std::filesystem::path> open = OpenFolders();
    for (std::size_t index = 0; index < open.size(); ++index) {
        if (SameFolder(open[index], folder)) {
            SelectDatabase(static_cast<int>(index));
            return;
        }
    }
    if (m_slots->Count() >= CDatabaseSlots::kMaxSlots) {
        return;
    }
    CDatabaseDocument* document = m_slots->AddSlot();
    CSilentProgress progress;
    OpenDatabase(*document, folder, progress, m_ui);
    ShowDocument(*document);
    Refresh();
}

void DlgMainMenu::SaveDatabaseAs() {
    const std::optional<std::filesystem::path> documents = DocumentsDirectory();
    if (m_document == m_placeholderDocument || !documents) {
        return;
    }
    CDlgNewDatabase dialog(*documents, m_ui, OpenFolders(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // Makes the new folder the database's own; the save then writes every file into it.
    if (!m_document->WorldForOperations().CreateDatabaseDirectory(*documents, dialog.Name(),
                                                                  dialog.Description(), m_ui)) {
        return;
    }
    Save();
    Refresh();
}

bool DlgMainMenu::SettleChanges(const std::vector<CDatabaseDocument*>& documents) {
    std::vector<CDatabaseDocument*> savable;
    std::copy_if(
        documents.begin(), documents.end(), std::back_inserter(savable),
        [this](const CDatabaseDocument* document) { return document != m_placeholderDocument; });
    return SettleUnsavedChanges(savable, m_ui, [this](CDatabaseDocument& document) {
        // The user sees which database is saved, and keeps seeing it when the save failed.
        if (&document != m_document) {
            m_slots->SetCurrent(&document);
            ShowDocument(document);
            Refresh();
        }
        Save();
        return !document.IsModified();
    });
}

void DlgMainMenu::ManageDatabases() {
    CDlgDatabaseCopy dialog(*m_slots, m_ui, this);
    dialog.exec();
    Refresh();
}

}  // namespace kw
