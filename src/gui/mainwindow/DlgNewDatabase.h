#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "gui/mainwindow/DlgDatabaseFolder.h"

class QLineEdit;

namespace kw {

// "Datenbank speichern unter": names the database folder in "<documents>/database" that the
// current database is to be saved into, with its description. "Speichern" is enabled only for a
// name that can become such a folder; typing an existing database's name selects its row and
// offers its comment as the description. After OK the caller creates the folder
// (CWorld::CreateDatabaseDirectory, which asks before replacing one) and saves into it.
class CDlgNewDatabase : public CDlgDatabaseFolder {
    Q_OBJECT

public:
    // `openFolders`: the folders of the open database slots, for the warning before deleting one.
    CDlgNewDatabase(const std::filesystem::path& documents, IUserInterface& ui,
                    std::vector<std::filesystem::path> openFolders, QWidget* parent = nullptr);

    // The folder's name as typed (UTF-8, the file system's spelling).
    std::string Name() const;
    // The description for "Database.txt", in Windows-1252.
    std::string Description() const;

    QLineEdit* NameField() const { return m_name; }
    QPlainTextEdit* DescriptionField() const { return m_description; }
    QPushButton* SaveButton() const { return m_save; }

private:
    void SelectionChanged() override;
    void NameChanged();
    void SetDescription(const QString& text);

    QLineEdit* m_name;
    QPlainTextEdit* m_description;
    QPushButton* m_save;
    bool m_descriptionEdited = false;
};

}  // namespace kw
