#include "gui/mainwindow/DlgDatabaseFolder.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "app/DatabaseFolders.h"
#include "gui/controls/GuiStrings.h"
#include "gui/mainwindow/SelectDatabase.h"
#include "platform/Cp1252.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

namespace kw {

CDlgDatabaseFolder::CDlgDatabaseFolder(const std::filesystem::path& documents, IUserInterface& ui,
                                       std::vector<std::filesystem::path> openFolders,
                                       QWidget* parent)
    : CDialogB(parent),
      m_databases(DatabasesFolder(documents).value_or(std::filesystem::path())),
      m_ui(ui),
      m_openFolders(std::move(openFolders)),
      m_list(new CSelectDatabase),
      m_comment(new QPlainTextEdit),
      m_delete(new QPushButton(tr("Datenbank löschen"))) {
    m_comment->setReadOnly(true);
    m_list->setAccessibleName(tr("Datenbanken"));
    // "Datenbank speichern unter" has a comment field of its own.
    m_comment->setAccessibleName(tr("Kommentar der gewählten Datenbank"));
    m_delete->setEnabled(false);
    // Enter must never delete: only the dialog's own default button takes it.
    m_delete->setAutoDefault(false);
    connect(m_delete, &QPushButton::clicked, this, &CDlgDatabaseFolder::DeleteSelected);
    connect(m_list, &CSelectDatabase::itemSelectionChanged, this, [this] { SelectionChanged(); });
}

void CDlgDatabaseFolder::FillList() {
    m_list->SetNames(m_databases.empty() ? std::vector<std::string>() : ListDatabases(m_databases));
}

std::string CDlgDatabaseFolder::SelectedDescription() const {
    const std::optional<std::string> name = m_list->SelectedName();
    return name ? ReadDatabaseDescription(m_databases, *name) : std::string();
}

void CDlgDatabaseFolder::DeleteSelected() {
    const std::optional<std::string> name = m_list->SelectedName();
    if (!name) {
        return;
    }
    const std::string shownName = Utf8ToCp1252(*name);
    std::string question = FormatPrintf(GuiString(ids::kDeleteDatabase).data(), shownName.c_str());
    if (IsDatabaseOpen(m_databases / *name, m_openFolders)) {
        question += "\n\n";
        question += GuiString(ids::kDeleteOpenDatabase);
    }
    if (!m_ui.AskYesNo(question)) {
        return;
    }
    const bool deleted = DeleteDatabase(m_databases, *name);
    // The list shows what is on disk, also after a deletion that left the folder behind.
    FillList();
    m_comment->clear();
    SelectionChanged();
    if (!deleted) {
        m_ui.ShowError(
            FormatPrintf(GuiString(ids::kDeleteDatabaseFailed).data(), shownName.c_str()));
    }
}

}  // namespace kw
