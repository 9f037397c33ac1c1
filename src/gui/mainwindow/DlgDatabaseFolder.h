#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "gui/controls/DialogB.h"

class QPlainTextEdit;
class QPushButton;

namespace kw {

class CSelectDatabase;
class IUserInterface;

// What "Datenbank öffnen" and "Datenbank speichern unter" share: the list of the database folders
// in "<documents>/database", the selected one's comment (its "Database.txt") and "Datenbank
// löschen", which asks first and warns when the database is open in one of `openFolders`.
class CDlgDatabaseFolder : public CDialogB {
    Q_OBJECT

public:
    CSelectDatabase* DatabaseList() const { return m_list; }
    QPlainTextEdit* Comment() const { return m_comment; }
    QPushButton* DeleteButton() const { return m_delete; }

protected:
    CDlgDatabaseFolder(const std::filesystem::path& documents, IUserInterface& ui,
                       std::vector<std::filesystem::path> openFolders, QWidget* parent);

    // Empty when the folder could not be found or made; the list then stays empty.
    const std::filesystem::path& Databases() const { return m_databases; }
    void FillList();
    // The selected database's description in Windows-1252, empty without a selection.
    std::string SelectedDescription() const;
    // After every change of the list's selection, also the one a deletion makes.
    virtual void SelectionChanged() = 0;

private:
    void DeleteSelected();

    std::filesystem::path m_databases;
    IUserInterface& m_ui;
    std::vector<std::filesystem::path> m_openFolders;
    CSelectDatabase* m_list;
    QPlainTextEdit* m_comment;
    QPushButton* m_delete;
};

}  // namespace kw
