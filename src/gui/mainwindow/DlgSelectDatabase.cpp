#include "gui/mainwindow/DlgSelectDatabase.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DatabaseFolders.h"
#include "gui/controls/GuiStrings.h"
#include "gui/mainwindow/QtText.h"
#include "gui/mainwindow/SelectDatabase.h"
#include "platform/StringTable.h"

namespace kw {

CDlgSelectDatabase::CDlgSelectDatabase(const std::filesystem::path& documents, IUserInterface& ui,
                                       std::vector<std::filesystem::path> openFolders,
                                       QWidget* parent)
    : CDlgDatabaseFolder(documents, ui, std::move(openFolders), parent),
      m_open(new QPushButton(tr("Öffnen"))) {
    setWindowTitle(tr("Datenbank öffnen"));
    if (!Databases().empty()) {
        RemoveExportScratch(Databases());
    }

    auto* commentLabel = new QLabel(tr("Kommentar"));
    commentLabel->setBuddy(Comment());
    auto* cancel = new QPushButton(FromCp1252(GuiString(ids::kAbort)));
    m_open->setEnabled(false);
    m_open->setDefault(true);
    cancel->setAutoDefault(false);

    auto* commentColumn = new QVBoxLayout;
    commentColumn->addWidget(commentLabel);
    commentColumn->addWidget(Comment());
    auto* lists = new QHBoxLayout;
    lists->addWidget(DatabaseList(), 1);
    lists->addLayout(commentColumn, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DeleteButton());
    buttons->addStretch();
    buttons->addWidget(m_open);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);

    connect(m_open, &QPushButton::clicked, this, &CDlgSelectDatabase::OpenSelected);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(DatabaseList(), &CSelectDatabase::itemDoubleClicked, this,
            &CDlgSelectDatabase::OpenSelected);
    FillList();
    DatabaseList()->setFocus();
}

void CDlgSelectDatabase::SelectionChanged() {
    const bool selected = DatabaseList()->SelectedName().has_value();
    DeleteButton()->setEnabled(selected);
    m_open->setEnabled(selected);
    Comment()->setPlainText(FromCp1252(SelectedDescription()));
}

void CDlgSelectDatabase::OpenSelected() {
    const std::optional<std::string> name = DatabaseList()->SelectedName();
    if (!name) {
        return;
    }
    m_folder = Databases() / *name;
    accept();
}

}  // namespace kw
