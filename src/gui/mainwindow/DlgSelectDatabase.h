#pragma once

#include <filesystem>
#include <vector>

#include "gui/mainwindow/DlgDatabaseFolder.h"

namespace kw {

// "Datenbank öffnen": picks a database folder in "<documents>/database". Opening it removes what
// an interrupted export left there. "Öffnen" or a double click on a row accepts; Folder() then
// names the chosen folder, which the caller loads into a new slot.
class CDlgSelectDatabase : public CDlgDatabaseFolder {
    Q_OBJECT

public:
    // `openFolders`: the folders of the open database slots, for the warning before deleting one.
    CDlgSelectDatabase(const std::filesystem::path& documents, IUserInterface& ui,
                       std::vector<std::filesystem::path> openFolders, QWidget* parent = nullptr);

    // The chosen database folder; empty until the dialog was accepted.
    const std::filesystem::path& Folder() const { return m_folder; }

    QPushButton* OpenButton() const { return m_open; }

private:
    void SelectionChanged() override;
    void OpenSelected();

    QPushButton* m_open;
    std::filesystem::path m_folder;
};

}  // namespace kw
